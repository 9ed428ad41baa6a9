#include "app/Precision.h"

#include <new>

#include "base/Debug.h"
#include "model/Bounds.h"
#include "model/Document.h"
#include "model/Update.h"

namespace Precision {

namespace {

void Evalue(Document& doc, int p) {
    doc.Precision = p;
    for (auto& s : doc.Surfaces) {
        if (!dynamic_cast<TSurface*>(s.get())) continue;
        s->ResizeGrilles(p + 1, p + 1);
        s->Grille5.resize(2 * (p + 1), p + 3);
        s->Calculee = 0;
    }
    ObjCom::MajSurface(doc, false, -1);
    Calcs::CalcTabLignesSec(doc);
    if (doc.Aff.MeLignesdEau) Calcs::CalcTabLignesLE(doc);
    if (doc.Aff.MeLongitudinales) Calcs::CalcTabLignesLgt(doc);
    if (doc.Aff.MeDiagonales) Calcs::CalcTabLignesDiag(doc);
}

}  // namespace

void Applique(Document& doc, int p) {
    DBG_SCOPE("TMainForm.MePrecisionClick");
    const int avant = doc.Precision;
    try {
        Evalue(doc, p);
    } catch (const std::bad_alloc&) {
        // Memory ran out part way, leaving grids of both sizes: every NURBS
        // surface gives back what it holds and is evaluated again at the
        // precision it had, so that the drawing stays whole.
        for (auto& s : doc.Surfaces) {
            if (!dynamic_cast<TSurface*>(s.get())) continue;
            s->ResizeGrilles(0, 0);
            s->Grille5.clear();
        }
        Evalue(doc, avant);
        throw;
    }
}

}  // namespace Precision
