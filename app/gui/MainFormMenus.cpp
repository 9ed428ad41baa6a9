// The menus, the tool bar, the pop-up menu and the status bar of the main
// window, built from their tables; the items that nothing carries out yet
// are disabled.
#include "app/gui/MainForm.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/Icones.h"
#include "app/gui/MainFormInterne.h"
#include "base/Debug.h"
#include "base/Langue.h"

using namespace MainFormInterne;

namespace {

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

// Kinds of rows of the menu table.
enum : unsigned {
    kSousMenu = 1,    // a submenu; the rows whose menu it is follow
    kSeparateur = 2,
    kCochable = 4,
    kCoche = 8,       // ticked at the start
    kCache = 16,      // hidden
    kAffichage = 32,  // a display switch: checkable, ticked as the document's default
    kExclusif = 64,   // exactly one of these items of its menu is ticked
};

// One row: the menu it goes in (nullptr: the menu bar), its name, its
// shortcut, its kind, and the key of its caption where it does not follow the
// rule "rs" + name + "Caption" (or its text where it has no key).
struct TEntreeMenu {
    constexpr TEntreeMenu(const char* m, const char* n, int t = 0, unsigned g = 0, const char* c = nullptr,
                          const char* x = nullptr)
        : menu(m), nom(n), touche(t), genre(g), cle(c), texte(x) {}
    const char* menu;
    const char* nom;
    int touche;
    unsigned genre;
    const char* cle;
    const char* texte;
};

constexpr int K(QKeyCombination k) { return k.toCombined(); }
constexpr int Ctrl(Qt::Key k) { return K(Qt::CTRL | k); }

constexpr TEntreeMenu kMenus[] = {
    {nullptr, "MeFichier", 0, kSousMenu},
    {"MeFichier", "MeNouveau", Ctrl(Qt::Key_N)},
    {"MeFichier", "MeOuvrir", Ctrl(Qt::Key_O)},
    {"MeFichier", "MeFermer"},
    {"MeFichier", "MeEnregistrer", Ctrl(Qt::Key_S)},
    {"MeFichier", "MeEnregistrerSous"},
    {"MeFichier", "N1", 0, kSeparateur},
    {"MeFichier", "MeExport", 0, kSousMenu},
    {"MeExport", "MeExportSurfaces"},
    {"MeExport", "MeExportDXF"},
    {"MeExport", "MeExportIGES"},
    {"MeExport", "MeExportTXT"},
    {"MeFichier", "MeImport", 0, kSousMenu},
    {"MeImport", "MeImportDXF"},
    {"MeImport", "MeImportIGES"},
    {"MeImport", "MeImportProlines98", 0, 0, nullptr, "&Proline98"},
    {"MeFichier", "N2", 0, kSeparateur},
    {"MeFichier", "MeImprimer", Ctrl(Qt::Key_I)},
    {"MeFichier", "MeConfigurationImpression"},
    {"MeFichier", "MeProprietesFichier"},
    {"MeFichier", "N3", 0, kSeparateur},
    {"MeFichier", "MeRecentFiles", 0, kSousMenu},
    {"MeRecentFiles", "MeOpenRecentFile", 0, kCache},
    {"MeFichier", "N4", 0, kSeparateur},
    {"MeFichier", "MeQuitter", Ctrl(Qt::Key_Q)},

    {nullptr, "MeEdition", 0, kSousMenu},
    {"MeEdition", "MeAnnuler", Ctrl(Qt::Key_Z)},
    {"MeEdition", "MeRefaireCommande", Ctrl(Qt::Key_Y)},
    {"MeEdition", "N5", 0, kSeparateur},
    {"MeEdition", "MeCouper", 0, kCache},
    {"MeEdition", "MeCopier"},
    {"MeEdition", "MeColler", 0, kCache},

    {nullptr, "MeVoir", 0, kSousMenu},
    {"MeVoir", "MeZoom", Ctrl(Qt::Key_E), kCochable},
    {"MeVoir", "MeAgrandir"},
    {"MeVoir", "MeReduire", Ctrl(Qt::Key_R)},
    {"MeVoir", "MeVuePreced", Ctrl(Qt::Key_P)},
    {"MeVoir", "MeDeplacerVue", Ctrl(Qt::Key_D), kCochable},
    {"MeVoir", "MeAjuster", Ctrl(Qt::Key_A)},
    {"MeVoir", "MeRecentrer", Ctrl(Qt::Key_M)},
    {"MeVoir", "N6", 0, kSeparateur},
    {"MeVoir", "MeVuePersonnalisee"},
    {"MeVoir", "MeSauverLaVue"},
    {"MeVoir", "N7", 0, kSeparateur},
    {"MeVoir", "MeControleVue", 0, kCochable},
    {"MeVoir", "MeBarresIcones2", 0, kSousMenu},
    {"MeBarresIcones2", "MeIcoStand", 0, kCochable | kCoche},
    {"MeBarresIcones2", "MeIcoBoiteOutils", 0, kCochable},

    {nullptr, "MeAffichage", 0, kSousMenu},
    {"MeAffichage", "MeCarene", 0, kAffichage},
    {"MeAffichage", "MeNet", 0, kAffichage},
    {"MeAffichage", "MeBasePlanSym", 0, kAffichage},
    {"MeAffichage", "MeMoitie", 0, kAffichage},
    {"MeAffichage", "MeScinder", 0, kAffichage},
    {"MeAffichage", "N8", 0, kSeparateur},
    {"MeAffichage", "MeSections", 0, kAffichage},
    {"MeAffichage", "MeLignesdEau", 0, kAffichage},
    {"MeAffichage", "MeLongitudinales", 0, kAffichage},
    {"MeAffichage", "MeDiagonales", 0, kAffichage},
    {"MeAffichage", "MeSurfaceParam", 0, kAffichage},
    {"MeAffichage", "MeGrille", 0, kAffichage},
    {"MeAffichage", "MeOrientSurf", 0, kAffichage},
    {"MeAffichage", "MeHerisson", 0, kAffichage},
    {"MeAffichage", "N9", 0, kSeparateur},
    {"MeAffichage", "MeAffichePoids", 0, kAffichage},
    {"MeAffichage", "MeCentredeVoilure", 0, kAffichage},
    {"MeAffichage", "MeAfficheCotes", 0, kAffichage},
    {"MeAffichage", "MeAfficheAxes", 0, kAffichage},
    {"MeAffichage", "MeAfficheReperes", 0, kAffichage},
    {"MeAffichage", "MeAfficheReperesEnv", 0, kAffichage},
    {"MeAffichage", "MeAfficheBitmapFond", 0, kAffichage},

    {nullptr, "MeVertex", 0, kSousMenu},
    {"MeVertex", "MeAjouterVx", Ctrl(Qt::Key_Insert), kCochable, "rsMeAjouterLigneVx"},
    {"MeVertex", "MeSupprimerVx", Ctrl(Qt::Key_Delete), kCochable, "rsMeSupprimerLigneVx"},
    {"MeVertex", "N10", 0, kSeparateur},
    {"MeVertex", "MeGrouperPCPlan"},
    {"MeVertex", "MeGrouperPCEspace"},
    {"MeVertex", "MeAlignePCPlan"},
    {"MeVertex", "MeAlignePCEspace"},
    {"MeVertex", "N11", 0, kSeparateur},
    {"MeVertex", "MeTranslation", 0, kSousMenu},
    {"MeTranslation", "MeDeplHori", K(Qt::Key_F5), kCochable},
    {"MeTranslation", "MeDeplVert", K(Qt::Key_F6), kCochable},
    {"MeVertex", "MeTranslationProp", 0, kSousMenu | kCache},
    {"MeTranslationProp", "MeDeplHoriProp", K(Qt::Key_F7), kCochable},
    {"MeTranslationProp", "MeDeplVertProp", K(Qt::Key_F8), kCochable},
    {"MeVertex", "N12", 0, kSeparateur},
    {"MeVertex", "MeSouderPC"},
    {"MeVertex", "MeDessouderPC"},
    {"MeVertex", "MeSelectAllControles", Ctrl(Qt::Key_W)},
    {"MeVertex", "N13", 0, kSeparateur},
    {"MeVertex", "MeFenSel", 0, kAffichage},
    {"MeVertex", "MeEditeurPC", 0, kCochable},
    {"MeVertex", "MeLstPC"},

    {nullptr, "MeSurfaces", 0, kSousMenu},
    {"MeSurfaces", "MeAjouterSurf"},
    {"MeSurfaces", "MeSupprimerSurf"},
    {"MeSurfaces", "MeDupliquer"},
    {"MeSurfaces", "MeEpaisseur"},
    {"MeSurfaces", "MeRenomerSurf"},
    {"MeSurfaces", "MeProprieteSurf"},
    {"MeSurfaces", "MeVisibiliteSurf"},
    {"MeSurfaces", "MeVerrouillageSurf"},
    {"MeSurfaces", "N14", 0, kSeparateur},
    {"MeSurfaces", "MeTransfo"},
    {"MeSurfaces", "MeDeveloppementSurf"},
    {"MeSurfaces", "N15", 0, kSeparateur},
    {"MeSurfaces", "MePrecision", 0, kSousMenu},
    {"MePrecision", "MePrecFaible", 0, kExclusif},
    {"MePrecision", "MePrecMoyenne", 0, kExclusif | kCoche},
    {"MePrecision", "MePrecBonne", 0, kExclusif},
    {"MePrecision", "MePrecTBonne", 0, kExclusif},
    {"MePrecision", "MePrecPerso", 0, kExclusif},

    {nullptr, "MeOutils", 0, kSousMenu},
    {"MeOutils", "MeMesures", 0, kSousMenu},
    {"MeMesures", "MeMesureMetre", 0, kCochable},
    {"MeMesures", "MeMesureCercle", 0, kCochable},
    {"MeMesures", "MeMesureAngle", 0, kCochable},
    {"MeOutils", "MeCotations", 0, kSousMenu},
    {"MeCotations", "MeCotMetre", 0, kCochable},
    {"MeCotations", "MeCotRayon", 0, kCochable},
    {"MeCotations", "MeCotAngle", 0, kCochable},
    {"MeCotations", "N16", 0, kSeparateur},
    {"MeCotations", "MeLstCotations"},
    {"MeOutils", "N17", 0, kSeparateur},
    {"MeOutils", "MeAjoutRepere", 0, kCochable},
    {"MeOutils", "MeSupprRepere", 0, kCochable | kCache},
    {"MeOutils", "MeImportReperes"},
    {"MeOutils", "MeLstReperes"},
    {"MeOutils", "N18", 0, kSeparateur},
    {"MeOutils", "MeImporterBitmap"},
    {"MeOutils", "N19", 0, kSeparateur},
    {"MeOutils", "MeCalculatrice"},
    {"MeOutils", "MeOptions"},
    {"MeOutils", "N33", 0, kSeparateur},
    {"MeOutils", "MeVellamorExport"},

    {nullptr, "MeDonnees", 0, kSousMenu},
    {"MeDonnees", "MeEspacementGrille"},
    {"MeDonnees", "MeOrigine"},
    {"MeDonnees", "MeUnites"},
    {"MeDonnees", "MeTaille"},
    {"MeDonnees", "MeTabCotes"},
    {"MeDonnees", "N20", 0, kSeparateur},
    {"MeDonnees", "MeAjoutPoids", 0, kCochable},
    {"MeDonnees", "MeLstPoids"},
    {"MeDonnees", "MeListeReperesEnv"},
    {"MeDonnees", "N21", 0, kSeparateur},
    {"MeDonnees", "MeCalcHydroStat"},
    {"MeDonnees", "MeStabilite"},
    {"MeDonnees", "MeCalculAires"},
    {"MeDonnees", "MeSurfaceVoiles"},
    {"MeDonnees", "MePorteeCalculs"},
    {"MeDonnees", "MeFacettes"},

    {nullptr, "MeFenetres", 0, kSousMenu},
    {"MeFenetres", "MeSectionsFen", 0, kCochable},
    {"MeFenetres", "MePlanFen", 0, kCochable},
    {"MeFenetres", "MeProfileFen", 0, kCochable},
    {"MeFenetres", "MePerspectiveFen", 0, kCochable},
    {"MeFenetres", "MeStudioFen", 0, kCochable},
    {"MeFenetres", "N22", 0, kSeparateur},
    {"MeFenetres", "MeMosaiqueHoriz"},
    {"MeFenetres", "MeMozaiqueVert"},
    {"MeFenetres", "MeCascade"},
    {"MeFenetres", "MeReorganiser"},
    {"MeFenetres", "N32", 0, kSeparateur},
    {"MeFenetres", "MeDebug"},
    {"MeFenetres", "MeTraduction"},

    {nullptr, "MeHelp", 0, kSousMenu},
    {"MeHelp", "MeGuide"},
    {"MeHelp", "MeAPropos"},
};

}  // namespace

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
    const TAffichage defauts;
    std::map<std::string_view, QMenu*> menus;
    std::map<std::string_view, QActionGroup*> groupes;
    for (const TEntreeMenu& e : kMenus) {
        QMenu* menu = e.menu ? menus.at(e.menu) : nullptr;
        const std::string regle = std::string("rs") + e.nom + "Caption";
        if (e.genre & kSousMenu) {
            QMenu* m = NouveauMenu(menu, e.nom, regle.c_str(), nullptr);
            if (e.genre & kCache) m->menuAction()->setVisible(false);
            menus[e.nom] = m;
            continue;
        }
        if (e.genre & kSeparateur) {
            Separateur(menu, e.nom);
            continue;
        }
        bool coche = (e.genre & kCoche) != 0;
        if (e.genre & kAffichage)
            for (const Interrupteur& sw : kInterrupteurs)
                if (std::string_view(sw.nom) == e.nom) coche = defauts.*(sw.champ);
        const bool cochable = (e.genre & (kCochable | kAffichage | kExclusif)) != 0;
        QAction* a = NouvelleAction(menu, e.nom, e.cle, e.texte, QKeySequence(e.touche), cochable, coche);
        if (!e.cle && !e.texte) a->setText(Langue::QTxt(regle));
        if (e.genre & kCache) a->setVisible(false);
        if (e.genre & kExclusif) {
            QActionGroup*& g = groupes[e.menu];
            if (!g) g = new QActionGroup(this);
            g->addAction(a);
        }
    }
    menuRecents_ = menus.at("MeRecentFiles");
    connect(menus.at("MeEdition"), &QMenu::aboutToShow, this, &TMainForm::MajMenusAnnuler);
    AppliqueVellamor(false);
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

void TMainForm::AppliqueVellamor(bool visible) {
    if (QAction* a = Action(QStringLiteral("MeVellamorExport"))) a->setVisible(visible);
    if (QAction* a = Action(QStringLiteral("N33"))) a->setVisible(visible);
}
