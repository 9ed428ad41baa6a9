#include "calc/Developpement.h"

#include <algorithm>
#include <cmath>

#include "model/Document.h"
#include "model/Entity.h"

namespace Developpement {

bool Candidat(const TEntity& s) {
    const auto* n = dynamic_cast<const TSurface*>(&s);
    if (!n) return false;
    return (n->Net.LFlex == 2 && n->Net.NbL == 2) || (n->Net.CFlex == 2 && n->Net.NbC == 2);
}

std::vector<int> Candidats(const Document& doc) {
    std::vector<int> r;
    for (int i = 0; i < doc.NbSurf(); ++i)
        if (Candidat(*doc.Surface(i))) r.push_back(i);
    return r;
}

namespace {

double Dist(const TVertex3f& a, const TVertex3f& b) {
    return std::sqrt((a.X - b.X) * (a.X - b.X) + (a.Y - b.Y) * (a.Y - b.Y) + (a.Z - b.Z) * (a.Z - b.Z));
}
double Dist(const TPoint2& a, const TPoint2& b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

// The point at distances dp from p and dq from q, on the other side of the
// line pq from o (on the left of p->q when o is on it).
TPoint2 Place(const TPoint2& p, const TPoint2& q, const TPoint2& o, double dp, double dq) {
    const double d = Dist(p, q);
    if (d == 0.0) return p;
    const double ex = (q.X - p.X) / d, ey = (q.Y - p.Y) / d;
    const double u = (dp * dp - dq * dq + d * d) / (2.0 * d);
    const double v = std::sqrt(std::max(0.0, dp * dp - u * u));
    const double cote = ex * (o.Y - p.Y) - ey * (o.X - p.X);   // > 0: o on the left
    const double s = cote > 0.0 ? -1.0 : 1.0;
    return {p.X + u * ex - s * v * ey, p.Y + u * ey + s * v * ex};
}

}  // namespace

TDeveloppement Developpe(const TSurface& s) {
    TDeveloppement r;
    r.DirectricePremiere = s.Net.LFlex == 2 && s.Net.NbL == 2;
    const TArrayVertex3f& g = s.Points;
    // a along the rulings, b across.
    const int nA = r.DirectricePremiere ? g.rows() : g.cols();
    const int nB = r.DirectricePremiere ? g.cols() : g.rows();
    auto P = [&](int a, int b) -> const TVertex3f& { return r.DirectricePremiere ? g[a][b] : g[b][a]; };
    if (nA < 2 || nB < 2) return r;

    // Lays the triangle (k0, k1, k2) against the edge (k0, k1) of a triangle
    // already laid, k2 on the other side of that edge.
    auto pose = [&](const TTriangle& appui, std::array<int, 2> k0, std::array<int, 2> k1, std::array<int, 2> k2) {
        TTriangle t;
        t.Noeud = {k0, k1, k2};
        TPoint2 p0{}, p1{}, opp{};
        for (int i = 0; i < 3; ++i) {
            if (appui.Noeud[i] == k0) p0 = appui.P[i];
            else if (appui.Noeud[i] == k1) p1 = appui.P[i];
            else opp = appui.P[i];
        }
        t.P = {p0, p1,
               Place(p0, p1, opp, Dist(P(k0[0], k0[1]), P(k2[0], k2[1])), Dist(P(k1[0], k1[1]), P(k2[0], k2[1])))};
        r.Triangles.push_back(t);
        return r.Triangles.back();
    };

    TTriangle premierB{};   // the strip's first B triangle, the next strip's support
    for (int b = 0; b + 1 < nB; ++b) {
        TTriangle dernier;
        for (int a = 0; a + 1 < nA; ++a) {
            TTriangle ta;
            if (a == 0 && b == 0) {
                // The first triangle: (0, 0) at the origin, (1, 0) along +X, (0, 1) above.
                ta.Noeud = {{{0, 0}, {1, 0}, {0, 1}}};
                const double d01 = Dist(P(0, 0), P(1, 0));
                ta.P[0] = {0, 0};
                ta.P[1] = {d01, 0};
                ta.P[2] = Place(ta.P[0], ta.P[1], {0.0, -1.0}, Dist(P(0, 0), P(0, 1)), Dist(P(1, 0), P(0, 1)));
                r.Triangles.push_back(ta);
            } else if (a == 0) {
                ta = pose(premierB, {0, b}, {1, b}, {0, b + 1});
            } else {
                // Against the edge (a, b)-(a, b + 1) of the B triangle before it.
                ta = pose(dernier, {a, b}, {a, b + 1}, {a + 1, b});
            }
            const TTriangle tb = pose(ta, {a + 1, b}, {a, b + 1}, {a + 1, b + 1});
            if (a == 0) premierB = tb;
            dernier = tb;
            // The other diagonal of the quad: (a, b) of ta to (a + 1, b + 1) of tb.
            const double d3 = Dist(P(a, b), P(a + 1, b + 1));
            if (d3 > 0.0) r.Erreur = std::max(r.Erreur, std::fabs(d3 - Dist(ta.P[0], tb.P[2])) / d3);
        }
    }
    return r;
}

}  // namespace Developpement
