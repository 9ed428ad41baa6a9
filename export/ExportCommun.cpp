#include "export/ExportCommun.h"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "base/Debug.h"
#include "model/Bounds.h"
#include "model/Document.h"
#include "model/Update.h"

namespace ExportCommun {

void PrepareModele(Document& doc, const TOptionsExport& opt) {
    DBG_SCOPE("ExportCommun.PrepareModele");
    ObjCom::MajSurface(doc, true, -1);
    if (opt.Couples) Calcs::CalcTabLignesSec(doc);
    if (opt.LignesE) Calcs::CalcTabLignesLE(doc);
    if (opt.Longits) Calcs::CalcTabLignesLgt(doc);
    if (opt.Diags) Calcs::CalcTabLignesDiag(doc);
    ObjCom::MajMinMaxAllNet(doc, false);
    doc.ExtremitesAxes = Affiche::ExtremitesAxes(doc.MinMaxNet.Min, doc.MinMaxNet.Max);
}

TErreurNonFinie::TErreurNonFinie(const std::string& nom)
    : std::runtime_error("Export impossible : la surface \"" + nom +
                         "\" contient des valeurs qui ne sont pas des nombres finis (points ou poids) ; aucun fichier "
                         "n'est écrit") {}

void VerifieFinie(const TEntity& e) {
    auto finis = [](std::initializer_list<double> v) {
        for (double x : v)
            if (!std::isfinite(x)) return false;
        return true;
    };
    if (const auto* s = dynamic_cast<const TSurface*>(&e))
        for (int i = 0; i < std::min(s->Net.NbL, kMaxNetSize); ++i)
            for (int j = 0; j < std::min(s->Net.NbC, kMaxNetSize); ++j) {
                const TVertex4f& p = s->Net.TabPC[i][j];
                if (!finis({p.X, p.Y, p.Z, p.W})) throw TErreurNonFinie(e.Nom);
            }
    for (const TArrayVertex3f* g : {&e.Points, &e.PointsSym}) {
        if (g == &e.PointsSym && !e.Sym) break;
        for (int i = 0; i < g->rows(); ++i)
            for (int j = 0; j < g->cols(); ++j)
                if (!finis({(*g)[i][j].X, (*g)[i][j].Y, (*g)[i][j].Z})) throw TErreurNonFinie(e.Nom);
    }
}

bool AvecMiroir(const TEntity& e, const Document& doc) { return e.Sym != 0 && !doc.Aff.MeMoitie; }

bool GrilleEvaluee(const TEntity& e) {
    return e.Calculee != 0 && e.DernLigne >= 0 && e.DernCol >= 0 && e.Points.rows() > e.DernLigne &&
           e.Points.cols() > e.DernCol;
}

TProjection2D::TProjection2D(const TViewRecord& vue)
    : en3D_(vue.Kind == vk3D),
      sa_(std::sin(double(vue.Azimuth))),
      ca_(std::cos(double(vue.Azimuth))),
      sb_(std::sin(double(vue.Elevation))),
      cb_(std::cos(double(vue.Elevation))) {}

namespace {

// Lowest and highest value along one axis: the grid's own when its family
// has lines, else the evaluated surfaces'.
bool Bornes(double gMin, double gMax, double sMin, double sMax, double& mn, double& mx) {
    if (gMin <= gMax) {
        mn = gMin;
        mx = gMax;
        return true;
    }
    mn = sMin;
    mx = sMax;
    return sMin <= sMax;
}

}  // namespace

std::vector<TSegment> LignesGrille(const Document& doc, bool deux) {
    DBG_SCOPE("ExportCommun.LignesGrille");
    TDefGrille g = doc.DefGrille;
    Grille::MinMaxGrille(g);
    const TMinMax& s = doc.MinMaxSurf;
    double x0, x1, y0, y1, z0, z1;
    const bool bx = Bornes(g.Min.X, g.Max.X, s.Min.X, s.Max.X, x0, x1);
    const bool by = Bornes(g.Min.Y, g.Max.Y, s.Min.Y, s.Max.Y, y0, y1);
    const bool bz = Bornes(g.Min.Z, g.Max.Z, s.Min.Z, s.Max.Z, z0, z1);
    std::vector<TSegment> r;
    if (bx && bz)
        for (int i = 1; i <= g.NbSecUtil(); ++i) {
            const double c = g.Sec.Val[i];
            r.push_back({{x0, c, z0}, {x0, c, z1}});
            if (deux) r.push_back({{x0, c, z0}, {x1, c, z0}});
        }
    if (bx && by)
        for (int i = 1; i <= g.NbLEUtil(); ++i) {
            const double h = g.LE.Val[i];
            r.push_back({{x0, y0, h}, {x0, y1, h}});
            if (deux) r.push_back({{x0, y0, h}, {x1, y0, h}});
        }
    if (by && bz)
        for (int i = 1; i <= g.NbLongitUtil(); ++i) {
            const double b = g.Longit.Val[i];
            r.push_back({{b, y0, z0}, {b, y1, z0}});
            if (deux) r.push_back({{b, y0, z0}, {b, y0, z1}});
        }
    if (bx && by && bz)
        for (int i = 1; i <= g.NbDiagUtil(); ++i) {
            const double c = g.DiagPos.Val[i];
            const double a = -g.DiagAngle.Val[i] * M_PI / 180.0;
            if (std::fabs(std::sin(a)) < 1e-9) continue;  // no plane: the diagonal would run to infinity
            const double m = std::cos(a) / std::sin(a);
            TVertex3f fin{x1, y0, m * x1 + c};
            if (fin.Z < z0 && m != 0.0) {
                fin.Z = z0;
                fin.X = (z0 - c) / m;
            }
            r.push_back({{0.0, y0, c}, fin});
        }
    return r;
}

void AjouteFixe(std::string& s, double v, int decimales) {
    char buf[400];  // the widest double in fixed notation with a few decimals
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimales);
    s.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

void AjouteEntier(std::string& s, long long v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    s.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

std::array<TSegment, 3> LignesAxes(const Document& doc) {
    const auto& e = doc.ExtremitesAxes;
    return {TSegment{e[0], e[1]}, TSegment{e[2], e[3]}, TSegment{e[4], e[5]}};
}

}  // namespace ExportCommun
