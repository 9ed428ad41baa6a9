// The options dialog over the running program: what "OK" stores, what
// "Annuler" puts back, a wrong field, the language.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "app/gui/CouleurForm.h"
#include "app/gui/OptionForm.h"
#include "base/Langue.h"
#include "tests/gui/MainFormTestUtil.h"

namespace {

class OptionFormTest : public ProgrammeTest {
protected:
    TOptionForm& O() {
        TOptionForm* o = OptionForm();
        EXPECT_NE(o, nullptr);
        return *o;
    }
    QByteArray Octets() const {
        QFile f(Ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // OK once with nothing changed: the settings file and the options as they stand.
    void Reference() {
        O().FormShow();
        ASSERT_TRUE(O().BtnOKClick());
        fichier_ = Octets();
        options_ = F().Options();
    }
    QByteArray fichier_;
    Settings::TOptions options_;
};

}  // namespace

TEST_F(OptionFormTest, OKSansChangementRecritLesMemesOctets) {
    O().FormShow();
    O().Shapes[4]->FixeValeur(0x123456);
    O().CB_SavConfig->setChecked(true);
    O().TB_LongRayonCourbure->setValue(1234);
    O().TB_PolyF->setValue(-37);
    O().TB_PolyU->setValue(55);
    O().TB_RatioVectPoids->setValue(777);
    O().RG_OrientationRayon->button(1)->click();
    O().edTailleReperesStudio->setText(QStringLiteral("0,125"));
    ASSERT_TRUE(O().BtnOKClick());
    EXPECT_EQ(F().Options().Couleurs.Grille, 0x123456);
    EXPECT_DOUBLE_EQ(F().Options().OptTailleReperesStudio, 0.125);
    EXPECT_EQ(F().Doc().Options.Courbure.Cote, 1);
    EXPECT_DOUBLE_EQ(F().Doc().Options.Courbure.Facteur, 1234 / 5000.0);  // the combs follow the bar
    EXPECT_TRUE(F().Enregistre());  // options are not part of the document
    const QByteArray avant = Octets();
    ASSERT_FALSE(avant.isEmpty());

    O().FormShow();
    ASSERT_TRUE(O().BtnOKClick());
    EXPECT_EQ(Octets(), avant);
    // What was stored comes back after a restart; a ray length stored out of
    // its track bar's range comes back in it; none stored gives the true
    // curvature (a factor of 1).
    EXPECT_EQ(TMainForm().Options(), F().Options());
    for (int stocke : {0, 1, 99999}) {
        if (stocke == 0)
            Settings::Ouvrir()->remove(QStringLiteral("Courbure/LongRayon"));
        else
            Settings::Ouvrir()->setValue(QStringLiteral("Courbure/LongRayon"), stocke);
        TMainForm autre;
        EXPECT_DOUBLE_EQ(autre.Doc().Options.Courbure.Facteur, (stocke == 0 ? 5000 : stocke == 1 ? 10 : 25000) / 5000.0);
    }
}

TEST_F(OptionFormTest, AnnulerGardeCeQuiAgitToutDeSuiteEtRienDAutre) {
    // Stations with their curvature combs: the ray length shows in the view.
    Active(0);
    A("MeSections")->trigger();
    A("MeHerisson")->trigger();
    Reference();
    const QImage vue = Vue(0)->Image().copy();

    O().FormShow();
    O().Shapes[0]->FixeValeur(0xFFFFFF);
    O().CB_Langue->addItem(QStringLiteral("English"));
    O().CB_Langue->setCurrentText(QStringLiteral("English"));
    O().TB_LongRayonCourbure->setValue(20000);  // these act at once ...
    O().RG_OrientationRayon->button(1)->click();
    O().RG_TypeRayon->button(1)->click();
    O().TB_PolyF->setValue(90);
    O().TB_RatioVectPoids->setValue(5);  // ... this one waits for OK
    O().reject();
    // ... and stay when the dialog is cancelled; the file waits for OK.
    Settings::TOptions attendu = options_;
    attendu.LongRayon = 4.0, attendu.OrientationRayon = 1, attendu.TypeRayon = 1, attendu.PolyFactor = 90;
    EXPECT_EQ(F().Options(), attendu);
    EXPECT_EQ(F().Doc().Options.Courbure.Cote, 1);
    EXPECT_EQ(F().OptionsDessin().RatioVect, options_.RatioVect);
    EXPECT_NE(Vue(0)->Image(), vue);
    EXPECT_EQ(F().Langage(), QString());
    EXPECT_EQ(Octets(), fichier_);
    EXPECT_TRUE(F().Enregistre());
}

TEST_F(OptionFormTest, UnChampFauxNApplitRien) {
    Reference();

    O().FormShow();
    O().Shapes[2]->FixeValeur(0x00FF00);
    O().CB_MultiF_Actif->setChecked(true);
    O().TB_RatioVectPoids->setValue(42);
    for (const char* faux : {"abc", "", "-1", "0.1.2"}) {
        O().edTailleReperesStudio->setText(QLatin1String(faux));
        EXPECT_FALSE(O().BtnOKClick()) << faux;
        EXPECT_EQ(O().Pages->currentIndex(), 4);  // the Studio page, where the field is
        EXPECT_EQ(F().Options(), options_);
        EXPECT_FALSE(F().Doc().Options.MultiFen);
        EXPECT_EQ(Octets(), fichier_);
    }
}

TEST_F(OptionFormTest, LaLangueChoisieRevientDansChaqueFenetre) {
    // Languages are looked for beside the program: a name of this process's own.
    const QString langue = QStringLiteral("Essai%1").arg(QCoreApplication::applicationPid());
    QFile f(QCoreApplication::applicationDirPath() + QStringLiteral("/lang_") + langue + QStringLiteral(".dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("rsMeOptionsCaption=R\xe9glages...\r\nrsOptionFormCaption=R\xe9glages\r\nrsBtnOK=D'accord\r\n");
    f.close();
    O().FormShow();
    EXPECT_EQ(O().CB_Langue->currentText(), QStringLiteral("Français"));
    O().CB_Langue->setCurrentText(langue);
    const bool ok = O().BtnOKClick();
    f.remove();
    ASSERT_TRUE(ok);
    EXPECT_EQ(A("MeOptions")->text(), QStringLiteral("Réglages..."));
    EXPECT_EQ(O().windowTitle(), QStringLiteral("Réglages"));
    EXPECT_EQ(O().findChild<QPushButton*>(QStringLiteral("BtnOK"))->text(), QStringLiteral("D'accord"));
    EXPECT_EQ(CouleurForm()->findChild<QPushButton*>(QStringLiteral("BtnOK"))->text(), QStringLiteral("D'accord"));
    QSettings ini(Ini(), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Environement/Language")).toString(), langue);
    F().ChangeLangue(QString());
    EXPECT_EQ(A("MeOptions")->text(), QStringLiteral("&Options..."));
}

TEST_F(OptionFormTest, ChaqueCommandeOuvreSaFenetre) {
    for (const auto& [commande, fenetre] : {std::pair{"MeOptions", "OptionForm"}, std::pair{"MeAPropos", "SplashForm"},
                                            std::pair{"MeCalculatrice", "CalculatForm"}, std::pair{"MeDebug", "DebugForm"}}) {
        QString ouverte;  // the modal one, closed at once, or the one left shown
        QTimer::singleShot(0, [&ouverte] {
            if (QWidget* d = QApplication::activeModalWidget()) ouverte = d->objectName(), d->close();
        });
        A(commande)->trigger();
        QApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == QLatin1String(fenetre)) ouverte = w->objectName();
        EXPECT_EQ(ouverte, QLatin1String(fenetre));
    }
}
