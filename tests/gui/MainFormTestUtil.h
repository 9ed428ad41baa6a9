// What the main-window tests share: a settings folder of their own, the
// document reader and writer connected, a recording user interface, and
// dialogs that answer as the test says.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <string>
#include <vector>

#include "app/DocIo.h"
#include "app/MainForm.h"
#include "app/Startup.h"
#include "app/doc/GestFich.h"
#include "model/Document.h"
#include "tests/core/RecordingUi.h"

// Answers the main window's questions and file dialogs from lists.
struct DialoguesTest : TMainForm::Dialogues {
    std::deque<int> reponses;  // Ui::mr* in order; Cancel once empty
    std::vector<QString> questions;
    QString fichierOuvrir;       // empty: the open dialog is cancelled
    QString fichierEnregistrer;  // empty: the save dialog is cancelled
    int dialoguesEnregistrer = 0;
    int dialoguesOuvrir = 0;

    int MsgDlg(const QString& texte, Ui::MsgType, unsigned) override {
        questions.push_back(texte);
        if (reponses.empty()) return Ui::mrCancel;
        const int r = reponses.front();
        reponses.pop_front();
        return r;
    }
    QString FichierOuvrir(QWidget*, const QString&) override {
        ++dialoguesOuvrir;
        return fichierOuvrir;
    }
    QString FichierEnregistrer(QWidget*, const QString&) override {
        ++dialoguesEnregistrer;
        return fichierEnregistrer;
    }
};

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(config_.isValid());
        ASSERT_TRUE(travail_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        Startup::InstalleDocIo();
        GestFich::RecentFiles().Clear();
    }
    void TearDown() override { DocIo::Installe({}); }

    QString Ini() const { return config_.filePath(QStringLiteral("Corvane Shaper/Corvane Shaper.ini")); }
    QString Fichier(const QString& nom) const { return travail_.filePath(nom); }

    // A document of `n` default hulls written to a file of the work folder.
    std::string EcritDocument(const QString& nom, int n, double decalage = 0.0) {
        Document doc;
        for (int k = 0; k < n; ++k) {
            TSurface* s = doc.NouvelleSurface("Coque" + std::to_string(k));
            s->Net.Initialise(0);
            for (int i = 0; i < s->Net.NbL; ++i)
                for (int j = 0; j < s->Net.NbC; ++j) s->Net.TabPC[i][j].Z += decalage + k;
        }
        doc.NomFichier = Fichier(nom).toStdString();
        GestFich::EnregistrerFichierAll(doc, 0);
        return doc.NomFichier;
    }

    RecordingScope ui_;
    QTemporaryDir config_;
    QTemporaryDir travail_;
};
