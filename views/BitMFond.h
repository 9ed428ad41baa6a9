// Background pictures of the 2-D views: what can be told of a picture file
// before it is decoded (its format and the size its header claims, so that a
// damaged or hostile header never makes us allocate gigabytes), and the size
// of the bitmap each stretch mode asks for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace BitMFond {

// Stretch modes: 0 picture size, 1 window width, 2 window height, 3 fixed
// width, 4 fixed height (proportions kept in 1 to 4).
enum Ajustement : std::uint8_t { ajAucun = 0, ajLargeurFenetre, ajHauteurFenetre, ajLargeurFixe, ajHauteurFixe };

enum class Format { Inconnu, Jpeg, Bmp, Gif };

// The format recognised from the first bytes, and the width and height the
// header claims (0 when they cannot be found in the bytes given).
struct TEntete {
    Format F = Format::Inconnu;
    long long Largeur = 0;
    long long Hauteur = 0;
};
TEntete LitEntete(std::span<const std::uint8_t> octets);

// The largest picture we decode or build: each side at most kCoteMax pixels
// and at most kPixelsMax pixels in all.
constexpr long long kCoteMax = 30000;
constexpr long long kPixelsMax = 100'000'000;
bool TailleAcceptable(long long largeur, long long hauteur);

struct TTaille {
    int Largeur = 0;
    int Hauteur = 0;
    bool Vide() const { return Largeur <= 0 || Hauteur <= 0; }
};
// The stretched bitmap's size for a picture of pw x ph in a view of cw x ch
// with the record's fixed width and height (halves to even). Empty when the
// picture or the size asked for is empty, or too large to build.
TTaille TailleEtiree(int mode, int pw, int ph, int cw, int ch, int largeurFixe, int hauteurFixe);

// A fixed width or height as typed: an integer (blanks around allowed).
bool LitEntier(std::string_view texte, int& v);

}  // namespace BitMFond
