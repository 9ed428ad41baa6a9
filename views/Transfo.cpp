#include "views/Transfo.h"

#include <algorithm>

#include "base/Debug.h"
#include "model/Entity.h"
#include "model/Update.h"

namespace Transfo {

namespace {

// Applies m to the weights attached to the surface; true when one moved.
bool TransformePoids(Document& doc, int surf, const TMatrice& m) {
    bool any = false;
    for (TPoids& p : doc.ListPoids) {
        if (p.Surf != surf) continue;
        const TVertex3f q = Matrice::Transformed(m, {p.X, p.Y, p.Z});
        p.X = q.X;
        p.Y = q.Y;
        p.Z = q.Z;
        any = true;
    }
    return any;
}

}  // namespace

void TranslationSurf(Document& doc, int surf, TVertex3f v, bool withFrame, bool withWeights) {
    DBG_SCOPE("Transfo.TranslationSurf");
    TEntity* s = doc.Surface(surf);
    if (!s) return;
    TMatrice m;
    Matrice::MatTranslation(v, m);
    s->Transformation(m);
    if (withFrame) {
        Matrice::Translation3D(v, s->PlanSym.Origin);
        s->PlanSym.MajEquation();
    }
    if (withWeights && TransformePoids(doc, surf, m)) ObjCom::MajTotalPoids(doc);
    s->Calculee = 0;
}

void RotationSurf(Document& doc, int surf, TVertex3f a, TVertex3f c, bool withFrame, bool frameOnly,
                  bool withWeights) {
    DBG_SCOPE("Transfo.RotationSurf");
    TEntity* s = doc.Surface(surf);
    if (!s) return;
    TMatrice m;
    Matrice::MatRotation3D(c, a, m);
    if (!frameOnly) s->Transformation(m);
    if (withWeights && TransformePoids(doc, surf, m)) ObjCom::MajTotalPoids(doc);
    if (withFrame) {
        TPlanSym& f = s->PlanSym;
        f.Origin = Matrice::Transformed(m, f.Origin);
        TMatrice m0;
        Matrice::MatRotation3D({0, 0, 0}, a, m0);
        f.Axis1 = Matrice::Transformed(m0, f.Axis1);
        f.Axis2 = Matrice::Transformed(m0, f.Axis2);
        f.Axis3 = Matrice::Transformed(m0, f.Axis3);
        f.MajEquation();
    }
    s->Calculee = 0;
}

void MiroirSurf(Document& doc, int surf, int axe, bool withFrame, bool frameOnly, bool withWeights) {
    DBG_SCOPE("Transfo.MiroirSurf");
    TEntity* s = doc.Surface(surf);
    if (!s || (axe != 0 && axe != 2)) return;
    TMatrice m;
    Matrice::MatEchelle3D({axe == 0 ? -1.0 : 1.0, 1.0, axe == 2 ? -1.0 : 1.0}, m);
    if (!frameOnly) s->Transformation(m);
    if (withWeights && TransformePoids(doc, surf, m)) ObjCom::MajTotalPoids(doc);
    if (withFrame) {
        TPlanSym& f = s->PlanSym;
        for (TVertex3f* v : {&f.Origin, &f.Axis1, &f.Axis2, &f.Axis3}) *v = Matrice::Transformed(m, *v);
        f.MajEquation();
    }
    s->Calculee = 0;
}

void TailleSurf(Document& doc, int surf, TVertex3f f, bool keepRelative) {
    DBG_SCOPE("Transfo.TailleSurf");
    TEntity* s = doc.Surface(surf);
    if (!s) return;
    TPlanSym& plan = s->PlanSym;
    TMatrice m;
    Matrice::MatHomothetie3D(f, plan.Origin, m);
    if (keepRelative) {
        const TVertex3f d{(f.X - 1) * plan.Origin.X, (f.Y - 1) * plan.Origin.Y, (f.Z - 1) * plan.Origin.Z};
        TMatrice t;
        Matrice::MatTranslation(d, t);
        Matrice::ProduitMatrice4(t, m, m);
        Matrice::Translation3D(d, plan.Origin);
        plan.MajEquation();
    }
    s->Transformation(m);
    s->Calculee = 0;
}

TDim DimSurf(const TEntity& s) {
    TMinMax b;
    PourChaquePoint(s, s.Points, [&](const TVertex3f& p) { b.Elargit(p); });
    TMinMax bx = b;
    if (s.Sym) PourChaquePoint(s, s.PointsSym, [&](const TVertex3f& p) { bx.Elargit(p); });
    TDim d;
    if (b.Vide()) return d;
    auto axe = [](double lo, double hi) { return TDimAxe{hi - lo, lo, hi}; };
    d.X = axe(bx.Min.X, bx.Max.X);
    d.Y = axe(b.Min.Y, b.Max.Y);
    d.Z = axe(b.Min.Z, b.Max.Z);
    return d;
}

TDim DimSelection(const std::vector<TDim>& dims, const std::vector<bool>& sel) {
    TDim r;
    TDimAxe TDim::*axes[] = {&TDim::X, &TDim::Y, &TDim::Z};
    for (auto axe : axes) {
        double lo = kBorneMin, hi = kBorneMax;
        bool any = false;
        for (std::size_t i = 0; i < dims.size() && i < sel.size(); ++i) {
            if (!sel[i]) continue;
            any = true;
            lo = std::min(lo, (dims[i].*axe).Min);
            hi = std::max(hi, (dims[i].*axe).Max);
        }
        if (any) r.*axe = {hi - lo, lo, hi};
    }
    return r;
}

bool CentreSelection(const Document& doc, const std::vector<bool>& sel, TVertex3f& c) {
    TVertex3f sum;
    int n = 0;
    for (int i = 0; i < doc.NbSurf() && i < static_cast<int>(sel.size()); ++i) {
        if (!sel[static_cast<std::size_t>(i)]) continue;
        const TVertex3f& o = doc.Surface(i)->PlanSym.Origin;
        sum = {sum.X + o.X, sum.Y + o.Y, sum.Z + o.Z};
        ++n;
    }
    if (n == 0) return false;
    c = {sum.X / n, sum.Y / n, sum.Z / n};
    return true;
}

double Facteur(double voulu, double mesure) { return mesure == 0.0 ? 1.0 : voulu / mesure; }

namespace {

template <class F>
void PourChaqueChoisie(const Document& doc, const std::vector<bool>& sel, F&& f) {
    for (int i = 0; i < doc.NbSurf() && i < static_cast<int>(sel.size()); ++i)
        if (sel[static_cast<std::size_t>(i)]) f(i);
}

}  // namespace

void Deplace(Document& doc, const std::vector<bool>& sel, const TParams& p) {
    DBG_SCOPE("TTransForm.Deplace");
    // "Only the frame" plays no part in a move: the nets move with it.
    PourChaqueChoisie(doc, sel, [&](int i) { TranslationSurf(doc, i, p.Depl, p.PlanSym, p.Poids); });
}

void Tourne(Document& doc, const std::vector<bool>& sel, const TParams& p) {
    DBG_SCOPE("TTransForm.Tourne");
    PourChaqueChoisie(doc, sel, [&](int i) {
        RotationSurf(doc, i, p.Angles, p.Centre, p.PlanSym, p.PlanSym && p.PlanSymSeul, p.Poids);
    });
}

void Miroirs(Document& doc, const std::vector<bool>& sel, const TParams& p) {
    DBG_SCOPE("TTransForm.Miroirs");
    for (int axe : {0, 2}) {
        if (!(axe == 0 ? p.MirVer : p.MirHor)) continue;
        for (int i = std::min(doc.NbSurf(), static_cast<int>(sel.size())) - 1; i >= 0; --i)
            if (sel[static_cast<std::size_t>(i)]) MiroirSurf(doc, i, axe, p.PlanSym, p.PlanSym && p.PlanSymSeul, p.Poids);
    }
}

void Redimensionne(Document& doc, const std::vector<bool>& sel, const TParams& p) {
    DBG_SCOPE("TTransForm.Redimensionne");
    const TVertex3f f{Facteur(p.Taille.X, p.Mesure.X.Size), Facteur(p.Taille.Y, p.Mesure.Y.Size),
                      Facteur(p.Taille.Z, p.Mesure.Z.Size)};
    PourChaqueChoisie(doc, sel, [&](int i) { TailleSurf(doc, i, f, p.ConsPosRel); });
}

}  // namespace Transfo
