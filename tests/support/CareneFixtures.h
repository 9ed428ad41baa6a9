// Solids whose hydrostatics are known, built as mesh surfaces (point grids
// given directly), for the hydrostatics and stability tests and benchmark.
#pragma once

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "model/Document.h"
#include "model/Entity.h"
#include "model/Geom.h"

namespace fixtures {

// One symmetric mesh surface with its junction, point (i, j) given by
// f(i, j): rows along the half section, columns along Y.
template <class F>
inline std::unique_ptr<TDXFSurface> Maillage(int rows, int cols, F&& f, const TDefGrille& grille = TDefGrille{}) {
    auto s = std::make_unique<TDXFSurface>(0, rows, cols, grille);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) s->Points[i][j] = f(i, j);
    s->Sym = s->Jonction = s->Orientation = 1;
    s->Calculee = 0;
    return s;
}

// A half section (X >= 0) as a polyline from the keel outward, extruded
// along Y from y0 to y0 + len in `cols` pieces: one symmetric mesh surface
// with its junction, rows along the section, columns along Y. The mirror
// closes the other side, the junction closes both ends.
inline std::unique_ptr<TDXFSurface> Extrusion(const std::vector<TVertex3f>& sec, double y0, double len, int cols,
                                              const TDefGrille& grille, bool sym = true) {
    auto s = Maillage(static_cast<int>(sec.size()), cols + 1,
                      [&](int i, int j) { return TVertex3f{sec[i].X, y0 + len * j / cols, sec[i].Z}; }, grille);
    s->Sym = s->Jonction = sym ? 1 : 0;
    return s;
}

// Points from a to b in n pieces (a included, b left out).
inline void Segment(std::vector<TVertex3f>& out, TVertex3f a, TVertex3f b, int n) {
    for (int k = 0; k < n; ++k) {
        const double t = static_cast<double>(k) / n;
        out.push_back({a.X + (b.X - a.X) * t, a.Y, a.Z + (b.Z - a.Z) * t});
    }
}

// Half section of a box barge of breadth b, keel at zKeel, deck at zDeck:
// bottom in nb pieces, side in ns, deck in nd (nd = 0: no deck).
inline std::vector<TVertex3f> SectionCaisson(double b, double zKeel, double zDeck, int nb, int ns, int nd) {
    std::vector<TVertex3f> sec;
    Segment(sec, {0, 0, zKeel}, {b / 2, 0, zKeel}, nb);
    Segment(sec, {b / 2, 0, zKeel}, {b / 2, 0, zDeck}, ns);
    if (nd > 0) {
        Segment(sec, {b / 2, 0, zDeck}, {0, 0, zDeck}, nd);
        sec.push_back({0, 0, zDeck});
    } else {
        sec.push_back({b / 2, 0, zDeck});
    }
    return sec;
}

// The box barge of the tests: L 10 from Y = 0, B 4, depth 2, keel at Z = -1
// (draft 1 at Z = 0), closed deck.
inline std::unique_ptr<TDXFSurface> Caisson(const TDefGrille& g, int nb = 4, int ns = 4, int nd = 4, int cols = 10,
                                            double y0 = 0.0) {
    return Extrusion(SectionCaisson(4.0, -1.0, 1.0, nb, ns, nd), y0, 10.0, cols, g);
}

// Half of a circular cylinder of radius r along Y, axis on Z = zAxe, in n
// pieces from the bottom to the top (2 n facets around with the mirror).
inline std::vector<TVertex3f> SectionCercle(double r, double zAxe, int n) {
    std::vector<TVertex3f> sec;
    for (int k = 0; k <= n; ++k) {
        const double t = -std::numbers::pi / 2 + std::numbers::pi * k / n;
        sec.push_back({r * std::cos(t), 0, zAxe + r * std::sin(t)});
    }
    sec.front().X = 0;
    sec.back().X = 0;
    return sec;
}

inline std::unique_ptr<TDXFSurface> Cylindre(const TDefGrille& g, double r, double len, int n, int cols) {
    return Extrusion(SectionCercle(r, 0.0, n), 0.0, len, cols, g);
}

// A document holding the given surfaces, drawing on, every surface counted.
inline Document DocAvec(std::vector<std::unique_ptr<TDXFSurface>> surfaces) {
    Document doc;
    doc.FormeAffichee = true;
    for (auto& s : surfaces) doc.AjouteSurface(std::move(s));
    return doc;
}
inline Document DocAvec(std::unique_ptr<TDXFSurface> s) {
    std::vector<std::unique_ptr<TDXFSurface>> v;
    v.push_back(std::move(s));
    return DocAvec(std::move(v));
}

// Two boxes: "coque" and "flotteur", its twin 20 m forward.
inline Document DeuxCaissons() {
    std::vector<std::unique_ptr<TDXFSurface>> v;
    v.push_back(Caisson(TDefGrille{}));
    v.push_back(Caisson(TDefGrille{}, 4, 4, 4, 10, 20.0));
    Document doc = DocAvec(std::move(v));
    doc.Surface(0)->SetNom("coque");
    doc.Surface(1)->SetNom("flotteur");
    return doc;
}

// A symmetric hull of four surfaces meeting at their edges: a fine-ended
// hull (beam 3, length 12, draft about 0.8) cut into bottom and topsides,
// fore and aft halves, each a grid of (precision + 1)^2 points.
inline void CoqueQuatreSurfaces(Document& doc, int precision) {
    const double L = 12.0, B = 3.0, keel = -0.9, deck = 1.0;
    // Half-breadth and keel depth along the length (t from 0 aft to 1 forward).
    auto demiLargeur = [&](double t) { return B / 2 * (0.55 + 0.45 * std::sin(std::numbers::pi * (0.15 + 0.85 * t))); };
    auto profondeur = [&](double t) { return keel * (0.35 + 0.65 * std::sin(std::numbers::pi * (0.1 + 0.9 * t))); };
    const int n = precision;
    // u from 0 (keel) to 1 (sheer) along the section; the bilge at u = 0.5.
    auto point = [&](double u, double t) -> TVertex3f {
        const double b = demiLargeur(t), d = profondeur(t);
        if (u <= 0.5) {                                      // quarter ellipse to the bilge
            const double v = u / 0.5 * std::numbers::pi / 2;
            return {b * std::sin(v), L * t, d * std::cos(v)};
        }
        const double v = (u - 0.5) / 0.5;                    // straight topside with flare
        return {b * (1.0 + 0.08 * v), L * t, deck * v};
    };
    const double us[3] = {0.0, 0.5, 1.0}, ts[3] = {0.0, 0.5, 1.0};
    for (int a = 0; a < 2; ++a)
        for (int c = 0; c < 2; ++c)
            doc.AjouteSurface(Maillage(n + 1, n + 1, [&](int i, int j) {
                return point(us[a] + (us[a + 1] - us[a]) * i / n, ts[c] + (ts[c + 1] - ts[c]) * j / n);
            }, doc.DefGrille));
}

}  // namespace fixtures
