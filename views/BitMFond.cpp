#include "views/BitMFond.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace BitMFond {

namespace {

unsigned Le16(std::span<const std::uint8_t> b, std::size_t i) { return b[i] | (b[i + 1] << 8); }
unsigned Be16(std::span<const std::uint8_t> b, std::size_t i) { return (b[i] << 8) | b[i + 1]; }
long long Le32s(std::span<const std::uint8_t> b, std::size_t i) {
    const std::uint32_t u = static_cast<std::uint32_t>(b[i]) | (static_cast<std::uint32_t>(b[i + 1]) << 8) |
                            (static_cast<std::uint32_t>(b[i + 2]) << 16) | (static_cast<std::uint32_t>(b[i + 3]) << 24);
    return static_cast<std::int32_t>(u);
}

// The frame header (SOFn) of a JPEG stream gives its size.
void TailleJpeg(std::span<const std::uint8_t> b, TEntete& e) {
    std::size_t i = 2;
    while (i + 1 < b.size()) {
        if (b[i] != 0xFF) return;
        std::uint8_t m = b[i + 1];
        if (m == 0xFF) {  // fill byte
            ++i;
            continue;
        }
        i += 2;
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD7)) continue;  // no length
        if (m == 0xD9 || m == 0xDA || i + 1 >= b.size()) return;  // no frame before the scan
        const unsigned longueur = Be16(b, i);
        const bool sof = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        if (sof) {
            if (i + 6 < b.size()) {
                e.Hauteur = Be16(b, i + 3);
                e.Largeur = Be16(b, i + 5);
            }
            return;
        }
        if (longueur < 2) return;
        i += longueur;
    }
}

long long Arrondi(double v) { return static_cast<long long>(std::nearbyint(v)); }

}  // namespace

TEntete LitEntete(std::span<const std::uint8_t> b) {
    TEntete e;
    if (b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) {
        e.F = Format::Jpeg;
        TailleJpeg(b, e);
    } else if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') {
        e.F = Format::Bmp;
        if (b.size() >= 18) {
            const long long dib = Le32s(b, 14);
            if (dib == 12 && b.size() >= 22) {  // the old core header: 16-bit sizes
                e.Largeur = Le16(b, 18);
                e.Hauteur = Le16(b, 20);
            } else if (dib >= 16 && b.size() >= 26) {
                e.Largeur = std::llabs(Le32s(b, 18));
                e.Hauteur = std::llabs(Le32s(b, 22));  // negative: rows from the top
            }
        }
    } else if (b.size() >= 6 && b[0] == 'G' && b[1] == 'I' && b[2] == 'F') {
        e.F = Format::Gif;
        if (b.size() >= 10) {
            e.Largeur = Le16(b, 6);
            e.Hauteur = Le16(b, 8);
        }
    }
    return e;
}

bool TailleAcceptable(long long largeur, long long hauteur) {
    return largeur > 0 && hauteur > 0 && largeur <= kCoteMax && hauteur <= kCoteMax &&
           largeur * hauteur <= kPixelsMax;
}

TTaille TailleEtiree(int mode, int pw, int ph, int cw, int ch, int largeurFixe, int hauteurFixe) {
    if (pw <= 0 || ph <= 0) return {};
    long long w = pw, h = ph;
    switch (mode) {
        case ajLargeurFenetre: w = cw, h = Arrondi(static_cast<double>(ph) * cw / pw); break;
        case ajHauteurFenetre: w = Arrondi(static_cast<double>(pw) * ch / ph), h = ch; break;
        case ajLargeurFixe: w = largeurFixe, h = Arrondi(static_cast<double>(ph) * largeurFixe / pw); break;
        case ajHauteurFixe: w = Arrondi(static_cast<double>(pw) * hauteurFixe / ph), h = hauteurFixe; break;
        default: break;
    }
    if (!TailleAcceptable(w, h)) return {};
    return {static_cast<int>(w), static_cast<int>(h)};
}

bool LitEntier(std::string_view t, int& v) {
    const auto a = t.find_first_not_of(" \t");
    if (a == std::string_view::npos) return false;
    t = t.substr(a, t.find_last_not_of(" \t") + 1 - a);
    if (t.front() == '+') t.remove_prefix(1);
    int r = 0;
    const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), r);
    if (ec != std::errc() || p != t.data() + t.size()) return false;
    v = r;
    return true;
}

}  // namespace BitMFond
