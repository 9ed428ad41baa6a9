// Undo and redo through the main window's commands.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "calc/gui/DefPoidsForm.h"
#include "calc/gui/PoidsForm.h"
#include "tests/gui/FenetresTestUtil.h"
#include "views/gui/EditPCForm.h"
#include "views/gui/EpaisseurForm.h"
#include "views/gui/ListeSurfForm.h"
#include "views/gui/LstPcForm.h"
#include "views/gui/PropSurfForm.h"
#include "views/gui/SelSurfaces.h"
#include "views/gui/SurfNewForm.h"

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

namespace {

// What a record holds: every net and frame, and the weights.
auto Lit(const Document& doc) {
    std::tuple<std::vector<TNet>, std::vector<TPlanSym>, TListPoids> g{{}, {}, doc.ListPoids};
    for (int i = 0; i < doc.NbSurf(); ++i) {
        if (const TSurface* n = doc.SurfaceNurbs(i)) std::get<0>(g).push_back(n->Net);
        std::get<1>(g).push_back(doc.Surface(i)->PlanSym);
    }
    return g;
}

class CommandesAnnulerTest : public FenetresTest {
protected:
    // The command's dialog with every surface chosen and `reste` done, then confirmed.
    template <class T>
    std::function<void()> Toutes(const char* menu, std::function<void(T&)> reste = [](T&) {}) {
        return [this, menu, reste] {
            Commande<T>(menu, [reste](T& f) {
                f.Surfaces()->ToutChoisir(true);
                reste(f);
                f.Valider();
            });
        };
    }
};

}  // namespace

// Every command that changes a net, a frame or the weights either records
// what it changes, so that Annuler gives back just that and an earlier change
// stays, or leaves Annuler off and exchanges nothing.
TEST_F(CommandesAnnulerTest, EachCommandRecordsOrLeavesAnnulerOff) {
    const std::vector<std::tuple<const char*, bool, std::function<void()>>> commandes = {
        {"Ajout de ballast", true,
         [this] {
             TDefPoidsForm d(Doc(), &F());
             d.Prepare({1.0, 0.0, -0.5}, {});
             d.EditValeur->setText(QStringLiteral("250"));
             ASSERT_TRUE(d.BtnOKClick());
         }},
        {"Réinitialiser le repère", true,
         [this] {
             Commande<TPropSurfForm>("MeProprieteSurf", [](TPropSurfForm& f) {
                 f.findChild<QPushButton*>(QStringLiteral("BtnRAZBasePlanSym"))->click();
                 f.Valider();
             });
         }},
        {"Liste des poids", true,
         [this] {
             TPoidsForm f(Doc(), &F());
             f.show();
             f.SG_PoidsBallast->item(0, 2)->setText(QStringLiteral("900"));
             ASSERT_TRUE(f.BtnOKClick());
         }},
        {"Editeur de vertex", true,
         [this] {
             F().Action(QStringLiteral("MeEditeurPC"))->trigger();
             TEditPCForm* e = Fenetre<TEditPCForm>();
             e->Champ(2)->setText(QStringLiteral("-3.5"));
             e->Champ(2)->setModified(true);
             ASSERT_TRUE(e->Appliquer());
         }},
        {"Liste des vertex", true,
         [this] {
             F().Action(QStringLiteral("MeLstPC"))->trigger();
             TLstPcForm* l = Fenetre<TLstPcForm>();
             l->activateWindow();
             QCoreApplication::processEvents();
             const QModelIndex z = l->Modele()->index(1, TModelePC::kColX + 2);
             ASSERT_TRUE(l->Modele()->setData(z, QStringLiteral("4.5"), Qt::EditRole));
         }},
        {"Miroir de surfaces", true, Toutes<TListeSurfForm>("MeRetournVert")},
        {"Aligner dans l'espace", true,
         [this] {
             TListPC sel;
             for (int j = 0; j < 3; ++j) sel.Add({0, 1, j});
             ASSERT_TRUE(ObjCom::AligneDanslEspace(Doc(), sel));
         }},
        {"Supprimer des surfaces", false, Toutes<TListeSurfForm>("MeSupprimerSurf")},
        {"Epaisseur", false,
         Toutes<TEpaisseurForm>("MeEpaisseur", [](auto& f) { f.Epaisseur()->setText(QStringLiteral("0.05")); })},
        {"Nouvelle surface", false,
         [this] {
             Commande<TSurfNewForm>("MeAjouterSurf", [](TSurfNewForm& f) {
                 f.Nom()->setText(QStringLiteral("Quille"));
                 f.Valider();
             });
         }},
    };
    for (const auto& [nom, enregistre, commande] : commandes) {
        SCOPED_TRACE(nom);
        SetUp();
        // A frame away from the origin, for its reset to move something, and
        // an earlier change, recorded the way the editing code records.
        Doc().Surface(0)->PlanSym.Origin = {0.5, 0.0, 0.25};
        Doc().Surface(0)->PlanSym.MajEquation();
        Doc().RecordAction(TUndo::kGeometrie);
        Doc().SurfaceNurbs(0)->Net.TabPC[2][1].Y += 0.75;
        const auto avant = Lit(Doc());
        commande();
        if (HasFatalFailure()) return;
        const auto apres = Lit(Doc());
        ASSERT_FALSE(apres == avant);
        F().MajMenusAnnuler();
        EXPECT_EQ(F().Action(QStringLiteral("MeAnnuler"))->isEnabled(), enregistre);
        F().MeAnnulerClick();
        EXPECT_TRUE(Lit(Doc()) == (enregistre ? avant : apres));
        TearDown();
    }
}
