// Small string helpers shared by the document reader, the language texts, the
// imports and the export writers.
//
// Texts are UTF-8. Positions and lengths are counted in characters where it
// matters (padding, the one-character separator); searching works on bytes,
// which is the same thing for UTF-8. "Case-insensitive" takes the letters A to
// Z as equal to a to z and nothing else.
#pragma once

#include <string>
#include <string_view>

namespace Chaines {

// The comment separator of the document format ("¤", byte 0xA4 on disk).
inline constexpr std::string_view kSeparateurCommentaire = "\u00A4";

// A copy of the text with every old character replaced by the new one (each
// given as one UTF-8 character; an empty old character changes nothing).
std::string RemplaceCar(std::string_view texte, std::string_view ancien, std::string_view nouveau);
std::string RemplaceCar(std::string_view texte, char ancien, char nouveau);

// The part of the text after the first occurrence of sub; empty when sub does
// not occur or is empty.
std::string ApresChaine(std::string_view sub, std::string_view texte);

// When the separator occurs at position p: tete := what stands before it and
// texte := what follows its first character. Otherwise tete := empty and the
// text is unchanged.
void ExtraitAvant(std::string_view separateur, std::string& texte, std::string& tete);

// As ExtraitAvant, but tete keeps the separator's first character.
void ExtraitJusqua(std::string_view separateur, std::string& texte, std::string& tete);

// Non-overlapping occurrences of sub, scanning left to right (0 for an empty sub).
int CompteOccurrences(std::string_view sub, std::string_view texte);

// Whether the text begins with the prefix, case-insensitively; an empty prefix
// gives true.
bool CommencePar(std::string_view prefixe, std::string_view texte);

// Pads the text to the width (in characters) with copies of the fill, on the
// right or on the left; a text already as wide is returned unchanged, never cut.
std::string CompleteDroite(std::string_view remplissage, std::string_view texte, int largeur);
std::string CompleteGauche(std::string_view remplissage, std::string_view texte, int largeur);

// Whole-text comparison, case-insensitive.
bool EgalSansCasse(std::string_view a, std::string_view b);

// Lower-case copy (A to Z only).
std::string MinusculesAscii(std::string_view texte);

// Drops leading blanks and control characters (every byte up to the space).
std::string_view SansBlancsGauche(std::string_view texte);

// Drops blanks and control characters at both ends.
std::string_view SansBlancs(std::string_view texte);

// Conversions used by the typed reads, independent of the locale: optional
// blanks around the number, an optional sign, digits, "." and an exponent for
// reals. Infinities, NaN and out-of-range values do not convert.
bool TexteVersEntier(std::string_view texte, int& valeur);
bool TexteVersReel(std::string_view texte, double& valeur);

// "%.<decimales>f" with "." as the separator; a value that rounds to zero
// is written without a sign (never "-0.0000").
std::string FormatFixe(double valeur, int decimales);

}  // namespace Chaines
