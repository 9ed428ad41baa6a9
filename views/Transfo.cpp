#include "views/Transfo.h"

#include "model/Debug.h"
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

}  // namespace Transfo
