#include "views/gui/MouseCommandes.h"

#include <functional>

#include <QAction>
#include <QPointer>
#include <array>
#include <cmath>
#include <numbers>
#include <map>

#include "app/gui/ExceptionHandler.h"
#include "app/gui/MainForm.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "model/UiPort.h"
#include "model/Update.h"
#include "views/Selection.h"
#include "views/Zoom.h"
#include "views/gui/Affiche.h"
#include "views/gui/Curseurs.h"
#include "views/gui/FormFille.h"
#include "views/gui/MouseVue.h"
#include "views/gui/Vues.h"

namespace MouseCommandes {

namespace {

using Gestes::TItem;

struct Etat {
    std::function<QAction*(const QString&)> action;
    std::function<TFormFille*()> vueActive;
    std::map<QString, QPointer<QAction>> items;
    std::vector<QMetaObject::Connection> connexions;
};

Etat& etat() {
    static Etat e;
    return e;
}

QAction* Item(const char* nom) {
    const auto it = etat().items.find(QLatin1String(nom));
    return it == etat().items.end() ? nullptr : it->second.data();
}

void Decoche(const char* nom) {
    if (QAction* a = Item(nom)) a->setChecked(false);
}

std::array<TFormFille*, 4> LesVues() {
    const Vues::TFenetres& f = Vues::Fenetres();
    return {f.Section, f.Plan, f.Profile, f.Persp};
}

// The tools that show their own cursor on the views while ticked.
constexpr std::array<std::pair<const char*, std::string_view>, 6> kCurseurs{{
    {"MeAjouterVx", "crAjout"},
    {"MeSupprimerVx", "crSuppr"},
    {"MeDeplacerVue", "crDepl"},
    {"MeAjoutRepere", "crRep"},
    {"MeSupprRepere", "crSuppr"},
    {"MeAjoutPoids", "crPoids"},
}};

// The views take the cursor of the ticked tool, else their resting cross.
void MajCurseur() {
    for (const auto& [nom, curseur] : kCurseurs) {
        const QAction* a = Item(nom);
        if (a && a->isChecked()) {
            Curseurs::PoseSurVues(curseur);
            return;
        }
    }
    Curseurs::PoseSurVues(Curseurs::kRepos);
}

void Redessine(TFormFille* v) {
    if (v) Affiche::AfficheNet(v);
}

void MajControle(TFormFille* v) {
    if (v && v->Hote()) v->Hote()->MajControleVue(v);
}

Document* DocDe(TFormFille* v) { return v && v->Hote() ? &v->Hote()->Doc() : nullptr; }

void SauvePrec(TFormFille* v) {
    v->PrecOrigX = v->Vue().OriginX;
    v->PrecOrigY = v->Vue().OriginY;
    v->PrecEchelle = v->Vue().Scale;
}

// The zoom box tool is released (menu tick and button) through its command.
void LacheZoom() { Desarme(Gestes::TItem::MeZoom); }

// The six measure and dimension tools: one at most is ticked; status panel 3
// shows the prompt of the one ticked.
constexpr std::array<std::pair<const char*, const char*>, 6> kMesures{{
    {"MeMesureMetre", "rsSB_MesureMetreHint"},
    {"MeMesureCercle", "rsSB_MesureRayonHint"},
    {"MeMesureAngle", "rsSB_MesureAngleHint"},
    {"MeCotMetre", "rsSB_CoteMetreHint"},
    {"MeCotRayon", "rsSB_CoteRayonHint"},
    {"MeCotAngle", "rsSB_CoteAngleHint"},
}};

void OutilMesure(const char* nom, bool coche) {
    DBG_SCOPE("TMainForm.ActMesureExecute");
    if (!coche) {
        Ui::ui().writeStatusBar(3, "");
        return;
    }
    for (const auto& [autre, invite] : kMesures) {
        if (QLatin1String(autre) == QLatin1String(nom)) {
            Ui::ui().writeStatusBar(3, Langue::Txt(invite));
            continue;
        }
        Decoche(autre);
    }
}

void Connecte(const char* nom, std::function<void(bool)> f) {
    Etat& e = etat();
    QAction* a = e.action ? e.action(QLatin1String(nom)) : nullptr;
    if (!a) return;
    e.items[QLatin1String(nom)] = a;
    a->setEnabled(true);
    a->setProperty("corvaneBranche", true);
    e.connexions.push_back(QObject::connect(a, &QAction::triggered, a, [f = std::move(f)](bool coche) {
        try {
            f(coche);
        } catch (...) {
            ExceptionHandler::Handle(ExceptionHandler::MessageCourant());
        }
    }));
}

}  // namespace

void Branche(TMainForm& mf) {
    TMainForm* p = &mf;
    Branche([p](const QString& nom) { return p->Action(nom); },
            [p] { return Vues::FenetreActive(p->NumVueActive()); });
    // The proportional constraints sit in a hidden submenu, whose items' keys
    // would be dead: held by the window itself, F7 and F8 still tick them.
    for (const char* nom : {"MeDeplHoriProp", "MeDeplVertProp"})
        if (QAction* a = mf.Action(QLatin1String(nom)); a && !mf.actions().contains(a)) mf.addAction(a);
}

void Debranche() {
    Etat& e = etat();
    for (auto& c : e.connexions) QObject::disconnect(c);
    e = Etat{};
}

void Branche(std::function<QAction*(const QString&)> action, std::function<TFormFille*()> vueActive) {
    DBG_SCOPE("MouseCommandes.Branche");
    Debranche();
    Etat& e = etat();
    e.action = std::move(action);
    e.vueActive = std::move(vueActive);

    Connecte("MeZoom", [](bool) { MeZoomClick(); });
    Connecte("MeAgrandir", [](bool) { MeAgrandirClick(); });
    Connecte("MeReduire", [](bool) { MeReduireClick(); });
    Connecte("MeVuePreced", [](bool) { MeVuePrecedClick(); });
    Connecte("MeDeplacerVue", [](bool) { MeDeplacerVueClick(); });
    Connecte("MeAjuster", [](bool) { MeAjusterClick(); });
    Connecte("MeRecentrer", [](bool) { MeRecentrerClick(); });
    Connecte("MeSauverLaVue", [](bool) { MeSauverLaVueClick(); });
    Connecte("MeVuePersonnalisee", [](bool) { MeVuePersonnaliseeClick(); });
    Connecte("MeAjouterVx", [](bool coche) {
        if (coche) Decoche("MeSupprimerVx");
    });
    Connecte("MeSupprimerVx", [](bool coche) {
        if (coche) Decoche("MeAjouterVx");
    });
    Connecte("MeGrouperPCPlan", [](bool) { MeGrouperPCClick(false); });
    Connecte("MeGrouperPCEspace", [](bool) { MeGrouperPCClick(true); });
    Connecte("MeAlignePCPlan", [](bool) { MeAlignePCClick(false); });
    Connecte("MeAlignePCEspace", [](bool) { MeAlignePCClick(true); });
    // The drag reads the ticks; F5 and F6 are one group: ticking one unticks the other.
    Connecte("MeDeplHori", [](bool coche) {
        if (coche) Decoche("MeDeplVert");
    });
    Connecte("MeDeplVert", [](bool coche) {
        if (coche) Decoche("MeDeplHori");
    });
    for (const char* nom : {"MeDeplHoriProp", "MeDeplVertProp"}) Connecte(nom, [](bool) {});
    Connecte("MeSouderPC", [](bool) { MeSouderPCClick(); });
    Connecte("MeDessouderPC", [](bool) { MeDessouderPCClick(); });
    Connecte("MeSelectAllControles", [](bool) { MeSelectAllControlesClick(); });
    for (const auto& [nom, invite] : kMesures) {
        const char* n = nom;
        Connecte(n, [n](bool coche) { OutilMesure(n, coche); });
    }
    // However a tool is ticked or released (its item, its button, the end of
    // its gesture), the views' cursor follows. The weight and mark tools,
    // whose dialogs come with other parts, are only read here.
    for (const auto& [nom, curseur] : kCurseurs) {
        QAction* a = e.action(QLatin1String(nom));
        if (!a) continue;
        e.items[QLatin1String(nom)] = a;
        e.connexions.push_back(QObject::connect(a, &QAction::toggled, a, [] { MajCurseur(); }));
    }
}

TFormFille* VueActive() {
    const Etat& e = etat();
    return e.vueActive ? e.vueActive() : nullptr;
}

QAction* ActionItem(TItem item) { return Item(Gestes::NomItem(item)); }

bool Coche(TItem item) {
    const QAction* a = ActionItem(item);
    return a && a->isChecked();
}

void Desarme(TItem item) {
    QAction* a = ActionItem(item);
    if (!a || !a->isChecked()) return;
    if (a->isEnabled())
        a->trigger();  // its own command turns it off
    else
        a->setChecked(false);
}

// ---- Views' commands --------------------------------------------------------------------------------

bool CommandeDisponible(TCommandeVue c) {
    switch (c) {
        case TCommandeVue::Ajuster:
        case TCommandeVue::Centrer:
        case TCommandeVue::ZoomPlus:
        case TCommandeVue::ZoomMoins: return true;
        case TCommandeVue::Zoom: return Item("MeZoom") != nullptr;
        case TCommandeVue::Deplacer: return Item("MeDeplacerVue") != nullptr;
        default: return false;
    }
}

bool Commande(TCommandeVue c, TFormFille* vue) {
    switch (c) {
        // A view's own pop-up acts on that view only.
        case TCommandeVue::Ajuster: Ajuster(vue); return true;
        case TCommandeVue::Centrer: Centrer(vue); return true;
        case TCommandeVue::ZoomPlus: PasZoom(vue, true); return true;
        case TCommandeVue::ZoomMoins: PasZoom(vue, false); return true;
        case TCommandeVue::Zoom:
            if (QAction* a = Item("MeZoom")) a->trigger();
            return true;
        case TCommandeVue::Deplacer:
            if (QAction* a = Item("MeDeplacerVue")) a->trigger();
            return true;
        default: return false;
    }
}

// ---- Zoom and pan -----------------------------------------------------------------------------------------

void PasZoom(TFormFille* v, bool agrandir) {
    DBG_SCOPE("TMainForm.MeAgrandirClick");
    Document* doc = DocDe(v);
    if (!doc) return;
    SauvePrec(v);
    const Ui::KeyState k = Ui::ui().keyState();
    if (agrandir)
        Zoom::AgrandireVue(v->Vue(), v->width(), v->height(), doc->Options.ZoomMax, k);
    else
        Zoom::ReduireVue(v->Vue(), v->width(), v->height(), k);
    MajControle(v);
    LacheZoom();
    Redessine(v);
}

void DeplaceVue(TFormFille* v, int dx, int dy) {
    if (!v) return;
    Zoom::Pan(v->Vue(), dx, dy);
    Redessine(v);
    MajControle(v);
}

void Ajuster(TFormFille* v) {
    DBG_SCOPE("TMainForm.AjusterClick");
    Document* doc = DocDe(v);
    if (!doc) return;
    Zoom::TVuePrec prec{v->PrecOrigX, v->PrecOrigY, v->PrecEchelle};
    if (Zoom::AjusteFenetre(*doc, v->Vue(), prec, v->width(), v->height())) {
        v->PrecOrigX = prec.OrigX;
        v->PrecOrigY = prec.OrigY;
        v->PrecEchelle = prec.Echelle;
    }
    MajControle(v);
    Redessine(v);
}

void Centrer(TFormFille* v) {
    DBG_SCOPE("TMainForm.PmCentrerClick");
    if (!v) return;
    SauvePrec(v);
    Zoom::CentreFenetre(v->Vue(), v->width(), v->height());
    MajControle(v);
    Redessine(v);
}

void MeZoomClick() {
    TFormFille* v = VueActive();
    if (Coche(TItem::MeZoom)) {
        Decoche("MeDeplacerVue");
        if (v) MouseVue::ArmeCroix(*v);  // the cross-hair starts at the next move
    } else {
        Redessine(v);
    }
}

namespace {
std::function<bool(bool)> zoomStudio;
}  // namespace

void ZoomStudio(std::function<bool(bool agrandir)> f) { zoomStudio = std::move(f); }

// The zoom commands act on the studio while it is the active window.
void MeAgrandirClick() {
    if (!zoomStudio || !zoomStudio(true)) PasZoom(VueActive(), true);
}
void MeReduireClick() {
    if (!zoomStudio || !zoomStudio(false)) PasZoom(VueActive(), false);
}

void MeVuePrecedClick() {
    DBG_SCOPE("TMainForm.MeVuePrecedClick");
    TFormFille* v = VueActive();
    if (!v) return;
    Zoom::TVuePrec prec{v->PrecOrigX, v->PrecOrigY, v->PrecEchelle};
    Zoom::EchangePrec(v->Vue(), prec);
    v->PrecOrigX = prec.OrigX;
    v->PrecOrigY = prec.OrigY;
    v->PrecEchelle = prec.Echelle;
    LacheZoom();
    Redessine(v);
    MajControle(v);
}

void MeDeplacerVueClick() {
    if (Coche(TItem::MeDeplacerVue)) Decoche("MeZoom");
}

void MeAjusterClick() { Ajuster(VueActive()); }

void MeSauverLaVueClick() {
    TFormFille* v = VueActive();
    Document* doc = DocDe(v);
    if (!doc || v->Kind() < 0 || v->Kind() > vkPerspective) return;
    Zoom::SauveVue(v->Vue(), doc->VuesSauvees[static_cast<std::size_t>(v->Kind())]);
    doc->MarquerModifie();
}

void MeVuePersonnaliseeClick() {
    TFormFille* v = VueActive();
    Document* doc = DocDe(v);
    if (!doc || v->Kind() < 0 || v->Kind() > vkPerspective) return;
    Zoom::TVuePrec prec{v->PrecOrigX, v->PrecOrigY, v->PrecEchelle};
    if (!Zoom::VuePersonnalisee(v->Vue(), doc->VuesSauvees[static_cast<std::size_t>(v->Kind())], prec)) {
        doc->MarquerModifie();  // the view was saved instead
        return;
    }
    v->PrecOrigX = prec.OrigX;
    v->PrecOrigY = prec.OrigY;
    v->PrecEchelle = prec.Echelle;
    if (v->Kind() == vkPerspective) {
        v->Angle1 = static_cast<int>(std::nearbyint(v->Vue().Azimuth * 180.0 / std::numbers::pi));
        v->Angle2 = static_cast<int>(std::nearbyint(v->Vue().Elevation * 180.0 / std::numbers::pi));
    }
    MajControle(v);
    Redessine(v);
}
void MeRecentrerClick() { Centrer(VueActive()); }

// ---- Selection, weld, group ------------------------------------------------------------------------------

void MeSouderPCClick() {
    TFormFille* v = VueActive();
    Document* doc = DocDe(v);
    if (!doc) return;
    // A refused weld changes nothing: the document stays as saved.
    if (Selection::SouderPC(*doc, v->Selection)) {
        doc->MarquerModifie();
        Redessine(v);
    }
}

void MeDessouderPCClick() {
    TFormFille* v = VueActive();
    Document* doc = DocDe(v);
    if (!doc) return;
    if (Selection::DessouderPC(*doc, v->Selection) > 0) doc->MarquerModifie();
    Redessine(v);
}

void MeGrouperPCClick(bool enEspace) {
    TFormFille* v = VueActive();
    Document* doc = DocDe(v);
    if (!doc) return;
    if (Selection::GrouperPC(*doc, v->Selection, v->Kind(), enEspace)) doc->MarquerModifie();
    Redessine(v);
}

void MeAlignePCClick(bool enEspace) {
    TFormFille* v = VueActive();
    Document* doc = DocDe(v);
    if (!doc) {
        Ui::ui().showMessage("Fenetre fille non declaree");
        return;
    }
    const bool fait = enEspace ? ObjCom::AligneDanslEspace(*doc, v->Selection)
                               : ObjCom::AligneDansLePlan(*doc, v->Selection, v->Kind(), v->Vue().Azimuth,
                                                          v->Vue().Elevation);
    if (fait) {
        ObjCom::MajSurface(*doc, false, -1);
        ObjCom::MajCoupesSurface(*doc);
        ObjCom::MajMinMaxAllNet(*doc, false);
    }
    Redessine(v);
}

void MeSelectAllControlesClick() {
    TFormFille* v = VueActive();
    Document* doc = DocDe(v);
    if (!doc) return;
    Selection::SelectAllPoints(*doc, v->TabCoor(), v->Selection);
    Redessine(v);
}

void RevalideSelections() {
    for (TFormFille* v : LesVues())
        if (Document* doc = DocDe(v)) Selection::Revalide(*doc, v->TabCoor(), v->Selection);
}

TBranchements& Branchements() {
    static TBranchements b;
    return b;
}

}  // namespace MouseCommandes
