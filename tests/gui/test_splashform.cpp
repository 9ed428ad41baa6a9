// The splash and the about box: version, date, subtitle, button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "app/gui/MsgDlg.h"
#include "app/gui/SplashForm.h"

#include <utility>

TEST(SplashForm, SplashPuisAPropos) {
    // The splash shows the version's first two numbers, the about box all of them.
    EXPECT_EQ(TSplashForm::VersionCourte(QStringLiteral("1.2.0.15")), QStringLiteral("1.2"));
    EXPECT_EQ(TSplashForm::VersionCourte(QStringLiteral("3")), QStringLiteral("3"));
    QTemporaryDir config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    {
        TSplashForm splash;
        splash.show();
        EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_FALSE(splash.BtnOK->isVisible());
        EXPECT_EQ(splash.LabelVersion->text(), QStringLiteral("Version ") + TSplashForm::VersionCourte(TSplashForm::Version()));
        // The program file's date with its month in French.
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^Compilé le \\d{1,2} (janvier|février|mars|avril|mai|juin|juillet|"
                                                      "août|septembre|octobre|novembre|décembre) \\d{4}$"))
                        .match(splash.LabelDate->text())
                        .hasMatch())
            << splash.LabelDate->text().toStdString();
        EXPECT_EQ(splash.LabelComment->text(), QStringLiteral("Architecture navale"));

        // A message at start (a document named on the command line is missing or
        // damaged) is not hidden by the splash: the splash steps aside and comes back.
        const std::pair<const char*, void (*)()> boites[] = {
            {"MsgDlg", [] { csMessage::MsgDlg(QStringLiteral("x.cse inexistant"), Ui::MsgType::Warning, Ui::mbOK); }},
            {"ShowMessage", [] { csMessage::ShowMessage(QStringLiteral("Erreur de lecture du fichier")); }},
        };
        QApplication::processEvents();
        for (const auto& [nom, montre] : boites) {
            bool vu = false;
            QTimer::singleShot(0, [&] {
                QWidget* boite = QApplication::activeModalWidget();
                ASSERT_NE(boite, nullptr) << nom;
                vu = true;
                EXPECT_FALSE(splash.isVisible()) << nom;
                EXPECT_NE(boite->parentWidget(), &splash) << nom;
                boite->close();
            });
            montre();
            EXPECT_TRUE(vu) << nom;
            EXPECT_TRUE(splash.isVisible()) << nom;
        }
        TSplashForm apropos;  // an about box made meanwhile takes nothing from the splash
        apropos.PrepareAPropos();
        EXPECT_EQ(Splash::Courant(), &splash);
    }
    QSettings(config.filePath(QStringLiteral("Corvane Shaper/Corvane Shaper.ini")), QSettings::IniFormat)
        .setValue(QStringLiteral("Environement/Language"), QStringLiteral("English (UK)"));
    bool vu = false;
    QTimer::singleShot(0, [&] {
        auto* f = qobject_cast<TSplashForm*>(QApplication::activeModalWidget());
        ASSERT_NE(f, nullptr);
        vu = true;
        EXPECT_FALSE(f->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("A propos de Corvane Shaper"));
        EXPECT_EQ(f->LabelVersion->text(), QStringLiteral("Version ") + TSplashForm::Version());
        EXPECT_EQ(f->LabelComment->text(), QStringLiteral("Naval Architecture"));
        ASSERT_TRUE(f->BtnOK->isVisible());
        f->BtnOK->click();
    });
    Splash::APropos(nullptr);
    EXPECT_TRUE(vu);
}
