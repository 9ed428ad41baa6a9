// The geometry of a print of the active view: the printable area of the
// printer's page, the scale ("Ecran": as the view shows it, "Ajuster": the
// model fitted to the area, or 1/N of the real size on the chosen paper),
// the origin of the drawing on each page, and how many pages the model needs
// across and down. The tiling of a fixed scale is worked out once, in
// millimetres of paper, and then brought to the box drawn into: the preview
// (a box of about 297 pixels) and the print (the printer's own units) show
// the same pages.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/Calcs.h"
#include "model/Geom.h"

namespace MiseEnPage {

// Paper sizes in millimetres (width x height before orientation).
struct TPapier {
    int Largeur, Hauteur;
};
inline constexpr TPapier kA3{297, 420}, kA4{210, 297}, kA5{148, 210}, kLetterUS{216, 279};

// What the printer says of its page, in its own units: the printing offset
// (margin to the printable area) and the physical page; the printable page.
struct TImprimante {
    int OffsetX = 0, OffsetY = 0;
    int LargeurPhys = 0, HauteurPhys = 0;
    int LargeurPage = 0, HauteurPage = 0;
};

// The printer's page, or, when it reports no size, the paper chosen in
// millimetres as a page without margins: nothing ever divides by zero.
TImprimante Effective(const TImprimante& imp, int papierHorz, int papierVert);

// The paper's horizontal and vertical sizes from the two edits: in portrait
// the smaller is horizontal, in landscape the larger.
void TaillePapier(int edit1, int edit2, bool paysage, int& horz, int& vert);

// Whether the paper chosen (horz x vert millimetres, after orientation) has
// other proportions than the printer's page (w x h device pixels, at its
// true size): the chosen proportions laid on the printer's page miss its
// width or its height by more than a device pixel. Sizes not known (0 or
// less) are not compared.
bool PapierDifferent(int horz, int vert, double w, double h);

// The preview box: the physical page's proportions, its longer side 297.
void TailleApercu(const TImprimante& imp, int& w, int& h);

enum class TEchelle { Ecran, Ajuster, Fixe };

struct TEntree {
    TImprimante Imp;          // as Effective gives it
    int PapierHorz = 210;     // the paper chosen, mm, after orientation
    int W = 0, H = 0;         // the box drawn into: the preview, or the physical page
    TEchelle Mode = TEchelle::Ecran;
    int N = 10;               // 1/N for TEchelle::Fixe
    std::int64_t Page = 1;    // numbered across, then down
    TViewRecord Vue;          // the active view: scale and origin for "Ecran", angles for the bounds
    int ClientW = 1, ClientH = 1;  // its client size
    TVertex2f Min{10000.0f, 10000.0f}, Max{-10000.0f, -10000.0f};  // the model projected in the view (metres)
};

// The most pages "Toutes les pages" prints: the last page the page number
// can show. A model that needs more at the chosen scale is refused.
inline constexpr std::int64_t kPagesMax = 1000;
// Pages across or down are counted up to this (the total then stays within
// 64 bits); a count held there means as many or more.
inline constexpr std::int64_t kPagesSature = 3'000'000'000;

// The tiling of a fixed scale, in millimetres of the chosen paper from its
// corner.
struct TPavage {
    double L = 0.0, T = 0.0, U = 1.0, V = 1.0;  // printable area
    double S = 0.0;                             // paper millimetres per model metre
    double X0 = 0.0, Y0 = 0.0;                  // where the model origin falls on page 1
    std::int64_t Across = 1, Down = 1, Total = 1;
};

// Pages across and down (ComptePages) and the model centred over them.
TPavage Pavage(const TEntree& e);

struct TPage {
    int L = 0, T = 0, R = 0, B = 0, U = 1, V = 1;  // printable area in the box
    double S = 0.0;                                  // box units per model metre
    int X0 = 0, Y0 = 0;                              // where the model origin falls on the page
    std::int64_t Across = 1, Down = 1, Total = 1;
    std::int64_t Page = 1;                           // the page drawn, within 1..Total
};

// Scale, origin and page count (Echelle_Origine and ComptePages).
TPage EchelleOrigine(const TEntree& e);

// The custom scale's field: "25", "1/25" and "1 / 25" all read 25, held
// within 1..1000; false for anything else.
bool LitEchelle(std::string_view texte, int& n);

// The view record that draws page p in the box: the active view's angles
// with the page's scale and origin.
TViewRecord VuePage(const TEntree& e, const TPage& p);

}  // namespace MiseEnPage
