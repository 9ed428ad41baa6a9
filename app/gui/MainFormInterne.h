// What the files of the main window share (not for other parts of the program).
#pragma once

#include <QAction>
#include <QString>

#include <array>
#include <string>

#include "app/gui/MainForm.h"
#include "model/Document.h"
#include "views/gui/Vues.h"

namespace MainFormInterne {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// The display items of the menus and the document's switch each one sets.
struct Interrupteur {
    const char* nom;
    bool TAffichage::*champ;
};
inline constexpr Interrupteur kInterrupteurs[] = {
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

// The four drawing views, section, plan, profile, perspective (null where none).
inline std::array<TFormFille*, 4> LesVues() {
    const Vues::TFenetres& f = Vues::Fenetres();
    return {f.Section, f.Plan, f.Profile, f.Persp};
}

// Connects a menu item or button by its name to a slot of the window.
template <class F>
void Connecte(TMainForm* f, const char* nom, F slot) {
    if (QAction* a = f->Action(QLatin1String(nom))) QObject::connect(a, &QAction::triggered, f, slot);
}

}  // namespace MainFormInterne
