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
#include "views/gui/EditPCForm.h"
#include "views/gui/ListeSurfForm.h"
#include "views/gui/PropSurfForm.h"
#include "views/gui/SelSurfForm.h"
#include "views/gui/SelSurfaces.h"
#include "views/gui/SurfNewForm.h"
#include "views/gui/TransfoForm.h"

namespace {

using SurfDialogsTest = FenetresTest;

TEST_F(SurfDialogsTest, PropertiesFitTheirWidthRefuseBadWeightsInPlaceCancelChangesNothingOkWritesAndReevaluates) {
    Doc().Surface(0)->Nom = "Coque principale bab";
    Doc().Surface(0)->TypePoids = tpFixe;
    Commande<TPropSurfForm>("MeProprieteSurf", [this](TPropSurfForm& f) {
        // 822 pixels wide, the names whole.
        EXPECT_LE(f.width(), 822);
        const QListWidget* l = f.findChild<QListWidget*>(QStringLiteral("LBSurf"));
        EXPECT_GE(l->viewport()->width(), l->fontMetrics().horizontalAdvance(QStringLiteral("Coque principale bab")));
        f.findChild<QCheckBox*>(QStringLiteral("CheckBoxVerrou"))->setChecked(true);
        // A weight the model cannot take is refused in place.
        QLineEdit* e = f.findChild<QLineEdit*>(QStringLiteral("EditPoidsFixeB"));
        for (const auto& [texte, message] :
             {std::pair{"12,5kg", "Valeur numérique demandée : Poids fixe"},
              std::pair{"-5", "Valeur numérique positive demandée : Poids fixe"},
              std::pair{"2e9", "Valeur comprise entre 0 et 1000000000 demandée : Poids fixe"}}) {
            e->setText(QLatin1String(texte));
            e->setModified(true);  // typed
            f.Valider();
            EXPECT_TRUE(f.isVisible());
            EXPECT_EQ(ui_.rec.messages.back(), message);
            EXPECT_EQ(e->selectedText(), e->text());  // back on the field
        }
        f.reject();
    });
    EXPECT_EQ(std::tuple(Doc().Surface(0)->Verrou, Doc().Surface(0)->Poids.Masse, F().Enregistre()), std::tuple(0, 0.0, true));

    Doc().NouvelleSurface("Pont")->Net.Initialise(1);
    std::tie(Doc().Surface(0)->Epaisseur, Doc().Surface(0)->Densite) = std::tuple(0.0125, 7850.12345);
    Commande<TPropSurfForm>("MeProprieteSurf", [this](TPropSurfForm& f) {
        f.findChild<QCheckBox*>(QStringLiteral("CheckBoxVerrou"))->setChecked(true);
        f.findChild<QCheckBox*>(QStringLiteral("CheckBoxSym"))->setChecked(false);
        // The other surface's name, given before that one is looked at, is
        // refused on the surface renamed.
        QLineEdit* nom = f.findChild<QLineEdit*>(QStringLiteral("edNom"));
        nom->setText(QStringLiteral("Pont"));
        emit nom->textEdited(nom->text());
        f.Liste()->setCurrentRow(1);
        f.Valider();
        EXPECT_TRUE(f.isVisible() && f.Liste()->currentRow() == 0 && f.focusWidget() == nom);
        EXPECT_EQ(ui_.rec.messages.back(), "Nom de surface déjà utilisé");
        nom->setText(QStringLiteral("Coque 2"));
        emit nom->textEdited(nom->text());
        f.Valider();
    });
    // Written, evaluated again, the 3 x 3 hull keeping its orders and every
    // bit of the weights it was only shown with three decimals.
    const TSurface& s = *Doc().SurfaceNurbs(0);
    EXPECT_EQ(std::tuple(s.Verrou, s.Sym, s.Calculee, s.Net.LFlex, s.Net.CFlex, F().Enregistre(), s.Nom),
              std::tuple(1, 0, 1, 4, 4, false, "Coque 2"));
    EXPECT_TRUE(s.Epaisseur == 0.0125 && s.Densite == 7850.12345);
}

TEST_F(SurfDialogsTest, PropertiesWeightAtTheVolumeCentreOffersToCloseIt) {
    ui_.rec.answers = {Ui::mrYes};
    Commande<TPropSurfForm>("MeProprieteSurf", [](TPropSurfForm& f) {
        f.findChild<QRadioButton*>(QStringLiteral("RBPoidsCentreV"))->click();
        EXPECT_TRUE(f.findChild<QCheckBox*>(QStringLiteral("CB_JonctionSym"))->isChecked());
        EXPECT_TRUE(f.findChild<QLineEdit*>(QStringLiteral("EditPoidsFixeV"))->isEnabled());
        QLineEdit* e = f.findChild<QLineEdit*>(QStringLiteral("EditPoidsFixeV"));
        e->setText(QStringLiteral("250"));
        e->setModified(true);  // typed
        f.Valider();
    });
    EXPECT_EQ(ui_.rec.messages.back(), "Voulez vous fermer le volume ?");
    EXPECT_EQ(std::tuple(Doc().Surface(0)->Jonction, Doc().Surface(0)->TypePoids, Doc().Surface(0)->Poids.Masse),
              std::tuple(1, tpFixeVolume, 250.0));
}

// A field that is not a number is refused; the list selects like every list
// (a click picks one line, Ctrl+click toggles one, Shift+click extends) and
// only what is picked moves; a size typed and confirmed at once counts.
TEST_F(SurfDialogsTest, TransformationsCheckEveryFieldMoveWhatIsPickedAndCountATypedSize) {
    for (const char* nom : {"Cylindre", "Quille"}) Doc().NouvelleSurface(nom)->Net.Initialise(0);
    ObjCom::MajSurface(Doc(), true, -1);
    const TNet avant = Doc().SurfaceNurbs(0)->Net;  // the three nets are the same
    Commande<TTransForm>("MeTransfo", [](TTransForm& f) {
        f.Champ("EditDepZ")->setText(QStringLiteral("1"));
        f.Champ("EditDepY")->setText(QStringLiteral("x"));
        f.Appliquer();
        EXPECT_TRUE(f.isVisible());
        QListWidget* l = f.Surfaces()->Liste();
        // The line clicked (-1: "Toutes", -2: none, as it opens), the keys held, the selection.
        for (auto [ligne, touches, attendu] :
             {std::tuple{-2, Qt::KeyboardModifiers{}, std::vector<bool>{true, true, true}}, {1, {}, {false, true, false}},
              {2, Qt::ControlModifier, {false, true, true}}, {1, Qt::ControlModifier, {false, false, true}},
              {-1, {}, {true, true, true}}, {0, {}, {true, false, false}},
              {2, Qt::ShiftModifier, {true, true, true}}, {1, {}, {false, true, false}}}) {
            if (ligne == -1) f.Surfaces()->findChild<QPushButton*>(QStringLiteral("BtnToutes"))->click();
            if (ligne >= 0)
                QTest::mouseClick(l->viewport(), Qt::LeftButton, touches, l->visualItemRect(l->item(ligne)).center());
            EXPECT_EQ(f.Surfaces()->Selection(), attendu) << ligne << " " << touches;
        }
        f.Champ("EditDepY")->setText(QStringLiteral("0"));
        f.Appliquer();
    });
    EXPECT_EQ(ui_.rec.messages.back(), "Valeur numérique demandée : Longitudinal Y");
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(Doc().SurfaceNurbs(k)->Net.TabPC[0][0].Z, avant.TabPC[0][0].Z + (k == 1)) << k;
    EXPECT_EQ(Doc().SurfaceNurbs(0)->Net, avant);

    // A length typed and confirmed at once doubles it; the width left as
    // measured (not a whole number of millimetres) keeps every bit.
    const double y0 = Doc().Surface(0)->PtMaxY.Y - Doc().Surface(0)->PtMinY.Y;
    Commande<TTransForm>("MeTransfo", [&](TTransForm& f) {
        f.Pages()->setCurrentIndex(TTransForm::pTaille);
        QLineEdit* e = f.Champ("EditTaiY");
        e->clear();
        QTest::keyClicks(e, QString::number(2 * y0, 'f', 6));
        f.Valider();
    });
    EXPECT_NEAR(Doc().Surface(0)->PtMaxY.Y - Doc().Surface(0)->PtMinY.Y, 2 * y0, 1e-5);
    for (int i = 0; i < avant.NbL; ++i)
        for (int j = 0; j < avant.NbC; ++j) EXPECT_EQ(Doc().SurfaceNurbs(0)->Net.TabPC[i][j].X, avant.TabPC[i][j].X);
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
    EXPECT_FALSE(F().Action(QStringLiteral("MeAnnuler"))->isEnabled());  // nothing it could give back
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
    const TSurface& q = *Doc().SurfaceNurbs(1);  // evaluated, with the default hull's orders
    EXPECT_EQ(std::tuple(q.Nom, q.Calculee, q.Net.LFlex, q.Net.CFlex), std::tuple("Quille", 1, 4, 4));

    ObjCom::ChangeCurrentPC(Doc(), 1, 0, 0);
    Commande<TSelSurfForm>("MeRenomerSurf", [](TSelSurfForm& f) {
        f.Liste()->setCurrentIndex(1);
        f.Renomer()->setMaxLength(100);  // pasted past the field's limit
        f.Renomer()->setText(QStringLiteral("Quille principale en fonte"));
        f.Valider();
    });
    EXPECT_EQ(Doc().Surface(1)->Nom, "Quille principale en");
    EXPECT_EQ(ui_.rec.status.back(), (std::pair<int, std::string>{1, "Vx : [ Quille principale en; 0; 0 ]"}));
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
    Commande<TListeSurfForm>("MeRetournVert", [](TListeSurfForm& f) {
        f.Surfaces()->ToutChoisir(true);
        f.Valider();
    });
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
    EXPECT_EQ(ui_.rec.status.back(), (std::pair<int, std::string>{1, ""}));  // no surface named any more
    EXPECT_FALSE(Fenetre<TEditPCForm>()->isVisible() || F().Action(QStringLiteral("MeEditeurPC"))->isChecked());
}

}  // namespace
