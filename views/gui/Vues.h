// The four drawing views the user sees: section ("Vue transversale", kind
// 0), plan ("Vue en plan", 1), profile ("Vue de profil", 2) and perspective
// ("Vue perspective", 3). Each is created once at start-up and kept until
// exit; they add to the base their creation defaults, their activation and
// their pop-up menu, and the perspective its ten preset directions.
#pragma once

#include <array>

#include "views/gui/FormFille.h"

namespace Settings {
struct TOptions;
}

class TSectionForm : public TFormFille {
    Q_OBJECT
public:
    explicit TSectionForm(IVueHote* hote, QWidget* parent = nullptr);

    void RemplirMenu(QMenu& menu) override;
};

class TPlanForm : public TFormFille {
    Q_OBJECT
public:
    explicit TPlanForm(IVueHote* hote, QWidget* parent = nullptr);

    void RemplirMenu(QMenu& menu) override;
};

class TProfileForm : public TFormFille {
    Q_OBJECT
public:
    explicit TProfileForm(IVueHote* hote, QWidget* parent = nullptr);

    void RemplirMenu(QMenu& menu) override;
};

class TPerspForm : public TFormFille {
    Q_OBJECT
public:
    explicit TPerspForm(IVueHote* hote, QWidget* parent = nullptr);

    // The preset directions of the menu "3D Express".
    enum Preset {
        Avant, Arriere, ProfileTribord, ProfileBabord, Dessous, Dessus,
        TribordAvant, BabordAvant, TribordArriere, BabordArriere
    };
    struct TPreset {
        const char* Nom;  // component name; its caption is "rs" + Nom + "Caption"
        float Azimut;     // radians
        float Elevation;
    };
    static const std::array<TPreset, 10>& Presets();
    // Turns the view to a preset, redraws it and refreshes the view control.
    void AppliquePreset(int preset);

    void RemplirMenu(QMenu& menu) override;
};

namespace Vues {

struct TFenetres {
    TSectionForm* Section = nullptr;
    TPlanForm* Plan = nullptr;
    TProfileForm* Profile = nullptr;
    TPerspForm* Persp = nullptr;

    // The four in the order of their kinds (section, plan, profile, perspective).
    std::array<TFormFille*, 4> Toutes() const { return {Section, Plan, Profile, Persp}; }
};
// The four views once created (null before, and after they are destroyed).
TFenetres& Fenetres();

// Creates the view of one kind (0 section, 1 plan, 2 profile, 3
// perspective) and enters it in Fenetres(); nullptr for another kind.
TFormFille* CreeVue(int kind, IVueHote* hote, QWidget* parent = nullptr);
// Creates the four views, in the order section, plan, profile, perspective.
std::array<TFormFille*, 4> CreeVues(IVueHote* hote, QWidget* parent = nullptr);

// The 2-D view of a kind (0 section, 1 plan, 2 profile, 3 perspective); any
// other value shows "Fenetre fille non declaree" and gives none.
TFormFille* FenetreVueParIndex(int kind);
TFormFille* FenetreActive(int numVueActive);

// Every view forgets its selection (a new document): selections emptied and
// every point of their tables back to the normal state.
void OublieSelections();

// The drawing options from the user's settings.
TOptionsDessin OptionsDessinDe(const Settings::TOptions& o);

}  // namespace Vues
