// What the options dialog needs besides its widgets: the ranges of its track
// bars with the rule each stored value follows, the size-of-marks field read
// strictly, and the languages offered.
//
// One rule each way: a stored value is brought into its track bar's range
// when it is read, and a track bar's position is what is stored, so opening
// the dialog and confirming it without a change rewrites the same values.
#pragma once

#include <string>
#include <vector>

namespace Options {

// Track bar ranges.
constexpr int kLongRayonMin = 10;  // "Courbure"/"LongRayon": factor x 5000
constexpr int kLongRayonMax = 25000;
constexpr int kLongRayonDefaut = 5000;  // a factor of 1: the combs show the true curvature
constexpr int kRatioVectMin = 1;  // "Poids"/"RatioVect"
constexpr int kRatioVectMax = 10000;
constexpr int kPolyMin = -100;  // "Studio"/"PolyFactor", "PolyUnits"
constexpr int kPolyMax = 100;

int Borne(int v, int min, int max);

// The ray-length factor of a track bar position (position / 5000) and back
// (the stored integer, kept in the track bar's range).
double LongRayonDe(int position);
int PositionLongRayon(double longRayon);

// The studio's polygon-offset factor or units of a stored position: the one
// rule used when the studio starts and while the track bar moves.
double DecalagePolygone(int position);

// The size of the studio's mark symbols as the dialog shows it ("%.3f"), and
// read back: a number above zero and at most kTailleMax (the working range of
// every size typed in), "." or "," as decimal separator.
constexpr double kTailleMax = 100000.0;
std::string TexteTaille(double taille);
bool LitTaille(const std::string& texte, double& taille);

// The weight scale shown after its label: position / 10 as "%.1fKg".
std::string TexteRatio(int position);

// The name the dialog offers for the built-in French texts.
inline constexpr const char* kFrancais = "Français";

// The languages of the folder: the names of its files "lang_*.dat" without
// "lang_" and ".dat", in order, then "Français".
std::vector<std::string> Langues(const std::string& dossier);
// Whether choosing `choisie` changes the language `actuelle` (an empty
// language is French).
bool LangueChangee(const std::string& choisie, const std::string& actuelle);

}  // namespace Options
