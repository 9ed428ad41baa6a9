// Undo and redo through the main window's commands.
#include <QAction>

#include "tests/gui/MainFormTestUtil.h"

namespace {

// A change of one control point the way the editing code makes it.
void DeplacePoint(TMainForm& f, int surf, int i, int j, double x) {
    f.Doc().RecordAction(TUndo::kGeometrie);
    f.Doc().SurfaceNurbs(surf)->Net.TabPC[i][j].X = x;
    f.Doc().SurfaceNurbs(surf)->Calculee = 0;
    f.MarquerModifie();
}

}  // namespace

TEST_F(MainFormTest, UndoRestoresThePointMarksModifiedAndRedoChangesItAgain) {
    const std::string chemin = EcritDocument(QStringLiteral("annuler.cse"), 2);
    DialoguesTest d;
    d.fichierOuvrir = QString::fromStdString(chemin);
    TMainForm f;
    f.SetDialogues(&d);
    f.show();
    d.reponses = {Ui::mrYes};  // close the default drawing
    f.MeOuvrirClick();
    ASSERT_EQ(f.Doc().NbSurf(), 2);
    QAction* annuler = f.Action(QStringLiteral("MeAnnuler"));
    QAction* refaire = f.Action(QStringLiteral("MeRefaireCommande"));

    const double avant = f.Doc().SurfaceNurbs(1)->Net.TabPC[2][1].X;
    DeplacePoint(f, 1, 2, 1, avant + 0.75);

    // Saved after the change: undo must bring the question back.
    ASSERT_TRUE(f.MeEnregistrerClick());

    annuler->trigger();
    EXPECT_DOUBLE_EQ(f.Doc().SurfaceNurbs(1)->Net.TabPC[2][1].X, avant);
    EXPECT_TRUE(f.isWindowModified() && !f.Enregistre());

    refaire->trigger();
    EXPECT_TRUE(f.Doc().SurfaceNurbs(1)->Net.TabPC[2][1].X == avant + 0.75 && !refaire->isEnabled());
}

TEST_F(MainFormTest, CloseAndNewForgetTheSnapshot) {
    DialoguesTest d;
    TMainForm f;
    f.SetDialogues(&d);
    f.show();
    DeplacePoint(f, 0, 0, 0, 5.0);
    d.reponses = {Ui::mrNo};
    f.MeNouveauClick();
    ASSERT_EQ(f.Doc().NbSurf(), 1);
    const TNet net = f.Doc().SurfaceNurbs(0)->Net;
    f.MeAnnulerClick();
    EXPECT_TRUE(f.Doc().SurfaceNurbs(0)->Net == net && f.Enregistre());
}
