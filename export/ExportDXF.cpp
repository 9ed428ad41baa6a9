#include "export/ExportDXF.h"

#include <cmath>
#include <set>

#include "base/Debug.h"
#include "base/FichierAtomique.h"
#include "export/DxfFormat.h"
#include "model/Document.h"

namespace ExportDXF {

using namespace DxfFormat;
using ExportCommun::AjouteEntier;
using ExportCommun::AjouteFixe;

namespace {
// The layer of a mirror side.
std::string CalqueMiroir(const std::string& c) {
    std::string r = c;
    r.push_back('S');
    return r;
}
}  // namespace

std::vector<std::string> Calques(const Document& doc) {
    std::set<std::string> pris{"GRID", "AXIS"};
    std::vector<std::string> r;
    for (const auto& s : doc.Surfaces) {
        std::string c = CalqueValide(s->Nom);
        const std::string indice = std::to_string(r.size());
        if (c.empty()) c = "SURF" + indice;
        while (pris.count(c) || pris.count(CalqueMiroir(c))) {
            c += '_';
            c += indice;
        }
        pris.insert(c);
        pris.insert(CalqueMiroir(c));
        r.push_back(std::move(c));
    }
    return r;
}

namespace {

const std::string kAucun;

class TDxf {
public:
    explicit TDxf(const TViewRecord& vue) : proj_(vue) {}

    void Paire(int code, std::string_view v) {
        AjouteEntier(s_, code);
        s_ += "\r\n";
        s_ += v;
        s_ += "\r\n";
    }
    void Paire(int code, long long v) {
        AjouteEntier(s_, code);
        s_ += "\r\n";
        AjouteEntier(s_, v);
        s_ += "\r\n";
    }
    void Reel(int code, double v) {
        if (!std::isfinite(v)) throw ExportCommun::TErreurNonFinie(*objet_);
        AjouteEntier(s_, code);
        s_ += "\r\n";
        AjouteFixe(s_, v, kDecimales);
        s_ += "\r\n";
    }
    void Point3(int code, const TVertex3f& p) {
        Reel(code, p.X);
        Reel(code + 10, p.Y);
        Reel(code + 20, p.Z);
    }
    // The point as the export writes it: 3-D, or x and y projected.
    void Point(int code, const TVertex3f& p) {
        if (proj_.En3D()) return Point3(code, p);
        double x, y;
        proj_.Projette(p, x, y);
        Reel(code, x);
        Reel(code + 10, y);
    }
    void Variable(const char* nom) { Paire(kCodeVariable, nom); }

    // A polyline of n points at(k), whatever n (a grid of one row has
    // columns of one point, an empty grid borders of none).
    template <class At>
    void Polyligne(const std::string& calque, const std::string& calqueVertex, int n, At&& at) {
        Paire(kCodeType, "POLYLINE");
        Paire(kCodeCalque, calque);
        Paire(kCodeSuivent, 1);
        if (proj_.En3D()) Paire(kCodeDrapeaux, kPolyligne3D);
        for (int k = 0; k < n; ++k) Vertex(calqueVertex, at(k), kVertexPolyligne3D);
        Paire(kCodeType, "SEQEND");
    }
    void Vertex(const std::string& calque, const TVertex3f& p, int drapeau) {
        Paire(kCodeType, "VERTEX");
        Paire(kCodeCalque, calque);
        Point(kCodeX, p);
        if (proj_.En3D()) Paire(kCodeDrapeaux, drapeau);
    }
    void Ligne(const std::string& calque, const TVertex3f& a, const TVertex3f& b) {
        Paire(kCodeType, "LINE");
        Paire(kCodeCalque, calque);
        Point(kCodeX, a);
        Point(kCodeX2, b);
    }
    void LstPolylignes(const TCoupe& c, const std::string& calque) {
        for (const TListPt3D& l : c) {
            if (l.Count() >= 3) {
                Polyligne(calque, calque, l.Count(), [&](int k) { return l[k].P; });
            } else if (l.Count() == 2) {
                Ligne(calque, l[0].P, l[1].P);
            } else if (l.Count() == 1) {
                Paire(kCodeType, "POINT");
                Paire(kCodeCalque, calque);
                Point(kCodeX, l[0].P);
            }
        }
    }
    void Bords(const TArrayVertex3f& g, int R, int C, const std::string& calque, const std::string& cv) {
        for (int i : {0, R}) Polyligne(calque, cv, C + 1, [&](int j) { return g[i][j]; });
        for (int j : {0, C}) Polyligne(calque, cv, R + 1, [&](int i) { return g[i][j]; });
    }
    void Lignes(const TArrayVertex3f& g, int R, int C, const std::string& calque, const std::string& cv) {
        for (int i = 0; i <= R; ++i) Polyligne(calque, cv, C + 1, [&](int j) { return g[i][j]; });
        for (int j = 0; j <= C; ++j) Polyligne(calque, cv, R + 1, [&](int i) { return g[i][j]; });
    }
    // A polygon mesh of the grid's R + 1 rows and C + 1 columns, its
    // vertices column by column; none for an empty grid (R = C = -1).
    // A mirror grid holds its rows in reverse order: its mesh takes the rows
    // of the mirror image as columns, so that a reader that cuts every cell
    // along the same diagonal cuts the mirror's along the image of the
    // surface's own, turning the same way (its volume then equals the
    // surface's). A surface of orientation 0 faces against the way its grid
    // runs: its rows and columns are exchanged as well (the mirror's then
    // stay), so that the mesh faces as the document's surface does.
    void Maillage(const TArrayVertex3f& g, int R, int C, const std::string& calque, const std::string& cv,
                  bool miroir, bool retournee) {
        const bool echange = miroir != retournee;
        auto point = [&](int i, int j) -> const TVertex3f& { return g[miroir ? R - i : i][j]; };
        Paire(kCodeType, "POLYLINE");
        Paire(kCodeCalque, calque);
        Paire(kCodeSuivent, 1);
        Paire(kCodeDrapeaux, kMaillage);
        Paire(kCodeM, (echange ? R : C) + 1);
        Paire(kCodeN, (echange ? C : R) + 1);
        if (echange) {
            for (int i = 0; i <= R; ++i)
                for (int j = 0; j <= C; ++j) Vertex(cv, point(i, j), kVertexMaillage);
        } else {
            for (int j = 0; j <= C; ++j)
                for (int i = 0; i <= R; ++i) Vertex(cv, point(i, j), kVertexMaillage);
        }
        Paire(kCodeType, "SEQEND");
    }
    bool En3D() const { return proj_.En3D(); }
    std::string& Texte() { return s_; }
    // What is being written, named when a value is not a finite number.
    void Objet(const std::string& nom) { objet_ = &nom; }

private:
    ExportCommun::TProjection2D proj_;
    std::string s_;
    const std::string* objet_ = &kAucun;
};

void Famille(TDxf& d, const TTabCoupes& tab, const TTabCoupes& sym, int n, bool miroir, const std::string& c) {
    for (int k = 1; k <= n; ++k) {
        if (k <= tab.Count()) d.LstPolylignes(tab[k], c);
        if (miroir && k <= sym.Count()) d.LstPolylignes(sym[k], c);
    }
}

void Entete(TDxf& d, const Document& doc) {
    // Extents from the shown surfaces' extreme points; (0, 0, 0) when none.
    TVertex3f mn{kBorneMin, kBorneMin, kBorneMin}, mx{kBorneMax, kBorneMax, kBorneMax};
    bool une = false;
    for (const auto& s : doc.Surfaces) {
        if (!s->Visible || !ExportCommun::GrilleEvaluee(*s)) continue;
        d.Objet(s->Nom);
        une = true;
        mn.X = std::min(mn.X, s->PtMinX.X), mx.X = std::max(mx.X, s->PtMaxX.X);
        mn.Y = std::min(mn.Y, s->PtMinY.Y), mx.Y = std::max(mx.Y, s->PtMaxY.Y);
        mn.Z = std::min(mn.Z, s->PtMinZ.Z), mx.Z = std::max(mx.Z, s->PtMaxZ.Z);
    }
    if (!une) mn = mx = {};
    d.Paire(kCodeType, "SECTION");
    d.Paire(kCodeNom, "HEADER");
    d.Variable("$ACADVER");
    d.Paire(1, kVersion);
    d.Variable("$INSBASE");
    d.Paire(kCodeX, "0.0"), d.Paire(kCodeY, "0.0"), d.Paire(kCodeZ, "0.0");
    d.Variable("$EXTMIN");
    d.Point3(kCodeX, mn);
    d.Variable("$EXTMAX");
    d.Point3(kCodeX, mx);
    for (auto [nom, v] : {std::pair{"$ORTHOMODE", 1}, {"$FILLMODE", 1}, {"$INSUNITS", 6}, {"$LUNITS", 2}, {"$LUPREC", 5}}) {
        d.Variable(nom);
        d.Paire(kCodeDrapeaux, v);
    }
    d.Paire(kCodeType, "ENDSEC");
    for (const char* sec : {"TABLES", "BLOCKS"}) {
        d.Paire(kCodeType, "SECTION");
        d.Paire(kCodeNom, sec);
        d.Paire(kCodeType, "ENDSEC");
    }
}

}  // namespace

std::string TexteDXF(const Document& doc, const TOptionsExport& opt, const TViewRecord& vue) {
    DBG_SCOPE("ExportDXF.EcrireFichierDXF");
    TDxf d(vue);
    for (const auto& s : doc.Surfaces)
        if (s->Visible) ExportCommun::VerifieFinie(*s);
    Entete(d, doc);
    d.Paire(kCodeType, "SECTION");
    d.Paire(kCodeNom, "ENTITIES");
    const std::vector<std::string> calques = Calques(doc);
    const TDefGrille& g = doc.DefGrille;
    for (std::size_t k = 0; k < doc.Surfaces.size(); ++k) {
        const TEntity& e = *doc.Surfaces[k];
        if (!e.Visible) continue;
        d.Objet(e.Nom);
        const std::string& c = calques[k];
        const std::string cs = CalqueMiroir(c);
        const bool miroir = ExportCommun::AvecMiroir(e, doc);
        // A grid that is not evaluated is written empty: headers without vertices.
        const bool grille = ExportCommun::GrilleEvaluee(e);
        const int R = grille ? e.DernLigne : -1, C = grille ? e.DernCol : -1;
        if (opt.Aretes) {
            d.Bords(e.Points, R, C, c, c);
            if (miroir) d.Bords(e.PointsSym, R, C, c, cs);
        }
        if (opt.Couples) Famille(d, e.Sec, e.SecSym, g.NbSecUtil(), miroir, c);
        if (opt.LignesE) Famille(d, e.LE, e.LESym, g.NbLEUtil(), miroir, c);
        if (opt.Longits) Famille(d, e.Long, e.LongSym, g.NbLongitUtil(), miroir, c);
        if (opt.Diags) Famille(d, e.Diag, e.DiagSym, g.NbDiagUtil(), miroir, c);
        if (opt.SurfParam) {
            // In 2-D a mesh would lose its layout: rows and columns instead.
            if (opt.SurfMaille3D && d.En3D()) {
                d.Maillage(e.Points, R, C, c, c, false, e.Orientation == 0);
                if (miroir) d.Maillage(e.PointsSym, R, C, c, cs, true, e.Orientation == 0);
            } else {
                d.Lignes(e.Points, R, C, c, c);
                if (miroir) d.Lignes(e.PointsSym, R, C, c, cs);
            }
        }
    }
    const std::string grid = "GRID", axis = "AXIS";
    d.Objet(grid);
    if (opt.Grille)
        for (const ExportCommun::TSegment& s : ExportCommun::LignesGrille(doc, true)) d.Ligne(grid, s.A, s.B);
    d.Objet(axis);
    if (opt.Axes)
        for (const ExportCommun::TSegment& s : ExportCommun::LignesAxes(doc)) d.Ligne(axis, s.A, s.B);
    d.Paire(kCodeType, "ENDSEC");
    d.Paire(kCodeType, "EOF");
    return std::move(d.Texte());
}

void EcrireFichierDXF(const std::string& fichier, const Document& doc, const TOptionsExport& opt,
                      const TViewRecord& vue) {
    FichierAtomique::Ecrit(fichier, TexteDXF(doc, opt, vue));
}

}  // namespace ExportDXF
