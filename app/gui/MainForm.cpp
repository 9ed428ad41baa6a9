// The main window: its creation and closing, the status bar, the saved flag
// and title, the settings it applies. Its commands are in the files of their
// menus (MainFormFichier.cpp, MainFormEdition.cpp ...), the windows it opens
// in MainFormFenetres.cpp, its menus and tool bar in MainFormMenus.cpp.
#include "app/gui/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QSettings>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <clocale>
#include <exception>

#include "app/DocIo.h"
#include "app/FinProgramme.h"
#include "app/gui/AppliqueLangue.h"
#include "app/gui/FenetresFlottantes.h"
#include "app/gui/MainFormInterne.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "model/Grille.h"
#include "model/Update.h"
#include "studio/gui/StudioForm.h"
#include "views/DrawAffiche.h"
#include "views/gui/Affiche.h"
#include "views/gui/FormFille.h"
#include "views/gui/MouseCommandes.h"

using namespace MainFormInterne;

namespace {

TMainForm* g_mainForm = nullptr;

}  // namespace

TMainForm* MainForm() { return g_mainForm; }

// ---- Command line ----------------------------------------------------------------

TLigneCommande AnalyseLigneCommande(const QStringList& args) {
    DBG_SCOPE("Principale.FindInParams");
    TLigneCommande l;
    QStringList reste = args;
    const int d = reste.indexOf(QStringLiteral("-d"));
    if (d >= 0) {
        l.ModeDebug = true;
        reste.removeAt(d);
        const int p = reste.indexOf(QStringLiteral("-p"));
        if (p >= 0) {
            bool ok = false;
            const int port = p + 1 < reste.size() ? reste[p + 1].toInt(&ok) : 0;
            if (ok) {
                l.PortDebug = port;
                reste.removeAt(p + 1);
                reste.removeAt(p);
            }
        }
    }
    l.Document = reste.join(QLatin1Char(' ')).toStdString();
    return l;
}

// ---- Creation --------------------------------------------------------------------------

TMainForm::TMainForm(const QStringList& args, QWidget* parent) : QMainWindow(parent) {
    DBG_SCOPE("TMainForm.FormCreate");
    g_mainForm = this;
    setObjectName(QStringLiteral("MainForm"));
    std::setlocale(LC_NUMERIC, "C");
    options_.ZoomMax = kZoomMaxDefaut;

    // The language first: every text below comes from the table.
    {
        auto s = Settings::Ouvrir();
        langue_ = Settings::LireLangue(*s);
    }
    Langue::ChargeLangue(Debug::ProgramDir(), langue_.toStdString());
    Langue::ChargeTraductionsQt(langue_);

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("ZoneMdi"));
    // A view moved beyond the area is reached through the scroll bars.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    FenetresFlottantes::Installe(*this, *mdi_->viewport());
    connect(mdi_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sw) {
        if (auto* vue = qobject_cast<TFormFille*>(sw ? sw->widget() : nullptr)) vue->Activer();
    });
    // Redraw requests go to the active view, or to every view.
    connect(this, &TMainForm::redessiner, this, [this](bool tout) {
        if (tout)
            Affiche::AfficheNetTout();
        else if (auto* vue = qobject_cast<TFormFille*>(FenetreVueParIndex(numVueActive_)))
            Affiche::AfficheNet(vue);
    });
    CreeMenus();
    CreeBarreOutils();
    CreeStatusBar();
    CreePopup();
    // The document's dialogs, then the two imports.
    Langue::DialogueFichier(this, "rsOpenDialogFilter", false);
    Langue::DialogueFichier(this, "rsSaveDialogFilter", true);
    for (const char* cle : {"rsDXFFilter", "rsIGESFilter"}) Langue::DialogueFichier(this, cle, false);
    BrancheCommandes();
    resize(1024, 768);

    // The default document, not drawn before the window shows.
    doc_ = Document::Defaut();
    doc_.FormeAffichee = false;
    doc_.Precision = kPrecisionDefaut;
    BrancheHooks();
    MarquerEnregistre();

    {
        auto s = Settings::Ouvrir();
        for (const QString& f : Settings::LireFichiersRecents(*s)) recents_.push_back(f.toStdString());
    }

    QStringList params = args;
    ligne_ = AnalyseLigneCommande(params);
    if (!ligne_.ModeDebug) {
        for (const char* nom : {"MeDebug", "N32", "MeTraduction"})
            if (QAction* a = Action(QLatin1String(nom))) a->setVisible(false);
    }

    vuesDepuisFichier_ = false;
    if (!ligne_.Document.empty()) {
        vuesDepuisFichier_ = true;
        Document lu;
        lu.FormeAffichee = false;
        lu.Precision = kPrecisionDefaut;
        lu.Hooks = doc_.Hooks;
        // The reading may show its messages: the end of the program meanwhile
        // keeps what was read.
        docEnLecture_ = &lu;
        try {
            const auto& io = DocIo::fonctions();
            if (!io.ouvrir) throw std::runtime_error("no document reader");
            io.ouvrir(lu, ligne_.Document, true, recents_);
        } catch (const std::exception& e) {
            Debug::DbgMsgStr(Debug::erDivers, "MainForm.Create", 0, {ligne_.Document, e.what()});
        } catch (...) {
            Debug::DbgMsgStr(Debug::erDivers, "MainForm.Create", 0, {ligne_.Document});
        }
        docEnLecture_ = nullptr;
        // A file that gave nothing at all leaves the program on its default document.
        if (lu.NbSurf() > 0 || !lu.NomFichier.empty()) {
            doc_ = std::move(lu);
            doc_.FormeAffichee = false;
        } else {
            vuesDepuisFichier_ = false;
        }
        Grille::MinMaxGrille(doc_.DefGrille);
    }

    {
        auto s = Settings::Ouvrir();
        Settings::LireOptions(*s, options_);
    }
    AppliqueOptions(options_);
    EnregistrePlacement(QStringLiteral("MainForm"), this, false);
    // The main window takes its placement before it is first shown, so that
    // the desktop places its frame where it was.
    if (options_.PosFen) {
        auto s = Settings::Ouvrir();
        Settings::TPlacement p = Settings::PlacementDe(*this);
        if (Settings::LirePlacement(*s, QStringLiteral("MainForm"), p)) Settings::AppliquePlacement(*this, p, false);
    }
    MajTitre();
    MajMenusAnnuler();
    MajCochesAffichage();
    // The keyboard filter sees every key before the widget that has the focus.
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    // The child windows go while the document they draw still exists.
    doc_.FormeAffichee = false;
    if (qApp) qApp->removeEventFilter(this);
    if (sourisBranchee_) MouseCommandes::Debranche();
    // The weight and mark tools open their dialogs through this window.
    MouseCommandes::Branchements().NouveauPoids = nullptr;
    MouseCommandes::Branchements().NouveauRepere = nullptr;
    if (mdi_) {
        mdi_->disconnect(this);
        delete mdi_;
        mdi_ = nullptr;
    }
    if (g_mainForm == this) g_mainForm = nullptr;
}

// The commands of each menu are connected by the file that carries them out.
void TMainForm::BrancheCommandes() {
    DBG_SCOPE("TMainForm.BrancheCommandes");
    BrancheFichier();
    BrancheEdition();
    BrancheAffichage();
    BrancheSurfaces();
    BrancheVues();
    BrancheAide();
    BrancheFenetres();
    DesactiveNonConstruits();
}

void TMainForm::BrancheHooks() {
    doc_.Hooks.RecordAction = [this](int kind) { RecordAction(kind); };
    doc_.Hooks.FinAction = [this] {
        undo_.FinAction(doc_);
        MajMenusAnnuler();
    };
    doc_.Hooks.MajFenetresPC = [this] { emit fenetresPC(); };
}

void TMainForm::Branche(const char* nom, std::function<void()> slot) {
    QAction* a = Action(QLatin1String(nom));
    if (!a) return;
    connect(a, &QAction::triggered, this, [slot = std::move(slot)] { slot(); });
    branches_.insert(QLatin1String(nom));
}

// ---- Small services -------------------------------------------------------------------------

QAction* TMainForm::Action(const QString& nom) const {
    const auto it = actions_.find(nom);
    return it == actions_.end() ? nullptr : it->second;
}

void TMainForm::WriteStatusBar(int panel, const QString& texte) {
    if (panel < 0 || panel > 4 || !panneaux_[panel]) return;
    panneaux_[panel]->setText(texte);
    // Long computations write without going back to the event loop: the panel
    // is painted at once. Not while a view draws its picture (a measure writes
    // its value from there): painting now would paint that view too, in the
    // middle of its own drawing; the panel follows with the view's next paint.
    bool dessinEnCours = false;
    for (TFormFille* v : LesVues())
        dessinEnCours = dessinEnCours || (v && (v->Image().paintingActive() || v->paintingActive()));
    if (dessinEnCours)
        panneaux_[panel]->update();
    else
        panneaux_[panel]->repaint();
}

QString TMainForm::TexteStatusBar(int panel) const {
    return panel >= 0 && panel <= 4 && panneaux_[panel] ? panneaux_[panel]->text() : QString();
}

void TMainForm::RecordAction(int kind) {
    undo_.RecordAction(doc_, kind);
    MajMenusAnnuler();
}

void TMainForm::MarquerModifie() {
    doc_.MarquerModifie();
    MajTitre();
    MajMenusAnnuler();
}

void TMainForm::MarquerEnregistre() {
    doc_.MarquerEnregistre();
    MajTitre();
}

void TMainForm::MajTitre() {
    QString titre = Langue::QTxt("rsMainFormCaption");
    if (titre.isEmpty()) titre = QStringLiteral("Corvane Shaper");
    if (!doc_.NomFichier.empty()) titre += QStringLiteral(" - ") + QFileInfo(Q(doc_.NomFichier)).fileName();
    setWindowTitle(titre + QStringLiteral("[*]"));
    setWindowModified(!doc_.Enregistre());
    if (QAction* sb = Action(QStringLiteral("SBEnregistre")))
        sb->setEnabled(!doc_.Enregistre() && static_cast<bool>(DocIo::fonctions().enregistrer));
}

void TMainForm::MajMenusAnnuler() {
    const bool annuler = undo_.PeutAnnuler(doc_);
    const bool refaire = undo_.PeutRefaire(doc_);
    if (QAction* a = Action(QStringLiteral("MeAnnuler"))) a->setEnabled(annuler);
    if (QAction* a = Action(QStringLiteral("MeRefaireCommande"))) a->setEnabled(refaire);
}

void TMainForm::Redessine(bool /*tout*/) {
    if (!doc_.FormeAffichee) return;
    // A command is over: no visible view may show a hull that no longer
    // exists ("MultiFen" spares the other views only during a drag).
    emit redessiner(true);
}

void TMainForm::Evalue() {
    ObjCom::MajSurface(doc_, false, -1);
    ObjCom::MajCoupesSurface(doc_);
    ObjCom::MajMinMaxAllNet(doc_, false);
}

void TMainForm::AppliqueOptions(const Settings::TOptions& o) {
    options_ = o;
    doc_.Options.SplineTR = o.SplineTR;
    doc_.Options.MultiFen = o.MultiFen;
    doc_.Options.ZoomMax = o.ZoomMax;
    // The curvature combs: the radius itself (kind 1) or the curvature, on
    // the inside (0) or the outside (1) of the curve, scaled by 1 / LongRayon.
    doc_.Options.Courbure.Facteur = o.LongRayon;
    doc_.Options.Courbure.LongueurBrute = o.TypeRayon == 1;
    doc_.Options.Courbure.Cote = o.OrientationRayon;
    MajOptionsDessin();
}

void TMainForm::ChangeLangue(const QString& langue) {
    DBG_SCOPE("TMainForm.ChangeLangue");
    langue_ = langue;
    Langue::ChargeLangue(Debug::ProgramDir(), langue_.toStdString());
    Langue::ChargeTraductionsQt(langue_);
    Langue::AppliqueLangueTout();
    MajTitre();
}

void TMainForm::MajOptionsDessin() {
    const Settings::TCouleurs& c = options_.Couleurs;
    TCouleursDessin& d = optionsDessin_.Couleurs;
    d.Arp = c.Arp;
    d.ArpStudio = c.ArpStudio;
    d.Axes = c.Axes;
    d.AxesPlanSym = c.AxesPlanSym;
    d.Grille = c.Grille;
    d.Mesure = c.Mesure;
    d.ResVertex = c.ResVertex;
    d.Vertex = c.Vertex;
    d.SelVertex = c.SelVertex;
    d.SoudeVertex = c.SoudeVertex;
    d.BordSf = c.BordSf;
    d.Sec = c.Sec;
    d.LE = c.LE;
    d.Longit = c.Longit;
    d.Diag = c.Diag;
    optionsDessin_.OptAxesPlanSym = options_.OptAxesPlanSym;
    optionsDessin_.RatioVect = options_.RatioVect;
}

// ---- Window events ------------------------------------------------------------------------------

void TMainForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!montree_) {
        montree_ = true;
        // The kept state (maximised) was set before the native window was
        // made (the studio's GL view makes it early), which did not take it:
        // it is given now, before the desktop maps the window.
        if (QWindow* w = windowHandle(); w && w->windowStates() != (windowState() & ~Qt::WindowActive))
            w->setWindowStates(windowState() & ~Qt::WindowActive);
        FormShow();
    }
}

void TMainForm::FormShow() {
    DBG_SCOPE("TMainForm.FormShow");
    fermetureEnCours_ = false;
    doc_.FormeAffichee = true;
    MajCommandesFichier();
    UpdateRecentFilesMenu();
    {
        auto s = Settings::Ouvrir();
        AppliqueVellamor(Settings::LireVellamor(*s));
        if (options_.PosFen) {
            LirePlacements(*s);
        } else {
            // Once the area has its size.
            QTimer::singleShot(0, this, [this] {
                Cascade();
                VuesPlacees(true);
            });
        }
        if (options_.SavConfig) {
            Settings::TConf c;
            Settings::LireConf(*s, c);
            AppliqueConf(c);
        }
        if (options_.PosLight) {
            Settings::LireLumieres(*s, lumieres_);
            if (TStudioForm* st = TStudioForm::Instance()) st->AppliqueLumieres(lumieres_);
        }
    }
    Langue::AppliqueLangueTout();
    MajTitre();
    // What was read with drawing off (the default surface, a document named
    // on the command line) is evaluated now, with its cuts.
    Grille::GrilleParDefaut(doc_);
    Evalue();
    if (options_.PosFen) VuesPlacees(false);
    ObjCom::ChangeCurrentPC(doc_, doc_.CurrentPC.Surf, doc_.CurrentPC.I, doc_.CurrentPC.J);
    MajMenusAnnuler();
    Redessine(true);
}

void TMainForm::VuesPlacees(bool cadrerDefaut) {
    DBG_SCOPE("TMainForm.VuesPlacees");
    // Placing the windows resized the views and moved their origins: a
    // document named on the command line gives its views back as it keeps
    // them, as opening it through the menu does.
    if (vuesDepuisFichier_ && !doc_.SansVues) {
        AppliqueVuesStockees();
    } else {
        // A document without views, and the default hull in the cascade of
        // the first start, are framed in their windows as they now stand.
        if (cadrerDefaut && !vuesDepuisFichier_) doc_.SansVues = true;
        AjusteVuesSansReglages();
    }
    Redessine(true);
}

void TMainForm::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) std::setlocale(LC_NUMERIC, "C");
    // A view maximised or restored puts its own mark in the caption: the
    // caption keeps the document's.
    if (e->type() == QEvent::ModifiedChange && isWindowModified() == doc_.Enregistre()) setWindowModified(!doc_.Enregistre());
    // The texts were applied again: the row/column items follow the active view.
    if (e->type() == QEvent::LanguageChange && numVueActive_ >= 0 && numVueActive_ <= vkPerspective) {
        const TActivationVue a = TActivationVue::De(numVueActive_);
        if (QAction* aj = Action(QStringLiteral("MeAjouterVx")); aj && !a.CaptionAjouter.empty())
            aj->setText(Q(a.CaptionAjouter));
        if (QAction* su = Action(QStringLiteral("MeSupprimerVx")); su && !a.CaptionSupprimer.empty())
            su->setText(Q(a.CaptionSupprimer));
    }
}

void TMainForm::closeEvent(QCloseEvent* e) {
    if (fermetureEnCours_) {
        e->accept();
        return;
    }
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
}

void TMainForm::FinForcee(const std::string& raison) {
    DBG_SCOPE("TMainForm.FinForcee");
    if (fermetureEnCours_) return;
    if (!docEnLecture_) {
        try {
            StockeVues();
        } catch (...) {
        }
    }
    FinProgramme::Termine(docEnLecture_ ? *docEnLecture_ : doc_, raison, Debug::JournalPath());
    try {
        FormClose();
    } catch (...) {
    }
}

bool TMainForm::FormCloseQuery() {
    DBG_SCOPE("TMainForm.FormCloseQuery");
    return DemandeEnregistrer();
}

void TMainForm::FormClose() {
    DBG_SCOPE("TMainForm.FormClose");
    fermetureEnCours_ = true;
    doc_.FormeAffichee = false;
    const Settings::TConf conf = ConfDesMenus();
    try {
        doc_.Fermer();
        undo_ = TUndo();
    } catch (...) {
        Dlg().MsgDlg(QStringLiteral("Erreur de libération de ressource"), Ui::MsgType::Error, Ui::mbOK);
    }
    auto s = Settings::Ouvrir();
    QStringList fichiers;
    for (const std::string& f : recents_) fichiers.append(Q(f));
    Settings::EcrireFichiersRecents(*s, fichiers);
    // Before the window was first shown (an end during the start), the
    // switches, placements and lights of the settings were not read yet:
    // they stay as the settings hold them.
    if (options_.SavConfig && montree_) Settings::EcrireConf(*s, conf);
    // Nothing recomputes or redraws lines while the windows go.
    for (const char* nom : {"MeGrille", "MeSections", "MeLignesdEau", "MeDiagonales", "MeLongitudinales", "MeFenSel"})
        if (QAction* a = Action(QLatin1String(nom))) a->setChecked(false);
    doc_.Options.MultiFen = false;
    if (options_.PosFen && montree_) {
        EcrirePlacements(*s);
    }
    if (options_.PosLight && montree_) {
        if (TStudioForm* st = TStudioForm::Instance()) lumieres_ = st->ReglagesLumieres();
        Settings::EcrireLumieres(*s, lumieres_);
    }
    s->sync();
}
