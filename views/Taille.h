// Hull dimensions of chosen surfaces, the list of dimensions, the visible
// surfaces and the custom precision.
#pragma once

#include <string>
#include <vector>

#include "model/Document.h"

namespace Taille {

struct TDimensions {
    // Points of least and greatest X, Y, Z.
    TVertex3f MinX, MaxX, MinY, MaxY, MinZ, MaxZ;
    double Longueur = 0, Largeur = 0, Hauteur = 0;
    double HauteurMax = 0;      // top above Z = 0, else 0
    double ProfondeurMax = 0;   // bottom below Z = 0 (negative), else 0
    double LongueurFlottaison = 0, LargeurFlottaison = 0;
};

// From the extreme points the chosen surfaces keep (evaluated beforehand),
// the later surface winning ties; all zeros when none is chosen.
TDimensions Dimensions(const Document& doc, const std::vector<bool>& sel);

// One line of the dimension list: kind, value text, view name.
struct TLigneCote {
    std::string Type, Valeur, Vue;
};
std::vector<TLigneCote> LignesCotes(const Document& doc);
// Removes dimension i (false when there is none).
bool SupprimeCote(Document& doc, int i);

// Visible := chosen for every surface; then the first visible unlocked one
// becomes current at (0, 0).
void Visibilite(Document& doc, const std::vector<bool>& sel);

constexpr int kPrecisionMin = 10;
constexpr int kPrecisionMinDebug = 2;
constexpr int kPrecisionMax = 200;
// The precision typed, kept within its range (down to 2 in debug mode); a
// text that is not a whole number gives `courante`.
int BornePrecision(const std::string& texte, int courante, bool debug);

}  // namespace Taille
