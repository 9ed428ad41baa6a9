// What the main-window tests share: a settings folder of their own, the
// document reader and writer connected, a recording user interface, and
// dialogs that answer as the test says.
#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/DocIo.h"
#include "app/gui/MainForm.h"
#include "app/gui/QtUi.h"
#include "app/gui/Startup.h"
#include "app/doc/GestFich.h"
#include "model/Document.h"
#include "tests/support/RecordingUi.h"
#include "views/gui/FormFille.h"
#include "views/gui/Vues.h"

// A left-button drag through Qt's own mouse events: press at `a`, a move to
// each point, release at the last one.
inline void Glisse(QWidget* w, QPoint a, std::initializer_list<QPoint> pts, Qt::KeyboardModifiers m = {}) {
    QTest::mousePress(w, Qt::LeftButton, m, a);
    QPoint dernier = a;
    for (QPoint p : pts) {
        QTest::mouseMove(w, p);
        dernier = p;
    }
    QTest::mouseRelease(w, Qt::LeftButton, m, dernier);
}

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
        ASSERT_TRUE(config_.isValid() && travail_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
        Startup::InstalleDocIo();
        GestFich::RecentFiles().Clear();
    }
    void TearDown() override {
        f_.reset();
        DocIo::Installe({});
    }

    TMainForm& F() { return *f_; }
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
    DialoguesTest d_;
    std::unique_ptr<TMainForm> f_;  // the fixtures' main window, when they make one
};

// The real program: the main window with its four views at 1280 x 1024, the
// program's own interface, and messages on the error output instead of a box.
class ProgrammeTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        qputenv("CORVANE_SHAPER_UNATTENDED", "1");
        portee_ = std::make_unique<Ui::ScopedUi>(&qtUi_);
        f_ = std::make_unique<TMainForm>(Arguments());
        f_->SetDialogues(&d_);
        Startup::CreeFenetres(*f_);
        f_->resize(1280, 1024);
        f_->show();
        QApplication::processEvents();
        for (int k = 0; k < 4; ++k) ASSERT_NE(Vue(k), nullptr);
        f_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f_.get(), 30000));
    }
    void TearDown() override {
        f_.reset();
        portee_.reset();
        qunsetenv("CORVANE_SHAPER_UNATTENDED");
        MainFormTest::TearDown();
    }

    // The program's command line.
    virtual QStringList Arguments() { return {}; }

    TFormFille* Vue(int k) { return Vues::FenetreVueParIndex(k); }
    QAction* A(const char* nom) { return F().Action(QLatin1String(nom)); }
    TNet& Net() { return F().Doc().SurfaceNurbs(0)->Net; }

    // The view's window comes to the front through its menu item, as a user does it.
    void Active(int k) {
        static const char* const items[] = {"MeSectionsFen", "MePlanFen", "MeProfileFen", "MePerspectiveFen"};
        A(items[k])->trigger();
        QApplication::processEvents();
        ASSERT_EQ(F().NumVueActive(), k);
    }
    // Where point (i, j) of the first surface is on view k.
    QPoint Pixel(int k, int i, int j) {
        const TCellPC& c = Vue(k)->TabCoor().At(0, i, j);
        return {c.X, c.Y};
    }

    QtUi qtUi_;
    std::unique_ptr<Ui::ScopedUi> portee_;
};
