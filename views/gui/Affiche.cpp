#include "views/gui/Affiche.h"

#include "base/Debug.h"
#include "views/gui/FormFille.h"
#include "views/gui/Vues.h"

namespace Affiche {

bool DessinAutorise(const Document& doc) { return doc.FormeAffichee && !Debug::state().inHandler; }

namespace {
void Dessine(TFormFille* v) {
    if (v && !v->EstMinimise()) v->Redessine();
}
}  // namespace

void AfficheNet(TFormFille* vue) {
    DBG_SCOPE("Affiche.AfficheNet");
    if (!vue || !vue->Hote()) return;
    IVueHote& hote = *vue->Hote();
    Document& doc = hote.Doc();
    if (!DessinAutorise(doc)) return;
    if (doc.Options.MultiFen) {
        const Vues::TFenetres& f = Vues::Fenetres();
        if (f.Section || f.Plan || f.Profile || f.Persp) {
            for (TFormFille* v : f.Toutes()) Dessine(v);
        } else {
            Dessine(vue);
        }
        hote.RafraichirStudio(true);
        return;
    }
    // The studio follows the active view; a failure there must not stop the drawing.
    try {
        hote.RafraichirStudio(false);
    } catch (...) {
    }
    vue->Redessine();
}

void AfficheNetTout() {
    DBG_SCOPE("Affiche.AfficheNet");
    for (TFormFille* v : Vues::Fenetres().Toutes()) {
        if (!v || !v->Hote() || !DessinAutorise(v->Hote()->Doc())) continue;
        Dessine(v);
    }
}

}  // namespace Affiche
