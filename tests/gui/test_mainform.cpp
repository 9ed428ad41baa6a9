// The main window: creation and first showing, menus, status bar, the file
// commands and the close question.
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMap>
#include <QMenuBar>
#include <QRegularExpression>

#include <functional>

#include "tests/gui/MainFormTestUtil.h"

namespace {

bool Evaluee(const Document& doc, int i) { return doc.Surface(i) && doc.Surface(i)->Calculee; }

// The main window shown, its questions and file dialogs answered by `d_`.
class Fichiers : public MainFormTest {
protected:
    TMainForm& Montre(const QStringList& args = {}) {
        f_.reset();
        d_ = DialoguesTest{};
        f_ = std::make_unique<TMainForm>(args);
        f_->SetDialogues(&d_);
        f_->show();
        return *f_;
    }
    // The recent files the menu shows.
    QList<QAction*> Recents() {
        QList<QAction*> items;
        for (QAction* a : f_->Action(QStringLiteral("MeRecentFiles"))->menu()->actions())
            if (a->isVisible()) items << a;
        return items;
    }
};

}  // namespace

TEST(LigneCommande, SwitchesAndDocumentPath) {
    // Without "-d", "-p" is part of the name.
    for (const auto& [args, debug, port, document] :
         {std::tuple{QStringList{"-d", "-p", "5000", "file", "name.cse"}, true, 5000, "file name.cse"},
          std::tuple{QStringList{"-p", "5000", "x.cse"}, false, 4444, "-p 5000 x.cse"}}) {
        const TLigneCommande l = AnalyseLigneCommande(args);
        EXPECT_EQ(std::tuple(l.ModeDebug, l.PortDebug, l.Document), std::tuple(debug, port, std::string(document)));
    }
}

// The default hull, or the document named on the command line, is evaluated
// at the first showing, with the stations kept shown from an earlier session.
TEST_F(MainFormTest, TheStartingDocumentIsEvaluatedWithItsCutsAtFirstShow) {
    {
        auto s = Settings::Ouvrir();
        s->setValue(QStringLiteral("Environement/SavConfig"), true);
        s->setValue(QStringLiteral("Conf/AffSections"), true);
    }
    const std::string chemin = EcritDocument(QStringLiteral("deux coques.cse"), 2);
    // A name with a blank arrives as two arguments.
    const QString q = QString::fromStdString(chemin);
    const qsizetype blanc = q.lastIndexOf(QLatin1Char(' '));
    for (const QStringList& args : {QStringList{}, QStringList{q.left(blanc), q.mid(blanc + 1)}}) {
        TMainForm f(args);
        const int n = args.empty() ? 1 : 2;
        ASSERT_EQ(f.Doc().NbSurf(), n);
        EXPECT_EQ(f.Doc().NomFichier, args.empty() ? "" : chemin);
        EXPECT_EQ(f.VuesDepuisFichier(), !args.empty());
        EXPECT_FALSE(Evaluee(f.Doc(), n - 1));
        f.show();
        EXPECT_TRUE(f.FormeAffichee());
        EXPECT_TRUE(Evaluee(f.Doc(), n - 1));
        EXPECT_FALSE(f.Doc().Surface(n - 1)->Sec[1].empty());
        EXPECT_TRUE(f.Enregistre());
    }
    // A name that cannot be read leaves the default document.
    TMainForm g({Fichier(QStringLiteral("absent.cse"))});
    ASSERT_EQ(g.Doc().NbSurf(), 1);
    EXPECT_FALSE(g.VuesDepuisFichier());
}

TEST_F(MainFormTest, MenusStartWithTheirStatesAndNoTwoItemsShareAKey) {
    TMainForm f;
    // Built here: enabled. Not built yet: present, disabled. Nothing to undo.
    for (const char* nom : {"MeNouveau", "MeOuvrir", "MeFermer", "MeEnregistrer", "MeEnregistrerSous", "MeQuitter",
                            "MeCalcHydroStat", "MeStabilite", "MeLstPoids", "MeAjoutPoids", "MeLstReperes", "MeAjoutRepere",
                            "MeImportReperes", "MeListeReperesEnv", "MeCalculAires", "MeSurfaceVoiles", "MeTabCotes",
                            "MeDeveloppementSurf", "SBCalcHydro", "SBCalcStab"})
        EXPECT_TRUE(f.Action(QLatin1String(nom))->isEnabled()) << nom;
    for (const char* nom : {"MeAnnuler", "MeRefaireCommande"})
        EXPECT_FALSE(f.Action(QLatin1String(nom))->isEnabled()) << nom;

    EXPECT_EQ(f.Action(QStringLiteral("MeEnregistrer"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QMap<QString, QString> touches;
    for (QAction* a : f.findChildren<QAction*>()) {
        if (a->shortcut().isEmpty()) continue;
        const QString k = a->shortcut().toString();
        EXPECT_FALSE(touches.contains(k)) << k.toStdString() << " " << a->objectName().toStdString() << " "
                                          << touches.value(k).toStdString();
        touches.insert(k, a->objectName());
    }
    // Within each menu (the menu bar too) no two shown items share a menu
    // letter, but where both captions come with their letters as they are.
    const QStringList imposees = QStringLiteral(
        "&Contrôle des vues|Re&centrer|S&urface paramétrique|Co&uples|C&otes|L&ongitudinales|&Image de fond|Sc&inder|"
        "&Sélectionner tous|&Supprimer une ligne|&Editeur de vertex|Grouper dans l'&espace|Liste des Verte&x|"
        "Sélection des verte&x|Ve&rrouillage...|&Renommer|C&alculatrice|&Ajout d'un repère|&Réorganiser les icones|"
        "Vue en pe&rspective").split(QLatin1Char('|'));
    std::vector<QWidget*> menus{f.menuBar()};
    for (QMenu* m : f.findChildren<QMenu*>()) menus.push_back(m);
    for (QWidget* m : menus) {
        QMap<QChar, QString> lettres;
        for (QAction* a : m->actions()) {
            const QString t = a->text();
            const qsizetype i = t.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
            if (a->isSeparator() || !a->isVisible() || i < 0) continue;
            const QChar l = t[i + 1].toLower();
            EXPECT_TRUE(!lettres.contains(l) || (imposees.contains(t) && imposees.contains(lettres.value(l))))
                << m->objectName().toStdString() << ": " << t.toStdString() << " / "
                                              << lettres.value(l).toStdString();
            lettres.insert(l, t);
        }
    }
}

// Closing the window, the Close command and New ask the same question: Cancel,
// or Yes with the save dialog cancelled, keep everything; No goes on unsaved.
TEST_F(Fichiers, CancelOrACancelledSaveKeepsTheDocumentAndNoGoesOn) {
    const std::function<bool(TMainForm&)> commandes[] = {
        [](TMainForm& f) { return f.close(); }, [](TMainForm& f) { return f.MeFermerClick(); },
        [](TMainForm& f) { f.MeNouveauClick(); return f.Doc().NbSurf() != 2; }};
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        TMainForm& f = Montre();
        f.Doc().NouvelleSurface("Pont")->Net.Initialise(1);
        f.Doc().SurfaceNurbs(0)->Net.TabPC[1][1].X = 3.25;
        f.MarquerModifie();
        d_.reponses = {Ui::mrCancel};
        EXPECT_FALSE(commandes[c](f));
        d_.reponses = {Ui::mrYes};
        EXPECT_FALSE(commandes[c](f));
        EXPECT_EQ(d_.dialoguesEnregistrer, 1);
        EXPECT_EQ(d_.questions, std::vector<QString>(2, QStringLiteral("Voulez-vous sauvegarder les modifications ?")));
        ASSERT_EQ(f.Doc().NbSurf(), 2);
        EXPECT_DOUBLE_EQ(f.Doc().SurfaceNurbs(0)->Net.TabPC[1][1].X, 3.25);
        EXPECT_FALSE(f.Enregistre());

        d_.reponses = {Ui::mrNo};
        EXPECT_TRUE(commandes[c](f));
        EXPECT_EQ(d_.dialoguesEnregistrer, 1);
        if (c == 0) {
            EXPECT_TRUE(f.FermetureEnCours());
            EXPECT_FALSE(f.FormeAffichee());
            continue;
        }
        ASSERT_EQ(f.Doc().NbSurf(), c == 1 ? 0 : 1);
        EXPECT_TRUE(f.Enregistre());
        if (c == 2) {
            EXPECT_EQ(f.Doc().Surface(0)->Nom, "Surface 1");
            EXPECT_TRUE(Evaluee(f.Doc(), 0));
            EXPECT_EQ(f.Doc().CurrentPC, (TPC{0, 0, 0}));
        }
    }
}

TEST_F(Fichiers, CloseQuestionYesSavesATitledDocumentAndCloses) {
    const std::string chemin = EcritDocument(QStringLiteral("titre.cse"), 1);
    TMainForm& f = Montre({QString::fromStdString(chemin)});
    f.Doc().SurfaceNurbs(0)->Net.TabPC[0][0].Y = -7.5;
    f.MarquerModifie();
    d_.reponses = {Ui::mrYes};
    EXPECT_TRUE(f.close());
    EXPECT_EQ(d_.questions, std::vector<QString>{QStringLiteral("Voulez-vous sauvegarder les modifications dans titre.cse ?")});
    Document relu;
    GestFich::OuvrirFichier(relu, chemin);
    ASSERT_EQ(relu.NbSurf(), 1);
    EXPECT_DOUBLE_EQ(relu.SurfaceNurbs(0)->Net.TabPC[0][0].Y, -7.5);
}

TEST_F(Fichiers, FailedSaveKeepsTheDocumentOpenAndModified) {
    const std::string chemin = EcritDocument(QStringLiteral("bloque.cse"), 1);
    TMainForm& f = Montre({QString::fromStdString(chemin)});
    // The file's place becomes a folder: it cannot be written any more.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(chemin)));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(chemin)));
    f.MarquerModifie();
    EXPECT_FALSE(f.MeEnregistrerClick());
    EXPECT_FALSE(f.Enregistre());
    d_.reponses = {Ui::mrYes};
    EXPECT_FALSE(f.close());
    EXPECT_EQ(f.Doc().NomFichier, chemin);
}

TEST_F(Fichiers, SaveAsWritesTakesTheNameAndListsTheFileAndTheCaptionNamesTheProgramOnce) {
    Startup::PrepareApplication();  // as the program starts
    TMainForm& f = Montre();
    f.MarquerModifie();
    d_.fichierEnregistrer = Fichier(QStringLiteral("nouveau.cse"));
    ASSERT_TRUE(f.MeEnregistrerSousClick());
    EXPECT_TRUE(QFileInfo::exists(d_.fichierEnregistrer));
    EXPECT_TRUE(f.Enregistre());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Corvane Shaper - nouveau.cse[*]"));
    ASSERT_FALSE(Recents().empty());
    EXPECT_EQ(Recents()[0]->data().toString(), d_.fichierEnregistrer);

    // Save As into a place that cannot be written: the old name stays.
    d_.fichierEnregistrer = Fichier(QStringLiteral("absent/dossier/x.cse"));
    f.MarquerModifie();
    EXPECT_FALSE(f.MeEnregistrerSousClick());
    EXPECT_EQ(f.Doc().NomFichier, Fichier(QStringLiteral("nouveau.cse")).toStdString());
    EXPECT_FALSE(f.Enregistre());
    // The window manager is given the title, followed by the application's
    // display name when one was set, unless the title ends with it.
    QString titre = f.windowHandle()->title();
    const QString nom = QGuiApplication::applicationDisplayName();
    if (nom != QCoreApplication::applicationName() && !titre.endsWith(nom)) titre += QStringLiteral(" — ") + nom;
    EXPECT_EQ(titre, QStringLiteral("Corvane Shaper - nouveau.cse*"));
}

TEST_F(Fichiers, OpenNeverMergesIntoTheKeptDocument) {
    const std::string autre = EcritDocument(QStringLiteral("autre.cse"), 3, 1.0);
    TMainForm& f = Montre();
    d_.fichierOuvrir = QString::fromStdString(autre);
    f.MarquerModifie();
    // "Close the current drawing?" No; or Yes, then Cancel at the save question: nothing is read.
    for (const std::deque<int>& r : {std::deque<int>{Ui::mrNo}, std::deque<int>{Ui::mrYes, Ui::mrCancel}}) {
        d_.reponses = r;
        f.MeOuvrirClick();
        EXPECT_EQ(d_.dialoguesOuvrir, 0);
        EXPECT_FALSE(f.Enregistre());
    }
    // Yes, No: the drawing goes and the file is read alone.
    d_.reponses = {Ui::mrYes, Ui::mrNo};
    f.MeOuvrirClick();
    EXPECT_EQ(d_.dialoguesOuvrir, 1);
    ASSERT_EQ(f.Doc().NbSurf(), 3);
    EXPECT_EQ(f.Doc().NomFichier, autre);
    EXPECT_TRUE(f.Enregistre());
    EXPECT_TRUE(Evaluee(f.Doc(), 2));
}

// The menu shows ten of the recent files; one that has gone is said before
// anything is closed, the current drawing staying as it is.
TEST_F(Fichiers, RecentFilesMenuShowsTenOpensTheClickedOneAndSaysAMissingOne) {
    const std::string chemin = EcritDocument(QStringLiteral("recent.cse"), 2);
    const QString parti = Fichier(QStringLiteral("parti.cse"));
    QStringList noms{QString::fromStdString(chemin), parti};
    for (int i = 0; i < 10; ++i) noms << Fichier(QStringLiteral("vieux%1.cse").arg(i));
    Settings::EcrireFichiersRecents(*Settings::Ouvrir(), noms);
    TMainForm& f = Montre();
    EXPECT_EQ(f.FichiersRecents().size(), 12u);
    const QList<QAction*> items = Recents();
    ASSERT_EQ(items.size(), 10);
    f.Doc().MarquerModifie();
    items[1]->trigger();
    EXPECT_EQ(d_.questions, std::vector<QString>{QStringLiteral("Fichier ") + parti + QStringLiteral(" inexistant")});
    EXPECT_EQ(f.Doc().NbSurf(), 1);
    EXPECT_FALSE(f.Doc().Enregistre());

    d_.reponses = {Ui::mrYes, Ui::mrNo};  // close the current drawing, unsaved
    items[0]->trigger();
    EXPECT_EQ(f.Doc().NbSurf(), 2);
    EXPECT_EQ(f.Doc().NomFichier, chemin);
    // All twelve are written back at closing.
    EXPECT_TRUE(f.close());
    EXPECT_EQ(Settings::LireFichiersRecents(*Settings::Ouvrir()).size(), 12);
}

// A damaged file, whether named on the command line or opened from the menu,
// comes in untitled and modified: Save cannot aim at the original, and leaving
// asks the question.
TEST_F(Fichiers, DamagedDocumentComesInUntitledAndModifiedFromEitherRoad) {
    const std::string chemin = EcritDocument(QStringLiteral("abîmé coque.cse"), 2);
    QFile fichier(QString::fromStdString(chemin));
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const QByteArray entier = fichier.readAll();
    // Cut in the middle of the second surface's net: the first one is read.
    const int coupe = entier.indexOf("[V_1_1]", entier.indexOf("[SURF1]")) + 9;
    ASSERT_GT(coupe, entier.indexOf("[SURF1]"));
    const QString tronque = Fichier(QStringLiteral("tronqué coque.cse"));
    QFile t(tronque);
    ASSERT_TRUE(t.open(QIODevice::WriteOnly));
    t.write(entier.left(coupe));
    t.close();

    for (const bool parMenu : {false, true}) {
        TMainForm& f = Montre(parMenu ? QStringList{} : QStringList{tronque});
        if (parMenu) {
            d_.fichierOuvrir = tronque;
            d_.reponses = {Ui::mrYes};  // close the default drawing
            f.MeOuvrirClick();
        }
        ASSERT_EQ(f.Doc().NbSurf(), 1) << parMenu;
        EXPECT_TRUE(f.Doc().NomFichier.empty());
        EXPECT_TRUE(f.isWindowModified());
        // Save asks for a name; cancelled, nothing is written.
        EXPECT_FALSE(f.MeEnregistrerClick());
        EXPECT_EQ(d_.dialoguesEnregistrer, 1);
        EXPECT_FALSE(f.Enregistre());
    }
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    EXPECT_EQ(t.readAll(), entier.left(coupe));
}

// ---- The document's own views -------------------------------------------------------------

namespace {

// A document with views of its own, in the tests' data folder beside this one's.
const QString kAvecVues = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../data/full.cse");

// The lines of a document's views section, the studio's left out.
QStringList LignesVues(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList lignes = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
    for (QString& l : lignes) l = l.trimmed();
    const qsizetype i = lignes.indexOf(QStringLiteral("[VUES]"));
    return i < 0 ? QStringList{} : lignes.mid(i, 9);
}

// That document named on the command line.
class ProgrammeAvecVues : public ProgrammeTest {
protected:
    QStringList Arguments() override {
        chemin_ = Fichier(QStringLiteral("vues.cse"));
        QFile::copy(kAvecVues, chemin_);
        return {chemin_};
    }
    void VerifieVues();
    QString chemin_;
};

}  // namespace

// Named on the command line, opened through the menu or from the recent
// files, the document's views come back as it keeps them and are written
// back unchanged, the windows in cascade or where they were kept.
void ProgrammeAvecVues::VerifieVues() {
    const QStringList original = LignesVues(kAvecVues);
    ASSERT_EQ(original.size(), 9);
    for (const char* route : {"ligne", "MeOuvrir", "MeRecentFiles"}) {
        d_.reponses = {Ui::mrYes};
        if (route == std::string("MeOuvrir")) {
            d_.fichierOuvrir = chemin_;
            A("MeOuvrir")->trigger();
        } else if (route == std::string("MeRecentFiles")) {
            const QList<QAction*> recents = A("MeRecentFiles")->menu()->actions();
            auto it = std::find_if(recents.begin(), recents.end(), [&](QAction* a) { return a->data() == chemin_; });
            ASSERT_NE(it, recents.end());
            (*it)->trigger();
        }
        QApplication::processEvents();
        ASSERT_EQ(F().Doc().NomFichier, chemin_.toStdString()) << route;
        ASSERT_TRUE(F().MeEnregistrerClick()) << route;
        EXPECT_EQ(LignesVues(chemin_), original) << route;
    }
}

TEST_F(ProgrammeAvecVues, TheDocumentsViewsComeBackWholeWhateverRoadOpensIt) { VerifieVues(); }

class ProgrammeAvecVuesPlacees : public ProgrammeAvecVues {
protected:
    QStringList Arguments() override {
        auto s = Settings::Ouvrir();
        s->setValue(QStringLiteral("Environement/PosFen"), true);
        for (const char* nom : {"SectionForm", "PlanForm", "ProfileForm", "PerspForm"})
            Settings::EcrirePlacement(*s, QLatin1String(nom), Settings::TPlacement{20, 30, 350, 500});
        return ProgrammeAvecVues::Arguments();
    }
};

TEST_F(ProgrammeAvecVuesPlacees, TheDocumentsViewsComeBackWholeInWindowsPlacedAsKept) { VerifieVues(); }
