// The ASCII DXF of release 12 as the program writes it and reads it back:
// group-code / value pairs, each on its own line, and the names and flags of
// the entities used.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace DxfFormat {

inline constexpr std::string_view kVersion = "AC1009";  // $ACADVER of release 12

// Group codes.
enum : int {
    kCodeType = 0,      // entity or section marker
    kCodeNom = 2,       // section name
    kCodeCalque = 8,    // layer
    kCodeVariable = 9,  // header variable
    kCodeX = 10, kCodeY = 20, kCodeZ = 30,      // first point
    kCodeX2 = 11, kCodeY2 = 21, kCodeZ2 = 31,   // second point
    kCodeSuivent = 66,  // vertices follow the POLYLINE
    kCodeDrapeaux = 70,
    kCodeM = 71, kCodeN = 72,  // vertex counts of a polygon mesh
};

// POLYLINE flags (group 70) and VERTEX flags.
inline constexpr int kPolyligne3D = 8;
inline constexpr int kMaillage = 16;
inline constexpr int kVertexPolyligne3D = 32;
inline constexpr int kVertexMaillage = 64;

// Coordinates are written with this many decimals.
inline constexpr int kDecimales = 5;

// A layer name that DXF accepts: every character (UTF-8 code point) outside
// A-Z a-z 0-9 _ - $ becomes "_"; an empty name gives "".
std::string CalqueValide(std::string_view nom);

// One group-code / value pair.
struct TPaire {
    int Code = 0;
    std::string Valeur;  // without the blanks around it
};

// The pairs of a DXF text (line ends CR LF or LF). False, with the line
// number where reading stopped, when a code line is not an integer or a
// value line is missing.
bool LitPaires(std::string_view texte, std::vector<TPaire>& paires, int& ligneErreur);

}  // namespace DxfFormat
