// What the studio decides without drawing: its view fields and how the
// mouse, the zoom bar and the keys change them, which surfaces a frame draws
// in which order and with which passes, and the index arrays that draw an
// evaluated grid as quad strips.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Document.h"

namespace Studio {

// The studio's view: pan in tenths of a model unit, angles in degrees.
struct TVueStudio {
    int PanX = 0;
    int PanY = 0;
    float ZoomPos = 151.0f;  // position of the view control's zoom bar
    float AngleZ = 0.0f;     // about the model's vertical axis
    float AngleX = 0.0f;     // tilt
    float Distance = 10.0f;  // camera distance
};

// The zoom bar at a position: distance = (maximum - position + 1) / 10.
void FixeZoom(TVueStudio& v, float position, int maximum);
// A zoom step of the main window's zoom commands: the distance shrinks (in)
// or grows by `pas` (5 with Alt, 0.2 with Ctrl, else 1); the bar follows.
void ZoomPas(TVueStudio& v, bool in, float pas, int maximum);
// A distance given (a stored view, the framing): the bar follows, at maximum - distance x 10 + 1.
void FixeDistance(TVueStudio& v, float distance, int maximum);
// The pan and the distance that show, at the view's angles, every visible
// evaluated surface (and its mirrored half while it is drawn) in a picture of that
// width / height under the studio camera's 30 degree angle: the middle of
// the model on the line of sight, a 5 % margin on the tighter side; the bar
// follows the distance. False, and the view unchanged, when nothing is shown.
bool Cadre(const Document& doc, double aspect, TVueStudio& v, int maximum);
// An angle as the view control shows it: outside -360..360 its rounded value modulo 360.
float AngleAffiche(float a);

// The studio's display buttons.
enum class TModeSurf { Invisible, Points, Contours, Filaire, Rempli };
struct TAffStudio {
    TModeSurf Mode = TModeSurf::Rempli;
    bool PCInvis = false;   // hidden parts hidden (filled in the background colour)
    bool PlanEau = true;    // water plane
    bool Courbure = false;  // curvature colours
    bool Lissage = true;    // smooth shading
    bool Spots = true;      // lamps shown
};

// Visible surfaces, the opaque ones (alpha exactly 1) first, each group in index order.
std::vector<int> OrdreSurfaces(const Document& doc);

// The passes one surface takes in a frame.
struct TPasses {
    bool Masque = false;        // filled hiding pass with the polygon offset ...
    bool MasqueCouleur = false; // ... in the surface colour (else the background, unlit)
    bool Points = false;
    bool Contours = false;
    bool Filaire = false;
    bool Rempli = false;        // lit fill without offset
};
// Any family of cut lines is shown.
bool FamillesAffichees(const TAffichage& a);
TPasses Passes(const TAffStudio& s, const TAffichage& a);

// How an evaluated grid is drawn: as one line strip along row 0, one along
// column 0, or as quad strips.
enum class TFormeGrille { LigneRangee, LigneColonne, Bandes };
TFormeGrille Forme(const TEntity& s);

// Indices of the quad strips of a grid stored with `cols` columns: for each
// row r = 1..R, the 2 (C + 1) vertices (r - 1, c), (r, c) for c = 0..C.
void IndicesBandes(int R, int C, int cols, std::vector<std::uint32_t>& out);

}  // namespace Studio
