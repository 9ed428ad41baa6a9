#include "model/Bounds.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>
#include <vector>

#include "base/Debug.h"
#include "model/Calcs.h"

namespace {

// Least and greatest value met along one axis.
class Borne {
public:
    void Ajoute(double v) {
        if (v < min_) min_ = v;
        if (v > max_) max_ = v;
        trouve_ = true;
    }
    bool Trouve() const { return trouve_; }
    // The extent, empty when no value was met.
    TEtendue Etendue() const {
        TEtendue e;
        if (!trouve_) return e;
        e.Min = static_cast<float>(min_);
        e.Max = static_cast<float>(max_);
        e.Size = static_cast<double>(e.Max) - static_cast<double>(e.Min);
        return e;
    }

private:
    double min_ = 10000.0;
    double max_ = -10000.0;
    bool trouve_ = false;
};

enum class Axe { X, Y, Z };

double Coord(const TVertex3f& p, Axe a) { return a == Axe::X ? p.X : (a == Axe::Y ? p.Y : p.Z); }

// The grid, and the mirror grid when asked and the surface is symmetric.
template <class F>
void PointsSurface(const TEntity& s, bool miroir, F&& f) {
    PourChaquePoint(s, s.Points, f);
    if (miroir && s.Sym != 0) PourChaquePoint(s, s.PointsSym, f);
}

// Where the edges of one grid meet the plane Z = z: along each row, then
// along each column; an edge whose ends lie on either side of the plane, or
// with an end on it, gives one point.
template <class F>
void CroisementsGrille(const TEntity& s, const TArrayVertex3f& g, double z, F&& f) {
    const int nr = std::min(s.DernLigne + 1, g.rows());
    const int nc = std::min(s.DernCol + 1, g.cols());
    auto teste = [&](const TVertex3f& a, const TVertex3f& b) {
        if ((a.Z - z) * (b.Z - z) <= 0.0) {
            TVertex3f q{0.0, 0.0, z};
            Calcs::CalcDroite(a, b, q, 3);
            f(q);
        }
    };
    for (int i = 0; i < nr; ++i)
        for (int j = 0; j + 1 < nc; ++j) teste(g[i][j], g[i][j + 1]);
    for (int j = 0; j < nc; ++j)
        for (int i = 0; i + 1 < nr; ++i) teste(g[i][j], g[i + 1][j]);
}

template <class F>
void Croisements(const TEntity& s, double z, F&& f) {
    CroisementsGrille(s, s.Points, z, f);
    if (s.Sym != 0) CroisementsGrille(s, s.PointsSym, z, f);
}

// The surfaces a selector names: >= 0 that one (when it exists), -1 every
// surface, -2 those counted in calculations, anything else none.
template <class F>
void PourSelection(const Document& doc, int sel, F&& f) {
    if (sel >= 0) {
        if (const TEntity* s = doc.Surface(sel)) f(*s);
    } else if (sel == -1 || sel == -2) {
        for (const auto& s : doc.Surfaces)
            if (sel == -1 || s->Calc != 0) f(*s);
    }
}

template <class F>
void PourListe(const Document& doc, const TListSurf& list, F&& f) {
    for (int k : list)
        if (const TEntity* s = doc.Surface(k)) f(*s);
}

// Selector of the waterline routines: -1 and -2 every counted surface, one
// surface only when it is counted.
template <class F>
void PourSelectionCalc(const Document& doc, int sel, F&& f) {
    PourSelection(doc, sel == -1 ? -2 : sel, [&](const TEntity& s) {
        if (s.Calc != 0) f(s);
    });
}

// Immersed extent along an axis: the waterline's, widened by the points under it.
template <class Pour>
TEtendue Immergee(Pour&& pour, Axe axe, double z) {
    Borne b;
    pour([&](const TEntity& s) { Croisements(s, z, [&](const TVertex3f& q) { b.Ajoute(Coord(q, axe)); }); });
    pour([&](const TEntity& s) {
        PointsSurface(s, true, [&](const TVertex3f& p) {
            if (p.Z < z) b.Ajoute(Coord(p, axe));
        });
    });
    return b.Etendue();
}

template <class Pour>
TEtendue LigneEau(Pour&& pour, Axe axe, double z) {
    Borne b;
    pour([&](const TEntity& s) { Croisements(s, z, [&](const TVertex3f& q) { b.Ajoute(Coord(q, axe)); }); });
    return b.Etendue();
}

template <class Pour>
TEtendue Points(Pour&& pour, Axe axe) {
    Borne b;
    pour([&](const TEntity& s) { PointsSurface(s, true, [&](const TVertex3f& p) { b.Ajoute(Coord(p, axe)); }); });
    return b.Etendue();
}

enum class Famille { Sec, LE, Long, Diag };

void CalcTab(Document& doc, Famille f) {
    const TOptionsCoupes options = doc.OptionsCoupes();
    for (auto& s : doc.Surfaces) {
        // A hidden surface keeps its old tables; one that could not be
        // evaluated has nothing to cut.
        if (s->Visible != 1 || s->Calculee == 0) continue;
        try {
            switch (f) {
                case Famille::Sec: s->CalcAllSec(doc.DefGrille, options); break;
                case Famille::LE: s->CalcAllLgE(doc.DefGrille, options); break;
                case Famille::Long: s->CalcAllLong(doc.DefGrille, options); break;
                case Famille::Diag: s->CalcAllDiag(doc.DefGrille, options); break;
            }
        } catch (const std::exception& e) {
            Debug::DbgMsgStr(Debug::erDivers, "Calcs.CalcTabLignes", s->Index, {e.what()});
        }
    }
}

}  // namespace

namespace Calcs {

void DimentionsSurf(const Document& doc, int sel, TEtendue& e) {
    DBG_SCOPE("Calcs.DimentionsSurf");
    e = Points([&](auto&& f) { PourSelection(doc, sel, f); }, Axe::Y);
}

void DimentionsLstSurf(const Document& doc, const TListSurf& list, TEtendue& e) {
    DBG_SCOPE("Calcs.DimentionsLstSurf");
    e = Points([&](auto&& f) { PourListe(doc, list, f); }, Axe::Y);
}

void DimentionsSurfSym(const Document& doc, int sel, bool unCote, TEtendue& e) {
    DBG_SCOPE("Calcs.DimentionsSurfSym");
    const bool miroir = sel < 0 || !unCote;
    Borne b;
    PourSelection(doc, sel, [&](const TEntity& s) {
        PointsSurface(s, miroir, [&](const TVertex3f& p) { b.Ajoute(p.X); });
    });
    e = b.Etendue();
}

void MinMaxZSurf(const Document& doc, int sel, TEtendue& e) {
    DBG_SCOPE("Calcs.MinMaxZSurf");
    const int s = sel == -1 ? -2 : sel;
    e = Points([&](auto&& f) { PourSelection(doc, s, f); }, Axe::Z);
}

void InterSurf_LE(TListPt3D& list, const TEntity& surf, double z) {
    DBG_SCOPE("Calcs.InterSurf_LE");
    Croisements(surf, z, [&](const TVertex3f& q) { list.Add(q); });
}

void LongueurLE(const Document& doc, int sel, TEtendue& e, double z) {
    DBG_SCOPE("Calcs.LongueurLE");
    e = LigneEau([&](auto&& f) { PourSelectionCalc(doc, sel, f); }, Axe::Y, z);
}

void LongueurLELstSurf(const Document& doc, const TListSurf& list, TEtendue& e, double z) {
    DBG_SCOPE("Calcs.LongueurLELstSurf");
    e = LigneEau([&](auto&& f) { PourListe(doc, list, f); }, Axe::Y, z);
}

void LargeurLELstSurf(const Document& doc, const TListSurf& list, TEtendue& e, double z) {
    DBG_SCOPE("Calcs.LargeurLELstSurf");
    e = {};
    double lo = 0.0, hi = 0.0;
    if (!BornesXFlottaison(doc, list, z, lo, hi)) return;
    e.Min = static_cast<float>(lo);
    e.Max = static_cast<float>(hi);
    e.Size = static_cast<double>(e.Max) - static_cast<double>(e.Min);
}

namespace {

// The point moved onto the symmetry plane within the plane of the cut: a
// station keeps its Y, a waterline its Z. On a heeled or trimmed hull the
// normal of the plane leaves the plane of the cut; moving along the part of
// the normal that lies in it lands on the line where the two planes meet.
TVertex3f SurPlan(const TVertex3f& p, const TPlanSym& plan, TPlanCoupe coupe) {
    TVertex3f q;
    if (coupe == TPlanCoupe::Couple) CalcProjeteNY(p, plan.Normal, plan.D, q);
    else CalcProjeteNZ(p, plan.Normal, plan.D, q);
    return q;
}

}  // namespace

void FermeCoupeSym(TCoupe& cut, const TPlanSym& plan, TPlanCoupe coupe) {
    for (TListPt3D& line : cut) {
        if (line.empty()) continue;
        const TVertex3f debut = SurPlan(line.front().P, plan, coupe);
        const TVertex3f fin = SurPlan(line.back().P, plan, coupe);
        line.Insert(0, debut);
        line.Add(fin);
        line.Add(debut);
    }
}

bool BornesXFlottaison(const Document& doc, const TListSurf& list, double z, double& xMin, double& xMax) {
    DBG_SCOPE("Calcs.BornesXFlottaison");
    xMin = xMax = 0.0;
    // Every side of the closed outlines, its ends in order of X, with the
    // weight it winds by: the surface's sign, negated for a side running
    // towards -X. Sides across X (constant X) wind nothing.
    struct Cote {
        double x1, y1, x2, y2;
        int w;
    };
    std::vector<Cote> cotes;
    std::vector<double> xs;
    double yMin = 1e300, yMax = -1e300;
    PourListe(doc, list, [&](const TEntity& s) {
        const int signe = SigneSurface(s);
        for (const TArrayVertex3f* g : {&s.Points, &s.PointsSym}) {
            if (g == &s.PointsSym && !s.Sym) continue;
            TCoupe cut;
            ObjCom::CalcLEMeshOriente(*g, g->rows() - 1, g->cols() - 1, cut, z);
            FermeCoupeSym(cut, s.PlanSym, TPlanCoupe::Flottaison);
            for (const TListPt3D& line : cut)
                for (int k = 0; k + 1 < line.Count(); ++k) {
                    TVertex3f a = line[k].P, b = line[k + 1].P;
                    xs.push_back(a.X);
                    yMin = std::min(yMin, a.Y);
                    yMax = std::max(yMax, a.Y);
                    if (a.X == b.X) continue;
                    int w = signe;
                    if (b.X < a.X) {
                        std::swap(a, b);
                        w = -w;
                    }
                    cotes.push_back({a.X, a.Y, b.X, b.Y, w});
                }
        }
    });
    if (cotes.empty()) return false;
    // X values within rounding of each other are one: the images of two
    // points on the plane may differ in their last digits, and the sliver
    // between them would wind once over the whole length.
    std::sort(xs.begin(), xs.end());
    const double tolX = 1e-9 * (1.0 + std::max(std::fabs(xs.front()), std::fabs(xs.back())));
    xs.erase(std::unique(xs.begin(), xs.end(), [tolX](double a, double b) { return b - a <= tolX; }), xs.end());
    // Whether the line X = x crosses the counted region over more than a
    // rounding: the length along it where the winding is not zero.
    const double tol = 1e-9 * (1.0 + (yMax - yMin));
    std::vector<std::pair<double, int>> coupes;
    auto compte = [&](double x) {
        coupes.clear();
        for (const Cote& c : cotes)
            if (c.x1 < x && x < c.x2) coupes.push_back({c.y1 + (c.y2 - c.y1) * (x - c.x1) / (c.x2 - c.x1), c.w});
        std::sort(coupes.begin(), coupes.end());
        double longueur = 0.0;
        int tours = 0;
        for (std::size_t k = 0; k + 1 < coupes.size(); ++k) {
            tours += coupes[k].second;
            if (tours != 0) longueur += coupes[k + 1].first - coupes[k].first;
        }
        return longueur > tol;
    };
    // The first and the last strip between two neighbouring X that the region crosses.
    std::size_t lo = 0, hi = xs.size() - 1;
    while (lo + 1 < xs.size() && !compte((xs[lo] + xs[lo + 1]) / 2.0)) ++lo;
    if (lo + 1 >= xs.size()) return false;
    while (hi > lo + 1 && !compte((xs[hi - 1] + xs[hi]) / 2.0)) --hi;
    xMin = xs[lo];
    xMax = xs[hi];
    return true;
}

void LongueurImmergee(const Document& doc, int sel, TEtendue& e, double z) {
    DBG_SCOPE("Calcs.LongueurImmergee");
    e = Immergee([&](auto&& f) { PourSelectionCalc(doc, sel, f); }, Axe::Y, z);
}

void LongueurImmergeeLstSurf(const Document& doc, const TListSurf& list, TEtendue& e, double z) {
    DBG_SCOPE("Calcs.LongueurImmergeeLstSurf");
    e = Immergee([&](auto&& f) { PourListe(doc, list, f); }, Axe::Y, z);
}

void LargeurImmergeeLstSurf(const Document& doc, const TListSurf& list, TEtendue& e, double z) {
    DBG_SCOPE("Calcs.LargeurImmergeeLstSurf");
    e = Immergee([&](auto&& f) { PourListe(doc, list, f); }, Axe::X, z);
}

void CalcTabLignesSec(Document& doc) {
    DBG_SCOPE("Calcs.CalcTabLignesSec");
    CalcTab(doc, Famille::Sec);
}

void CalcTabLignesLE(Document& doc) {
    DBG_SCOPE("Calcs.CalcTabLignesLE");
    CalcTab(doc, Famille::LE);
}

void CalcTabLignesLgt(Document& doc) {
    DBG_SCOPE("Calcs.CalcTabLignesLgt");
    CalcTab(doc, Famille::Long);
}

void CalcTabLignesDiag(Document& doc) {
    DBG_SCOPE("Calcs.CalcTabLignesDiag");
    CalcTab(doc, Famille::Diag);
}

}  // namespace Calcs
