#include "calc/TableAires.h"

#include "model/Document.h"
#include "model/Entity.h"
#include "model/Face.h"
#include "model/Update.h"

namespace TableAires {

std::vector<TAires> Aires(Document& doc) {
    ObjCom::MajSurface(doc, true, -1);
    std::vector<TAires> r;
    TAires somme;
    TListFace list;
    for (const auto& s : doc.Surfaces) {
        TAires a;
        a.Nom = s->Nom;
        list.Clear();
        Face::BuildSimpleFaceList(*s, list);
        a.Totale = Face::AireByFace(list);
        list.Clear();
        Face::MakeFaceList(s->Points, 1, list, 0.0);
        if (s->Sym) Face::MakeFaceList(s->PointsSym, 0, list, 0.0);
        a.Immergee = Face::AireByFace(list);
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
