#include "model/Update.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/Debug.h"
#include "base/Langue.h"
#include "model/Bounds.h"
#include "model/Nurbs.h"
#include "model/UiPort.h"

namespace {

// The hourglass while a routine works, unless the real-time option is on.
class Sablier {
public:
    explicit Sablier(bool on) : on_(on) {
        if (on_) Ui::ui().setHourglass(true);
    }
    ~Sablier() {
        if (on_) Ui::ui().setHourglass(false);
    }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;

private:
    bool on_;
};

void Reporte(const char* tag, int index, const std::exception& e) {
    Debug::DbgMsgStr(Debug::erDivers, tag, index, {e.what()});
}

// Surfaces whose refusal the user has already been shown: a surface that
// cannot be evaluated is retried at every update, told about once.
std::unordered_set<const TEntity*>& RefusSignales() {
    static std::unordered_set<const TEntity*> set;
    return set;
}

void Evalue(TEntity& s, bool courbure) {
    try {
        s.CalcSurface(courbure);
        RefusSignales().erase(&s);
    } catch (const NurbsError& e) {
        Reporte("ObjCom.MajSurface", s.Index, e);
        ObjCom::SignaleRefus(s, e.what());
    } catch (const std::exception& e) {
        Reporte("ObjCom.MajSurface", s.Index, e);
    }
}

void Elargit2D(const TVertex2f& v, TVertex2f& min, TVertex2f& max) {
    if (v.X < min.X) min.X = v.X;
    if (v.Y < min.Y) min.Y = v.Y;
    if (v.X > max.X) max.X = v.X;
    if (v.Y > max.Y) max.Y = v.Y;
}

int Arrondi(double v) { return static_cast<int>(std::nearbyint(v)); }

// Walks the segments of the polylines of two points or more as they would be
// once a point at height z is put between two consecutive points lying
// strictly on either side of z; f(a, b) gets each segment whose two ends are
// at or below z (in the axes of the cut: the third coordinate is not read).
template <class F>
void SegmentsSous(const TCoupe& cut, double z, F&& f) {
    for (const TListPt3D& line : cut) {
        if (line.Count() < 2) continue;
        for (int k = 0; k + 1 < line.Count(); ++k) {
            const TVertex3f& a = line[k].P;
            const TVertex3f& b = line[k + 1].P;
            const bool aSous = a.Z <= z, bSous = b.Z <= z;
            if (aSous && bSous) {
                f(a, b);
            } else if ((a.Z < z && b.Z > z) || (a.Z > z && b.Z < z)) {
                TVertex3f q{0, 0, z};
                Calcs::CalcDroite(a, b, q, 3);
                q.Z = z;
                if (aSous)
                    f(a, q);
                else
                    f(q, b);
            }
        }
    }
}

}  // namespace

namespace ObjCom {

// ---- Evaluation ----------------------------------------------------------------------

void OublieRefus(const TEntity& s) { RefusSignales().erase(&s); }

void SignaleRefus(const TEntity& s, const std::string& pourquoi) {
    if (RefusSignales().insert(&s).second) Ui::ui().showMessage("Surface " + s.Nom + " : " + pourquoi);
}

void MajSurface(Document& doc, bool force, int surf) {
    DBG_SCOPE("ObjCom.MajSurface");
    if (!doc.FormeAffichee) return;
    Sablier sablier(!doc.Options.SplineTR);
    if (!(doc.Aff.MeCarene || doc.Aff.MeSurfaceParam || force)) return;

    if (surf == -1) {
        for (auto& s : doc.Surfaces)
            if (s->Calculee == 0 && (s->Visible != 0 || force)) Evalue(*s, doc.CalculeCourbure);
    } else if (TEntity* s = doc.Surface(surf)) {
        if (s->Calculee == 0) Evalue(*s, doc.CalculeCourbure);
    } else {
        Debug::DbgMsgI(Debug::erDivers, "ObjCom.MajSurface", surf, {doc.NbSurf()});
    }

    MajMinMaxAllSurf(doc);
    if (doc.Aff.MeAffichePoids || force) MajTotalPoids(doc);
    if (doc.Aff.MeCentredeVoilure) MajCentreVoilure(doc);
}

void MajCoupesSurface(Document& doc) {
    DBG_SCOPE("ObjCom.MajCoupesSurface");
    if (!doc.FormeAffichee) return;
    Sablier sablier(!doc.Options.SplineTR);
    MajSurface(doc, false, -1);
    if (!doc.Aff.MeCarene) return;
    // The stations are kept whenever the hull is shown, drawn or not: the
    // highlighted station and the net selection window read them.
    Calcs::CalcTabLignesSec(doc);
    if (doc.Aff.MeLignesdEau) Calcs::CalcTabLignesLE(doc);
    if (doc.Aff.MeLongitudinales) Calcs::CalcTabLignesLgt(doc);
    if (doc.Aff.MeDiagonales) Calcs::CalcTabLignesDiag(doc);
}

// ---- Bounds --------------------------------------------------------------------------

void MajMinMaxAllSurf(Document& doc) {
    DBG_SCOPE("ObjCom.MajMinMaxAllSurf");
    TMinMax m;
    for (const auto& s : doc.Surfaces) {
        m.Min.X = std::min(m.Min.X, s->PtMinX.X);
        m.Max.X = std::max(m.Max.X, s->PtMaxX.X);
        m.Min.Y = std::min(m.Min.Y, s->PtMinY.Y);
        m.Max.Y = std::max(m.Max.Y, s->PtMaxY.Y);
        m.Min.Z = std::min(m.Min.Z, s->PtMinZ.Z);
        m.Max.Z = std::max(m.Max.Z, s->PtMaxZ.Z);
    }
    doc.MinMaxSurf = m;
}

void MajMinMaxAllNet(Document& doc, bool onlyShown) {
    DBG_SCOPE("ObjCom.MajMinMaxAllNet");
    TMinMax m;
    for (int k = 0; k < doc.NbSurf(); ++k) {
        const TSurface* s = doc.SurfaceNurbs(k);
        if (!s || (onlyShown && s->Visible == 0)) continue;
        const TNet& net = s->Net;
        const int nl = std::clamp(net.NbL, 0, kMaxNetSize), nc = std::clamp(net.NbC, 0, kMaxNetSize);
        for (int i = 0; i < nl; ++i)
            for (int j = 0; j < nc; ++j) {
                const TVertex3f p = ToVertex3f(net.TabPC[i][j]);
                TVertex3f q;
                Calcs::CalcSym(p, s->PlanSym.Normal, s->PlanSym.D, q);
                m.Elargit(p);
                m.Elargit(q);
            }
    }
    doc.MinMaxNet = m;
}

void DimentionsProj2DNet(const TSurface& surf, const TViewRecord& vue, TVertex2f& min, TVertex2f& max, bool miroir) {
    DBG_SCOPE("TNet.DimentionsProj2D");
    if (surf.Visible == 0) return;
    const TNet& net = surf.Net;
    const int nl = std::clamp(net.NbL, 0, kMaxNetSize), nc = std::clamp(net.NbC, 0, kMaxNetSize);
    auto elargit = [&](TVertex3f p) {
        TVertex2f v;
        Calcs::ProjectionVue(p, v, vue.Azimuth, vue.Elevation);
        Elargit2D(v, min, max);
    };
    for (int i = 0; i < nl; ++i)
        for (int j = 0; j < nc; ++j) {
            const TVertex3f p = ToVertex3f(net.TabPC[i][j]);
            elargit(p);
            if (!miroir) continue;
            TVertex3f q;
            Calcs::CalcSym(p, surf.PlanSym.Normal, surf.PlanSym.D, q);
            elargit(q);
        }
}

void DimentionsProj2D(const TEntity& surf, const TViewRecord& vue, TVertex2f& min, TVertex2f& max) {
    DBG_SCOPE("ObjCom.DimentionsProj2D");
    auto widen = [&](const TVertex3f& p) {
        TVertex2f v;
        Calcs::ProjectionVue(p, v, vue.Azimuth, vue.Elevation);
        Elargit2D(v, min, max);
    };
    PourChaquePoint(surf, surf.Points, widen);
    if (surf.Sym != 0) PourChaquePoint(surf, surf.PointsSym, widen);
}

void NetsDimentionsProj2D(const Document& doc, int scope, const TViewRecord& vue, TVertex2f& min, TVertex2f& max) {
    DBG_SCOPE("ObjCom.NetsDimentionsProj2D");
    min = {10000.0f, 10000.0f};
    max = {-10000.0f, -10000.0f};
    for (const auto& s : doc.Surfaces) {
        const bool prend = (scope == 1 && s->Visible != 0) || (scope == 0 && s->Calc != 0);
        if (!prend) continue;
        if (const auto* n = dynamic_cast<const TSurface*>(s.get()))
            DimentionsProj2DNet(*n, vue, min, max, n->Sym != 0 && !doc.Aff.MeMoitie);
        else
            DimentionsProj2D(*s, vue, min, max);
    }
}

bool AjusteRectangleEtendue(TVertex2f min, TVertex2f max, int w, int h, int zoomMax, TViewRecord& vue) {
    DBG_SCOPE("ObjCom.AjusteRectangle");
    // Nothing was measured: the extent is still at its starting values.
    if (!(min.X <= max.X) || !(min.Y <= max.Y)) return false;
    const double dx = static_cast<double>(max.X) - min.X;
    const double dy = static_cast<double>(max.Y) - min.Y;
    const double sx = dx == 0.0 ? 10000.0 : w / dx;
    const double sy = dy == 0.0 ? 10000.0 : h / dy;
    const double m = std::min(sx, sy);
    double s = m - 0.05 * m;
    if (s > zoomMax) s = zoomMax;
    if (!(s > 0.0) || !std::isfinite(s)) return false;
    const float scale = static_cast<float>(s);
    vue.Scale = scale;
    vue.OriginX = -Arrondi(scale * static_cast<double>(min.X) - (w - scale * dx) / 2.0);
    vue.OriginY = Arrondi(scale * static_cast<double>(max.Y) + (h - scale * dy) / 2.0);
    return true;
}

bool AjusteRectangle(const Document& doc, int scope, int w, int h, TViewRecord& vue) {
    DBG_SCOPE("ObjCom.AjusteRectangle");
    TVertex2f min, max;
    NetsDimentionsProj2D(doc, scope, vue, min, max);
    return AjusteRectangleEtendue(min, max, w, h, doc.Options.ZoomMax, vue);
}

// ---- Current point and moves -------------------------------------------------------------

// Status panel 1 names the current control point; empty when its surface is gone.
static void AfficheCurrentPC(const Document& doc) {
    const TEntity* cur = doc.Surface(doc.CurrentPC.Surf);
    Ui::ui().writeStatusBar(1, cur ? "Vx : [ " + cur->Nom + "; " + std::to_string(doc.CurrentPC.I) + "; " +
                                         std::to_string(doc.CurrentPC.J) + " ]"
                                   : std::string());
}

void ChangeCurrentPC(Document& doc, int surf, int i, int j) {
    DBG_SCOPE("ObjCom.ChangeCurrentPC");
    if (surf != -1) {
        if (const TEntity* s = doc.Surface(surf)) {
            if (s->Visible == 0 || s->Verrou != 0)
                Debug::DbgMsgStr(Debug::erDivers, "ObjCom/ChangeCurrentPC", surf, {s->Nom});
            doc.CurrentPC.Surf = surf;
        } else {
            // No such surface: keep the current one rather than point nowhere.
            Debug::DbgMsgI(Debug::erDivers, "ObjCom/ChangeCurrentPC", surf, {doc.NbSurf()});
        }
    }
    if (i != -1) doc.CurrentPC.I = i;
    if (j != -1) doc.CurrentPC.J = j;

    AfficheCurrentPC(doc);

    if (doc.Aff.MeFenSel && doc.Hooks.MajFenSel) {
        if (const TSurface* n = doc.SurfaceNurbs(doc.CurrentPC.Surf)) {
            TEtatFenSel e;
            e.Caption = "Sélection : " + n->Nom;
            e.Ligne = n->Net.LigneAffichee == -1 ? -1 : doc.CurrentPC.I;
            e.Colonne = n->Net.ColonneAffichee == -1 ? -1 : doc.CurrentPC.J;
            e.AffLignes = n->Net.AffLignes;
            e.AffColonnes = n->Net.AffColonnes;
            doc.Hooks.MajFenSel(e);
        }
    }
}

void MakeLstMovePC(const Document& doc, const TListPC& selection, TListPC& list) {
    DBG_SCOPE("ObjCom.MakeLstMovePC");
    auto verifie = [](const TPC& pc, const char* texte) {
        if (pc.I < 0 || pc.J < 0) Ui::ui().showMessage(texte);
    };
    struct Hash {
        std::size_t operator()(const TPC& pc) const noexcept {
            return (static_cast<std::size_t>(static_cast<unsigned>(pc.Surf)) * 1000003u ^
                    static_cast<unsigned>(pc.I)) * 1000003u ^ static_cast<unsigned>(pc.J);
        }
    };
    std::vector<TPC> travail;
    std::unordered_set<TPC, Hash> present;
    travail.reserve(static_cast<std::size_t>(selection.Count()));
    for (const TPC& pc : selection) {
        verifie(pc, "ObjCom.MakeLstMovePC 20");
        if (present.insert(pc).second) travail.push_back(pc);
    }
    // The work list grows while it is walked: welds of welds follow.
    for (std::size_t k = 0; k < travail.size(); ++k) {
        const TPC pc = travail[k];
        if (!doc.ListPCSoudes.Contains(pc)) continue;  // welded to nothing
        for (const TListPC& groupe : doc.ListSoudures) {
            if (!groupe.Contains(pc)) continue;
            for (const TPC& membre : groupe) {
                verifie(membre, "ObjCom.MakeLstMovePC 30");
                if (present.insert(membre).second) {
                    verifie(membre, "ObjCom.MakeLstMovePC 40");
                    travail.push_back(membre);
                }
            }
        }
    }
    for (const TPC& pc : travail) {
        verifie(pc, "ObjCom.MakeLstMovePC 50");
        list.Add(pc);
    }
}

// ---- Weights and sails ---------------------------------------------------------------------

TPoids SommePoids(const Document& doc, const TListPoids& liste) {
    double masse = 0.0, mx = 0.0, my = 0.0, mz = 0.0;
    auto ajoute = [&](const TPoids& p) {
        masse += p.Masse;
        mx += p.Masse * p.X;
        my += p.Masse * p.Y;
        mz += p.Masse * p.Z;
    };
    for (const auto& s : doc.Surfaces) ajoute(s->Poids);
    for (const TPoids& p : liste) ajoute(p);

    TPoids t;
    t.Nom = "TOTAL";
    t.Surf = -1;
    t.Masse = masse;
    if (masse == 0.0) {
        t.X = t.Y = t.Z = 0.0;
    } else {
        t.X = mx / masse;
        t.Y = my / masse;
        t.Z = mz / masse;
    }
    return t;
}

void MajTotalPoids(Document& doc) {
    DBG_SCOPE("ObjCom.MajTotalPoids");
    for (auto& s : doc.Surfaces) {
        try {
            s->MajBarycentre();
        } catch (const std::exception& e) {
            Reporte("ObjCom.MajTotalPoids", s->Index, e);
        }
    }
    doc.PoidsTotal = SommePoids(doc, doc.ListPoids);
}

void MajCentreVoilure(Document& doc) {
    DBG_SCOPE("ObjCom.MajCentreVoilure");
    TCentreVoilure c;
    for (auto& s : doc.Surfaces) {
        if (s->Voile != 1) continue;
        try {
            s->MajCentreBorde();
        } catch (const std::exception& e) {
            Reporte("ObjCom.MajCentreVoilure", s->Index, e);
            continue;
        }
        c.Aire += s->Aire;
        c.X += s->Aire * s->CentreBordeVal.X;
        c.Y += s->Aire * s->CentreBordeVal.Y;
        c.Z += s->Aire * s->CentreBordeVal.Z;
    }
    if (c.Aire == 0.0) {
        c.X = c.Y = c.Z = 0.0;
    } else {
        c.X /= c.Aire;
        c.Y /= c.Aire;
        c.Z /= c.Aire;
    }
    doc.CentreVoilure = c;
}

// ---- Areas and girths of cuts -------------------------------------------------------------------

void AireSec(const TCoupe& cut, TAireObj& r, double z, bool signe) {
    DBG_SCOPE("ObjCom.AireSec");
    // Heights are taken from the waterline: the part of a closed section
    // above it is dropped, and the chain left is closed along the waterline
    // itself (at Z = 0 this is the plain shoelace sum).
    double a = 0.0, sx = 0.0, sz = 0.0;
    SegmentsSous(cut, z, [&](const TVertex3f& p, const TVertex3f& q) {
        const double pz = p.Z - z, qz = q.Z - z;
        const double c = p.X * qz - q.X * pz;
        a += c;
        sx += (p.X + q.X) * c;
        sz += (pz + qz) * c;
    });
    double y = 0.0;
    for (const TListPt3D& line : cut)
        if (!line.empty()) {
            y = line.front().P.Y;
            break;
        }
    r.X = a == 0.0 ? 0.0f : static_cast<float>(sx / (3.0 * a));
    r.Z = a == 0.0 ? 0.0f : static_cast<float>(sz / (3.0 * a) + z);
    r.Y = static_cast<float>(y);
    r.Aire = (signe ? a : std::fabs(a)) / 2.0;
}

void AireLE(const TCoupe& cut, TAireObj& r, bool signe) {
    DBG_SCOPE("ObjCom.AireLE");
    double a = 0.0, sx = 0.0, sy = 0.0, z = 0.0;
    bool premier = true;
    for (const TListPt3D& line : cut) {
        if (!line.empty() && premier) {
            z = line.front().P.Z;
            premier = false;
        }
        if (line.Count() < 2) continue;
        for (int k = 0; k + 1 < line.Count(); ++k) {
            const TVertex3f& p = line[k].P;
            const TVertex3f& q = line[k + 1].P;
            const double c = p.X * q.Y - p.Y * q.X;
            a += c;
            sx += (p.X + q.X) * c;
            sy += (p.Y + q.Y) * c;
        }
    }
    r.X = a == 0.0 ? 0.0f : static_cast<float>(sx / (3.0 * a));
    r.Y = a == 0.0 ? 0.0f : static_cast<float>(sy / (3.0 * a));
    r.Z = static_cast<float>(z);
    r.Aire = (signe ? a : std::fabs(a)) / 2.0;
}

double PerimetreSec(const TCoupe& cut, double z) {
    DBG_SCOPE("ObjCom.PerimetreSec");
    double l = 0.0;
    SegmentsSous(cut, z, [&](const TVertex3f& p, const TVertex3f& q) { l += Calcs::Distance3D(p, q); });
    return l;
}

double PerimetreCoupe(const TCoupe& cut) {
    DBG_SCOPE("ObjCom.PerimetreCoupe");
    double l = 0.0;
    for (const TListPt3D& line : cut) {
        if (line.Count() < 2) continue;
        for (int k = 0; k + 1 < line.Count(); ++k) l += Calcs::Distance3D(line[k].P, line[k + 1].P);
    }
    return l;
}

double ProfondeurSec(const TCoupe& cut) {
    DBG_SCOPE("ObjCom.ProfondeurSec");
    double zmin = 0.0;
    for (const TListPt3D& line : cut) {
        if (line.Count() < 2) continue;
        for (const TPt3D& p : line) zmin = std::min(zmin, p.P.Z);
    }
    return zmin;
}

// ---- Alignment -------------------------------------------------------------------------------------

namespace {

// The directions the alignment works in: two of a view's plane, or three for
// space; unit vectors at right angles. The coordinate along any other
// direction is left as it is.
struct Axes {
    double e[3][3];
    int n;
};

TVertex4f* PointNet(Document& doc, const TPC& pc) {
    TSurface* s = doc.SurfaceNurbs(pc.Surf);
    if (!s || pc.I < 0 || pc.J < 0 || pc.I >= std::min(s->Net.NbL, kMaxNetSize) ||
        pc.J >= std::min(s->Net.NbC, kMaxNetSize))
        return nullptr;
    return &s->Net.TabPC[pc.I][pc.J];
}

// The components of q - p along the axes.
void Composantes(const Axes& ax, const TVertex4f& p, const TVertex4f& q, double c[3]) {
    for (int k = 0; k < ax.n; ++k)
        c[k] = (q.X - p.X) * ax.e[k][0] + (q.Y - p.Y) * ax.e[k][1] + (q.Z - p.Z) * ax.e[k][2];
}

bool Aligne(Document& doc, const TListPC& selection, const Axes& ax) {
    if (selection.Count() < 3) {
        Ui::ui().showMessage(Langue::Txt("rsSelMore2Vx"));
        return false;
    }
    TVertex4f* p1 = PointNet(doc, selection[0]);
    TVertex4f* p2 = PointNet(doc, selection[1]);
    if (!p1 || !p2) {
        Debug::DbgMsgI(Debug::erDivers, "TNet.Aligne", selection[0].Surf, {selection[1].Surf});
        return false;
    }
    double u[3] = {};
    Composantes(ax, *p1, *p2, u);
    const double d = std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
    if (d == 0.0) {
        Ui::ui().showMessage(Langue::Txt("rsAlignImpossible"));
        return false;
    }

    doc.RecordAction(0);
    const TVertex4f a = *p1;
    for (int k = 2; k < selection.Count(); ++k) {
        TVertex4f* pk = PointNet(doc, selection[k]);
        if (!pk) continue;
        double v[3] = {};
        Composantes(ax, a, *pk, v);
        const double r = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        if (r == 0.0) {
            // On the first point: it has no side; it stays.
            Ui::ui().showMessage(Langue::Txt("rsAlignImpossible"));
            continue;
        }
        // On the side of the first point where the point lies (angle below 90 degrees).
        const double sens = (u[0] * v[0] + u[1] * v[1] + u[2] * v[2]) > 0.0 ? 1.0 : -1.0;
        const double f = sens * r / d;
        for (int i = 0; i < ax.n; ++i) {
            const double m = u[i] * f - v[i];  // the move along axis i
            pk->X += m * ax.e[i][0];
            pk->Y += m * ax.e[i][1];
            pk->Z += m * ax.e[i][2];
        }
        // Its surface is evaluated and cut again.
        doc.Surface(selection[k].Surf)->Calculee = 0;
    }
    doc.MarquerModifie();
    return true;
}

}  // namespace

bool AligneDansLePlan(Document& doc, const TListPC& selection, int viewKind, double azimuth, double elevation) {
    DBG_SCOPE("TNet.AligneDansLePlan");
    switch (viewKind) {
        case vkSection:
            return Aligne(doc, selection, {{{1, 0, 0}, {0, 0, 1}}, 2});
        case vkPlan:
            return Aligne(doc, selection, {{{1, 0, 0}, {0, 1, 0}}, 2});
        case vkProfile:
            return Aligne(doc, selection, {{{0, 1, 0}, {0, 0, 1}}, 2});
        case vkPerspective: {
            // The screen's two directions; the depth along the line of sight stays.
            const double sa = std::sin(azimuth), ca = std::cos(azimuth);
            const double sb = std::sin(elevation), cb = std::cos(elevation);
            return Aligne(doc, selection, {{{-sa, ca, 0}, {-sb * ca, -sb * sa, cb}}, 2});
        }
        default:
            Ui::ui().showMessage("Fenetre fille non declaree");
            return false;
    }
}

bool AligneDanslEspace(Document& doc, const TListPC& selection) {
    DBG_SCOPE("TNet.AligneDanslEspace");
    return Aligne(doc, selection, {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, 3});
}

// ---- Small services ------------------------------------------------------------------------------------

int SurfNom2Num(const Document& doc, std::string_view name) {
    DBG_SCOPE("ObjCom.SurfNom2Num");
    for (int k = 0; k < doc.NbSurf(); ++k)
        if (doc.Surfaces[static_cast<std::size_t>(k)]->Nom == name) return k;
    return -1;
}

bool CtrlDown() { return Ui::ui().keyState().ctrl; }
bool ShiftDown() { return Ui::ui().keyState().shift; }
bool AltDown() { return Ui::ui().keyState().alt; }

void MajFenetresPC(Document& doc) {
    DBG_SCOPE("ObjCom.MajFenetresPC");
    // A surface renamed, deleted or added: the status bar too.
    AfficheCurrentPC(doc);
    if (doc.Hooks.MajFenetresPC) doc.Hooks.MajFenetresPC();
}

}  // namespace ObjCom
