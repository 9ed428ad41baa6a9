#include "app/gui/Startup.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLockFile>
#include <QStandardPaths>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "app/DocIo.h"
#include "app/FinProgramme.h"
#include "app/doc/GestFich.h"
#include "app/gui/AppliqueLangue.h"
#include "app/gui/CalculatForm.h"
#include "app/gui/CouleurForm.h"
#include "app/gui/ExceptionHandler.h"
#include "app/gui/Icones.h"
#include "app/gui/MainForm.h"
#include "app/gui/MsgDlg.h"
#include "app/gui/OptionForm.h"
#include "app/gui/PropFichForm.h"
#include "app/gui/QtUi.h"
#include "app/gui/Signaux.h"
#include "app/gui/SplashForm.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "model/Document.h"
#include "model/gui/DebugForm.h"
#include "studio/gui/StudioMain.h"
#include "views/gui/Vues.h"

namespace Startup {

namespace {

void MessageSimple(const QString& texte) {
    if (QtUi::SansUtilisateur())
        std::fprintf(stderr, "%s\n", texte.toLocal8Bit().constData());
    else
        csMessage::ShowMessage(texte);
}

}  // namespace

QString CheminVerrou() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("MutexCorvaneShaper.lock"));
}

bool PremiereInstance(QLockFile& verrou) {
    DBG_SCOPE("Startup.PremiereInstance");
    // No age limit: only a lock whose process is gone counts as stale.
    verrou.setStaleLockTime(0);
    if (verrou.tryLock(0)) return true;
    return verrou.error() != QLockFile::LockFailedError;
}

void InstalleDocIo() {
    DocIo::Fonctions f;
    f.ouvrir = [](Document& doc, const std::string& chemin, bool demarrage, std::vector<std::string>& recents) {
        GestFich::RecentFiles().Remplace(recents);
        GestFich::OuvrirFichier(doc, chemin, demarrage);
        recents = GestFich::RecentFiles().Liste();
    };
    f.enregistrer = [](Document& doc, int mode) { return GestFich::EnregistrerFichierAll(doc, mode); };
    f.ajouteFichierRecent = [](std::vector<std::string>& recents, const std::string& nom) {
        TRecentFiles liste;
        liste.Remplace(recents);
        liste.Ajoute(nom);
        recents = liste.Liste();
    };
    DocIo::Installe(std::move(f));
    // The caption follows the document's name; the main window rebuilds the
    // recent-files menu itself once a reading is over.
    GestFich::TFenetres fen = GestFich::Fenetres();
    fen.Caption = [](const std::string&) {
        if (TMainForm* m = MainForm()) m->MajTitre();
    };
    // After a reading (never at start-up, when the views do not exist yet).
    fen.AppliqueVues = [] {
        if (TMainForm* m = MainForm()) m->AppliqueVuesStockees();
    };
    fen.ReinitialisePointsActifs = [] {
        if (TMainForm* m = MainForm()) m->ReinitialisePointsActifs();
    };
    GestFich::InstalleFenetres(std::move(fen));
}

void InstalleGestionnaireErreurs(TMainForm& principale) {
    ExceptionHandler::Hooks h;
    h.recoverySave = [&principale] {
        const auto& io = DocIo::fonctions();
        if (!io.enregistrer) throw std::runtime_error("no document writer");
        principale.StockeVues();
        return io.enregistrer(principale.Doc(), 1);
    };
    h.drawingOn = [&principale] { return principale.Doc().FormeAffichee; };
    h.setDrawing = [&principale](bool on) { principale.Doc().FormeAffichee = on; };
    h.plainMessage = [](const std::string& texte) { MessageSimple(QString::fromStdString(texte)); };
    ExceptionHandler::SetHooks(std::move(h));
}

const std::vector<Fenetre>& OrdreCreation() {
    // Each part of the program puts its window's creation here, in this
    // order; the main window (TMainForm) is created before the list.
    static const std::vector<Fenetre> ordre = {
        {"TBoiteOutilsForm", [](TMainForm& m) { m.FenetreBoiteOutils(); }},
        {"TVueCtrlForm", [](TMainForm& m) { m.FenetreControleVue(); }},
        {"TSectionForm", [](TMainForm& m) { m.AjouteVue(Vues::CreeVue(0, &m)); }},
        {"TPlanForm", [](TMainForm& m) { m.AjouteVue(Vues::CreeVue(1, &m)); }},
        {"TProfileForm", [](TMainForm& m) { m.AjouteVue(Vues::CreeVue(2, &m)); }},
        {"TPerspForm", [](TMainForm& m) { m.AjouteVue(Vues::CreeVue(3, &m)); }},
        {"TStudioForm", [](TMainForm& m) { StudioMain::Cree(m); }},
        {"TEditPCForm", {}},
        {"TTailleForm", {}},
        {"TImprForm", {}},
        {"TGrilleForm", {}},
        {"TSelSurfForm", {}},
        {"TListeSurfForm", {}},
        {"TPropSurfForm", {}},
        {"TSurfNewForm", {}},
        {"TFenSelForm", {}},
        {"TAireForm", {}},
        {"TLstPcForm", {}},
        {"TCalculatForm", [](TMainForm& m) {
             m.EnregistrePlacement(QStringLiteral("CalculatForm"), CreeCalculatForm(&m), false);
         }},
        {"TOptionForm", [](TMainForm& m) { CreeOptionForm(&m); }},
        {"TPropFichForm", [](TMainForm& m) { CreePropFichForm(&m); }},
        {"TFormRepNet", {}},
        {"TBitMFondForm", {}},
        {"TCotesForm", {}},
        {"TDebugForm",
         [](TMainForm& m) { CreeDebugForm(m.LigneCommande().ModeDebug, m.LigneCommande().PortDebug, &m); }},
        {"THydrostatForm", {}},
        {"TTransForm", {}},
        {"TDefPoidsForm", {}},
        {"TExportForm", {}},
        {"TPoidsForm", {}},
        {"TReperesForm", {}},
        {"TImportRepForm", {}},
        {"TDefReperesForm", {}},
        {"TTabCotesForm", {}},
        {"TStabForm", {}},
        {"TPrecisForm", {}},
        {"TStabDlgForm", {}},
        {"TGaussForm", {}},  // made by the studio
        {"TAiresVoilesForm", {}},
        {"TDevSurfForm", {}},
        {"TListeSurfVisiblesForm", {}},
        {"TCouleurForm", [](TMainForm& m) { CreeCouleurForm(&m); }},
        {"TEnvahissementForm", {}},
        {"TEpaisseurForm", {}},
        {"TfmMessageDlg", {}},
        {"TDeplSurfForm", {}},
    };
    return ordre;
}

void CreeFenetres(TMainForm& principale) {
    for (const Fenetre& f : OrdreCreation())
        if (f.creer) f.creer(principale);
}

void PrepareApplication() {
    // Every window, the views within the main window too, shows the program's icon.
    QApplication::setWindowIcon(Icones::Programme());
    // No display name: the desktop would append it to every window's title,
    // which is the window's own (the main window's already names the program).
    QGuiApplication::setDesktopFileName(QStringLiteral("corvane-shaper"));
    // A window asked for its native id (a tool window placed before its
    // first showing) must not make its parent's parts native windows too:
    // the main window holds the studio's OpenGL view, and its composition
    // can only draw into OpenGL windows.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
}

int Execute(int argc, char** argv) {
    CorvaneApplication app(argc, argv);
    QLockFile verrou(CheminVerrou());
    // Ended by the system, the session or Ctrl+C: the work and the settings
    // are kept, and the exit code tells the signal (128 + its number). In
    // place before anything can wait for the user (the "already launched"
    // box, the messages of a document named on the command line, read while
    // the main window is made), so that every event loop acts on them.
    // Before the main window exists, there is nothing of this run to keep.
    Signaux::Installe();
    Signaux::Ecoute([&verrou](int sig) {
        if (TMainForm* m = MainForm()) m->FinForcee(FinProgramme::RaisonSignal(sig));
        // The work and the settings are on disk: end here, so that no modal
        // loop left open returns into a document already closed.
        verrou.unlock();
        std::fflush(nullptr);
        std::_Exit(128 + sig);
    });
    Signaux::SurPerteAffichage([] {
        if (TMainForm* m = MainForm()) m->FinForcee(FinProgramme::kRaisonAffichage);
    });
    ExceptionHandler::PrendReserve();
    // The application object takes the user's locale; numbers always use ".".
    std::setlocale(LC_NUMERIC, "C");
    PrepareApplication();

    if (!PremiereInstance(verrou)) {
        MessageSimple(QStringLiteral("Corvane Shaper already launched"));
        Signaux::Retire();
        return 0;
    }

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // The splash stays up while every window is created, and goes before
    // the main window shows.
    auto splash = std::make_unique<TSplashForm>();
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    static QtUi qtUi;
    Ui::setUi(&qtUi);
    InstalleDocIo();

    int code = 0;
    {
        TMainForm principale(QCoreApplication::arguments().mid(1));

        InstalleGestionnaireErreurs(principale);

        CreeFenetres(principale);

        splash.reset();
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
        principale.show();
        code = app.exec();
        Signaux::Retire();
        ExceptionHandler::SetHooks({});
    }
    Ui::setUi(nullptr);
    return code;
}

}  // namespace Startup
