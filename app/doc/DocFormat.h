// Numbers and texts as the document file "*.cse" holds them.
//
// Reals are written in their shortest form that reads back to the same value
// ("0.1", "1e-07", "0.30000000000000004"), so that a document read and saved
// again keeps every bit of its coordinates. Singles (view scales, material
// factors) are written in the shortest form of the single and read back as a
// single. Infinities and NaN cannot be read back: these forms give "0" for
// them, and the document writer refuses to write one (DocWriter.h).
//
// A free text (a name, a title, a comment) stands alone on its value line.
// The reader takes as a value the next line that is neither empty nor begins
// with "[", so a text that is empty, only blanks or begins with "[" (after
// blanks) is written with one blank in front, which reading removes again.
// Line breaks inside a text become blanks. In a list of fields (a weight, a
// mark, a dimension, a background picture) a ";" inside a text becomes ",".
// A "¤" inside a comment line, the separator of the lines, becomes "?", and a
// weight of the user's named "TOTAL" (the name of the computed total, which
// reading skips) is written "TOTAL " (see DocWriter.cpp). The file is
// Windows-1252: a character outside that code page is written "?".
#pragma once

#include <string>
#include <string_view>

namespace DocFormat {

// Shortest round-trip forms, "." as the separator; non-finite values give "0".
std::string Reel(double v);
std::string Simple(float v);
std::string Entier(long long v);
inline std::string Booleen(bool b) { return b ? "1" : "0"; }

// Conversions of one value or field: optional blanks around, optional sign,
// digits, "." and an exponent. Infinities, NaN and values out of range do not
// convert. The result is left unchanged on failure.
bool LitReel(std::string_view texte, double& v);
bool LitSimple(std::string_view texte, float& v);
bool LitEntier(std::string_view texte, int& v);

// Free text on a line of its own, and back.
std::string TexteVersLigne(std::string_view texte);
std::string LigneVersTexte(std::string_view ligne);

// A text as one field of a list (";" becomes ","), and back.
std::string TexteVersChamp(std::string_view texte);
std::string ChampVersTexte(std::string_view champ);

// Takes the next field of a list value: when a ";" occurs, champ := what
// stands before it and reste := what follows; otherwise false and nothing
// changes (a trailing part without ";" is not a field). Both are views into
// the value, which must outlive them: a list is walked without copying it.
bool ProchainChamp(std::string_view& reste, std::string_view& champ);
inline bool AUnChamp(std::string_view reste) { return reste.find(';') != std::string_view::npos; }

// Version strings compare character by character, letters A-Z ignoring case.
int CompareVersion(std::string_view a, std::string_view b);

}  // namespace DocFormat
