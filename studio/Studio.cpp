#include "studio/Studio.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace Studio {

void FixeZoom(TVueStudio& v, float position, int maximum) {
    v.ZoomPos = position;
    v.Distance = (static_cast<float>(maximum) - position + 1.0f) / 10.0f;
}

void ZoomPas(TVueStudio& v, bool in, float pas, int maximum) { FixeDistance(v, v.Distance + (in ? -pas : pas), maximum); }

void FixeDistance(TVueStudio& v, float distance, int maximum) {
    v.Distance = distance;
    v.ZoomPos = static_cast<float>(maximum) - v.Distance * 10.0f + 1.0f;
}

bool Cadre(const Document& doc, double aspect, TVueStudio& v, int maximum) {
    if (!(aspect > 0.0) || !std::isfinite(aspect)) return false;
    // The frame's turns (about X by AngleX - 90, after Z by AngleZ - 90)
    // give each point its place before the pan and the distance.
    const double a = (v.AngleZ - 90.0) * std::numbers::pi / 180.0, b = (v.AngleX - 90.0) * std::numbers::pi / 180.0;
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    std::vector<std::array<double, 3>> pts;
    for (const auto& s : doc.Surfaces) {
        // A surface not evaluated yet has no points to show (its grid is all at the origin).
        if (!s->Visible || !s->Calculee) continue;
        auto prend = [&](const TVertex3f& p) {
            const double x = p.X * ca - p.Y * sa, y = p.X * sa + p.Y * ca;
            pts.push_back({x, y * cb - p.Z * sb, y * sb + p.Z * cb});
        };
        PourChaquePoint(*s, s->Points, prend);
        if (s->Sym && !doc.Aff.MeMoitie) PourChaquePoint(*s, s->PointsSym, prend);
    }
    if (pts.empty()) return false;
    double xmin = pts[0][0], xmax = xmin, ymin = pts[0][1], ymax = ymin, zmax = pts[0][2];
    for (const auto& q : pts) {
        xmin = std::min(xmin, q[0]), xmax = std::max(xmax, q[0]);
        ymin = std::min(ymin, q[1]), ymax = std::max(ymax, q[1]);
        zmax = std::max(zmax, q[2]);
    }
    const double panX = std::nearbyint(-(xmin + xmax) / 2.0 * 10.0), panY = std::nearbyint(-(ymin + ymax) / 2.0 * 10.0);
    if (!std::isfinite(panX) || !std::isfinite(panY) || std::abs(panX) > 2e9 || std::abs(panY) > 2e9) return false;
    // Each point in the picture: |x + pan| <= t (distance - z) on both axes,
    // and every point at least the camera's near distance (1) away.
    const double ty = 0.95 * std::tan(15.0 * std::numbers::pi / 180.0), tx = ty * aspect;
    double d = zmax + 1.5;
    for (const auto& q : pts)
        d = std::max({d, q[2] + std::abs(q[0] + panX / 10.0) / tx, q[2] + std::abs(q[1] + panY / 10.0) / ty});
    v.PanX = static_cast<int>(panX);
    v.PanY = static_cast<int>(panY);
    FixeDistance(v, static_cast<float>(d), maximum);
    return true;
}

float AngleAffiche(float a) {
    if (a >= -360.0f && a <= 360.0f) return a;
    return static_cast<float>(static_cast<long long>(std::nearbyint(a)) % 360);
}

std::vector<int> OrdreSurfaces(const Document& doc) {
    std::vector<int> ordre;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < doc.NbSurf(); ++i) {
            const TEntity* s = doc.Surface(i);
            if (s && s->Visible && (s->Alpha == 1.0) == (pass == 0)) ordre.push_back(i);
        }
    return ordre;
}

bool FamillesAffichees(const TAffichage& a) {
    return a.MeSections || a.MeLignesdEau || a.MeLongitudinales || a.MeDiagonales;
}

TPasses Passes(const TAffStudio& s, const TAffichage& a) {
    TPasses p;
    const bool rempli = s.Mode == TModeSurf::Rempli, familles = FamillesAffichees(a);
    p.Masque = s.PCInvis || (rempli && familles);
    p.MasqueCouleur = rempli;
    p.Points = s.Mode == TModeSurf::Points;
    p.Contours = s.Mode == TModeSurf::Contours;
    p.Filaire = s.Mode == TModeSurf::Filaire;
    p.Rempli = rempli && !familles;
    return p;
}

TFormeGrille Forme(const TEntity& s) {
    if (const auto* n = dynamic_cast<const TSurface*>(&s)) {
        if (n->Net.NbL == 1) return TFormeGrille::LigneRangee;
        if (n->Net.NbC == 1) return TFormeGrille::LigneColonne;
        return TFormeGrille::Bandes;
    }
    if (s.DernLigne == 0) return TFormeGrille::LigneRangee;
    if (s.DernCol == 0) return TFormeGrille::LigneColonne;
    return TFormeGrille::Bandes;
}

void IndicesBandes(int R, int C, int cols, std::vector<std::uint32_t>& out) {
    out.clear();
    if (R < 1 || C < 0) return;
    out.reserve(static_cast<std::size_t>(R) * 2 * static_cast<std::size_t>(C + 1));
    for (int r = 1; r <= R; ++r)
        for (int c = 0; c <= C; ++c) {
            out.push_back(static_cast<std::uint32_t>((r - 1) * cols + c));
            out.push_back(static_cast<std::uint32_t>(r * cols + c));
        }
}

}  // namespace Studio
