// The evaluation precision: the number of intervals per direction at which
// every NURBS surface is evaluated. Four fixed presets and a value typed by
// the user; the choice is a setting of the program, never of the document.
#pragma once

#include <array>

class Document;

namespace Precision {

// A fixed preset: its menu item, the word kept in the settings, its value.
struct TPreset {
    const char* Item;
    const char* Mot;
    int Valeur;
};
inline constexpr std::array<TPreset, 4> kPresets{{{"MePrecFaible", "Faible", 10},
                                                  {"MePrecMoyenne", "Moyenne", 20},
                                                  {"MePrecBonne", "Bonne", 50},
                                                  {"MePrecTBonne", "TBonne", 100}}};

// Every NURBS surface takes p intervals per direction: its grids are resized
// to (p + 1) x (p + 1) points and it is evaluated again; mesh surfaces keep
// their own grids. The station tables are recomputed whether shown or not,
// the other families when shown. The document is not marked modified.
// When memory runs out on the way, the document is brought back whole to the
// precision it had and std::bad_alloc passes on.
void Applique(Document& doc, int p);

}  // namespace Precision
