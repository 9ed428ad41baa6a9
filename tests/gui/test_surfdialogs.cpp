// The surface dialogs driven through their menu commands: properties,
// transformations, surface list, new surface and rename.
#include <QCheckBox>
#include <QComboBox>
#include <QTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "model/Undo.h"
#include "model/Update.h"
#include "tests/gui/FenetresTestUtil.h"
#include "views/ListeSurf.h"
#include "views/gui/EditPCForm.h"
#include "views/gui/ListeSurfForm.h"
#include "views/gui/PropSurfForm.h"
#include "views/gui/SelSurfForm.h"
#include "views/gui/SelSurfaces.h"
#include "views/gui/SurfNewForm.h"
#include "views/gui/TransfoForm.h"

namespace {

class SurfDialogsTest : public FenetresTest {
protected:
    // The list dialog's "Mirroir vertical" on every surface.
    void ListeSurfVertical() {
        TListeSurfForm f(F());
        QTimer::singleShot(0, [&f] {
            f.Surfaces()->ToutChoisir(true);
            f.Valider();
        });
        EXPECT_EQ(f.Execute(ListeSurf::laMiroirVert), 1);
    }
};

TEST_F(SurfDialogsTest, PropertiesCancelChangesNothingOkWritesAndReevaluates) {
    Commande<TPropSurfForm>("MeProprieteSurf", [](TPropSurfForm& f) {
        f.findChild<QCheckBox*>(QStringLiteral("CheckBoxVerrou"))->setChecked(true);
        f.reject();
    });
    EXPECT_EQ(Doc().Surface(0)->Verrou, 0);
    EXPECT_TRUE(F().Enregistre());

    Commande<TPropSurfForm>("MeProprieteSurf", [](TPropSurfForm& f) {
        f.findChild<QCheckBox*>(QStringLiteral("CheckBoxVerrou"))->setChecked(true);
        f.findChild<QCheckBox*>(QStringLiteral("CheckBoxSym"))->setChecked(false);
        f.Valider();
    });
    EXPECT_EQ(Doc().Surface(0)->Verrou, 1);
    EXPECT_EQ(Doc().Surface(0)->Sym, 0);
    EXPECT_EQ(Doc().SurfaceNurbs(0)->Net.LFlex, 4);  // the 3 x 3 hull keeps its orders
    EXPECT_EQ(Doc().SurfaceNurbs(0)->Net.CFlex, 4);
    EXPECT_FALSE(F().Enregistre());
    EXPECT_EQ(Doc().Surface(0)->Calculee, 1);  // evaluated again
}

TEST_F(SurfDialogsTest, PropertiesRefuseAValueThatIsNotANumber) {
    Doc().Surface(0)->TypePoids = tpFixe;
    Commande<TPropSurfForm>("MeProprieteSurf", [&](TPropSurfForm& f) {
        f.findChild<QCheckBox*>(QStringLiteral("CheckBoxVerrou"))->setChecked(true);
        f.findChild<QLineEdit*>(QStringLiteral("EditPoidsFixeB"))->setText(QStringLiteral("12,5kg"));
        f.Valider();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(ui_.rec.messages.back(), "Valeur numérique demandée : Poids fixe");
    });
    EXPECT_EQ(Doc().Surface(0)->Verrou, 0);
    EXPECT_EQ(Doc().Surface(0)->Poids.Masse, 0.0);
}

TEST_F(SurfDialogsTest, PropertiesWeightAtTheVolumeCentreOffersToCloseIt) {
    ui_.rec.answers = {Ui::mrYes};
    Commande<TPropSurfForm>("MeProprieteSurf", [](TPropSurfForm& f) {
        f.findChild<QRadioButton*>(QStringLiteral("RBPoidsCentreV"))->click();
        EXPECT_TRUE(f.findChild<QCheckBox*>(QStringLiteral("CB_JonctionSym"))->isChecked());
        EXPECT_TRUE(f.findChild<QLineEdit*>(QStringLiteral("EditPoidsFixeV"))->isEnabled());
        f.findChild<QLineEdit*>(QStringLiteral("EditPoidsFixeV"))->setText(QStringLiteral("250"));
        f.Valider();
    });
    EXPECT_EQ(ui_.rec.messages.back(), "Voulez vous fermer le volume ?");
    EXPECT_EQ(Doc().Surface(0)->Jonction, 1);
    EXPECT_EQ(Doc().Surface(0)->TypePoids, tpFixeVolume);
    EXPECT_EQ(Doc().Surface(0)->Poids.Masse, 250.0);
}

TEST_F(SurfDialogsTest, TransformationsCheckEveryFieldAndCountATypedSize) {
    const TNet avant = Doc().SurfaceNurbs(0)->Net;
    Commande<TTransForm>("MeTransfo", [](TTransForm& f) {
        f.Champ("EditDepX")->setText(QStringLiteral("1"));
        f.Champ("EditDepY")->setText(QStringLiteral("x"));
        f.Appliquer();
        EXPECT_TRUE(f.isVisible());
    });
    EXPECT_EQ(Doc().SurfaceNurbs(0)->Net, avant);
    EXPECT_EQ(ui_.rec.messages.back(), "Valeur numérique demandée : Longitudinal Y");

    // A length typed and confirmed at once doubles it.
    const double y0 = Doc().Surface(0)->PtMaxY.Y - Doc().Surface(0)->PtMinY.Y;
    Commande<TTransForm>("MeTransfo", [&](TTransForm& f) {
        f.Pages()->setCurrentIndex(TTransForm::pTaille);
        QLineEdit* e = f.Champ("EditTaiY");
        e->clear();
        QTest::keyClicks(e, QString::number(2 * y0, 'f', 6));
        f.Valider();
    });
    EXPECT_NEAR(Doc().Surface(0)->PtMaxY.Y - Doc().Surface(0)->PtMinY.Y, 2 * y0, 1e-5);
    // One undo gives back the hull as it was when the dialog opened.
    F().MeAnnulerClick();
    EXPECT_EQ(Doc().SurfaceNurbs(0)->Net, avant);
}

TEST_F(SurfDialogsTest, DuplicateThenUndoNeverPairsTheWrongSurfaces) {
    Commande<TListeSurfForm>("MeDupliquer", [](TListeSurfForm& f) {
        f.Surfaces()->ToutChoisir(true);
        f.Valider();
    });
    ASSERT_EQ(Doc().NbSurf(), 2);
    EXPECT_EQ(Doc().Surface(1)->Nom, "Surface1 2");
    EXPECT_EQ(F().Undo().Kind(), TUndo::kListeSurf);
    F().MeAnnulerClick();
    EXPECT_EQ(Doc().NbSurf(), 2);
    EXPECT_EQ(Doc().SurfaceNurbs(1)->Net.TabPC[0][0], Doc().SurfaceNurbs(0)->Net.TabPC[0][0]);
}

TEST_F(SurfDialogsTest, NewSurfaceKeepsTheDialogOpenOnAUsedNameAndRenameCuts) {
    Commande<TSurfNewForm>("MeAjouterSurf", [&](TSurfNewForm& f) {
        f.Nom()->setText(QStringLiteral("Surface1"));
        f.Valider();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(ui_.rec.messages.back(), "Nom de surface déjà utilisé");
        f.Nom()->setText(QStringLiteral("Quille"));
        f.Valider();
    });
    ASSERT_EQ(Doc().NbSurf(), 2);
    EXPECT_EQ(Doc().Surface(1)->Nom, "Quille");
    EXPECT_EQ(Doc().Surface(1)->Calculee, 1);
    EXPECT_EQ(Doc().SurfaceNurbs(1)->Net.LFlex * 10 + Doc().SurfaceNurbs(1)->Net.CFlex, 44);  // default hull

    Commande<TSelSurfForm>("MeRenomerSurf", [](TSelSurfForm& f) {
        f.Liste()->setCurrentIndex(1);
        f.Renomer()->setMaxLength(100);  // pasted past the field's limit
        f.Renomer()->setText(QStringLiteral("Quille principale en fonte"));
        f.Valider();
    });
    EXPECT_EQ(Doc().Surface(1)->Nom, "Quille principale en");
}

// The two dialogs name their mirrors the other way round.
TEST_F(SurfDialogsTest, TransformationsVerticalMirrorNegatesXListVerticalNegatesZ) {
    const TVertex4f p = Doc().SurfaceNurbs(0)->Net.TabPC[2][1];
    Commande<TTransForm>("MeTransfo", [](TTransForm& f) {
        f.Pages()->setCurrentIndex(TTransForm::pMiroir);
        f.findChild<QPushButton*>(QStringLiteral("BtnMirVer"))->click();
        f.Valider();
    });
    EXPECT_EQ(Doc().SurfaceNurbs(0)->Net.TabPC[2][1], (TVertex4f{-p.X, p.Y, p.Z, p.W}));
    Doc().SurfaceNurbs(0)->Net.TabPC[2][1] = p;
    ListeSurfVertical();
    EXPECT_EQ(Doc().SurfaceNurbs(0)->Net.TabPC[2][1], (TVertex4f{p.X, p.Y, -p.Z, p.W}));
}

TEST_F(SurfDialogsTest, DeleteAsksFirstAndClosesTheEditorWithTheLastSurface) {
    F().Action(QStringLiteral("MeEditeurPC"))->trigger();
    ASSERT_TRUE(Fenetre<TEditPCForm>()->isVisible());
    ui_.rec.answers = {Ui::mrNo, Ui::mrYes};
    Commande<TListeSurfForm>("MeSupprimerSurf", [](TListeSurfForm& f) {
        f.Surfaces()->ToutChoisir(true);
        f.Valider();
        EXPECT_TRUE(f.isVisible());  // "No": nothing deleted, still open
        f.Valider();
    });
    EXPECT_EQ(Doc().NbSurf(), 0);
    EXPECT_FALSE(Fenetre<TEditPCForm>()->isVisible());
    EXPECT_FALSE(F().Action(QStringLiteral("MeEditeurPC"))->isChecked());
}

}  // namespace
