// The external hull-analysis program ("Vellamor"): the configuration file
// the program is run on, and the results it leaves in "out.mlt".
//
// The configuration file is text, one "key=value" per line: the hull kind,
// the three parameters, whether the old results are deleted at launch and
// the chosen surfaces by name; when written for a run, each chosen surface's
// evaluated point grid follows in a "[SURFACE]" block (its name, its row and
// column counts, then one "x y z" line per point, row by row). A
// configuration saved by the user has no grids; reading skips them.
#pragma once

#include <array>
#include <string>
#include <vector>

class Document;

namespace Vellamor {

inline constexpr const char* kSortie = "out.mlt";
inline constexpr const char* kFichierConfig = "vellamor.cfg";

struct TConfig {
    bool Symetrique = true;                 // "Carène symétrique" or "Carène asymétrique"
    std::vector<std::string> Surfaces;      // the chosen surfaces, by name
    std::array<std::string, 3> Parametres;  // lowest speed, highest speed (m/s), number of speeds
    bool SupprimerSortie = true;            // "Supprimer out.mlt au lancement"
    friend bool operator==(const TConfig&, const TConfig&) = default;
};

// "" when the parameters can be run, else the message naming the field.
std::string Verifie(const TConfig& c);

// The file's lines; with a document, the chosen surfaces' grids follow (a
// name the document does not hold is skipped).
std::vector<std::string> Lignes(const TConfig& c, const Document* doc);

// A configuration read back; false with the line that cannot be read.
bool Lit(const std::vector<std::string>& lignes, TConfig& c, std::string& erreur);

// One line of results: the abscissa and the two series.
struct TPoint {
    double X = 0.0, Y1 = 0.0, Y2 = 0.0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};
// The lines of "out.mlt" whose first three fields (separated by blanks, tabs
// or ";") are numbers; titles, comments and short lines are skipped. A
// decimal comma and a Fortran exponent ("1.5D+02") are read as well.
std::vector<TPoint> LitSortie(const std::vector<std::string>& lignes);

}  // namespace Vellamor
