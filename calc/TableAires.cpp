#include "calc/TableAires.h"

#include "calc/Hydrostat.h"
#include "model/Document.h"
#include "model/Entity.h"
#include "model/Face.h"
#include "model/Update.h"

namespace TableAires {

std::vector<TAires> Aires(Document& doc) {
    ObjCom::MajSurface(doc, true, -1);
    std::vector<TAires> r;
    TAires somme;
    for (const auto& s : doc.Surfaces) {
        TAires a;
        a.Nom = s->Nom;
        TSommeFaces totale, immergee(0.0);
        Face::BuildSimpleFaceList(*s, totale);
        a.Totale = totale.Aire();
        Hydrostat::SommeImmergee(*s, false, immergee);
        a.Immergee = immergee.Aire();
        a.Emergee = a.Totale - a.Immergee;
        somme.Immergee += a.Immergee;
        somme.Totale += a.Totale;
        r.push_back(a);
    }
    somme.Emergee = somme.Totale - somme.Immergee;
    r.push_back(somme);
    return r;
}

std::vector<TVoile> Voiles(Document& doc) {
    ObjCom::MajSurface(doc, true, -1);
    ObjCom::MajCentreVoilure(doc);
    std::vector<TVoile> r;
    for (const auto& s : doc.Surfaces)
        if (s->Voile == 1) r.push_back({s->Nom, s->Aire, s->CentreBordeVal});
    const TCentreVoilure& c = doc.CentreVoilure;
    r.push_back({"", c.Aire, {c.X, c.Y, c.Z}});
    return r;
}

}  // namespace TableAires
