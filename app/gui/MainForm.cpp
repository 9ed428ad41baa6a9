#include "app/gui/MainForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <exception>
#include <numbers>

#include "app/gui/AppliqueLangue.h"
#include "app/DocIo.h"
#include "app/gui/ExceptionHandler.h"
#include "app/gui/Icones.h"
#include "app/gui/MsgDlg.h"
#include "app/Precision.h"
#include "export/ImportDxf.h"
#include "export/ImportIges.h"
#include "app/texts/Langue.h"
#include "model/Debug.h"
#include "views/DrawAffiche.h"
#include "model/Grille.h"
#include "views/Selection.h"
#include "model/Update.h"
#include "studio/gui/StudioForm.h"
#include "studio/gui/StudioMain.h"
#include "views/gui/Affiche.h"
#include "views/gui/FormFille.h"
#include "views/gui/MouseCommandes.h"
#include "views/gui/Vues.h"

namespace {

TMainForm* g_mainForm = nullptr;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The display items of the menus and the document's switch each one sets.
struct Interrupteur {
    const char* nom;
    bool TAffichage::*champ;
};
constexpr Interrupteur kInterrupteurs[] = {
    {"MeCarene", &TAffichage::MeCarene},
    {"MeNet", &TAffichage::MeNet},
    {"MeBasePlanSym", &TAffichage::MeBasePlanSym},
    {"MeMoitie", &TAffichage::MeMoitie},
    {"MeScinder", &TAffichage::MeScinder},
    {"MeSections", &TAffichage::MeSections},
    {"MeLignesdEau", &TAffichage::MeLignesdEau},
    {"MeLongitudinales", &TAffichage::MeLongitudinales},
    {"MeDiagonales", &TAffichage::MeDiagonales},
    {"MeSurfaceParam", &TAffichage::MeSurfaceParam},
    {"MeGrille", &TAffichage::MeGrille},
    {"MeOrientSurf", &TAffichage::MeOrientSurf},
    {"MeHerisson", &TAffichage::MeHerisson},
    {"MeAffichePoids", &TAffichage::MeAffichePoids},
    {"MeCentredeVoilure", &TAffichage::MeCentredeVoilure},
    {"MeAfficheCotes", &TAffichage::MeAfficheCotes},
    {"MeAfficheAxes", &TAffichage::MeAfficheAxes},
    {"MeAfficheReperes", &TAffichage::MeAfficheReperes},
    {"MeAfficheReperesEnv", &TAffichage::MeAfficheReperesEnv},
    {"MeAfficheBitmapFond", &TAffichage::MeAfficheBitmapFond},
    {"MeFenSel", &TAffichage::MeFenSel},
};

// Tool-bar buttons and the menu item each one stands for.
struct Bouton {
    const char* nom;
    const char* item;
    const char* cleHint;  // nullptr: "rs" + name + "Hint"
    const char* icone;
};
constexpr Bouton kBoutons[] = {
    {"SBNouveau", "MeNouveau", nullptr, "nouveau"},
    {"SBOuvrir", "MeOuvrir", nullptr, "ouvrir"},
    {"SBEnregistre", "MeEnregistrer", nullptr, "enregistrer"},
    {"SBImprime", "MeImprimer", nullptr, "imprimer"},
    {"SBAnnulerRefaire", "MeAnnuler", nullptr, "annuler"},
    {"SBBteOutils", "MeIcoBoiteOutils", nullptr, "boite-outils"},
    {"SBZoom", "MeZoom", nullptr, "zoom-boite"},
    {"SBZoomIn", "MeAgrandir", nullptr, "zoom-plus"},
    {"SBReduire", "MeReduire", nullptr, "zoom-moins"},
    {"SBZoomPrec", "MeVuePreced", nullptr, "vue-precedente"},
    {"SBDeplacer", "MeDeplacerVue", nullptr, "deplacer"},
    {"SBCentrer", "MeRecentrer", nullptr, "centrer"},
    {"SBAjuster", "MeAjuster", nullptr, "ajuster"},
    {"SBVuePerso", "MeVuePersonnalisee", nullptr, "vue-perso"},
    {"SBVueCtrl", "MeControleVue", nullptr, "controle-vue"},
    {"SBCarene", "MeCarene", nullptr, "carene"},
    {"SBNet", "MeNet", nullptr, "reseau"},
    {"SBSurfParam", "MeSurfaceParam", nullptr, "surface-param"},
    {"SBCouples", "MeSections", nullptr, "couples"},
    {"SBLignesE", "MeLignesdEau", nullptr, "lignes-eau"},
    {"SBGrille", "MeGrille", nullptr, "grille"},
    {"SBMoitie", "MeMoitie", nullptr, "moitie"},
    {"SBBasePlanSym", "MeBasePlanSym", nullptr, "repere-plan"},
    {"SBFenSel", "MeFenSel", nullptr, "fenetre-selection"},
    {"SBSection", "MeSectionsFen", "rsVueSection", "vue-section"},
    {"SBPlan", "MePlanFen", "rsVuePlan", "vue-plan"},
    {"SBProfile", "MeProfileFen", "rsVueProfil", "vue-profil"},
    {"SBPersp", "MePerspectiveFen", "rsVuePersp", "vue-perspective"},
    {"SBStudio", "MeStudioFen", "rsStudio", "studio"},
    {"SBCalcHydro", "MeCalcHydroStat", nullptr, "hydrostatique"},
    {"SBCalcStab", "MeStabilite", nullptr, "stabilite"},
    {"SCCalcDevisPoids", "MeLstPoids", nullptr, "poids"},
};

// The four drawing views, section, plan, profile, perspective (null where none).
std::array<TFormFille*, 4> LesVues() {
    const Vues::TFenetres& f = Vues::Fenetres();
    return {f.Section, f.Plan, f.Profile, f.Persp};
}


// A button or pop-up entry runs its menu item and follows its state (its
// enabled state too, unless `actif` is false).
void Relie(QAction* a, QAction* item, bool actif) {
    QObject::connect(a, &QAction::triggered, item, [item, a] {
        a->setChecked(item->isChecked());  // the item decides
        item->trigger();
    });
    auto suit = [item, a, actif] {
        if (actif) a->setEnabled(item->isEnabled());
        if (a->isCheckable()) a->setChecked(item->isChecked());
    };
    QObject::connect(item, &QAction::changed, a, suit);
    suit();
}

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

// ---- Default dialogs -----------------------------------------------------------------

int TMainForm::Dialogues::MsgDlg(const QString& texte, Ui::MsgType type, unsigned boutons) {
    return csMessage::MsgDlg(texte, type, boutons, g_mainForm);
}

QString TMainForm::Dialogues::FichierOuvrir(QWidget* parent, const QString& dossier) {
    return QFileDialog::getOpenFileName(parent, QString(), dossier, Langue::FiltreDialogue("rsOpenDialogFilter"));
}

QString TMainForm::Dialogues::FichierEnregistrer(QWidget* parent, const QString& depart) {
    QString nom = QFileDialog::getSaveFileName(parent, QString(), depart, Langue::FiltreDialogue("rsSaveDialogFilter"));
    if (!nom.isEmpty() && QFileInfo(nom).suffix().isEmpty()) nom += QStringLiteral(".cse");
    return nom;
}

QString TMainForm::Dialogues::FichierImport(QWidget* parent, const char* cleFiltre) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), Langue::FiltreDialogue(cleFiltre));
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
    setCentralWidget(mdi_);
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
        try {
            const auto& io = DocIo::fonctions();
            if (!io.ouvrir) throw std::runtime_error("no document reader");
            io.ouvrir(lu, ligne_.Document, true, recents_);
        } catch (const std::exception& e) {
            Debug::DbgMsgStr(Debug::erDivers, "MainForm.Create", 0, {ligne_.Document, e.what()});
        } catch (...) {
            Debug::DbgMsgStr(Debug::erDivers, "MainForm.Create", 0, {ligne_.Document});
        }
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
    if (mdi_) {
        mdi_->disconnect(this);
        delete mdi_;
        mdi_ = nullptr;
    }
    if (g_mainForm == this) g_mainForm = nullptr;
}

QMenu* TMainForm::NouveauMenu(QMenu* parent, const char* nom, const char* cleCaption, const char* /*defaut*/) {
    QMenu* m = parent ? parent->addMenu(Langue::QTxt(cleCaption)) : menuBar()->addMenu(Langue::QTxt(cleCaption));
    m->setObjectName(QLatin1String(nom));
    m->menuAction()->setObjectName(QLatin1String(nom));
    actions_[QLatin1String(nom)] = m->menuAction();
    return m;
}

QAction* TMainForm::NouvelleAction(QMenu* menu, const char* nom, const char* cleCaption, const char* defaut,
                                   const QKeySequence& raccourci, bool cochable, bool coche) {
    QString texte = cleCaption ? Langue::QTxt(cleCaption) : QString();
    if (texte.isEmpty() && defaut) texte = QString::fromUtf8(defaut);
    QAction* a = menu->addAction(texte);
    a->setObjectName(QLatin1String(nom));
    if (cleCaption) {
        const std::string regle = std::string("rs") + nom + "Caption";
        if (regle != cleCaption) Langue::DonneCle(a, cleCaption);
    }
    if (!raccourci.isEmpty()) a->setShortcut(raccourci);
    a->setCheckable(cochable);
    a->setChecked(coche);
    actions_[QLatin1String(nom)] = a;
    return a;
}

void TMainForm::Separateur(QMenu* menu, const char* nom) {
    QAction* s = menu->addSeparator();
    s->setObjectName(QLatin1String(nom));
    actions_[QLatin1String(nom)] = s;
}

void TMainForm::CreeMenus() {
    DBG_SCOPE("TMainForm.CreeMenus");
    using K = QKeySequence;
    // An item whose caption follows the rule "rs" + name + "Caption".
    auto it = [this](QMenu* m, const char* nom, const K& k = {}, bool cochable = false, bool coche = false) {
        QAction* a = NouvelleAction(m, nom, nullptr, nullptr, k, cochable, coche);
        a->setText(Langue::QTxt(std::string("rs") + nom + "Caption"));
        return a;
    };

    QMenu* f = NouveauMenu(nullptr, "MeFichier", "rsMeFichierCaption", "&Fichier");
    it(f, "MeNouveau", K(Qt::CTRL | Qt::Key_N));
    it(f, "MeOuvrir", K(Qt::CTRL | Qt::Key_O));
    it(f, "MeFermer");
    it(f, "MeEnregistrer", K(Qt::CTRL | Qt::Key_S));
    it(f, "MeEnregistrerSous");
    Separateur(f, "N1");
    QMenu* exp = NouveauMenu(f, "MeExport", "rsMeExportCaption", "&Export");
    it(exp, "MeExportSurfaces");
    it(exp, "MeExportDXF");
    it(exp, "MeExportIGES");
    it(exp, "MeExportTXT");
    QMenu* imp = NouveauMenu(f, "MeImport", "rsMeImportCaption", "Import");
    it(imp, "MeImportDXF");
    it(imp, "MeImportIGES");
    NouvelleAction(imp, "MeImportProlines98", nullptr, "Proline98");
    Separateur(f, "N2");
    it(f, "MeImprimer", K(Qt::CTRL | Qt::Key_I));
    it(f, "MeConfigurationImpression");
    it(f, "MeProprietesFichier");
    Separateur(f, "N3");
    menuRecents_ = NouveauMenu(f, "MeRecentFiles", "rsMeRecentFilesCaption", "&Derniers fichiers ouverts");
    it(menuRecents_, "MeOpenRecentFile")->setVisible(false);
    Separateur(f, "N4");
    it(f, "MeQuitter", K(Qt::CTRL | Qt::Key_Q));

    QMenu* e = NouveauMenu(nullptr, "MeEdition", "rsMeEditionCaption", "&Edition");
    it(e, "MeAnnuler", K(Qt::CTRL | Qt::Key_Z));
    it(e, "MeRefaireCommande", K(Qt::CTRL | Qt::Key_Y));
    Separateur(e, "N5");
    it(e, "MeCouper")->setVisible(false);
    it(e, "MeCopier");
    it(e, "MeColler")->setVisible(false);
    connect(e, &QMenu::aboutToShow, this, &TMainForm::MajMenusAnnuler);

    QMenu* v = NouveauMenu(nullptr, "MeVoir", "rsMeVoirCaption", "&Voir");
    it(v, "MeZoom", K(Qt::CTRL | Qt::Key_E), true);
    it(v, "MeAgrandir");
    it(v, "MeReduire", K(Qt::CTRL | Qt::Key_R));
    it(v, "MeVuePreced", K(Qt::CTRL | Qt::Key_P));
    it(v, "MeDeplacerVue", K(Qt::CTRL | Qt::Key_D), true);
    it(v, "MeAjuster", K(Qt::CTRL | Qt::Key_A));
    it(v, "MeRecentrer", K(Qt::CTRL | Qt::Key_M));
    Separateur(v, "N6");
    it(v, "MeVuePersonnalisee");
    it(v, "MeSauverLaVue");
    Separateur(v, "N7");
    it(v, "MeControleVue", {}, true);
    QMenu* barres = NouveauMenu(v, "MeBarresIcones2", "rsMeBarresIcones2Caption", "&Barres d'icônes");
    it(barres, "MeIcoStand", {}, true, true);
    it(barres, "MeIcoBoiteOutils", {}, true);

    QMenu* a = NouveauMenu(nullptr, "MeAffichage", "rsMeAffichageCaption", "&Affichage");
    const TAffichage defauts;
    int n = 0;
    for (const Interrupteur& sw : kInterrupteurs) {
        if (std::string_view(sw.nom) == "MeFenSel") continue;  // in the vertex menu
        it(a, sw.nom, {}, true, defauts.*(sw.champ));
        if (++n == 5 || n == 13) Separateur(a, n == 5 ? "N8" : "N9");
    }

    QMenu* vx = NouveauMenu(nullptr, "MeVertex", "rsMeVertexCaption", "&Vertex");
    NouvelleAction(vx, "MeAjouterVx", "rsMeAjouterLigneVx", nullptr, K(Qt::CTRL | Qt::Key_Insert), true);
    NouvelleAction(vx, "MeSupprimerVx", "rsMeSupprimerLigneVx", nullptr, K(Qt::CTRL | Qt::Key_Delete), true);
    Separateur(vx, "N10");
    it(vx, "MeGrouperPCPlan");
    it(vx, "MeGrouperPCEspace");
    it(vx, "MeAlignePCPlan");
    it(vx, "MeAlignePCEspace");
    Separateur(vx, "N11");
    QMenu* tr = NouveauMenu(vx, "MeTranslation", "rsMeTranslationCaption", "Déplacement &contraint");
    it(tr, "MeDeplHori", K(Qt::Key_F5), true);
    it(tr, "MeDeplVert", K(Qt::Key_F6), true);
    QMenu* trp = NouveauMenu(vx, "MeTranslationProp", "rsMeTranslationPropCaption", "&Homothétie");
    it(trp, "MeDeplHoriProp", K(Qt::Key_F7), true);
    it(trp, "MeDeplVertProp", K(Qt::Key_F8), true);
    trp->menuAction()->setVisible(false);
    Separateur(vx, "N12");
    it(vx, "MeSouderPC");
    it(vx, "MeDessouderPC");
    it(vx, "MeSelectAllControles", K(Qt::CTRL | Qt::Key_W));
    Separateur(vx, "N13");
    it(vx, "MeFenSel", {}, true, defauts.MeFenSel);
    it(vx, "MeEditeurPC", {}, true);
    it(vx, "MeLstPC");

    QMenu* s = NouveauMenu(nullptr, "MeSurfaces", "rsMeSurfacesCaption", "&Surfaces");
    it(s, "MeAjouterSurf");
    it(s, "MeSupprimerSurf");
    it(s, "MeDupliquer");
    it(s, "MeEpaisseur");
    it(s, "MeRenomerSurf");
    it(s, "MeProprieteSurf");
    it(s, "MeVisibiliteSurf");
    it(s, "MeVerrouillageSurf");
    Separateur(s, "N14");
    it(s, "MeTransfo");
    it(s, "MeDeveloppementSurf");
    Separateur(s, "N15");
    QMenu* prec = NouveauMenu(s, "MePrecision", "rsMePrecisionCaption", "Pré&cision");
    auto* groupe = new QActionGroup(this);
    for (const char* nom : {"MePrecFaible", "MePrecMoyenne", "MePrecBonne", "MePrecTBonne", "MePrecPerso"})
        groupe->addAction(it(prec, nom, {}, true, std::string_view(nom) == "MePrecMoyenne"));

    QMenu* o = NouveauMenu(nullptr, "MeOutils", "rsMeOutilsCaption", "&Outils");
    QMenu* mes = NouveauMenu(o, "MeMesures", "rsMeMesuresCaption", "&Mesures");
    it(mes, "MeMesureMetre", {}, true);
    it(mes, "MeMesureCercle", {}, true);
    it(mes, "MeMesureAngle", {}, true);
    QMenu* cot = NouveauMenu(o, "MeCotations", "rsMeCotationsCaption", "&Cotations");
    it(cot, "MeCotMetre", {}, true);
    it(cot, "MeCotRayon", {}, true);
    it(cot, "MeCotAngle", {}, true);
    Separateur(cot, "N16");
    it(cot, "MeLstCotations");
    Separateur(o, "N17");
    it(o, "MeAjoutRepere", {}, true);
    it(o, "MeSupprRepere", {}, true)->setVisible(false);
    it(o, "MeImportReperes");
    it(o, "MeLstReperes");
    Separateur(o, "N18");
    it(o, "MeImporterBitmap");
    Separateur(o, "N19");
    it(o, "MeCalculatrice");
    it(o, "MeOptions");
    Separateur(o, "N33");
    it(o, "MeVellamorExport");
    AppliqueVellamor(false);

    QMenu* d = NouveauMenu(nullptr, "MeDonnees", "rsMeDonneesCaption", "&Données");
    it(d, "MeEspacementGrille");
    it(d, "MeOrigine");
    it(d, "MeUnites");
    it(d, "MeTaille");
    it(d, "MeTabCotes");
    Separateur(d, "N20");
    it(d, "MeAjoutPoids", {}, true);
    it(d, "MeLstPoids");
    it(d, "MeListeReperesEnv");
    Separateur(d, "N21");
    it(d, "MeCalcHydroStat");
    it(d, "MeStabilite");
    it(d, "MeCalculAires");
    it(d, "MeSurfaceVoiles");
    it(d, "MePorteeCalculs");
    it(d, "MeFacettes");

    QMenu* w = NouveauMenu(nullptr, "MeFenetres", "rsMeFenetresCaption", "Fe&nêtres");
    it(w, "MeSectionsFen", {}, true);
    it(w, "MePlanFen", {}, true);
    it(w, "MeProfileFen", {}, true);
    it(w, "MePerspectiveFen", {}, true);
    it(w, "MeStudioFen", {}, true);
    Separateur(w, "N22");
    it(w, "MeMosaiqueHoriz");
    it(w, "MeMozaiqueVert");
    it(w, "MeCascade");
    it(w, "MeReorganiser");
    Separateur(w, "N32");
    it(w, "MeDebug");
    it(w, "MeTraduction");

    QMenu* h = NouveauMenu(nullptr, "MeHelp", "rsMeHelpCaption", "&Aide");
    it(h, "MeGuide");
    it(h, "MeAPropos");
}

void TMainForm::CreeBarreOutils() {
    DBG_SCOPE("TMainForm.CreeBarreOutils");
    toolBar_ = addToolBar(QStringLiteral("Standard"));
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->setMovable(false);
    for (const Bouton& b : kBoutons) {
        QAction* item = Action(QLatin1String(b.item));
        const std::string_view nom(b.nom);
        QAction* a = toolBar_->addAction(Icones::Icone(QLatin1String(b.icone)), item ? item->text() : QString());
        a->setObjectName(QLatin1String(b.nom));
        a->setCheckable(item && item->isCheckable());
        const std::string cleHint = b.cleHint ? b.cleHint : std::string("rs") + b.nom + "Hint";
        a->setToolTip(Langue::QTxt(cleHint));
        if (b.cleHint) Langue::DonneCle(a, {}, b.cleHint);
        actions_[QLatin1String(b.nom)] = a;
        if (nom == "SBNouveau" || nom == "SBImprime" || nom == "SBBteOutils" || nom == "SBZoom" ||
            nom == "SBVuePerso" || nom == "SBCarene" || nom == "SBFenSel" || nom == "SBSection" ||
            nom == "SBCalcHydro")
            toolBar_->insertSeparator(a);
        if (item) Relie(a, item, nom != "SBEnregistre");
    }
}

void TMainForm::CreePopup() {
    DBG_SCOPE("TMainForm.CreePopup");
    // The pop-up menu of the main window (right button on the free area):
    // each entry runs its menu item and follows its state.
    static const std::pair<const char*, const char*> entrees[] = {
        {"PmAjuster", "MeAjuster"},         {"PmCentrer", "MeRecentrer"},  {nullptr, nullptr},
        {"PmSection", "MeSectionsFen"},     {"PmPlan", "MePlanFen"},       {"PmProfile", "MeProfileFen"},
        {"PmPersp", "MePerspectiveFen"},    {"PmStudio", "MeStudioFen"},   {nullptr, nullptr},
        {"PmControleVues", "MeControleVue"}, {"PmVertex", "MeFenSel"},     {nullptr, nullptr},
        {"PmMozaique", "MeMosaiqueHoriz"},  {"PmCascade", "MeCascade"}};
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    for (const auto& [nom, itemNom] : entrees) {
        if (!nom) {
            menu->addSeparator();
            continue;
        }
        QAction* item = Action(QLatin1String(itemNom));
        const std::string regle = std::string("rs") + nom + "Caption";
        const std::string cle = Langue::Trouve(regle) ? regle : std::string("rs") + nom;
        QAction* a = menu->addAction(Langue::QTxt(cle));
        a->setObjectName(QLatin1String(nom));
        if (cle != regle) Langue::DonneCle(a, cle);
        a->setCheckable(item->isCheckable());
        actions_[QLatin1String(nom)] = a;
        Relie(a, item, true);
    }
    // The area reports the point in the coordinates of its viewport.
    mdi_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mdi_, &QWidget::customContextMenuRequested, this, [this, menu](const QPoint& p) {
        QWidget* zone = mdi_->viewport();
        if (!zone->childAt(p)) menu->popup(zone->mapToGlobal(p));
    });
}

void TMainForm::CreeStatusBar() {
    DBG_SCOPE("TMainForm.CreeStatusBar");
    QStatusBar* sb = statusBar();
    sb->setObjectName(QStringLiteral("StatusBar1"));
    sb->setSizeGripEnabled(true);
    static const int largeurs[5] = {75, 180, 250, 240, 50};
    static const char* textes[5] = {"Fenetre active :", "PC Selectionné", "Coordonnées", "", ""};
    for (int i = 0; i < 5; ++i) {
        auto* l = new QLabel(QString::fromUtf8(textes[i]), sb);
        l->setObjectName(QStringLiteral("Panel%1").arg(i));
        l->setFrameStyle(i == 0 ? int(QFrame::NoFrame) : int(QFrame::Panel | QFrame::Sunken));
        // The widths of old, widened where this font needs more for the label.
        l->setFixedWidth(std::max(largeurs[i], l->fontMetrics().horizontalAdvance(l->text()) + 12));
        if (i == 0) l->setAlignment(Qt::AlignCenter);
        sb->addWidget(l);
        panneaux_[i] = l;
    }
    progress_ = new QProgressBar(sb);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setTextVisible(false);
    progress_->setRange(0, 100);
    progress_->setGeometry(590, 4, 150, 13);
    progress_->hide();
}

void TMainForm::BrancheCommandes() {
    DBG_SCOPE("TMainForm.BrancheCommandes");
    auto branche = [this](const char* nom, auto slot) {
        if (QAction* a = Action(QLatin1String(nom))) connect(a, &QAction::triggered, this, slot);
    };
    branche("MeNouveau", &TMainForm::MeNouveauClick);
    branche("MeOuvrir", &TMainForm::MeOuvrirClick);
    branche("MeFermer", [this] { MeFermerClick(); });
    branche("MeEnregistrer", [this] { MeEnregistrerClick(); });
    branche("MeEnregistrerSous", [this] { MeEnregistrerSousClick(); });
    branche("MeQuitter", &TMainForm::MeQuitterClick);
    branche("MeAnnuler", &TMainForm::MeAnnulerClick);
    branche("MeRefaireCommande", &TMainForm::MeRefaireCommandeClick);
    branche("MeIcoStand", [this] { toolBar_->setVisible(Action(QStringLiteral("MeIcoStand"))->isChecked()); });
    branche("MeCascade", [this] { Cascade(); });
    // The visible windows one above the other (horizontal tiles) or side by
    // side, each the full size the other way.
    auto mosaique = [this](bool horizontal) {
        MontreVues();
        const auto subs = mdi_->subWindowList();
        int n = 0;
        for (QMdiSubWindow* sw : subs) n += sw->isVisible() && !sw->isMinimized();
        if (n == 0) return;
        const QSize v = mdi_->viewport()->size();
        const int pas = (horizontal ? v.height() : v.width()) / n;
        int k = 0;
        for (QMdiSubWindow* sw : subs)
            if (sw->isVisible() && !sw->isMinimized()) {
                sw->showNormal();
                sw->setGeometry(horizontal ? QRect(0, k * pas, v.width(), pas) : QRect(k * pas, 0, pas, v.height()));
                ++k;
            }
    };
    branche("MeMosaiqueHoriz", [mosaique] { mosaique(true); });
    branche("MeMozaiqueVert", [mosaique] { mosaique(false); });
    branche("MeReorganiser", [this] {
        // The minimized windows in a row along the bottom.
        int x = 0;
        for (QMdiSubWindow* sw : mdi_->subWindowList())
            if (sw->isMinimized()) {
                sw->move(x, mdi_->viewport()->height() - sw->height());
                x += sw->width();
            }
    });
    const struct {
        const char* nom;
        int kind;
    } fenetres[] = {{"MeSectionsFen", 0}, {"MePlanFen", 1}, {"MeProfileFen", 2}, {"MePerspectiveFen", 3}};
    for (const auto& f : fenetres) {
        const int kind = f.kind;
        branche(f.nom, [this, kind] {
            QWidget* vue = FenetreVueParIndex(kind);
            if (!vue) return;
            QWidget* cadre = vue;
            for (QWidget* p = vue; p; p = p->parentWidget())
                if (qobject_cast<QMdiSubWindow*>(p)) {
                    cadre = p;
                    break;
                }
            cadre->showMaximized();
            if (auto* sw = qobject_cast<QMdiSubWindow*>(cadre)) mdi_->setActiveSubWindow(sw);
        });
    }
    branche("MeGuide", [this] { OuvreGuide(Q(Debug::ProgramDir())); });
    Branche("MeImportDXF", [this] { Importe("rsDXFFilter", ImportDxf::Importe); });
    Branche("MeImportIGES", [this] { Importe("rsIGESFilter", ImportIges::Importe); });
    for (const Precision::TPreset& p : Precision::kPresets)
        Branche(p.Item, [this, p] { AppliquePrecision(p.Item, p.Valeur); });
    // Display switches set the document's switch of the same name; a click
    // (menu or button) also does the switch's extra work and redraws.
    for (const Interrupteur& sw : kInterrupteurs) {
        QAction* a = Action(QLatin1String(sw.nom));
        if (!a) continue;
        const auto champ = sw.champ;
        connect(a, &QAction::toggled, this, [this, champ](bool on) { doc_.Aff.*champ = on; });
        if (champ != &TAffichage::MeFenSel)
            connect(a, &QAction::triggered, this, [this, champ](bool on) { InterrupteurClick(champ, on); });
    }
    branche("MeFacettes", [this] {
        // The facets under the water plane in red on the active view, until its next redraw.
        if (!doc_.FormeAffichee) return;
        if (TFormFille* v = Vues::FenetreActive(numVueActive_))
            v->Elastique(kPenCopy, [this](const TViewRecord& r) { Affiche::TestFaceList(doc_, r); });
    });
    branche("MeCopier", [this] {
        // The active view's picture as it is shown.
        QMdiSubWindow* sw = mdi_->activeSubWindow();
        auto* v = qobject_cast<TFormFille*>(sw ? sw->widget() : nullptr);
        if (v && !v->Image().isNull()) QGuiApplication::clipboard()->setImage(v->Image());
    });
    BrancheFenetres();
    DesactiveNonConstruits();
}

void TMainForm::BrancheHooks() {
    doc_.Hooks.RecordAction = [this](int kind) { RecordAction(kind); };
    doc_.Hooks.MajFenetresPC = [this] { emit fenetresPC(); };
}

void TMainForm::Branche(const char* nom, std::function<void()> slot) {
    QAction* a = Action(QLatin1String(nom));
    if (!a) return;
    connect(a, &QAction::triggered, this, [slot = std::move(slot)] { slot(); });
    branches_.insert(QLatin1String(nom));
}

void TMainForm::FixeCoche(const char* nom, bool on) {
    // The item's toggled signal sets the document's switch; changed moves the button.
    if (QAction* a = Action(QLatin1String(nom))) a->setChecked(on);
}

void TMainForm::InterrupteurClick(bool TAffichage::*champ, bool on) {
    DBG_SCOPE("TMainForm.InterrupteurClick");
    TAffichage& aff = doc_.Aff;
    aff.*champ = on;
    const auto vues = LesVues();
    if (champ == &TAffichage::MeCarene) {
        // The hull and the net are never both off.
        if (!on) {
            for (TFormFille* v : vues)
                if (v) {
                    Selection::PCActif(doc_, v->TabCoor());
                    Selection::Revalide(doc_, v->TabCoor(), v->Selection);
                }
            if (!aff.MeNet) FixeCoche("MeNet", true);
        } else if (!aff.MeNet) {
            for (TFormFille* v : vues)
                if (v) Selection::UnSelectAllPoints(v->TabCoor(), v->Selection);
            for (TFormFille* v : {vues[vkSection], vues[vkPerspective]})
                if (v) Selection::PCNonActif(doc_, v->TabCoor());
        }
        ObjCom::MajCoupesSurface(doc_);
    } else if (champ == &TAffichage::MeNet) {
        if (!on) {
            if (!aff.MeCarene) FixeCoche("MeCarene", true);
            for (TFormFille* v : vues)
                if (v) {
                    Selection::UnSelectAllPoints(v->TabCoor(), v->Selection);
                    Selection::PCNonActif(doc_, v->TabCoor());
                }
            ObjCom::MajCoupesSurface(doc_);
        } else {
            if (aff.MeCarene)
                for (TFormFille* v : {vues[vkSection], vues[vkPlan], vues[vkProfile]})
                    if (v) Selection::UnSelectAllPoints(v->TabCoor(), v->Selection);
            for (TFormFille* v : vues)
                if (v) {
                    Selection::PCActif(doc_, v->TabCoor());
                    Selection::Revalide(doc_, v->TabCoor(), v->Selection);
                }
        }
    } else if (champ == &TAffichage::MeSections || champ == &TAffichage::MeLignesdEau ||
               champ == &TAffichage::MeLongitudinales || champ == &TAffichage::MeDiagonales) {
        // The family's tables are computed for the surfaces that do not have them yet.
        if (on) ObjCom::MajCoupesSurface(doc_);
    } else if (champ == &TAffichage::MeSurfaceParam) {
        if (on) ObjCom::MajSurface(doc_, false, -1);
    } else if (champ == &TAffichage::MeHerisson) {
        // The combs are computed with the cuts: every cut again.
        for (auto& sf : doc_.Surfaces)
            if (sf) sf->SecFait = sf->LEFait = sf->LongFait = sf->DiagFait = 0;
        ObjCom::MajCoupesSurface(doc_);
    } else if (champ == &TAffichage::MeAffichePoids) {
        if (on) ObjCom::MajTotalPoids(doc_);
    } else if (champ == &TAffichage::MeCentredeVoilure) {
        if (on) ObjCom::MajCentreVoilure(doc_);
    }
    Redessine(false);
}

void TMainForm::DesactiveNonConstruits() {
    // Everything that this window carries out itself stays enabled; the
    // other items wait for the part of the program that handles them.
    static const char* const construits[] = {
        "MeFichier", "MeNouveau", "MeFermer", "MeQuitter", "MeEdition", "MeVoir", "MeBarresIcones2",
        "MeIcoStand", "MeAffichage", "MeVertex", "MeTranslation", "MeTranslationProp", "MeSurfaces", "MePrecision",
        "MeOutils", "MeMesures", "MeCotations", "MeDonnees", "MeFenetres", "MeMosaiqueHoriz", "MeMozaiqueVert",
        "MeCascade", "MeReorganiser", "MeHelp", "MeGuide", "MeRecentFiles", "MeExport", "MeImport",
        // The display switches the views draw (the background pictures wait for
        // their dialog, the net selection for its window).
        "MeCarene", "MeNet", "MeBasePlanSym", "MeMoitie", "MeScinder", "MeSections", "MeLignesdEau",
        "MeLongitudinales", "MeDiagonales", "MeSurfaceParam", "MeGrille", "MeOrientSurf", "MeHerisson",
        "MeAffichePoids", "MeCentredeVoilure", "MeAfficheCotes", "MeAfficheAxes", "MeAfficheReperes",
        "MeAfficheReperesEnv", "MeFacettes", "MeCopier",
    };
    for (auto& [nom, a] : actions_) {
        // Buttons and pop-up entries follow their items.
        if (nom.startsWith(QLatin1String("SB")) || nom.startsWith(QLatin1String("SC")) ||
            nom.startsWith(QLatin1String("Pm")) || a->isSeparator())
            continue;
        bool garde = false;
        for (const char* c : construits) garde = garde || nom == QLatin1String(c);
        garde = garde || branches_.count(nom) > 0;
        if (!garde) a->setEnabled(false);
    }
    MajCommandesFichier();
    for (const char* nom : {"MeSectionsFen", "MePlanFen", "MeProfileFen", "MePerspectiveFen"})
        Action(QLatin1String(nom))->setEnabled(false);  // until the views are declared
}

void TMainForm::MajCommandesFichier() {
    const auto& io = DocIo::fonctions();
    Action(QStringLiteral("MeOuvrir"))->setEnabled(static_cast<bool>(io.ouvrir));
    Action(QStringLiteral("MeEnregistrer"))->setEnabled(static_cast<bool>(io.enregistrer));
    Action(QStringLiteral("MeEnregistrerSous"))->setEnabled(static_cast<bool>(io.enregistrer));
    MajTitre();
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

void TMainForm::MajCochesAffichage() {
    for (const Interrupteur& sw : kInterrupteurs)
        if (QAction* a = Action(QLatin1String(sw.nom))) {
            const QSignalBlocker b(a);
            a->setChecked(doc_.Aff.*(sw.champ));
            emit a->changed();  // the tool-bar buttons follow
        }
}

void TMainForm::Redessine(bool /*tout*/) {
    if (!doc_.FormeAffichee) return;
    // A command is over: no visible view may show a hull that no longer
    // exists ("MultiFen" spares the other views only during a drag).
    emit redessiner(true);
}

void TMainForm::OuvreGuide(const QString& dossier) {
    DBG_SCOPE("TMainForm.MeGuideClick");
    const QDir dir(dossier);
    const QString index = dir.filePath(QStringLiteral("Doc/index.html"));
    const QString autre = dir.filePath(QStringLiteral("Doc/CorvaneShaper.html"));
    const QString fichier = QFileInfo::exists(index) ? index : (QFileInfo::exists(autre) ? autre : QString());
    if (fichier.isEmpty()) {
        Ui::ui().showMessage(Langue::QTxt("rsErFichCS_HTML").replace(QLatin1String("%s"), autre).toStdString());
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(fichier))) Ui::ui().showMessage(Langue::Txt("rsErLancementNavig"));
}

void TMainForm::Importe(const char* cleFiltre, int (*lire)(Document&, const std::string&)) {
    DBG_SCOPE("TMainForm.Importe");
    const QString chemin = Dlg().FichierImport(this, cleFiltre);
    if (chemin.isEmpty()) return;
    if (lire(doc_, chemin.toStdString()) > 0) {
        if (doc_.Aff.MeCarene) {
            ReinitialisePointsActifs();
        } else {
            for (TFormFille* v : LesVues())
                if (v) Selection::PCActif(doc_, v->TabCoor());
        }
        MarquerModifie();
    }
    MajMenusAnnuler();
    Redessine(true);
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
    // the inside (0) or the outside (1) of the curve.
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

void TMainForm::AppliqueVellamor(bool visible) {
    if (QAction* a = Action(QStringLiteral("MeVellamorExport"))) a->setVisible(visible);
    if (QAction* a = Action(QStringLiteral("N33"))) a->setVisible(visible);
}

// The windows whose placement is kept, in the order they are restored. A
// window joins by calling EnregistrePlacement with its name when it is made.
const char* const TMainForm::kFenetresPlacees[12] = {
    "MainForm",  "SectionForm", "PlanForm",        "ProfileForm",  "PerspForm",    "StudioForm",
    "VueCtrlForm", "ListeSurfVisiblesForm", "EditPCForm", "BoiteOutilsForm", "CalculatForm", "FenSelForm"};

void TMainForm::EnregistrePlacement(const QString& nom, QWidget* fenetre, bool filleMdi) {
    Placement* place = nullptr;
    for (Placement& p : placements_)
        if (p.nom == nom) place = &p;
    if (!place) {
        placements_.push_back({nom, nullptr, false});
        place = &placements_.back();
    }
    place->fenetre = fenetre;
    place->filleMdi = filleMdi;
    // A window made after the start takes the placement read then.
    if (placementsLus_ && fenetre) AppliquePlacementLu(*place);
}

void TMainForm::AppliquePlacementLu(const Placement& p) {
    const auto it = placementsStockes_.find(p.nom);
    if (!p.fenetre || it == placementsStockes_.end()) return;
    Settings::AppliquePlacement(*p.fenetre, it->second, p.fenetre != this && !p.filleMdi);
}

void TMainForm::LirePlacements(QSettings& s) {
    placementsStockes_.clear();
    for (const char* nom : kFenetresPlacees) {
        try {
            const QString n = QLatin1String(nom);
            QWidget* w = nullptr;
            for (const Placement& p : placements_)
                if (p.nom == n) w = p.fenetre;
            Settings::TPlacement pl = w ? Settings::PlacementDe(*w) : Settings::TPlacement{};
            if (Settings::LirePlacement(s, n, pl)) placementsStockes_[n] = pl;
        } catch (...) {
            // A placement that cannot be read is skipped.
        }
    }
    placementsLus_ = true;
    for (const char* nom : kFenetresPlacees)
        for (const Placement& p : placements_)
            if (p.nom == QLatin1String(nom)) AppliquePlacementLu(p);
}

void TMainForm::EcrirePlacements(QSettings& s) {
    // A window not opened in this session keeps the placement it had.
    for (const Placement& p : placements_)
        if (p.fenetre) placementsStockes_[p.nom] = Settings::PlacementDe(*p.fenetre);
    Settings::EffacePlacements(s);
    for (const char* nom : kFenetresPlacees) {
        const auto it = placementsStockes_.find(QLatin1String(nom));
        if (it != placementsStockes_.end()) Settings::EcrirePlacement(s, it->first, it->second);
    }
}

void TMainForm::Cascade() {
    // Each child window two thirds of the area, one title bar lower and
    // further right than the one before.
    const QSize zone = mdi_->viewport()->size();
    const int pas = std::max(20, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize taille(std::max(200, zone.width() * 2 / 3), std::max(150, zone.height() * 2 / 3));
    int k = 0;
    MontreVues();
    for (QMdiSubWindow* sw : mdi_->subWindowList(QMdiArea::StackingOrder)) {
        if (!sw->isVisible()) continue;
        sw->showNormal();
        sw->setGeometry(k * pas, k * pas, taille.width(), taille.height());
        ++k;
    }
}

void TMainForm::MontreVues() {
    for (TFormFille* v : LesVues())
        if (v)
            if (auto* sw = qobject_cast<QMdiSubWindow*>(v->parentWidget()); sw && sw->isHidden()) sw->show();
}

void TMainForm::AjouteVue(TFormFille* vue) {
    DBG_SCOPE("TMainForm.AjouteVue");
    if (!vue) return;
    QMdiSubWindow* sw = mdi_->addSubWindow(vue);
    // The close button hides a view; its menu item, its button, the cascade
    // and the tiling bring it back.
    sw->setAttribute(Qt::WA_DeleteOnClose, false);
    static const char* const noms[] = {"SectionForm", "PlanForm", "ProfileForm", "PerspForm"};
    const int kind = vue->Kind();
    if (kind >= 0 && kind < 4) {
        sw->setObjectName(QLatin1String(noms[kind]) + QLatin1String("Cadre"));
        EnregistrePlacement(QLatin1String(noms[kind]), sw, true);
    }
    DeclareVue(kind, vue);
    sw->resize(560, 420);
    sw->show();
    // Once the four views are there, the mouse tools take over their menu items.
    if (!sourisBranchee_ && vues_.size() == 4) {
        bool toutes = true;
        for (const auto& [k, v] : vues_) toutes = toutes && v;
        if (toutes) {
            MouseCommandes::Branche(*this);
            sourisBranchee_ = true;
        }
    }
}

bool TMainForm::CommandeDisponible(TCommandeVue c) const {
    if (sourisBranchee_ && MouseCommandes::CommandeDisponible(c)) return true;
    switch (c) {
        case TCommandeVue::FenSection: return vues_.count(0) != 0;
        case TCommandeVue::FenPlan: return vues_.count(1) != 0;
        case TCommandeVue::FenProfil: return vues_.count(2) != 0;
        case TCommandeVue::FenPersp: return vues_.count(3) != 0;
        case TCommandeVue::ControleVues: return true;
        case TCommandeVue::FenSel: return true;
        case TCommandeVue::FenStudio: {
            const QAction* a = Action(QStringLiteral("MeStudioFen"));
            return a && a->isEnabled();
        }
        default: return false;
    }
}

void TMainForm::Commande(TCommandeVue c, TFormFille* vue) {
    if (sourisBranchee_ && MouseCommandes::Commande(c, vue)) return;
    const char* item = nullptr;
    switch (c) {
        case TCommandeVue::FenSection: item = "MeSectionsFen"; break;
        case TCommandeVue::FenPlan: item = "MePlanFen"; break;
        case TCommandeVue::FenProfil: item = "MeProfileFen"; break;
        case TCommandeVue::FenPersp: item = "MePerspectiveFen"; break;
        case TCommandeVue::ControleVues: item = "MeControleVue"; break;
        case TCommandeVue::FenSel: item = "MeFenSel"; break;
        case TCommandeVue::FenStudio: item = "MeStudioFen"; break;
        default: return;
    }
    if (QAction* a = Action(QLatin1String(item)); a && a->isEnabled()) a->trigger();
}

void TMainForm::DeclareVue(int kind, QWidget* vue) {
    vues_[kind] = vue;
    static const char* const items[] = {"MeSectionsFen", "MePlanFen", "MeProfileFen", "MePerspectiveFen"};
    if (kind >= 0 && kind < 4)
        if (QAction* a = Action(QLatin1String(items[kind]))) a->setEnabled(vue != nullptr);
}

QWidget* TMainForm::FenetreVueParIndex(int index) const {
    if (index < 0 || index > 3) {
        Ui::ui().showMessage("Fenetre fille non declaree");
        return nullptr;
    }
    const auto it = vues_.find(index);
    return it == vues_.end() ? nullptr : it->second.data();
}

void TMainForm::RafraichirStudio(bool init) {
    if (TStudioForm* st = TStudioForm::Instance()) init ? st->InitDraw() : st->Invalidate();
}

void TMainForm::VueActivee(TFormFille* /*vue*/, const TActivationVue& a) {
    numVueActive_ = a.Kind;
    static const char* const items[] = {"MeSectionsFen", "MePlanFen", "MeProfileFen", "MePerspectiveFen"};
    for (int k = 0; k < 4; ++k)
        if (QAction* it = Action(QLatin1String(items[k]))) it->setChecked(k == a.Kind);
    // The two items work once the mouse tools have taken them over.
    if (QAction* aj = Action(QStringLiteral("MeAjouterVx"))) {
        if (!a.CaptionAjouter.empty()) aj->setText(Q(a.CaptionAjouter));
        aj->setEnabled(a.LignesColonnesActives && aj->property("corvaneBranche").toBool());
    }
    if (QAction* su = Action(QStringLiteral("MeSupprimerVx"))) {
        if (!a.CaptionSupprimer.empty()) su->setText(Q(a.CaptionSupprimer));
        su->setEnabled(a.LignesColonnesActives && su->property("corvaneBranche").toBool());
    }
}

void TMainForm::StockeVues() {
    if (TStudioForm* st = TStudioForm::Instance()) st->StockeVue(doc_.StockFen.Vues[TStockFen::Studio]);
    for (TFormFille* v : LesVues()) {
        if (!v || v->Kind() < vkSection || v->Kind() > vkPerspective) continue;
        TStockValues& s = doc_.StockFen.Vues[static_cast<std::size_t>(v->Kind())];
        const TViewRecord& r = v->Vue();
        s.OrigX = r.OriginX;
        s.OrigY = r.OriginY;
        s.Echelle = r.Scale;
        if (v->Kind() == vkPerspective) {
            s.Angle1 = r.Azimuth;
            s.Angle2 = r.Elevation;
            s.Autre = r.Further;
        }
    }
}

void TMainForm::AppliqueVuesStockees() {
    DBG_SCOPE("TMainForm.AppliqueVuesStockees");
    if (TStudioForm* st = TStudioForm::Instance()) st->AppliqueVue(doc_.StockFen.Vues[TStockFen::Studio]);
    for (TFormFille* v : LesVues()) {
        if (!v || v->Kind() < vkSection || v->Kind() > vkPerspective) continue;
        const TStockValues& s = doc_.StockFen.Vues[static_cast<std::size_t>(v->Kind())];
        TViewRecord& r = v->Vue();
        r.OriginX = s.OrigX;
        r.OriginY = s.OrigY;
        // A scale of nothing would put every point on the origin and make picking divide by zero.
        if (s.Echelle > 0.0f && std::isfinite(s.Echelle)) r.Scale = s.Echelle;
        if (v->Kind() == vkPerspective && std::isfinite(s.Angle1) && std::isfinite(s.Angle2)) {
            r.Azimuth = s.Angle1;
            r.Elevation = s.Angle2;
            r.Further = s.Autre;
            v->Angle1 = static_cast<int>(std::nearbyint(s.Angle1 * 180.0 / std::numbers::pi));
            v->Angle2 = static_cast<int>(std::nearbyint(s.Angle2 * 180.0 / std::numbers::pi));
        }
    }
    if (numVueActive_ >= vkSection && numVueActive_ <= vkPerspective)
        if (TFormFille* v = LesVues()[static_cast<std::size_t>(numVueActive_)]) MajControleVue(v);
}

void TMainForm::ReinitialisePointsActifs() {
    DBG_SCOPE("TMainForm.ReinitialisePointsActifs");
    const auto vues = LesVues();
    for (TFormFille* v : vues)
        if (v) Selection::PCNonActif(doc_, v->TabCoor());
    for (TFormFille* v : vues)
        if (v) Selection::UnSelectAllPoints(v->TabCoor(), v->Selection);
    for (TFormFille* v : vues)
        if (v) Selection::PCLnColActif(doc_, v->TabCoor());
}

// ---- Keyboard ------------------------------------------------------------------------------

bool TMainForm::ClavierPourAutreFenetre() const {
    // The view keys belong to the main window with its views: an open menu, a
    // modal dialog, or any other window that is active keeps its keys.
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget()) return true;
    // A menu closed with Escape may still be named active for a moment; the
    // menu bar may keep the focus: both leave the keys to the views.
    const QWidget* w = QApplication::activeWindow();
    return w && w != this && w->isVisible() && !qobject_cast<const QMenu*>(w);
}

bool TMainForm::ToucheVue(int touche, Qt::KeyboardModifiers m) {
    DBG_SCOPE("TMainForm.AppMessage");
    if (StudioMain::Actif(*this)) return false;  // the studio takes its keys itself
    if (numVueActive_ < vkSection || numVueActive_ > vkPerspective) return false;
    TFormFille* v = LesVues()[static_cast<std::size_t>(numVueActive_)];
    if (!v) return false;
    const bool shift = m.testFlag(Qt::ShiftModifier);
    const int pas = m.testFlag(Qt::ControlModifier) ? 1 : (m.testFlag(Qt::AltModifier) ? 50 : 10);
    int dx = 0, dy = 0;
    switch (touche) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (shift)
                MajControleVue(v);
            else if (touche == Qt::Key_PageUp)
                MouseCommandes::MeAgrandirClick();
            else
                MouseCommandes::MeReduireClick();
            return true;
        case Qt::Key_Left: dx = -pas; break;
        case Qt::Key_Right: dx = pas; break;
        case Qt::Key_Up: dy = -pas; break;
        case Qt::Key_Down: dy = pas; break;
        default: return false;
    }
    if (!shift) {
        MouseCommandes::DeplaceVue(v, dx, dy);
    } else if (v->Kind() == vkPerspective) {
        // Shift turns the perspective by whole degrees.
        constexpr double rad = std::numbers::pi / 180.0;
        v->Angle1 += dx;
        v->Angle2 += dy;
        v->Vue().Azimuth = static_cast<float>(v->Vue().Azimuth + dx * rad);
        v->Vue().Elevation = static_cast<float>(v->Vue().Elevation + dy * rad);
        Affiche::AfficheNet(v);
        MajControleVue(v);
    }
    return true;
}

bool TMainForm::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::KeyPress && objet->isWidgetType()) {
        const auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
                if (isVisible() && !ClavierPourAutreFenetre()) {
                    const int touche = k->key();
                    const Qt::KeyboardModifiers m = k->modifiers();
                    if (ExceptionHandler::Guard([&] { return ToucheVue(touche, m); }, true)) return true;
                }
                break;
            default: break;
        }
    }
    return QMainWindow::eventFilter(objet, e);
}

// ---- Settings of the display --------------------------------------------------------------

Settings::TConf TMainForm::ConfDesMenus() const {
    Settings::TConf c;
    const TAffichage& a = doc_.Aff;
    c.AffCarene = a.MeCarene;
    c.AffNet = a.MeNet;
    c.AffBasePlanSym = a.MeBasePlanSym;
    c.AffMoitie = a.MeMoitie;
    c.AffScinder = a.MeScinder;
    c.AffSections = a.MeSections;
    c.AffLignesE = a.MeLignesdEau;
    c.AffLongits = a.MeLongitudinales;
    c.AffDiags = a.MeDiagonales;
    c.AffSurfParam = a.MeSurfaceParam;
    c.AffGrille = a.MeGrille;
    c.AffOrientSurf = a.MeOrientSurf;
    c.AffHerisson = a.MeHerisson;
    c.AffAxes = a.MeAfficheAxes;
    c.AffReperes = a.MeAfficheReperes;
    c.AffReperesEnv = a.MeAfficheReperesEnv;
    c.AffPoids = a.MeAffichePoids;
    c.AffCentreVoil = a.MeCentredeVoilure;
    c.AffCotes = a.MeAfficheCotes;
    c.AffImages = a.MeAfficheBitmapFond;
    c.VoirFenSel = a.MeFenSel;
    c.AffPlanEau = TStudioForm::Instance() ? TStudioForm::Instance()->PlanEau() : planEau_;
    c.Precision = MotPrecision();
    return c;
}

QString TMainForm::MotPrecision() const {
    for (const Precision::TPreset& p : Precision::kPresets)
        if (const QAction* it = Action(QLatin1String(p.Item)); it && it->isChecked()) return QLatin1String(p.Mot);
    if (const QAction* it = Action(QStringLiteral("MePrecPerso")); it && it->isChecked()) return QStringLiteral("Perso");
    return QStringLiteral("Moyenne");
}

// "Perso" is not a preset: it ticks nothing here (a stored "Perso" starts as "Moyenne").
void TMainForm::FixeMotPrecision(const QString& mot) {
    for (const Precision::TPreset& p : Precision::kPresets)
        if (mot == QLatin1String(p.Mot)) Clique(p.Item, true);
}

void TMainForm::Clique(const char* nom, bool on) {
    QAction* a = Action(QLatin1String(nom));
    if (!a || a->isChecked() == on) return;
    // As a click would: the command runs; one that is not available only ticks.
    if (a->isEnabled())
        a->trigger();
    else
        a->setChecked(on);
}

void TMainForm::AppliquePrecision(const char* item, int p) {
    DBG_SCOPE("TMainForm.AppliquePrecision");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Curseur {
        ~Curseur() { QApplication::restoreOverrideCursor(); }
    } curseur;
    if (QAction* a = Action(QLatin1String(item))) a->setChecked(true);
    Precision::Applique(doc_, p);
    Redessine(false);
}

void TMainForm::AppliqueConf(const Settings::TConf& c) {
    TAffichage& a = doc_.Aff;
    // The hull and the net always start shown.
    a.MeBasePlanSym = c.AffBasePlanSym;
    a.MeMoitie = c.AffMoitie;
    a.MeScinder = c.AffScinder;
    a.MeSections = c.AffSections;
    a.MeLignesdEau = c.AffLignesE;
    a.MeLongitudinales = c.AffLongits;
    a.MeDiagonales = c.AffDiags;
    a.MeSurfaceParam = c.AffSurfParam;
    a.MeGrille = c.AffGrille;
    a.MeOrientSurf = c.AffOrientSurf;
    a.MeHerisson = c.AffHerisson;
    a.MeAfficheAxes = c.AffAxes;
    a.MeAfficheReperes = c.AffReperes;
    a.MeAfficheReperesEnv = c.AffReperesEnv;
    a.MeAffichePoids = c.AffPoids;
    a.MeCentredeVoilure = c.AffCentreVoil;
    a.MeAfficheCotes = c.AffCotes;
    a.MeAfficheBitmapFond = c.AffImages;
    planEau_ = c.AffPlanEau;
    if (TStudioForm* st = TStudioForm::Instance()) st->SetPlanEau(planEau_);
    MajCochesAffichage();
    // A personal precision is not kept: it starts as the "Moyenne" preset.
    // An unknown word leaves the precision as it is.
    FixeMotPrecision(c.Precision == QLatin1String("Perso") ? QStringLiteral("Moyenne") : c.Precision);
    Clique("MeFenSel", c.VoirFenSel);
}

// ---- Window events ------------------------------------------------------------------------------

void TMainForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!montree_) {
        montree_ = true;
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
            QTimer::singleShot(0, this, &TMainForm::Cascade);
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
    Affiche::GrilleParDefaut(doc_);
    Evalue();
    AjusteVuesSansReglages();
    ObjCom::ChangeCurrentPC(doc_, doc_.CurrentPC.Surf, doc_.CurrentPC.I, doc_.CurrentPC.J);
    MajMenusAnnuler();
    Redessine(true);
}

void TMainForm::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) std::setlocale(LC_NUMERIC, "C");
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
    if (options_.SavConfig) Settings::EcrireConf(*s, conf);
    // Nothing recomputes or redraws lines while the windows go.
    for (const char* nom : {"MeGrille", "MeSections", "MeLignesdEau", "MeDiagonales", "MeLongitudinales", "MeFenSel"})
        if (QAction* a = Action(QLatin1String(nom))) a->setChecked(false);
    doc_.Options.MultiFen = false;
    if (options_.PosFen) {
        EcrirePlacements(*s);
    }
    if (options_.PosLight) {
        if (TStudioForm* st = TStudioForm::Instance()) lumieres_ = st->ReglagesLumieres();
        Settings::EcrireLumieres(*s, lumieres_);
    }
    s->sync();
}

// ---- File commands --------------------------------------------------------------------------------

bool TMainForm::DemandeEnregistrer() {
    DBG_SCOPE("TMainForm.DemandeEnregistrer");
    if (doc_.Enregistre()) {
        doc_.PeutFermer = true;
        return true;
    }
    QString texte;
    if (doc_.NomFichier.empty())
        texte = Langue::QTxt("rsEnregistrerModif");
    else
        texte = Langue::QTxt("rsEnregistrerModifDans")
                    .replace(QLatin1String("%s"), QFileInfo(Q(doc_.NomFichier)).fileName());
    const int r = Dlg().MsgDlg(texte, Ui::MsgType::Confirmation, Ui::mbYes | Ui::mbNo | Ui::mbCancel);
    if (r == Ui::mrNo) {
        doc_.PeutFermer = true;
    } else if (r == Ui::mrYes) {
        // Whatever the save did not write keeps the document open.
        MeEnregistrerClick();
    } else {
        doc_.PeutFermer = false;
    }
    return doc_.PeutFermer;
}

bool TMainForm::Ecrire() {
    DBG_SCOPE("TMainForm.Ecrire");
    const auto& io = DocIo::fonctions();
    if (!io.enregistrer) {
        Dlg().MsgDlg(QStringLiteral("Enregistrement impossible : ") + Q(doc_.NomFichier), Ui::MsgType::Error, Ui::mbOK);
        return false;
    }
    // The views' current settings are written with the document.
    StockeVues();
    try {
        io.enregistrer(doc_, 0);
    } catch (const std::exception& e) {
        Dlg().MsgDlg(QString::fromUtf8(e.what()), Ui::MsgType::Error, Ui::mbOK);
        return false;
    }
    MarquerEnregistre();
    return true;
}

bool TMainForm::MeEnregistrerClick() {
    DBG_SCOPE("TMainForm.MeEnregistrerClick");
    if (doc_.NomFichier.empty()) return MeEnregistrerSousClick();
    doc_.PeutFermer = Ecrire();
    return doc_.PeutFermer;
}

bool TMainForm::MeEnregistrerSousClick() {
    DBG_SCOPE("TMainForm.MeEnregistrerSousClick");
    const QString nom = Dlg().FichierEnregistrer(this, Q(doc_.NomFichier));
    if (nom.isEmpty()) {
        doc_.PeutFermer = false;
        return false;
    }
    const std::string ancien = doc_.NomFichier;
    doc_.NomFichier = nom.toStdString();
    if (!Ecrire()) {
        // The document keeps the name it had: Save never aims at a file that was not written.
        doc_.NomFichier = ancien;
        doc_.PeutFermer = false;
        MajTitre();
        return false;
    }
    const auto& io = DocIo::fonctions();
    if (io.ajouteFichierRecent)
        io.ajouteFichierRecent(recents_, doc_.NomFichier);
    else
        DocIo::AjouteFichierRecentDefaut(recents_, doc_.NomFichier);
    UpdateRecentFilesMenu();
    MajTitre();
    doc_.PeutFermer = true;
    return true;
}

void TMainForm::FermeDocument() {
    DBG_SCOPE("TMainForm.FermeDocument");
    emit documentRemplace();
    Vues::OublieSelections();
    // Without the net shown no control point can be picked.
    if (!doc_.Aff.MeNet)
        for (TFormFille* v : LesVues())
            if (v) v->TabCoor().EtatTous(epInactif);
    doc_.Fermer();
    // The panels that described the closed document.
    WriteStatusBar(1, QString());
    WriteStatusBar(2, QString());
    undo_.Oublie();
    MarquerEnregistre();
    ObjCom::MajFenetresPC(doc_);
    MajMenusAnnuler();
    Redessine(true);
}

bool TMainForm::MeFermerClick() {
    DBG_SCOPE("TMainForm.MeFermerClick");
    if (!DemandeEnregistrer()) return false;
    FermeDocument();
    return true;
}

void TMainForm::MeNouveauClick() {
    DBG_SCOPE("TMainForm.MeNouveauClick");
    // Cancelled: the document stays as it was.
    if (!MeFermerClick()) return;
    doc_.PropFich.Clear();
    if (TSurface* s = doc_.NouvelleSurface("Surface 1")) {
        s->Net.Initialise(0);
        s->Calculee = 0;
    }
    ObjCom::MajSurface(doc_, false, -1);
    ObjCom::MajMinMaxAllNet(doc_, false);
    doc_.DefGrille = TDefGrille{};
    Affiche::GrilleParDefaut(doc_);
    if (doc_.DefGrille.SecEnValeur > doc_.DefGrille.NbSec) doc_.DefGrille.SecEnValeur = 1;
    ObjCom::MajCoupesSurface(doc_);
    ObjCom::ChangeCurrentPC(doc_, 0, 0, 0);
    ObjCom::MajFenetresPC(doc_);
    MajTitre();
    MajMenusAnnuler();
    Redessine(true);
}

bool TMainForm::PreparerOuverture() {
    if (doc_.NbSurf() > 0 || !doc_.NomFichier.empty()) {
        const int r = Dlg().MsgDlg(Langue::QTxt("rsFermerDessin"), Ui::MsgType::Confirmation, Ui::mbYes | Ui::mbNo);
        // Keeping the drawing keeps it whole: a file is never read into it.
        if (r != Ui::mrYes) return false;
    }
    // An empty document may still hold unsaved weights or marks.
    return MeFermerClick();
}

void TMainForm::OuvrirFichier(const std::string& chemin, const char* tag) {
    DBG_SCOPE("TMainForm.OuvrirFichier");
    const auto& io = DocIo::fonctions();
    if (!io.ouvrir) return;
    try {
        io.ouvrir(doc_, chemin, false, recents_);
    } catch (const std::exception& e) {
        Debug::DbgMsgStr(Debug::erDivers, tag, 0, {chemin, e.what()});
    } catch (...) {
        Debug::DbgMsgStr(Debug::erDivers, tag, 0, {chemin});
    }
    BrancheHooks();
    AjusteVuesSansReglages();
    UpdateRecentFilesMenu();
    MajTitre();
    MajMenusAnnuler();
    Redessine(true);
}

void TMainForm::AjusteVuesSansReglages() {
    if (!doc_.SansVues) return;
    doc_.SansVues = false;
    for (TFormFille* v : LesVues())
        if (v) MouseCommandes::Ajuster(v);
}

void TMainForm::MeOuvrirClick() {
    DBG_SCOPE("TMainForm.MeOuvrirClick");
    if (!DocIo::fonctions().ouvrir) return;
    if (!PreparerOuverture()) return;
    const QString dossier = doc_.NomFichier.empty() ? QString() : QFileInfo(Q(doc_.NomFichier)).absolutePath();
    const QString chemin = Dlg().FichierOuvrir(this, dossier);
    if (chemin.isEmpty()) {
        Redessine(true);
        return;
    }
    OuvrirFichier(chemin.toStdString(), "TMainForm.OuvrirClick");
}

void TMainForm::MeOpenRecentFileClick() {
    DBG_SCOPE("TMainForm.MeOpenRecentFileClick");
    auto* a = qobject_cast<QAction*>(sender());
    if (!a || !DocIo::fonctions().ouvrir) return;
    const QString chemin = a->data().toString();
    if (chemin.isEmpty()) return;
    // A recent file that has gone is said before the drawing is closed, so
    // the current drawing stays as it is.
    if (!QFileInfo::exists(chemin)) {
        Dlg().MsgDlg(QStringLiteral("Fichier ") + chemin + QStringLiteral(" inexistant"), Ui::MsgType::Warning, Ui::mbOK);
        return;
    }
    if (!PreparerOuverture()) return;
    OuvrirFichier(chemin.toStdString(), "MeOpenRecentFileClick");
}

void TMainForm::UpdateRecentFilesMenu() {
    if (!doc_.FormeAffichee || !menuRecents_) return;
    try {
        const QList<QAction*> items = menuRecents_->actions();
        for (QAction* a : items)
            if (a->objectName() != QLatin1String("MeOpenRecentFile")) {
                menuRecents_->removeAction(a);
                a->deleteLater();
            }
        const bool ouvrir = static_cast<bool>(DocIo::fonctions().ouvrir);
        for (std::size_t i = 0; i < recents_.size() && i < 10; ++i) {
            QString texte = Q(recents_[i]);
            QAction* a = menuRecents_->addAction(texte.replace(QLatin1Char('&'), QLatin1String("&&")));
            a->setData(Q(recents_[i]));
            a->setEnabled(ouvrir);
            connect(a, &QAction::triggered, this, &TMainForm::MeOpenRecentFileClick);
        }
    } catch (...) {
        // The menu stays as far as it got.
    }
}

void TMainForm::MeQuitterClick() { close(); }

// ---- Undo ----------------------------------------------------------------------------------

void TMainForm::MeAnnulerClick() {
    if (undo_.Annuler(doc_)) {
        // Nets may have changed size: the views' selections follow.
        MouseCommandes::RevalideSelections();
        MarquerModifie();
        Redessine(false);
    }
    MajMenusAnnuler();
}

void TMainForm::MeRefaireCommandeClick() {
    if (undo_.Refaire(doc_)) {
        MouseCommandes::RevalideSelections();
        MarquerModifie();
        Redessine(false);
    }
    MajMenusAnnuler();
}
