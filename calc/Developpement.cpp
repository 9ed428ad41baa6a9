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

// The point at distances dp from p and dq from q, on the left of p->q.
TPoint2 AGauche(const TPoint2& p, const TPoint2& q, double dp, double dq) {
    const double d = Dist(p, q);
    if (d == 0.0) return p;
    const double ex = (q.X - p.X) / d, ey = (q.Y - p.Y) / d;
    const double u = (dp * dp - dq * dq + d * d) / (2.0 * d);
    const double v = std::sqrt(std::max(0.0, dp * dp - u * u));
    return {p.X + u * ex - v * ey, p.Y + u * ey + v * ex};
}

}  // namespace

TDeveloppement Developpe(const TSurface& s) {
    TDeveloppement r;
    r.DirectricePremiere = s.Net.LFlex == 2 && s.Net.NbL == 2;
    const TArrayVertex3f& g = s.Points;
    const int nA = r.DirectricePremiere ? g.rows() : g.cols();
    const int nB = r.DirectricePremiere ? g.cols() : g.rows();
    if (nA < 2 || nB < 2) return r;
    auto P = [&](int a, int b) -> const TVertex3f& { return r.DirectricePremiere ? g[a][b] : g[b][a]; };
    r.NbA = nA;
    r.NbB = nB;
    r.Plan.assign(static_cast<std::size_t>(nA * nB), {});
    auto Q = [&](int a, int b) -> TPoint2& { return r.Plan[static_cast<std::size_t>(b * nA + a)]; };
    // The first ruling along +X, the others laid on its left, each point
    // against the two already laid that share a triangle with it.
    for (int a = 1; a < nA; ++a) Q(a, 0) = {Q(a - 1, 0).X + Dist(P(a - 1, 0), P(a, 0)), 0.0};
    for (int b = 0; b + 1 < nB; ++b) {
        for (int a = 0; a + 1 < nA; ++a)
            Q(a, b + 1) = AGauche(Q(a, b), Q(a + 1, b), Dist(P(a, b), P(a, b + 1)), Dist(P(a + 1, b), P(a, b + 1)));
        const int a = nA - 1;
        Q(a, b + 1) = AGauche(Q(a - 1, b + 1), Q(a, b), Dist(P(a - 1, b + 1), P(a, b + 1)), Dist(P(a, b), P(a, b + 1)));
    }
    for (int b = 1; b < nB; ++b) {
        double l3 = 0.0, l2 = 0.0;
        for (int a = 0; a + 1 < nA; ++a) {
            l3 += Dist(P(a, b), P(a + 1, b));
            l2 += Dist(Q(a, b), Q(a + 1, b));
        }
        if (l3 > 0.0) r.Erreur = std::max(r.Erreur, std::fabs(l2 - l3) / l3);
    }
    return r;
}

}  // namespace Developpement
