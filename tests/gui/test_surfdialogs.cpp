// The surface dialogs driven through their menu commands: properties,
// transformations, surface list, new surface and rename.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <functional>

#include "model/Undo.h"
#include "model/Update.h"
#include "tests/gui/MainFormTestUtil.h"
#include "views/gui/ListeSurfForm.h"
#include "views/gui/PropSurfForm.h"
#include "views/gui/SelSurfForm.h"
#include "views/gui/SelSurfaces.h"
#include "views/gui/SurfNewForm.h"
#include "views/gui/TransfoForm.h"

namespace {

class SurfDialogsTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        f_ = std::make_unique<TMainForm>();
        f_->SetDialogues(&d_);
        F().Doc().FormeAffichee = true;  // as once the window is shown
        F().Doc().Surface(0)->Calculee = 0;
        ObjCom::MajSurface(F().Doc(), true, -1);
        F().MarquerEnregistre();
    }
    void TearDown() override {
        f_.reset();
        MainFormTest::TearDown();
    }
    TMainForm& F() { return *f_; }
    Document& Doc() { return F().Doc(); }

    // Runs `pendant` inside the dialog the command opens, which must close it.
    template <class T>
    void Commande(const char* nom, std::function<void(T&)> pendant) {
        QTimer::singleShot(0, [this, pendant] {
            T* f = F().findChild<T*>();
            ASSERT_NE(f, nullptr);
            ASSERT_TRUE(f->isVisible());
            pendant(*f);
            if (f->isVisible()) f->reject();
        });
        F().Action(QLatin1String(nom))->trigger();
    }

    DialoguesTest d_;
    std::unique_ptr<TMainForm> f_;
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

    Commande<TSelSurfForm>("MeRenomerSurf", [](TSelSurfForm& f) {
        f.Liste()->setCurrentIndex(1);
        f.Renomer()->setMaxLength(100);  // pasted past the field's limit
        f.Renomer()->setText(QStringLiteral("Quille principale en fonte"));
        f.Valider();
    });
    EXPECT_EQ(Doc().Surface(1)->Nom, "Quille principale en");
}

}  // namespace
