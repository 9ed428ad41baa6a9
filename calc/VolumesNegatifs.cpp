#include "calc/VolumesNegatifs.h"

#include "model/Document.h"
#include "model/Entity.h"

namespace VolumesNegatifs {

std::vector<bool> Lit(const Document& doc, const TListSurf& surfaces) {
    std::vector<bool> r;
    for (int num : surfaces) r.push_back(doc.Surface(num)->Orientation == 0);
    return r;
}

bool Applique(Document& doc, const TListSurf& surfaces, const std::vector<bool>& negatifs) {
    bool change = false;
    for (int k = 0; k < surfaces.Count() && k < static_cast<int>(negatifs.size()); ++k) {
        TEntity* s = doc.Surface(surfaces.NumSurf(k));
        const std::uint8_t o = negatifs[static_cast<std::size_t>(k)] ? 0 : 1;
        if (s->Orientation != o) change = true;
        s->Orientation = o;
    }
    if (change) {
        doc.Decalcule();
        doc.MarquerModifie();
    }
    return change;
}

}  // namespace VolumesNegatifs
