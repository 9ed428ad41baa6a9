#include "calc/Hydrostat.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "base/Debug.h"
#include "base/Langue.h"
#include "model/Bounds.h"
#include "model/Calcs.h"
#include "model/Document.h"
#include "model/Entity.h"
#include "model/Face.h"
#include "model/UiPort.h"
#include "model/Update.h"

namespace Hydrostat {

int BorneNbCoupes(int n) { return std::clamp(n, kCoupesMin, kCoupesMax); }

// ---- Station list ------------------------------------------------------------------

void TListAires::AjouteAire(const TAireObj& a) {
    auto it = std::lower_bound(items_.begin(), items_.end(), a.Y,
                               [](const TAireObj& x, float y) { return x.Y < y; });
    if (it != items_.end() && it->Y == a.Y) return;
    items_.insert(it, a);
}

void TListAires::MajAire(const TAireObj& a) {
    for (TAireObj& x : items_)
        if (x.Y == a.Y) {
            x.Aire = a.Aire;
            x.X = a.X;
            x.Z = a.Z;
            return;
        }
}

// ---- One surface ------------------------------------------------------------------------

bool Immergee(const TEntity& s, double z) {
    auto sous = [z](const TArrayVertex3f& g) {
        const TVertex3f* p = g.data();
        const TVertex3f* end = p + static_cast<std::size_t>(g.rows()) * g.cols();
        for (; p != end; ++p)
            if (p->Z < z) return true;
        return false;
    };
    return sous(s.Points) || (s.Sym && sous(s.PointsSym));
}

void AjouteCouple(TAireObj& total, const TAireObj& a) {
    const double somme = total.Aire + a.Aire;
    if (somme != 0.0) {
        total.X = static_cast<float>((total.X * total.Aire + a.X * a.Aire) / somme);
        total.Z = static_cast<float>((total.Z * total.Aire + a.Z * a.Aire) / somme);
    } else {
        total.X = total.Z = 0.0f;
    }
    total.Aire = somme;
}

void AjouteFlottaison(TFlottaison& total, const TFlottaison& a) {
    const double somme = total.Aire + a.Aire;
    if (somme != 0.0) {
        total.X = (total.X * total.Aire + a.X * a.Aire) / somme;
        total.Y = (total.Y * total.Aire + a.Y * a.Aire) / somme;
    } else {
        total.X = total.Y = 0.0;
    }
    total.Z = a.Z;
    total.Aire = somme;
    total.Perimetre += a.Perimetre;
}

namespace {

// The pieces of a cut turn with the surface's normal on their right, seen
// from ahead for a station and from above for a waterline: a hull whose skin
// faces inwards, as its volume counts positive, turns anticlockwise in
// (X, Z) and clockwise in (X, Y).

// Section of one grid, closed as the surface asks, immersed under z, with
// the surface's sign.
TAireObj CoupleGrille(const TArrayVertex3f& grid, const TEntity& s, double y, double z) {
    TAireObj r;
    TCoupe cut;
    ObjCom::CalcSecMeshOriente(grid, grid.rows() - 1, grid.cols() - 1, cut, y);
    Calcs::FermeCoupeSym(cut, s.PlanSym, Calcs::TPlanCoupe::Couple);
    ObjCom::AireSec(cut, r, z, true);
    r.Aire *= Calcs::SigneSurface(s);
    r.Y = static_cast<float>(y);
    return r;
}

TFlottaison FlottaisonGrille(const TArrayVertex3f& grid, const TEntity& s, double z) {
    TFlottaison f;
    TCoupe cut;
    ObjCom::CalcLEMeshOriente(grid, grid.rows() - 1, grid.cols() - 1, cut, z);
    f.Perimetre = ObjCom::PerimetreCoupe(cut);
    Calcs::FermeCoupeSym(cut, s.PlanSym, Calcs::TPlanCoupe::Flottaison);
    TAireObj a;
    ObjCom::AireLE(cut, a, true);
    f.X = a.X;
    f.Y = a.Y;
    f.Z = z;
    f.Aire = -a.Aire * Calcs::SigneSurface(s);
    return f;
}

double CreuxGrille(const TArrayVertex3f& grid, double y) {
    TCoupe cut;
    ObjCom::CalcSecMesh(grid, grid.rows() - 1, grid.cols() - 1, cut, y);
    return ObjCom::ProfondeurSec(cut);
}

template <class F>
void PourPortee(const Document& doc, const TListSurf& portee, F&& f) {
    for (int k = 0; k < portee.Count(); ++k)
        if (const TEntity* s = doc.Surface(portee.NumSurf(k))) f(*s);
}

}  // namespace

TAireObj CalcCoupleSurf(const TEntity& s, double y, double z) {
    DBG_SCOPE("Hydrostat.CalcCoupleSurf");
    TAireObj r = CoupleGrille(s.Points, s, y, z);
    if (s.Sym) AjouteCouple(r, CoupleGrille(s.PointsSym, s, y, z));
    r.Y = static_cast<float>(y);
    return r;
}

TFlottaison CalcFlottaisonSurf(const TEntity& s, double z) {
    DBG_SCOPE("Hydrostat.CalcFlottaisonSurf");
    TFlottaison f = FlottaisonGrille(s.Points, s, z);
    if (s.Sym) AjouteFlottaison(f, FlottaisonGrille(s.PointsSym, s, z));
    f.Z = z;
    return f;
}

double CreuxSurf(const TEntity& s, double y) {
    DBG_SCOPE("Hydrostat.CreuxSurf");
    double t = CreuxGrille(s.Points, y);
    if (s.Sym) t = std::min(t, CreuxGrille(s.PointsSym, y));
    return t;
}

TAireObj CoupleAireMax(const TListAires& stations) {
    TAireObj best;
    for (const TAireObj& a : stations)
        if (a.Aire > best.Aire) best = a;
    return best;
}

// ---- The scope ---------------------------------------------------------------------------

TListSurf ListeCalcul(const Document& doc) {
    TListSurf l;
    for (int i = 0; i < doc.NbSurf(); ++i)
        if (const TEntity* s = doc.Surface(i); s && s->Calc) l.Add(i);
    return l;
}

void CalcPositionsCouples(const Document& doc, const TListSurf& portee, int nbCoupes, TListAires& stations) {
    DBG_SCOPE("Hydrostat.CalcPositionsCouples");
    const int n = BorneNbCoupes(nbCoupes);
    for (int k = 0; k < portee.Count(); ++k) {
        const int num = portee.NumSurf(k);
        const TEntity* s = doc.Surface(num);
        // A surface out of the water (a deck, a sail) has no immersed length:
        // it adds no station and does not widen the range of the others.
        if (!s || !Immergee(*s, 0.0)) continue;
        TEtendue e;
        Calcs::LongueurImmergee(doc, num, e, 0.0);
        for (int i = 0; i < n; ++i) {
            TAireObj a;
            a.Y = static_cast<float>(i * e.Size / (n - 1) + e.Min);
            stations.AjouteAire(a);
        }
    }
}

void CalcCouples(const Document& doc, const TListSurf& portee, TListAires& stations, double z) {
    DBG_SCOPE("Hydrostat.CalcCouples");
    // A surface that the station plane misses, or that stands wholly above
    // z, has an empty section there: it is not cut at all.
    struct Etendue {
        double yMin = 1e300, yMax = -1e300;
        bool immergee = false;
    };
    std::vector<Etendue> etendues;
    PourPortee(doc, portee, [&](const TEntity& s) {
        Etendue e;
        e.immergee = Immergee(s, z);
        for (const TArrayVertex3f* g : {&s.Points, &s.PointsSym}) {
            if (g == &s.PointsSym && !s.Sym) continue;
            const TVertex3f* p = g->data();
            for (const TVertex3f* end = p + static_cast<std::size_t>(g->rows()) * g->cols(); p != end; ++p) {
                e.yMin = std::min(e.yMin, p->Y);
                e.yMax = std::max(e.yMax, p->Y);
            }
        }
        etendues.push_back(e);
    });
    for (int k = 0; k < stations.Count(); ++k) {
        TAireObj total;
        total.Y = stations[k].Y;
        bool premier = true;
        std::size_t n = 0;
        PourPortee(doc, portee, [&](const TEntity& s) {
            const Etendue& e = etendues[n++];
            const double y = stations[k].Y;
            TAireObj a;
            a.Y = stations[k].Y;
            if (e.immergee && y >= e.yMin && y <= e.yMax) a = CalcCoupleSurf(s, y, z);
            if (premier) total = a;
            else AjouteCouple(total, a);
            premier = false;
        });
        total.Y = stations[k].Y;
        stations.MajAire(total);
    }
}

TFlottaison CalcFlottaison(const Document& doc, const TListSurf& portee, double z) {
    DBG_SCOPE("Hydrostat.CalcFlottaison");
    TFlottaison total;
    bool premier = true;
    PourPortee(doc, portee, [&](const TEntity& s) {
        const TFlottaison f = CalcFlottaisonSurf(s, z);
        if (premier) total = f;
        else AjouteFlottaison(total, f);
        premier = false;
    });
    return total;
}

void SommeImmergee(const TEntity& s, bool jonction, TSommeFaces& sums) {
    Face::BuildFaceList(s.Points, s.Sym ? &s.PointsSym : nullptr, s.Orientation, jonction ? 1 : 0, 1, sums);
}

bool CalcDeplacement(const Document& doc, const TListSurf& portee, TVertex3f& cc, double& volume,
                     double& surfImmergee) {
    DBG_SCOPE("Hydrostat.CalcDeplacement");
    TSommeFaces sums(0.0), fermetures(0.0);
    PourPortee(doc, portee, [&](const TEntity& s) {
        SommeImmergee(s, s.Jonction != 0, sums);
        Face::BuildFermetureSym(s, fermetures);
    });
    sums.AjouteVolume(fermetures);
    const bool centre = sums.CentreVolume(cc, volume, 1.0);
    surfImmergee = sums.Aire();
    return centre;
}

double CreuxMax(const Document& doc, const TListSurf& portee, double y) {
    DBG_SCOPE("Hydrostat.CreuxMax");
    double t = 0.0;
    PourPortee(doc, portee, [&](const TEntity& s) { t = std::min(t, CreuxSurf(s, y)); });
    return t;
}

void CalcPlanLateral(const Document& doc, const TListSurf& portee, double& aire, double& y, double& z) {
    DBG_SCOPE("Hydrostat.CalcPlanLateral");
    // The immersed facets seen along X: those facing +X and those facing -X
    // each cover the hull's side view once on a closed hull. The larger of
    // the two is kept, so that an open hull (one side modelled, no mirror)
    // gives its side too.
    double a[2] = {0.0, 0.0}, my[2] = {0.0, 0.0}, mz[2] = {0.0, 0.0};
    TListFace list;
    PourPortee(doc, portee, [&](const TEntity& s) {
        list.Clear();
        Face::BuildFaceListFull(s, list, 0.0);
        for (const TFacette& f : list) {
            // X component of (P2 - P1) x (P3 - P1), halved: the signed area
            // of the facet's projection on a plane X = constant.
            const double ax = ((f.P2.Y - f.P1.Y) * (f.P3.Z - f.P1.Z) - (f.P2.Z - f.P1.Z) * (f.P3.Y - f.P1.Y)) / 2.0;
            const int k = ax >= 0.0 ? 0 : 1;
            const double w = std::fabs(ax);
            a[k] += w;
            my[k] += w * (f.P1.Y + f.P2.Y + f.P3.Y) / 3.0;
            mz[k] += w * (f.P1.Z + f.P2.Z + f.P3.Z) / 3.0;
        }
    });
    const int k = a[0] >= a[1] ? 0 : 1;
    aire = a[k];
    y = aire != 0.0 ? my[k] / aire : 0.0;
    z = aire != 0.0 ? mz[k] / aire : 0.0;
}

// ---- The run ------------------------------------------------------------------------------

namespace {

constexpr const char* kTagRun = "Hydrostat.RunCalcHydroLstSurf";

// Rows of the results, their texts taken from the text table by key.
struct Lignes {
    std::vector<TLigneResultat>& v;
    void Titre(const char* cle) { v.push_back({Langue::Txt(cle), true, 0.0, 0}); }
    void Ligne(const char* cle, double x) { v.push_back({Langue::Txt(cle), false, x, 4}); }
};

}  // namespace

TResultatsHydro Calcule(Document& doc, const TListSurf& portee, int nbCoupes) {
    DBG_SCOPE("Hydrostat.BtnCalculerClick");
    Ui::IUserInterface& ui = Ui::ui();
    struct Sablier {
        Ui::IUserInterface& ui;
        explicit Sablier(Ui::IUserInterface& u) : ui(u) { ui.setHourglass(true); }
        ~Sablier() { ui.setHourglass(false); }
    } sablier(ui);
    TResultatsHydro r;
    Lignes out{r.Lignes};

    // Exact geometry: every surface of the scope evaluated.
    for (int k = 0; k < portee.Count(); ++k) ObjCom::MajSurface(doc, true, portee.NumSurf(k));

    auto trace = [&](int numero, std::vector<double> valeurs) {
        Debug::DbgMsgF(Debug::erDivers, kTagRun, numero, valeurs);
    };
    auto bloc = [&](int numero, auto&& f, auto&& valeurs) {
        try {
            f();
        } catch (const std::exception&) {
            trace(numero, valeurs());
        }
    };

    bloc(0, [&] {
        CalcPositionsCouples(doc, portee, nbCoupes, r.Stations);
        CalcCouples(doc, portee, r.Stations, 0.0);
    }, [&] { return std::vector<double>{static_cast<double>(r.Stations.Count())}; });

    bloc(1, [&] {
        const bool centre = CalcDeplacement(doc, portee, r.CC, r.Volume, r.SurfImmergee);
        r.DeplacementEauDouce = r.Volume * kDensiteEauDouce;
        r.DeplacementEauMer = r.Volume * kDensiteEauMer;
        r.Flottaison = CalcFlottaison(doc, portee, 0.0);
        r.Flottaison1cm = CalcFlottaison(doc, portee, 0.01);
        r.Volume1cm = CalcVolume1cm(r.Flottaison, r.Flottaison1cm);
        out.Titre("rsGBCareneImmergee");
        out.Ligne("rsVolumeIm", r.Volume);
        out.Ligne("rsDeplacementEauDouce", r.DeplacementEauDouce);
        out.Ligne("rsDeplacementEauMer", r.DeplacementEauMer);
        if (centre) {
            out.Ligne("rsCentreCareneX", r.CC.X);
            out.Ligne("rsCentreCareneY", r.CC.Y);
            out.Ligne("rsCentreCareneZ", r.CC.Z);
        } else {
            // Nothing immersed, or parts that cancel out (a mirror half turned over).
            out.Titre("rsCentreCareneAucun");
        }
        out.Ligne("rsVolume1cm", r.Volume1cm);
    }, [&] { return std::vector<double>{r.Volume, r.CC.X, r.CC.Y, r.CC.Z, r.Volume1cm}; });

    bloc(2, [&] {
        out.Titre("rsSurfImmergeeTitre");
        out.Ligne("rsSurfImmergee", r.SurfImmergee);
    }, [&] { return std::vector<double>{r.SurfImmergee}; });

    bloc(3, [&] {
        TEtendue e;
        Calcs::LongueurLELstSurf(doc, portee, e, 0.0);
        r.LWL = e.Size;
        double xMin = 0.0, xMax = 0.0;
        Calcs::BornesXFlottaison(doc, portee, 0.0, xMin, xMax);
        r.BWL = xMax - xMin;
        Calcs::LongueurImmergeeLstSurf(doc, portee, e, 0.0);
        r.LImmergee = e.Size;
        r.MaitreCouple = CoupleAireMax(r.Stations);
        r.Creux = CreuxMax(doc, portee, r.MaitreCouple.Y);
        out.Titre("rsGBCoeff");
        const double p = r.MaitreCouple.Aire * r.LWL;
        r.CoefPrismatique = p != 0.0 ? r.Volume / p : 0.0;
        out.Ligne("rsCoeffPrismatique", r.CoefPrismatique);
        const double b = std::fabs(r.BWL * r.LWL * r.Creux);
        r.CoefBloc = b != 0.0 ? r.Volume / b : 0.0;
        out.Ligne("rsCoeffBloc", r.CoefBloc);
    }, [&] { return std::vector<double>{r.LWL, r.BWL, r.MaitreCouple.Aire, r.Creux}; });

    bloc(4, [&] {
        r.CoefVolumique = r.LImmergee > 0.0 ? r.Volume / (r.LImmergee * r.LImmergee * r.LImmergee) : 0.0;
        out.Ligne("rsCoeffVolumique", r.CoefVolumique);
    }, [&] { return std::vector<double>{r.Volume, r.LImmergee}; });

    bloc(5, [&] {
        r.CoefFinesse = r.Volume > 0.0 ? r.LImmergee / std::cbrt(r.Volume) : 0.0;
        out.Ligne("rsCoeffFinesseGlobal", r.CoefFinesse);
    }, [&] { return std::vector<double>{r.Volume, r.LImmergee}; });

    bloc(6, [&] {
        out.Titre("rsGBFlottaison");
        out.Ligne("rsLongDWL", r.LWL);
        out.Ligne("rsLargDWL", r.BWL);
        out.Ligne("rsAireDWL", r.Flottaison.Aire);
        out.Ligne("rsAireDWLX", r.Flottaison.X);
        out.Ligne("rsAireDWLY", r.Flottaison.Y);
        out.Ligne("rsAireDWLZ", r.Flottaison.Z);
        out.Ligne("rsAireDWLPerimetre", r.Flottaison.Perimetre);
    }, [&] { return std::vector<double>{r.Flottaison.Aire, r.Flottaison.X, r.Flottaison.Y}; });

    bloc(7, [&] {
        TEtendue e;
        Calcs::DimentionsLstSurf(doc, portee, e);
        const double l = static_cast<double>(e.Max) - e.Min;
        r.RatioMaitreCouple = l != 0.0 ? (r.MaitreCouple.Y - e.Min) / l * 100.0 : 0.0;
        out.Titre("rsGBMaitreCouple");
        out.Ligne("rsAire", r.MaitreCouple.Aire);
        out.Ligne("rsMaitreCoupleX", r.MaitreCouple.X);
        out.Ligne("rsMaitreCoupleY", r.MaitreCouple.Y);
        out.Ligne("rsMaitreCoupleZ", r.MaitreCouple.Z);
        out.Ligne("rsMaitreCoupleRatio", r.RatioMaitreCouple);
    }, [&] { return std::vector<double>{r.MaitreCouple.Aire, r.MaitreCouple.Y}; });

    bloc(8, [&] {
        CalcPlanLateral(doc, portee, r.AireLaterale, r.YLateral, r.ZLateral);
        out.Titre("rsGBSurfDerive");
        out.Ligne("rsSurfDeriveValeur", r.AireLaterale);
        out.Ligne("rsSurfDeriveY", r.YLateral);
        out.Ligne("rsSurfDeriveZ", r.ZLateral);
    }, [&] { return std::vector<double>{r.AireLaterale, r.YLateral, r.ZLateral}; });

    ui.writeStatusBar(3, "");
    return r;
}

}  // namespace Hydrostat
