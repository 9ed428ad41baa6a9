#include "export/ExportTXT.h"

#include <cmath>
#include <memory>

#include "base/Debug.h"
#include "base/Encodage.h"
#include "base/FichierAtomique.h"
#include "model/Document.h"

namespace ExportTXT {

namespace {

using ExportCommun::AjouteEntier;
using ExportCommun::AjouteFixe;

const std::string kGrid = "GRID", kAxis = "AXIS", kAucun;

class TTexte {
public:
    TTexte(const TViewRecord& vue) : proj_(vue) {}

    void Ligne(std::string_view l) {
        s_ += l;
        s_ += "\r\n";
    }
    void Entier(long long v) {
        AjouteEntier(s_, v);
        s_ += "\r\n";
    }
    // At least six hexadecimal digits: the default colour -1 gives FFFFFFFF.
    void Couleur(TColor c) {
        static const char* hex = "0123456789ABCDEF";
        char buf[8];
        int n = 0;
        for (; n < 6 || c != 0; ++n, c >>= 4) buf[7 - n] = hex[c & 0xF];
        s_.append(buf + 8 - n, static_cast<std::size_t>(n));
        s_ += "\r\n";
    }
    // What is being written, named when a value is not a finite number.
    void Objet(const std::string& nom) { objet_ = &nom; }
    void Point(const TVertex3f& p) {
        if (proj_.En3D()) {
            Reel(p.X), Reel(p.Y), Reel(p.Z);
        } else {
            double x, y;
            proj_.Projette(p, x, y);
            Reel(x), Reel(y);
        }
        s_ += "\r\n";
    }
    void Reel(double v) {
        if (!std::isfinite(v)) throw ExportCommun::TErreurNonFinie(*objet_);
        AjouteFixe(s_, v, 4);
        s_ += ';';
    }
    void FinLigne() { s_ += "\r\n"; }
    void Polyligne(const TListPt3D& l) {
        Ligne(kPolyline);
        for (const TPt3D& p : l) Point(p.P);
    }
    void Coupe(const TCoupe& c) {
        for (const TListPt3D& l : c) Polyligne(l);
    }
    void Bords(const TArrayVertex3f& g, int R, int C) {
        for (int i : {0, R}) {
            Ligne(kPolyline);
            for (int j = 0; j <= C; ++j) Point(g[i][j]);
        }
        for (int j : {0, C}) {
            Ligne(kPolyline);
            for (int i = 0; i <= R; ++i) Point(g[i][j]);
        }
    }
    void Maillage(const TArrayVertex3f& g, int R, int C) {
        Ligne(kMesh);
        Entier(R + 1);
        Entier(C + 1);
        for (int i = 0; i <= R; ++i)
            for (int j = 0; j <= C; ++j) Point(g[i][j]);
    }
    std::string& Texte() { return s_; }

private:
    ExportCommun::TProjection2D proj_;
    std::string s_;
    const std::string* objet_ = &kAucun;
};

void Famille(TTexte& t, const TTabCoupes& tab, const TTabCoupes& sym, int n, bool miroir) {
    for (int k = 1; k <= n; ++k) {
        if (k <= tab.Count()) t.Coupe(tab[k]);
        if (miroir && k <= sym.Count()) t.Coupe(sym[k]);
    }
}

void Nurbs(TTexte& t, const TSurface& s, SNURBS& r) {
    // The orders and knots with which the surface is evaluated, so that the
    // block describes the surface shown.
    nurbs::NetToSNurbs(s.Net, r);
    t.Ligne(kNurbs);
    t.Entier(s.Net.NbL);
    t.Entier(s.Net.NbC);
    t.Entier(r.orderU);
    t.Entier(r.orderV);
    for (int i = 0; i < r.orderU + s.Net.NbL; ++i) t.Reel(r.knotsU[i]);
    t.FinLigne();
    for (int i = 0; i < r.orderV + s.Net.NbC; ++i) t.Reel(r.knotsV[i]);
    t.FinLigne();
    for (int i = 0; i < s.Net.NbL; ++i)
        for (int j = 0; j < s.Net.NbC; ++j) {
            const TVertex4f& p = s.Net.TabPC[i][j];
            t.Reel(p.X), t.Reel(p.Y), t.Reel(p.Z), t.Reel(p.W);
            t.FinLigne();
        }
}

}  // namespace

std::string TexteTXT(const Document& doc, const TOptionsExport& opt, const TViewRecord& vue,
                     const TCouleursDessin& couleurs) {
    DBG_SCOPE("ExportTXT.EcrireFichierTXT");
    TTexte t(vue);
    auto record = std::make_unique<SNURBS>();
    const TDefGrille& g = doc.DefGrille;
    for (const auto& ps : doc.Surfaces) {
        const TEntity& e = *ps;
        if (!e.Visible) continue;
        const bool miroir = ExportCommun::AvecMiroir(e, doc);
        const bool grille = ExportCommun::GrilleEvaluee(e);
        ExportCommun::VerifieFinie(e);
        t.Objet(e.Nom);
        t.Ligne(kSurface);
        t.Ligne(Encodage::Utf8VersWindows1252(e.Nom));
        t.Ligne(kColor);
        t.Couleur(static_cast<TColor>(e.Couleur));
        if (opt.Aretes) {
            if (const auto* s = dynamic_cast<const TSurface*>(&e)) Nurbs(t, *s, *record);
            if (grille) t.Bords(e.Points, e.DernLigne, e.DernCol);
        }
        if (opt.Couples) Famille(t, e.Sec, e.SecSym, g.NbSecUtil(), miroir);
        if (opt.LignesE) Famille(t, e.LE, e.LESym, g.NbLEUtil(), miroir);
        if (opt.Longits) Famille(t, e.Long, e.LongSym, g.NbLongitUtil(), miroir);
        if (opt.Diags) Famille(t, e.Diag, e.DiagSym, g.NbDiagUtil(), miroir);
        if (opt.SurfParam && grille) {
            t.Maillage(e.Points, e.DernLigne, e.DernCol);
            if (miroir) t.Maillage(e.PointsSym, e.DernLigne, e.DernCol);
        }
    }
    auto pseudo = [&](const std::string& nom, TColor c, auto&& segments) {
        t.Objet(nom);
        t.Ligne(kSurface);
        t.Ligne(nom);
        t.Ligne(kColor);
        t.Couleur(c);
        for (const ExportCommun::TSegment& sg : segments) {
            t.Ligne(kPolyline);
            t.Point(sg.A);
            t.Point(sg.B);
        }
    };
    if (opt.Grille) pseudo(kGrid, couleurs.Grille, ExportCommun::LignesGrille(doc, false));
    if (opt.Axes) pseudo(kAxis, couleurs.Axes, ExportCommun::LignesAxes(doc));
    return std::move(t.Texte());
}

void EcrireFichierTXT(const std::string& fichier, const Document& doc, const TOptionsExport& opt,
                      const TViewRecord& vue, const TCouleursDessin& couleurs) {
    FichierAtomique::Ecrit(fichier, TexteTXT(doc, opt, vue, couleurs));
}

}  // namespace ExportTXT
