#include "views/gui/Vues.h"

#include <QMenu>
#include <cmath>
#include <numbers>

#include "app/gui/Settings.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "model/UiPort.h"
#include "views/gui/Affiche.h"
#include "views/gui/Curseurs.h"

namespace {

// Entries shared by the four menus: the other views, the studio, the view
// control and the point selection.
void AutresVues(TFormFille& v, QMenu& menu, int kind) {
    struct E {
        int Kind;
        const char* Nom;
        const char* Cle;
        TCommandeVue C;
    };
    static constexpr E kVues[4] = {{vkSection, "PmSection", "rsPmSectionCaption", TCommandeVue::FenSection},
                                   {vkPlan, "PmPlan", "rsPmPlanCaption", TCommandeVue::FenPlan},
                                   {vkProfile, "PmProfile", "rsPmProfileCaption", TCommandeVue::FenProfil},
                                   {vkPerspective, "PmPersp", "rsPmPerspCaption", TCommandeVue::FenPersp}};
    menu.addSeparator();
    for (const E& e : kVues)
        if (e.Kind != kind) v.AjouteCommande(menu, e.Nom, e.Cle, e.C);
    v.AjouteCommande(menu, "PmStudio", "rsPmStudio", TCommandeVue::FenStudio);
    menu.addSeparator();
    v.AjouteCommande(menu, "PmControleVues", "rsPmControleVuesCaption", TCommandeVue::ControleVues);
    v.AjouteCommande(menu, "PmVertex", "rsPmVertexCaption", TCommandeVue::FenSel);
}

void Entetes(TFormFille& v, QMenu& menu, const char* prefixe) {
    const std::string p(prefixe);
    const std::string noms[4] = {p + "Ajuster", p + "Centrer", p + "Zoom",
                                 p == "PUPe" ? std::string("PIPeDeplacer") : p + "Deplacer"};
    const TCommandeVue c[4] = {TCommandeVue::Ajuster, TCommandeVue::Centrer, TCommandeVue::Zoom,
                               TCommandeVue::Deplacer};
    for (int k = 0; k < 4; ++k) {
        const std::string cle = "rs" + noms[k] + "Caption";
        v.AjouteCommande(menu, noms[k].c_str(), cle.c_str(), c[k]);
    }
}

}  // namespace

// ---- Section ---------------------------------------------------------------------

TSectionForm::TSectionForm(IVueHote* hote, QWidget* parent) : TFormFille(vkSection, hote, parent) {
    setObjectName("SectionForm");
    setWindowTitle(QStringLiteral("Vue transversale"));
}

void TSectionForm::RemplirMenu(QMenu& menu) {
    Entetes(*this, menu, "PUS");
    AutresVues(*this, menu, vkSection);
}

// ---- Plan ------------------------------------------------------------------------

TPlanForm::TPlanForm(IVueHote* hote, QWidget* parent) : TFormFille(vkPlan, hote, parent) {
    setObjectName("PlanForm");
    setWindowTitle(QStringLiteral("Vue en plan"));
}

void TPlanForm::RemplirMenu(QMenu& menu) {
    Entetes(*this, menu, "PUPl");
    AutresVues(*this, menu, vkPlan);
}

// ---- Profile ---------------------------------------------------------------------

TProfileForm::TProfileForm(IVueHote* hote, QWidget* parent) : TFormFille(vkProfile, hote, parent) {
    setObjectName("ProfileForm");
    setWindowTitle(QStringLiteral("Vue de profil"));
}

void TProfileForm::RemplirMenu(QMenu& menu) {
    Entetes(*this, menu, "PUPr");
    AutresVues(*this, menu, vkProfile);
}

// ---- Perspective -----------------------------------------------------------------

TPerspForm::TPerspForm(IVueHote* hote, QWidget* parent) : TFormFille(vkPerspective, hote, parent) {
    setObjectName("PerspForm");
    setWindowTitle(QStringLiteral("Vue perspective"));
}

const std::array<TPerspForm::TPreset, 10>& TPerspForm::Presets() {
    static const std::array<TPreset, 10> kPresets = {{
        {"Avant", 1.5707964f, 0.0f},
        {"Arriere", -1.5707964f, 0.0f},
        {"ProfileTribord", 0.0f, 0.0f},
        {"ProfileBabord", 3.1415927f, 0.0f},
        {"Dessous", 0.0f, -1.5707964f},
        {"Dessus", 0.0f, 1.5707964f},
        {"TribordAvant", 0.7853982f, 0.5235988f},
        {"BabordAvant", 2.3561945f, 0.5235988f},
        {"TribordArriere", -0.7853982f, 0.5235988f},
        {"BabordArriere", -2.3561945f, 0.5235988f},
    }};
    return kPresets;
}

void TPerspForm::AppliquePreset(int preset) {
    DBG_SCOPE("TPerspForm.AppliquePreset");
    if (preset < 0 || preset >= static_cast<int>(Presets().size())) return;
    const TPreset& p = Presets()[static_cast<std::size_t>(preset)];
    Vue().Azimuth = p.Azimut;
    Vue().Elevation = p.Elevation;
    Angle1 = static_cast<int>(std::nearbyint(p.Azimut * 180.0 / std::numbers::pi));
    Angle2 = static_cast<int>(std::nearbyint(p.Elevation * 180.0 / std::numbers::pi));
    Affiche::AfficheNet(this);
    if (Hote()) Hote()->MajControleVue(this);
}

void TPerspForm::RemplirMenu(QMenu& menu) {
    Entetes(*this, menu, "PUPe");
    QMenu* express = menu.addMenu(QString::fromStdString(Langue::Txt("rsPUPeN3DExpressCaption")));
    express->setObjectName("PUPeN3DExpress");
    for (int k = 0; k < static_cast<int>(Presets().size()); ++k) {
        const TPreset& p = Presets()[static_cast<std::size_t>(k)];
        QAction* a = express->addAction(QString::fromStdString(Langue::Txt("rs" + std::string(p.Nom) + "Caption")));
        a->setObjectName(QString::fromLatin1(p.Nom));
        connect(a, &QAction::triggered, this, [this, k] { AppliquePreset(k); });
    }
    AutresVues(*this, menu, vkPerspective);
}

// ---- The four views --------------------------------------------------------------

namespace Vues {

TFenetres& Fenetres() {
    static TFenetres f;
    return f;
}

TFormFille* CreeVue(int kind, IVueHote* hote, QWidget* parent) {
    DBG_SCOPE("Vues.CreeVue");
    TFenetres& f = Fenetres();
    TFormFille* v = nullptr;
    switch (kind) {
        case vkSection: v = f.Section = new TSectionForm(hote, parent); break;
        case vkPlan: v = f.Plan = new TPlanForm(hote, parent); break;
        case vkProfile: v = f.Profile = new TProfileForm(hote, parent); break;
        case vkPerspective: v = f.Persp = new TPerspForm(hote, parent); break;
        default: return nullptr;
    }
    v->setCursor(Curseurs::Curseur(Curseurs::kRepos));
    v->ConstruitMenu();
    // A view destroyed with its parent leaves the list.
    QObject::connect(v, &QObject::destroyed, [v, kind] {
        TFenetres& g = Fenetres();
        switch (kind) {
            case vkSection: if (g.Section == v) g.Section = nullptr; break;
            case vkPlan: if (g.Plan == v) g.Plan = nullptr; break;
            case vkProfile: if (g.Profile == v) g.Profile = nullptr; break;
            default: if (g.Persp == v) g.Persp = nullptr; break;
        }
    });
    return v;
}

std::array<TFormFille*, 4> CreeVues(IVueHote* hote, QWidget* parent) {
    DBG_SCOPE("Vues.CreeVues");
    std::array<TFormFille*, 4> v{};
    for (int k = 0; k < 4; ++k) v[static_cast<std::size_t>(k)] = CreeVue(k, hote, parent);
    return v;
}

TFormFille* FenetreVueParIndex(int kind) {
    const TFenetres& f = Fenetres();
    switch (kind) {
        case vkSection: return f.Section;
        case vkPlan: return f.Plan;
        case vkProfile: return f.Profile;
        case vkPerspective: return f.Persp;
        default: Ui::ui().showMessage("Fenetre fille non declaree"); return nullptr;
    }
}

TFormFille* FenetreActive(int numVueActive) { return FenetreVueParIndex(numVueActive); }

void OublieSelections() {
    DBG_SCOPE("Vues.OublieSelections");
    for (TFormFille* v : Fenetres().Toutes()) {
        if (!v) continue;
        v->Selection.Clear();
        v->TabCoor().EtatTous(epNormal);
    }
}

TOptionsDessin OptionsDessinDe(const Settings::TOptions& o) {
    TOptionsDessin d;
    const Settings::TCouleurs& c = o.Couleurs;
    auto C = [](std::int32_t v) { return static_cast<TColor>(v) & 0xFFFFFFu; };
    d.Couleurs = {C(c.Arp),         C(c.ArpStudio), C(c.Axes),      C(c.AxesPlanSym), C(c.Grille),
                  C(c.Mesure),      C(c.ResVertex), C(c.Vertex),    C(c.SelVertex),   C(c.SoudeVertex),
                  C(c.BordSf),      C(c.Sec),       C(c.LE),        C(c.Longit),      C(c.Diag)};
    d.OptAxesPlanSym = o.OptAxesPlanSym;
    d.RatioVect = o.RatioVect;
    return d;
}

}  // namespace Vues
