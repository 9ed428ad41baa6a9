#include "views/gui/MouseVue.h"

#include <QMouseEvent>

#include "app/gui/ExceptionHandler.h"
#include "base/Debug.h"
#include "model/UiPort.h"
#include "model/Update.h"
#include "views/Gestes.h"
#include "views/gui/Affiche.h"
#include "views/gui/Curseurs.h"
#include "views/gui/FormFille.h"
#include "views/gui/MouseCommandes.h"
#include "views/gui/Vues.h"

namespace MouseVue {

namespace {

using Gestes::TItem;

// What the gestures of one view ask of the program.
class HoteVue final : public IHoteGeste {
public:
    explicit HoteVue(TFormFille& v) : v_(v) {}

    bool Coche(TItem item) const override { return MouseCommandes::Coche(item); }
    void Desarme(TItem item) override { MouseCommandes::Desarme(item); }
    void Redessine() override { Affiche::AfficheNet(&v_); }
    void Dessine(std::uint8_t penMode, const std::function<void(const TViewRecord&)>& f) override {
        v_.Elastique(penMode, f);
    }
    TCouleursDessin Couleurs() const override {
        return v_.Hote() ? v_.Hote()->OptionsDessin().Couleurs : TCouleursDessin{};
    }
    void Coordonnees(TPoint p) override {
        if (v_.Kind() != vkPerspective) Ui::ui().writeStatusBar(2, v_.TexteCoordonnees(QPoint(p.X, p.Y)));
    }
    void EditeurSelPoint() override {
        if (auto& f = MouseCommandes::Branchements().EditeurSelPoint) f();
    }
    void EditeurAffichePoint() override {
        if (auto& f = MouseCommandes::Branchements().EditeurAffichePoint) f();
    }
    void NouveauPoids(TPoint px, TVertex3f p) override {
        if (auto& f = MouseCommandes::Branchements().NouveauPoids) f(v_, px, p);
    }
    void NouveauRepere(TPoint px, TVertex3f p) override {
        if (auto& f = MouseCommandes::Branchements().NouveauRepere) f(v_, px, p);
    }
    void CurseurDefaut() override {
        Curseurs::PoseSurVues(Curseurs::kRepos);
        v_.setCursor(Curseurs::Curseur(Curseurs::kRepos));
    }
    void MajControleVue() override {
        if (v_.Hote()) v_.Hote()->MajControleVue(&v_);
    }
    void MajFenetresPC() override {
        if (v_.Hote()) ObjCom::MajFenetresPC(v_.Hote()->Doc());
    }
    std::vector<EditNet::TVueSel> Vues() override {
        std::vector<EditNet::TVueSel> r;
        bool dedans = false;
        for (TFormFille* v : Vues::Fenetres().Toutes()) {
            if (!v) continue;
            dedans = dedans || v == &v_;
            r.push_back({&v->Selection, &v->TabCoor(), &v->Vue()});
        }
        if (!dedans) r.push_back({&v_.Selection, &v_.TabCoor(), &v_.Vue()});
        return r;
    }

private:
    TFormFille& v_;
};

int Bouton(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton: return Gestes::btGauche;
        case Qt::RightButton: return Gestes::btDroit;
        default: return Gestes::btMilieu;
    }
}

Ui::KeyState Touches(Qt::KeyboardModifiers m) {
    Ui::KeyState k;
    k.ctrl = m.testFlag(Qt::ControlModifier);
    k.shift = m.testFlag(Qt::ShiftModifier);
    k.alt = m.testFlag(Qt::AltModifier);
    return k;
}

inline TPoint Pixel(const QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    return {p.x(), p.y()};
}

// Runs one gesture step on the view's state; no exception leaves it.
template <class F>
void Geste(TFormFille& v, F&& f) {
    if (!v.Hote()) return;
    try {
        HoteVue hote(v);
        TVueEdit e{v.Vue(),      v.TabCoor(),  v.Selection, v.Geste, v.PrecOrigX,
                   v.PrecOrigY, v.PrecEchelle, v.width(),   v.height()};
        Gestes::TGestes g(v.Hote()->Doc(), e, hote);
        f(g);
    } catch (...) {
        ExceptionHandler::Handle(ExceptionHandler::MessageCourant());
    }
}

}  // namespace

void Down(TFormFille& vue, QMouseEvent* e) {
    const int b = Bouton(e->button());
    const Ui::KeyState k = Touches(e->modifiers());
    const TPoint p = Pixel(e);
    Geste(vue, [&](Gestes::TGestes& g) { g.MouseDown(b, k, p); });
}

void Move(TFormFille& vue, QMouseEvent* e) {
    const Ui::KeyState k = Touches(e->modifiers());
    const TPoint p = Pixel(e);
    // A release the view never received (a message box opened during the
    // gesture, or the pop-up menu of the right button, took it): the gesture
    // ends here instead of going on with no button held.
    if (vue.Geste.BoutonBas) {
        const int b = vue.Geste.Bouton;
        const Qt::MouseButton qb = b == Gestes::btGauche ? Qt::LeftButton
                                   : b == Gestes::btDroit ? Qt::RightButton
                                                          : Qt::MiddleButton;
        if (!(e->buttons() & qb)) Geste(vue, [&](Gestes::TGestes& g) { g.MouseUp(b, k, p); });
    }
    Geste(vue, [&](Gestes::TGestes& g) { g.MouseMove(k, p); });
}

void Up(TFormFille& vue, QMouseEvent* e) {
    const int b = Bouton(e->button());
    const Ui::KeyState k = Touches(e->modifiers());
    const TPoint p = Pixel(e);
    Geste(vue, [&](Gestes::TGestes& g) { g.MouseUp(b, k, p); });
    // The gesture is over: the other views catch up with what it changed
    // (during the drag only the active one followed, unless "MultiFen").
    if (vue.Hote() && !vue.Hote()->Doc().Options.MultiFen)
        for (TFormFille* autre : Vues::Fenetres().Toutes())
            if (autre && autre != &vue && autre->isVisible() && !autre->EstMinimise()) autre->Redessine();
}

void ArmeCroix(TFormFille& vue) { vue.Geste.PremierMouvement = true; }

}  // namespace MouseVue
