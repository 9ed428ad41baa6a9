#include "views/SurfNew.h"

#include "base/Debug.h"
#include "base/Langue.h"
#include "model/ObjCom.h"
#include "model/UiPort.h"

namespace SurfNew {

TOrdres OrdresForme(int forme) {
    static constexpr TOrdres kOrdres[] = {{4, 4}, {2, 2}, {2, 2}, {2, 2}, {2, 4}, {2, 4}, {4, 2}};
    if (forme < 0 || forme >= static_cast<int>(std::size(kOrdres))) return {};
    return kOrdres[forme];
}

std::string RefusNom(const Document& doc, const std::string& nom) {
    const std::string stocke = ObjCom::Tronque(nom, kLongNomSurface);
    if (stocke.empty()) return Langue::Txt("rsErrNomObligatoire");
    for (const auto& s : doc.Surfaces)
        if (s->Nom == stocke) return Langue::Txt("rsErrNomDonne");
    return {};
}

int AjouteSurf(Document& doc, const TNouvelle& n) {
    DBG_SCOPE("TSurfNewForm.AjouteSurf");
    TSurface* s = doc.NouvelleSurface(n.Nom);
    if (!s) {
        Ui::ui().msgDlg(Langue::Txt("rsErrMaxSurfOuv"), Ui::MsgType::Warning, Ui::mbOK);
        return -1;
    }
    s->Net.Initialise(n.Forme);
    s->Net.LFlex = n.FlexTrans;
    s->Net.CFlex = n.FlexLong;
    s->Visible = n.Visible;
    s->Verrou = n.Verrou;
    s->Sym = n.Sym;
    s->Calc = n.Flotteur;
    s->Voile = n.Voile;
    s->Calculee = 0;
    return s->Index;
}

std::string RefusRenommer(const std::vector<std::string>& noms, int choix, const std::string& nom) {
    const std::string stocke = ObjCom::Tronque(nom, kLongNomSurface);
    if (choix < 0 || choix >= static_cast<int>(noms.size())) return Langue::Txt("rsMauvaiseSelection");
    if (stocke.empty()) return Langue::Txt("rsEmptyName");
    for (const std::string& s : noms)
        if (s == stocke) return Langue::Txt("rsNomUtilise");
    return {};
}

}  // namespace SurfNew
