#include "app/gui/Startup.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QLockFile>
#include <QPainter>
#include <QPixmap>
#include <QSplashScreen>
#include <QStandardPaths>

#include <clocale>
#include <cstdio>
#include <stdexcept>

#include "app/DocIo.h"
#include "app/gui/ExceptionHandler.h"
#include "app/gui/MainForm.h"
#include "app/gui/MsgDlg.h"
#include "app/gui/QtUi.h"
#include "app/gui/AppliqueLangue.h"
#include "app/texts/Langue.h"
#include "app/doc/GestFich.h"
#include "model/Document.h"
#include "views/gui/Vues.h"
#include "model/Debug.h"

namespace Startup {

namespace {

constexpr const char* kTitre = "Corvane Shaper";
constexpr const char* kVersion = "1.10";

QPixmap ImageSplash() {
    QPixmap pm(420, 256);
    pm.fill(QColor(245, 245, 240));
    QPainter p(&pm);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    QFont f = p.font();
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(200, 0, 0));
    p.drawText(QRect(0, 60, pm.width(), 50), Qt::AlignCenter, QString::fromLatin1(kTitre));
    f.setPixelSize(14);
    f.setBold(false);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 120, pm.width(), 24), Qt::AlignCenter,
               Langue::QTxt("rsLabelVersionCaption").trimmed() + QLatin1Char(' ') + QLatin1String(kVersion));
    p.drawText(QRect(0, 150, pm.width(), 24), Qt::AlignCenter, Langue::QTxt("rsLabelCommentCaption"));
    return pm;
}

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
        {"TBoiteOutilsForm", {}},
        {"TVueCtrlForm", {}},
        {"TSectionForm", [](TMainForm& m) { m.AjouteVue(Vues::CreeVue(0, &m)); }},
        {"TPlanForm", [](TMainForm& m) { m.AjouteVue(Vues::CreeVue(1, &m)); }},
        {"TProfileForm", [](TMainForm& m) { m.AjouteVue(Vues::CreeVue(2, &m)); }},
        {"TPerspForm", [](TMainForm& m) { m.AjouteVue(Vues::CreeVue(3, &m)); }},
        {"TStudioForm", {}},
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
        {"TCalculatForm", {}},
        {"TOptionForm", {}},
        {"TPropFichForm", {}},
        {"TFormRepNet", {}},
        {"TBitMFondForm", {}},
        {"TCotesForm", {}},
        {"TDebugForm", {}},
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
        {"TGaussForm", {}},
        {"TAiresVoilesForm", {}},
        {"TDevSurfForm", {}},
        {"TListeSurfVisiblesForm", {}},
        {"TCouleurForm", {}},
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

int Execute(int argc, char** argv) {
    CorvaneApplication app(argc, argv);
    // The application object takes the user's locale; numbers always use ".".
    std::setlocale(LC_NUMERIC, "C");

    QLockFile verrou(CheminVerrou());
    if (!PremiereInstance(verrou)) {
        MessageSimple(QStringLiteral("Corvane Shaper already launched"));
        return 0;
    }

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QSplashScreen splash(ImageSplash());
    splash.show();
    splash.repaint();
    QCoreApplication::processEvents();

    static QtUi qtUi;
    Ui::setUi(&qtUi);
    InstalleDocIo();

    int code = 0;
    {
        TMainForm principale(QCoreApplication::arguments().mid(1));

        InstalleGestionnaireErreurs(principale);

        CreeFenetres(principale);

        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
        principale.show();
        splash.finish(&principale);
        code = app.exec();
        ExceptionHandler::SetHooks({});
    }
    Ui::setUi(nullptr);
    return code;
}

}  // namespace Startup
