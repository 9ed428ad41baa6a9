#include "calc/TabCotes.h"

#include "base/Chaines.h"
#include "model/Coupe.h"
#include "model/Document.h"
#include "model/Entity.h"

namespace TabCotes {

std::vector<TCote> Calcule(const Document& doc, const TListSurf& surfaces, bool longitudinales) {
    std::vector<TCote> r;
    const TDefGrille& g = doc.DefGrille;
    const TListeGrille& plans = longitudinales ? g.Longit : g.LE;
    const int nbPlans = longitudinales ? g.NbLongitUtil() : g.NbLEUtil();
    // The coordinate the planes cut: X for the longitudinals, Z for the waterlines.
    auto coord = [longitudinales](const TVertex3f& p) { return longitudinales ? p.X : p.Z; };
    for (int num : surfaces) {
        const TEntity* s = doc.Surface(num);
        if (!s) continue;
        for (int k = 1; k <= g.NbSecUtil(); ++k) {
            TCoupe cut;
            for (const TArrayVertex3f* grille : {&s->Points, &s->PointsSym}) {
                if ((grille == &s->PointsSym && !s->Sym) || grille->rows() == 0) continue;
                ObjCom::CalcSecMesh(*grille, grille->rows() - 1, grille->cols() - 1, cut, g.Sec.Val[k]);
                for (int l = 1; l <= nbPlans; ++l) {
                    const double c = plans.Val[l];
                    for (const TListPt3D& ligne : cut)
                        for (int i = 0; i + 1 < ligne.Count(); ++i) {
                            const TVertex3f& a = ligne[i].P;
                            const TVertex3f& b = ligne[i + 1].P;
                            const double ca = coord(a), cb = coord(b);
                            if (!((ca < c && cb >= c) || (ca >= c && cb < c))) continue;
                            if (ca == c) {
                                r.push_back({s->Nom, a});
                                continue;
                            }
                            if (cb == c) {
                                r.push_back({s->Nom, b});
                                continue;
                            }
                            const double t = (c - ca) / (cb - ca);
                            r.push_back({s->Nom, {a.X + t * (b.X - a.X), a.Y + t * (b.Y - a.Y), a.Z + t * (b.Z - a.Z)}});
                        }
                }
                cut.FreeAll();
            }
        }
    }
    return r;
}

std::vector<std::string> Lignes(const std::vector<TCote>& cotes) {
    std::vector<std::string> r{"Num;Nom;X;Y;Z"};
    for (std::size_t i = 0; i < cotes.size(); ++i) {
        const TVertex3f& p = cotes[i].P;
        r.push_back(std::to_string(i + 1) + ";" + cotes[i].Surface + ";" + Chaines::FormatFixe(p.X, 4) + ";" +
                    Chaines::FormatFixe(p.Y, 4) + ";" + Chaines::FormatFixe(p.Z, 4));
    }
    return r;
}

}  // namespace TabCotes
