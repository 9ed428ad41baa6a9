// Background pictures: what a header claims, and the stretched size.
#include <gtest/gtest.h>

#include <vector>

#include "views/BitMFond.h"

using namespace BitMFond;

namespace {

void Le(std::vector<std::uint8_t>& b, std::size_t i, std::uint32_t v, int n) {
    for (int k = 0; k < n; ++k) b[i + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(v >> (8 * k));
}

std::vector<std::uint8_t> Bmp(std::uint32_t dib, std::int32_t w, std::int32_t h) {
    std::vector<std::uint8_t> b(54, 0);
    b[0] = 'B', b[1] = 'M';
    Le(b, 14, dib, 4);
    if (dib == 12) {
        Le(b, 18, static_cast<std::uint32_t>(w), 2);
        Le(b, 20, static_cast<std::uint32_t>(h), 2);
    } else {
        Le(b, 18, static_cast<std::uint32_t>(w), 4);
        Le(b, 22, static_cast<std::uint32_t>(h), 4);
    }
    return b;
}

}  // namespace

TEST(BitMFond, HeadersTellFormatAndClaimedSize) {
    // JPEG: an APP0 segment, then the frame header with height 65000 and width 64000.
    const std::vector<std::uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x4A, 0x46, 0xFF, 0xFF, 0xC0, 0x00,
                                            0x11, 0x08, 0xFD, 0xE8, 0xFA, 0x00, 0x03};
    const std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0x10, 0x00};
    const struct {
        std::vector<std::uint8_t> octets;
        Format f;
        long long w, h;
        bool acceptable;
    } cas[] = {
        {Bmp(40, 100000, 100000), Format::Bmp, 100000, 100000, false},
        {Bmp(40, 640, -480), Format::Bmp, 640, 480, true},  // rows from the top
        {Bmp(12, 30, 20), Format::Bmp, 30, 20, true},
        {Bmp(40, 20000, 20000), Format::Bmp, 20000, 20000, false},  // 400 million pixels
        {jpeg, Format::Jpeg, 64000, 65000, false},
        {std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + 12), Format::Jpeg, 0, 0, false},
        {gif, Format::Gif, 65535, 16, false},
        {{'G', 'I', 'F'}, Format::Inconnu, 0, 0, false},
        {{}, Format::Inconnu, 0, 0, false},
    };
    for (std::size_t k = 0; k < std::size(cas); ++k) {
        const TEntete e = LitEntete(cas[k].octets);
        EXPECT_EQ(e.F, cas[k].f) << k;
        EXPECT_EQ(std::pair(e.Largeur, e.Hauteur), std::pair(cas[k].w, cas[k].h)) << k;
        EXPECT_EQ(TailleAcceptable(e.Largeur, e.Hauteur), cas[k].acceptable) << k;
        // Every shorter file is read within its bytes.
        for (std::size_t n = 0; n < cas[k].octets.size(); ++n) {
            const std::vector<std::uint8_t> debut(cas[k].octets.begin(), cas[k].octets.begin() + static_cast<long>(n));
            const TEntete d = LitEntete(debut);
            EXPECT_TRUE(d.Largeur == 0 || d.Largeur == e.Largeur) << k << " " << n;
        }
    }
}

TEST(BitMFond, StretchedSizeFollowsTheMode) {
    const struct {
        int mode, pw, ph, fw, fh;
        int w, h;
    } cas[] = {
        {ajAucun, 200, 100, 0, 0, 200, 100},
        {ajLargeurFenetre, 200, 100, 0, 0, 301, 150},  // 150.5 to even
        {ajLargeurFenetre, 200, 102, 0, 0, 301, 154},  // 153.51
        {ajHauteurFenetre, 200, 100, 0, 0, 300, 150},
        {ajLargeurFixe, 200, 100, 50, 0, 50, 25},
        {ajHauteurFixe, 200, 100, 0, 25, 50, 25},
        {ajLargeurFixe, 200, 100, 0, 0, 0, 0},              // nothing to build
        {ajLargeurFixe, 200, 100, 2000000000, 0, 0, 0},     // too large to build
        {ajHauteurFixe, 200, 100, 0, -5, 0, 0},
        {ajAucun, 0, 100, 0, 0, 0, 0},
        {9, 200, 100, 0, 0, 200, 100},  // unknown mode: the picture's size
    };
    for (const auto& c : cas) {
        const TTaille t = TailleEtiree(c.mode, c.pw, c.ph, 301, 150, c.fw, c.fh);
        EXPECT_EQ(t.Vide() ? std::pair(0, 0) : std::pair(t.Largeur, t.Hauteur), std::pair(c.w, c.h)) << c.mode << " " << c.fw << " " << c.fh;
    }
}

TEST(BitMFond, FixedSizesAreIntegers) {
    const struct {
        const char* t;
        bool ok;
        int v;
    } cas[] = {{"640", true, 640}, {" -3 ", true, -3}, {"+7", true, 7}, {"12.5", false, 0},
               {"", false, 0},     {"abc", false, 0},  {"99999999999", false, 0}};
    for (const auto& c : cas) {
        int v = 0;
        EXPECT_EQ(LitEntier(c.t, v), c.ok) << c.t;
        EXPECT_EQ(v, c.v) << c.t;
    }
}
