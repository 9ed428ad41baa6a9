// Start-up: one instance, the settings file, and the exception handler that
// keeps errors from crossing the event loop.
#include <signal.h>
#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>

#include "app/FinProgramme.h"
#include "app/doc/DocWriter.h"
#include "app/doc/GestFich.h"
#include "app/gui/ExceptionHandler.h"
#include "base/Debug.h"
#include "base/Encodage.h"
#include "base/Langue.h"
#include "model/Document.h"
#include "tests/gui/MainFormTestUtil.h"

namespace {

QString Programme() { return QCoreApplication::applicationDirPath() + QStringLiteral("/corvane-shaper"); }

// Whether the X server of that display shows the main window holding unsaved
// work, or (boite) a message box of the start, under the program's name.
bool FenetreMontree(const QByteArray& display, bool boite = false) {
    xcb_connection_t* c = xcb_connect(display.constData(), nullptr);
    xcb_query_tree_reply_t* arbre = nullptr;
    if (!xcb_connection_has_error(c))
        arbre = xcb_query_tree_reply(
            c, xcb_query_tree(c, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root), nullptr);
    bool vu = false;
    for (int i = 0; arbre && i < xcb_query_tree_children_length(arbre) && !vu; ++i) {
        const xcb_window_t w = xcb_query_tree_children(arbre)[i];
        auto* attr = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
        auto* nom = xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        if (attr && nom && attr->map_state == XCB_MAP_STATE_VIEWABLE) {
            const std::string_view titre(static_cast<const char*>(xcb_get_property_value(nom)),
                                         static_cast<std::size_t>(xcb_get_property_value_length(nom)));
            vu = boite ? titre == "Corvane Shaper" : titre.starts_with("Corvane Shaper") && titre.ends_with('*');
        }
        std::free(attr);
        std::free(nom);
    }
    std::free(arbre);
    xcb_disconnect(c);
    return vu;
}

QString LitTout(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

}  // namespace

// ---- One instance -------------------------------------------------------------------

TEST(Instance, SecondStartEndsWithTheMessageAndAStartAfterAKillWorks) {
    if (!QFileInfo::exists(Programme())) GTEST_SKIP() << "corvane-shaper not built";
    QTemporaryDir runtime, config;
    ASSERT_TRUE(runtime.isValid() && config.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("CORVANE_SHAPER_UNATTENDED"), QStringLiteral("1"));
    const QString verrou = runtime.filePath(QStringLiteral("MutexCorvaneShaper.lock"));
    const QString ini = config.filePath(QStringLiteral("Corvane Shaper/Corvane Shaper.ini"));

    auto lance = [&env](QProcess& p) {
        p.setProcessEnvironment(env);
        p.start(Programme(), {});
    };
    QProcess premier, second, troisieme;
    lance(premier);
    ASSERT_TRUE(premier.waitForStarted(10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(verrou) && QFileInfo::exists(ini); }, 10000));
    // The first start leaves the zoom ceiling in the settings.
    EXPECT_TRUE(LitTout(ini).contains(QStringLiteral("ZOOMMAX=2500")));

    lance(second);
    ASSERT_TRUE(second.waitForFinished(15000)) << "the second instance kept running";
    EXPECT_TRUE(QString::fromLocal8Bit(second.readAllStandardError()).contains(QStringLiteral("Corvane Shaper already launched")));
    EXPECT_EQ(premier.state(), QProcess::Running);

    // The first one crashes: its lock stays behind and does not block.
    premier.kill();
    ASSERT_TRUE(premier.waitForFinished(5000));
    EXPECT_TRUE(QFileInfo::exists(verrou));
    lance(troisieme);
    ASSERT_TRUE(troisieme.waitForStarted(10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return LitTout(verrou).startsWith(QString::number(troisieme.processId())); }, 10000))
        << QString::fromLocal8Bit(troisieme.readAllStandardError()).toStdString();
    EXPECT_EQ(troisieme.state(), QProcess::Running);
    troisieme.kill();
    troisieme.waitForFinished(5000);
}

// ---- Settings ---------------------------------------------------------------------------

TEST_F(MainFormTest, BadSettingValuesFallBackToTheirDefaults) {
    {
        auto s = Settings::Ouvrir();
        s->setValue(QStringLiteral("Colors/Axes"), QStringLiteral("rouge"));
        s->setValue(QStringLiteral("System/ZOOMMAX"), -3);
        s->setValue(QStringLiteral("Environement/OptTailleReperesStudio"), QStringLiteral("0,05"));
        s->setValue(QStringLiteral("Environement/PosLight"), QStringLiteral("peut-être"));
        // One light value of the block missing: every light takes its default.
        Settings::TLumieres l;
        l.Dist[3] = 9.5;
        Settings::EcrireLumieres(*s, l);
        s->remove(QStringLiteral("PosLight/L6RY"));
    }
    auto s = Settings::Ouvrir();
    Settings::TOptions o;
    Settings::LireOptions(*s, o);
    EXPECT_EQ(o.Couleurs.Axes, 0x0000FF);
    EXPECT_EQ(o.ZoomMax, 2500);
    EXPECT_DOUBLE_EQ(o.OptTailleReperesStudio, 0.05);  // a decimal comma reads too
    EXPECT_TRUE(o.PosLight);
    Settings::TLumieres l;
    l.Dist[0] = 1.0;
    Settings::LireLumieres(*s, l);
    EXPECT_EQ(l, Settings::TLumieres{});
}

TEST_F(MainFormTest, DisplaySwitchesAndPlacementAreKeptWhenTheOptionsSaySo) {
    {
        auto s = Settings::Ouvrir();
        s->setValue(QStringLiteral("Environement/SavConfig"), true);
        s->setValue(QStringLiteral("Environement/PosFen"), true);
    }
    // The floating windows kept with the main window, each with its command.
    const std::pair<const char*, const char*> fenetres[] = {
        {"VueCtrlForm", "MeControleVue"}, {"ListeSurfVisiblesForm", "MeVisibiliteSurf"}, {"EditPCForm", "MeEditeurPC"},
        {"BoiteOutilsForm", "MeIcoBoiteOutils"}, {"CalculatForm", "MeCalculatrice"}, {"FenSelForm", "MeFenSel"}};
    std::map<std::string, QRect> places;
    {
        TMainForm f;
        Startup::CreeFenetres(f);
        f.show();
        f.Action(QStringLiteral("MeGrille"))->setChecked(true);
        f.Action(QStringLiteral("MeCarene"))->setChecked(false);
        f.FixeMotPrecision(QStringLiteral("Bonne"));
        f.setGeometry(40, 50, 600, 400);
        for (int k = 0; const auto& [nom, item] : fenetres) {
            f.Clique(item, true);
            QWidget* w = f.findChild<QWidget*>(QLatin1String(nom));
            ASSERT_NE(w, nullptr) << nom;
            w->move(20 + 60 * k, 30 + 40 * k);
            places[nom] = w->geometry();
            ++k;
        }
        EXPECT_TRUE(f.close());
    }
    TMainForm f;
    Startup::CreeFenetres(f);
    f.show();
    QApplication::processEvents();  // the floating windows open once the main window is on the screen
    EXPECT_TRUE(f.Action(QStringLiteral("MeGrille"))->isChecked());
    EXPECT_TRUE(f.Doc().Aff.MeGrille);
    // The hull always starts shown.
    EXPECT_TRUE(f.Doc().Aff.MeCarene);
    // The precision restored runs its command, as a click would: the grids follow.
    EXPECT_TRUE(f.Action(QStringLiteral("MePrecBonne"))->isChecked());
    EXPECT_EQ(f.Doc().Surface(0)->Points.rows(), 51);
    EXPECT_EQ(f.geometry(), QRect(40, 50, 600, 400));
    // Every window that was open opens again where it was, its item ticked.
    for (const auto& [nom, item] : fenetres) {
        QWidget* w = f.findChild<QWidget*>(QLatin1String(nom));
        ASSERT_NE(w, nullptr) << nom;
        EXPECT_TRUE(w->isVisible()) << nom;
        EXPECT_EQ(w->geometry(), places[nom]) << nom;
        EXPECT_TRUE(!f.Action(QLatin1String(item))->isCheckable() || f.Action(QLatin1String(item))->isChecked()) << nom;
    }
}

// "Perso", or a word no item carries: "Moyenne" is ticked, and is what is written.
TEST_F(MainFormTest, APersonalPrecisionStartsAsMoyenneAndAnUnknownWordIsNotKept) {
    for (const char* mot : {"Perso", "Extrême"}) {
        {
            auto s = Settings::Ouvrir();
            s->setValue(QStringLiteral("Environement/SavConfig"), true);
            s->setValue(QStringLiteral("Conf/Precision"), QString::fromUtf8(mot));
        }
        TMainForm f;
        f.show();
        for (const char* nom : {"MePrecFaible", "MePrecMoyenne", "MePrecBonne", "MePrecTBonne", "MePrecPerso"})
            EXPECT_EQ(f.Action(QLatin1String(nom))->isChecked(), nom == std::string("MePrecMoyenne")) << mot << nom;
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer stops the program instead of raising
        // A precision that does not fit in memory: the tick, moved as a click
        // does before the command runs, goes back to the one the drawing has.
        f.Action(QStringLiteral("MePrecPerso"))->setChecked(true);
        EXPECT_THROW(f.AppliquePrecision("MePrecPerso", 1'000'000), std::bad_alloc);
        EXPECT_TRUE(f.Action(QStringLiteral("MePrecMoyenne"))->isChecked()) << mot;
#endif
        EXPECT_TRUE(f.close());
        EXPECT_EQ(QSettings(Ini(), QSettings::IniFormat).value(QStringLiteral("Conf/Precision")).toString(),
                  QStringLiteral("Moyenne")) << mot;
    }
}

TEST(Placement, AWindowComesBackWhereItWasAndWhollyOnTheScreen) {
    // The next session reads what this one wrote: the window must not creep.
    QWidget w, suivante;
    w.show();
    w.move(120, 80);
    w.resize(640, 480);
    suivante.show();
    QApplication::processEvents();
    Settings::AppliquePlacement(suivante, Settings::PlacementDe(w), false);
    QApplication::processEvents();
    EXPECT_TRUE(suivante.frameGeometry() == w.frameGeometry() && suivante.size() == QSize(640, 480));
    // One kept beyond this screen's edge comes back wholly on it.
    const QRect ecran = w.screen()->availableGeometry();
    Settings::TPlacement loin = Settings::PlacementDe(w);
    loin.Left = ecran.right() - 50, loin.Top = ecran.bottom() - 40;
    Settings::AppliquePlacement(w, loin, false);
    EXPECT_TRUE(ecran.contains(w.frameGeometry()));
}

// A window kept maximised comes back maximised and, un-maximised, at the
// bounds it had before: the main window and a view in its area alike.
TEST(Placement, AWindowKeptMaximisedGivesBackItsEarlierBounds) {
    QTemporaryDir dir;
    QSettings s(dir.filePath(QStringLiteral("p.ini")), QSettings::IniFormat);
    QMdiArea zone;
    zone.resize(1000, 800);
    zone.show();
    for (const QRect bornes : {QRect(60, 50, 500, 400), QRect(30, 40, 420, 300)}) {  // a window, a view
        const auto fenetre = [&]() -> std::unique_ptr<QWidget> {
            if (bornes.width() == 500) return std::make_unique<QWidget>();
            auto sw = std::make_unique<QMdiSubWindow>();
            Settings::SuitBornesNormales(*zone.addSubWindow(sw.get()));
            return sw;
        };
        std::unique_ptr<QWidget> w = fenetre();
        w->show();
        w->move(bornes.topLeft());
        w->resize(bornes.size());
        w->showMaximized();
        QApplication::processEvents();
        Settings::EcrirePlacement(s, QStringLiteral("W"), Settings::PlacementDe(*w));
        w = fenetre();
        Settings::TPlacement p;
        ASSERT_TRUE(Settings::LirePlacement(s, QStringLiteral("W"), p));
        Settings::AppliquePlacement(*w, p, false);
        w->show();
        QApplication::processEvents();
        EXPECT_TRUE(w->isMaximized());
        w->showNormal();
        QApplication::processEvents();
        EXPECT_EQ(QRect(w->frameGeometry().topLeft(), w->size()), bornes);
    }
}

// ---- Exception handler ----------------------------------------------------------------------

// The whole scenario through the main window is in the integration tests;
// here, the handler alone: what it journals and what it must tell the user.
TEST(ExceptionHandler, TheErrorIsJournaledAndTheUserToldOnlyOfAnOddRecoveryPlaceOrJournal) {
    QTemporaryDir dir, ailleurs;
    ASSERT_TRUE(dir.isValid() && ailleurs.isValid());
    static std::vector<std::pair<std::string, std::vector<std::string>>> rapports;
    Debug::SetSink([](int, const std::string& tag, int, const std::vector<std::string>& v) { rapports.emplace_back(tag, v); });
    ExceptionHandler::Hooks h;
    h.journalPath = dir.filePath(QStringLiteral("Error.log")).toStdString();
    std::vector<std::string> messages;
    h.plainMessage = [&messages](const std::string& m) { messages.push_back(m); };
    ExceptionHandler::SetHooks(h);
    // Without a document writer: reported, journaled, nothing said.
    ExceptionHandler::Guard([]() -> int { throw 42; }, 0);
    Debug::SetSink(nullptr);
    ASSERT_EQ(rapports.size(), 2u);
    EXPECT_EQ(rapports[0].second, std::vector<std::string>{"Error writing recovery.cse"});
    EXPECT_EQ(rapports[1].first, "TMainForm.ExceptionHandler");
    EXPECT_TRUE(LitTout(dir.filePath(QStringLiteral("Error.log"))).contains(QStringLiteral("Exception inconnue")));
    EXPECT_TRUE(messages.empty());

    // The recovery file outside the current folder is named; in it, where the
    // user expects it, nothing is said; an unwritable journal shows the message.
    const std::string ici = (std::filesystem::current_path() / "recovery.cse").string();
    for (const auto& [recovery, journal, message] : std::initializer_list<std::array<std::string, 3>>{
             {ailleurs.filePath(QStringLiteral("recovery.cse")).toStdString(), h.journalPath,
              "Panne\nrecovery.cse enregistré dans " + ailleurs.path().toStdString()},
             {ici, h.journalPath, ""},
             {ici, dir.filePath(QStringLiteral("absent/Error.log")).toStdString(), "Panne"}}) {
        messages.clear();
        ExceptionHandler::hooks().recoverySave = [r = recovery] { return r; };
        ExceptionHandler::hooks().journalPath = journal;
        ExceptionHandler::Guard([]() -> int { throw std::runtime_error("Panne"); }, 0);
        EXPECT_EQ(messages, message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
    }
    // Memory running out in two commands: the user is told each time, and where the copy went.
    ExceptionHandler::hooks().journalPath = h.journalPath;
    messages.clear();
    for (int i = 0; i < 2; ++i) ExceptionHandler::Guard([]() -> int { throw std::bad_alloc(); }, 0);
    const std::string manque =
        Langue::Txt("rsMemoireInsuffisante") + "\nrecovery.cse enregistré dans " + std::filesystem::current_path().string();
    EXPECT_EQ(messages, std::vector<std::string>(2, manque));
    EXPECT_EQ(Debug::state().depth, 0);
    EXPECT_FALSE(Debug::state().inHandler);
    ExceptionHandler::SetHooks({});
}

// ---- The end of the program by the system ------------------------------------------------

// SIGTERM, SIGHUP, SIGINT, SIGQUIT, or the X server gone (0), with unsaved
// work: the work goes to recovery.cse, the journal says why and where the
// program was, the settings are written as at a close (the recent files
// rewritten whole, cut at "ERROR"), the exit code tells the signal. So also
// while the start's message box is open, and when a second signal comes during
// the recovery save of a big document. The program runs from a link of its
// own, so that its journal is its own.
TEST(FinProgramme, ASignalOrTheDisplayLostKeepsTheWorkAndTheSettingsAndTheJournalSaysWhy) {
    if (!QFileInfo::exists(Programme())) GTEST_SKIP() << "corvane-shaper not built";
    struct Cas { int sig; bool boite; int second; };
    for (const Cas& cas : std::initializer_list<Cas>{{SIGTERM, false, 0}, {SIGHUP, false, 0}, {SIGINT, false, 0},
                                                     {SIGQUIT, false, 0}, {0, false, 0}, {SIGINT, true, 0},
                                                     {0, true, 0}, {SIGTERM, false, SIGINT}}) {
        SCOPED_TRACE(testing::Message() << cas.sig << (cas.boite ? " box" : "") << " then " << cas.second);
        QTemporaryDir runtime, config, dossier(QCoreApplication::applicationDirPath() + QStringLiteral("/fin-XXXXXX"));
        ASSERT_TRUE(runtime.isValid() && config.isValid() && dossier.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString programme = dossier.filePath(QStringLiteral("corvane-shaper"));
        std::error_code ec;
        std::filesystem::create_hard_link(Programme().toStdString(), programme.toStdString(), ec);
        ASSERT_TRUE(!ec || QFile::copy(Programme(), programme));

        // A document read in part is unsaved work: an unknown key in MAIN. The
        // big one: 100 nets of 31 x 31 points, 4 MB to write.
        Document doc = Document::Defaut();
        if (auto* s = dynamic_cast<TSurface*>(doc.Surfaces[0].get()); s && cas.second) {
            s->Net.NbL = s->Net.NbC = kMaxNetSize;
            for (int i = 0; i < kMaxNetSize; ++i)
                for (int j = 0; j < kMaxNetSize; ++j) s->Net.pc(i, j) = {0.1 * i, 0.05 * j, 0.01 * i * j, 1};
            s->Calc_VecteursNoeud();
            while (doc.NbSurf() < 100) doc.AjouteSurface(s->Clone());
        }
        std::vector<std::string> lignes = DocWriter::LignesDocument(doc, DocWriter::ToutesLesSurfaces(doc));
        lignes.insert(std::find(lignes.begin(), lignes.end(), "[MAIN]") + 1, {"[Inconnue]", "x"});
        const QString document = dossier.filePath(QStringLiteral("bateau.cse"));
        ASSERT_TRUE(Encodage::EcritFichierTexte(document.toStdString(), lignes, nullptr));
        const QString ini = config.filePath(QStringLiteral("Corvane Shaper/Corvane Shaper.ini"));
        std::filesystem::create_directories(QFileInfo(ini).path().toStdString());
        ASSERT_TRUE(Encodage::EcritFichierTexte(
            ini.toStdString(), {"[Files]", "File1=/n/a.cse", "File2=ERROR", "File3=/n/c.cse"}, nullptr));

        const bool x11 = cas.sig == 0 || cas.boite;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dossier.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), x11 ? QStringLiteral("xcb") : QStringLiteral("offscreen"));
        env.insert(QStringLiteral("CORVANE_SHAPER_UNATTENDED"), cas.boite ? QStringLiteral("0") : QStringLiteral("1"));
        QProcess x;
        if (x11) {
            // Xvfb picks a free display and writes its number once it accepts
            // clients; no reset when the test's own look at it disconnects.
            x.start(QStringLiteral("Xvfb"),
                    {"-displayfd", "1", "-noreset", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
            if (!x.waitForStarted(10000)) GTEST_SKIP() << "no Xvfb";
            ASSERT_TRUE(QTest::qWaitFor([&] { return x.canReadLine(); }, 20000));
            env.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(x.readLine()).trimmed());
            env.insert(QStringLiteral("LIBGL_ALWAYS_SOFTWARE"), QStringLiteral("1"));
        }
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dossier.path());
        p.start(programme, {document});
        ASSERT_TRUE(p.waitForStarted(10000));
        const pid_t pid = static_cast<pid_t>(p.processId());
        // The moment: the reading's message shown (on standard error, or in
        // its box), or the window shown for the display's loss.
        QByteArray erreurs;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            if (x11) return FenetreMontree(env.value(QStringLiteral("DISPLAY")).toLatin1(), cas.boite);
            erreurs += p.readAllStandardError();
            return erreurs.contains("n'a pas pu reprendre");
        }, 60000)) << (erreurs + p.readAllStandardError()).toStdString();
        if (cas.sig == 0) x.terminate();  // ended, not killed: its lock and socket go, for the next one
        else ASSERT_EQ(::kill(pid, cas.sig), 0);
        // The second signal once the copy is being written, or is.
        const QDir d(dossier.path());
        for (int k = 0; cas.second && k < 30000 && d.entryList({"*recovery.cse*"}, QDir::Files | QDir::Hidden).isEmpty(); ++k)
            QTest::qSleep(1);
        if (cas.second) ::kill(pid, cas.second);
        ASSERT_TRUE(p.waitForFinished(60000));
        const std::string sortie = (erreurs + p.readAllStandardError()).toStdString();
        EXPECT_EQ(std::tuple(p.exitStatus(), p.exitCode()), std::tuple(QProcess::NormalExit, cas.sig ? 128 + cas.sig : 1))
            << sortie;

        // The copy whole, no temporary left beside it.
        Document relu;
        const QString recovery = d.filePath(QStringLiteral("recovery.cse"));
        ASSERT_TRUE(GestFich::OuvrirFichier(relu, recovery.toStdString()).Complet) << sortie;
        EXPECT_EQ(relu.NbSurf(), cas.second ? 100 : 1);
        EXPECT_EQ(d.entryList({"*recovery.cse*"}, QDir::Files | QDir::Hidden), QStringList{"recovery.cse"});
        const QString journal = LitTout(d.filePath(QStringLiteral("Error.log")));
        const std::string raison = cas.sig ? FinProgramme::RaisonSignal(cas.sig) : FinProgramme::kRaisonAffichage;
        for (const QString& attendu : {QString::fromStdString(raison), "document enregistré dans " + recovery})
            EXPECT_TRUE(journal.contains(attendu)) << journal.toStdString();
        // The routines running then: in the box, the reading that shows it.
        EXPECT_EQ(journal.contains(QStringLiteral("| GestFich.OuvrirFichier |")), cas.boite) << journal.toStdString();
        const QString reglages = LitTout(ini);
        EXPECT_TRUE(reglages.contains(QStringLiteral("File1=/n/a.cse")) && !reglages.contains(QStringLiteral("c.cse")))
            << reglages.toStdString();
        x.terminate();
        x.waitForFinished(10000);
    }
}
