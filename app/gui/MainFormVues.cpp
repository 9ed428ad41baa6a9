// The views in the main window: the "Fenêtres" menu (tiling, cascade, each
// view maximised), the placement of the windows kept in the settings, the
// declaration and activation of the views and their stored settings.
#include "app/gui/MainForm.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

#include "app/gui/MainFormInterne.h"
#include "base/Debug.h"
#include "model/UiPort.h"
#include "studio/gui/StudioForm.h"
#include "views/Selection.h"
#include "views/gui/FormFille.h"
#include "views/gui/MouseCommandes.h"

using namespace MainFormInterne;

// The "Fenêtres" menu: the view windows, the tiling, the cascade.
void TMainForm::BrancheVues() {
    Connecte(this, "MeCascade", [this] { Cascade(); });
    // The visible windows one above the other (horizontal tiles) or side by
    // side, each the full size the other way. Only the windows move: each
    // view keeps its scale, its origin follows its new size.
    auto mosaique = [this](bool horizontal) {
        MontreVues();
        const auto subs = mdi_->subWindowList();
        int n = 0;
        for (QMdiSubWindow* sw : subs) n += sw->isVisible() && !sw->isMinimized();
        if (n == 0) return;
        const QSize v = mdi_->viewport()->size();
        const int pas = (horizontal ? v.height() : v.width()) / n;
        int k = 0;
        for (QMdiSubWindow* sw : subs)
            if (sw->isVisible() && !sw->isMinimized()) {
                sw->showNormal();
                sw->setGeometry(horizontal ? QRect(0, k * pas, v.width(), pas) : QRect(k * pas, 0, pas, v.height()));
                ++k;
            }
    };
    Connecte(this, "MeMosaiqueHoriz", [mosaique] { mosaique(true); });
    Connecte(this, "MeMozaiqueVert", [mosaique] { mosaique(false); });
    Connecte(this, "MeReorganiser", [this] {
        // The minimized windows in a row along the bottom.
        int x = 0;
        for (QMdiSubWindow* sw : mdi_->subWindowList())
            if (sw->isMinimized()) {
                sw->move(x, mdi_->viewport()->height() - sw->height());
                x += sw->width();
            }
    });
    const struct {
        const char* nom;
        int kind;
    } fenetres[] = {{"MeSectionsFen", 0}, {"MePlanFen", 1}, {"MeProfileFen", 2}, {"MePerspectiveFen", 3}};
    for (const auto& f : fenetres) {
        const int kind = f.kind;
        Connecte(this, f.nom, [this, kind] {
            QWidget* vue = FenetreVueParIndex(kind);
            if (!vue) return;
            QWidget* cadre = vue;
            for (QWidget* p = vue; p; p = p->parentWidget())
                if (qobject_cast<QMdiSubWindow*>(p)) {
                    cadre = p;
                    break;
                }
            cadre->showMaximized();
            if (auto* sw = qobject_cast<QMdiSubWindow*>(cadre)) mdi_->setActiveSubWindow(sw);
        });
    }
}

void TMainForm::Cascade() {
    // Each child window two thirds of the area, one title bar lower and
    // further right than the one before; the views keep their scales.
    const QSize zone = mdi_->viewport()->size();
    const int pas = std::max(20, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize taille(std::max(200, zone.width() * 2 / 3), std::max(150, zone.height() * 2 / 3));
    int k = 0;
    MontreVues();
    for (QMdiSubWindow* sw : mdi_->subWindowList(QMdiArea::StackingOrder)) {
        if (!sw->isVisible()) continue;
        sw->showNormal();
        sw->setGeometry(k * pas, k * pas, taille.width(), taille.height());
        ++k;
    }
}

void TMainForm::MontreVues() {
    for (TFormFille* v : LesVues())
        if (v)
            if (auto* sw = qobject_cast<QMdiSubWindow*>(v->parentWidget()); sw && sw->isHidden()) sw->show();
}

// ---- Placement of the windows ---------------------------------------------------------

// The windows whose placement is kept, in the order they are restored. A
// window joins by calling EnregistrePlacement with its name when it is made.
const char* const TMainForm::kFenetresPlacees[12] = {
    "MainForm",  "SectionForm", "PlanForm",        "ProfileForm",  "PerspForm",    "StudioForm",
    "VueCtrlForm", "ListeSurfVisiblesForm", "EditPCForm", "BoiteOutilsForm", "CalculatForm", "FenSelForm"};

void TMainForm::EnregistrePlacement(const QString& nom, QWidget* fenetre, bool filleMdi) {
    Placement* place = nullptr;
    for (Placement& p : placements_)
        if (p.nom == nom) place = &p;
    if (!place) {
        placements_.push_back({nom, nullptr, false});
        place = &placements_.back();
    }
    place->fenetre = fenetre;
    place->filleMdi = filleMdi;
    if (filleMdi && fenetre) Settings::SuitBornesNormales(*fenetre);
    // A window made after the start takes the placement read then.
    if (placementsLus_ && fenetre) AppliquePlacementLu(*place);
}

namespace {

// The windows that open and close through a command, which keeps its check
// mark: whether they were open is given back through it.
const char* CommandeDe(const QString& nom) {
    static const std::map<QString, const char*> commandes = {
        {QStringLiteral("VueCtrlForm"), "MeControleVue"},   {QStringLiteral("ListeSurfVisiblesForm"), "MeVisibiliteSurf"},
        {QStringLiteral("EditPCForm"), "MeEditeurPC"},      {QStringLiteral("BoiteOutilsForm"), "MeIcoBoiteOutils"},
        {QStringLiteral("FenSelForm"), "MeFenSel"}};
    const auto c = commandes.find(nom);
    return c == commandes.end() ? nullptr : c->second;
}

}  // namespace

void TMainForm::AppliquePlacementLu(const Placement& p) {
    const auto it = placementsStockes_.find(p.nom);
    if (!p.fenetre || it == placementsStockes_.end()) return;
    Settings::AppliquePlacement(*p.fenetre, it->second, p.fenetre != this && !p.filleMdi && !CommandeDe(p.nom));
}

void TMainForm::LirePlacements(QSettings& s) {
    placementsStockes_.clear();
    for (const char* nom : kFenetresPlacees) {
        try {
            const QString n = QLatin1String(nom);
            QWidget* w = nullptr;
            for (const Placement& p : placements_)
                if (p.nom == n) w = p.fenetre;
            Settings::TPlacement pl = w ? Settings::PlacementDe(*w) : Settings::TPlacement{};
            if (Settings::LirePlacement(s, n, pl)) placementsStockes_[n] = pl;
        } catch (...) {
            // A placement that cannot be read is skipped.
        }
    }
    placementsLus_ = true;
    std::vector<const char*> ouvertes;
    for (const char* nom : kFenetresPlacees) {
        const QString n = QLatin1String(nom);
        const auto p = std::find_if(placements_.begin(), placements_.end(), [&](const Placement& x) { return x.nom == n; });
        if (p != placements_.end() && p->fenetre && p->fenetre != this) AppliquePlacementLu(*p);  // this one took it when made
        const auto lu = placementsStockes_.find(n);
        if (const char* c = CommandeDe(n); c && lu != placementsStockes_.end() && lu->second.Visible) ouvertes.push_back(c);
    }
    // A window that was open is opened by its command (a window made on
    // demand takes its placement then), once the main window is on the
    // screen: the desktop keeps a tool window above a window it knows.
    QTimer::singleShot(0, this, [this, ouvertes] {
        for (const char* c : ouvertes) Clique(c, true);
    });
}

void TMainForm::EcrirePlacements(QSettings& s) {
    // A window not opened in this session keeps the placement it had.
    for (const Placement& p : placements_)
        if (p.fenetre) placementsStockes_[p.nom] = Settings::PlacementDe(*p.fenetre);
    Settings::EffacePlacements(s);
    for (const char* nom : kFenetresPlacees) {
        const auto it = placementsStockes_.find(QLatin1String(nom));
        if (it != placementsStockes_.end()) Settings::EcrirePlacement(s, it->first, it->second);
    }
}

// ---- The views --------------------------------------------------------------------------

namespace {

// The frame's close button closes the window inside it first, which hides
// it: the frame shown again shows it again. Once the frame is hidden, the
// child window left on top is activated (it names itself in status panel
// 0), after the close is over.
class GardienCadre : public QObject {
public:
    GardienCadre(QMdiSubWindow* sw, TMainForm& m) : QObject(sw), m_(m) { sw->installEventFilter(this); }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Show && e->type() != QEvent::Hide) return false;
        // A frame being destroyed is a frame no more (its area tears it
        // down at exit): nothing to show again nor to activate then.
        auto* sw = qobject_cast<QMdiSubWindow*>(o);
        if (!sw) return false;
        if (e->type() == QEvent::Show) {
            if (QWidget* w = sw->widget(); w && w->isHidden()) w->show();
        } else if (e->type() == QEvent::Hide && sw->isHidden() && sw->mdiArea()) {
            QMdiArea* zone = sw->mdiArea();
            QMetaObject::invokeMethod(zone, [zone, &m = m_] {
                if (QMdiSubWindow* a = zone->activeSubWindow(); a && !a->isHidden()) return;
                const auto subs = zone->subWindowList(QMdiArea::StackingOrder);
                for (auto it = subs.rbegin(); it != subs.rend(); ++it)
                    if (!(*it)->isHidden()) {
                        zone->setActiveSubWindow(*it);
                        return;
                    }
                m.WriteStatusBar(0, QString());
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    TMainForm& m_;
};

}  // namespace

void TMainForm::GardeCadre(QMdiSubWindow* sw) {
    sw->setAttribute(Qt::WA_DeleteOnClose, false);
    new GardienCadre(sw, *this);
    // The frame's own close item answers Ctrl+F4 on every desktop. Ctrl+W,
    // which some desktops give it, belongs to "Sélectionner tous": with both,
    // neither would answer the shortcut.
    if (QMenu* menu = sw->systemMenu()) {
        QList<QKeySequence> fermer = QKeySequence::keyBindings(QKeySequence::Close);
        const QKeySequence ctrlF4(Qt::CTRL | Qt::Key_F4);
        fermer << QKeySequence(Qt::CTRL | Qt::Key_W) << ctrlF4;
        for (QAction* a : menu->actions()) {
            const QList<QKeySequence> touches = a->shortcuts();
            if (std::any_of(touches.begin(), touches.end(), [&](const QKeySequence& k) { return fermer.contains(k); }))
                a->setShortcuts({ctrlF4});
        }
    }
}

void TMainForm::AjouteVue(TFormFille* vue) {
    DBG_SCOPE("TMainForm.AjouteVue");
    if (!vue) return;
    QMdiSubWindow* sw = mdi_->addSubWindow(vue);
    // The close button hides a view; its menu item, its button, the cascade
    // and the tiling bring it back.
    GardeCadre(sw);
    static const char* const noms[] = {"SectionForm", "PlanForm", "ProfileForm", "PerspForm"};
    const int kind = vue->Kind();
    if (kind >= 0 && kind < 4) {
        sw->setObjectName(QLatin1String(noms[kind]) + QLatin1String("Cadre"));
        EnregistrePlacement(QLatin1String(noms[kind]), sw, true);
    }
    DeclareVue(kind, vue);
    sw->resize(560, 420);
    sw->show();
    // Once the four views are there, the mouse tools take over their menu items.
    if (!sourisBranchee_ && vues_.size() == 4) {
        bool toutes = true;
        for (const auto& [k, v] : vues_) toutes = toutes && v;
        if (toutes) {
            MouseCommandes::Branche(*this);
            sourisBranchee_ = true;
        }
    }
}

bool TMainForm::CommandeDisponible(TCommandeVue c) const {
    if (sourisBranchee_ && MouseCommandes::CommandeDisponible(c)) return true;
    switch (c) {
        case TCommandeVue::FenSection: return vues_.count(0) != 0;
        case TCommandeVue::FenPlan: return vues_.count(1) != 0;
        case TCommandeVue::FenProfil: return vues_.count(2) != 0;
        case TCommandeVue::FenPersp: return vues_.count(3) != 0;
        case TCommandeVue::ControleVues: return true;
        case TCommandeVue::FenSel:
        case TCommandeVue::EditeurPC: return true;
        case TCommandeVue::FenStudio: {
            const QAction* a = Action(QStringLiteral("MeStudioFen"));
            return a && a->isEnabled();
        }
        default: return false;
    }
}

void TMainForm::Commande(TCommandeVue c, TFormFille* vue) {
    if (sourisBranchee_ && MouseCommandes::Commande(c, vue)) return;
    const char* item = nullptr;
    switch (c) {
        case TCommandeVue::FenSection: item = "MeSectionsFen"; break;
        case TCommandeVue::FenPlan: item = "MePlanFen"; break;
        case TCommandeVue::FenProfil: item = "MeProfileFen"; break;
        case TCommandeVue::FenPersp: item = "MePerspectiveFen"; break;
        case TCommandeVue::ControleVues: item = "MeControleVue"; break;
        case TCommandeVue::FenSel: item = "MeFenSel"; break;
        case TCommandeVue::FenStudio: item = "MeStudioFen"; break;
        case TCommandeVue::EditeurPC: item = "MeEditeurPC"; break;
        default: return;
    }
    if (QAction* a = Action(QLatin1String(item)); a && a->isEnabled()) {
        // A double click ticks the editor's item and shows it, never closes it.
        if (c == TCommandeVue::EditeurPC) a->setChecked(false);
        a->trigger();
    }
}

void TMainForm::DeclareVue(int kind, QWidget* vue) {
    vues_[kind] = vue;
    static const char* const items[] = {"MeSectionsFen", "MePlanFen", "MeProfileFen", "MePerspectiveFen"};
    if (kind >= 0 && kind < 4)
        if (QAction* a = Action(QLatin1String(items[kind]))) a->setEnabled(vue != nullptr);
}

QWidget* TMainForm::FenetreVueParIndex(int index) const {
    if (index < 0 || index > 3) {
        Ui::ui().showMessage("Fenetre fille non declaree");
        return nullptr;
    }
    const auto it = vues_.find(index);
    return it == vues_.end() ? nullptr : it->second.data();
}

void TMainForm::RafraichirStudio(bool init) {
    if (TStudioForm* st = TStudioForm::Instance()) init ? st->InitDraw() : st->Invalidate();
}

void TMainForm::VueActivee(TFormFille* /*vue*/, const TActivationVue& a) {
    numVueActive_ = a.Kind;
    static const char* const items[] = {"MeSectionsFen", "MePlanFen", "MeProfileFen", "MePerspectiveFen"};
    for (int k = 0; k < 4; ++k)
        if (QAction* it = Action(QLatin1String(items[k]))) it->setChecked(k == a.Kind);
    // The two items work once the mouse tools have taken them over.
    if (QAction* aj = Action(QStringLiteral("MeAjouterVx"))) {
        if (!a.CaptionAjouter.empty()) aj->setText(Q(a.CaptionAjouter));
        aj->setEnabled(a.LignesColonnesActives && aj->property("corvaneBranche").toBool());
    }
    if (QAction* su = Action(QStringLiteral("MeSupprimerVx"))) {
        if (!a.CaptionSupprimer.empty()) su->setText(Q(a.CaptionSupprimer));
        su->setEnabled(a.LignesColonnesActives && su->property("corvaneBranche").toBool());
    }
}

void TMainForm::StockeVues() {
    if (TStudioForm* st = TStudioForm::Instance()) st->StockeVue(doc_.StockFen.Vues[TStockFen::Studio]);
    for (TFormFille* v : LesVues()) {
        if (!v || v->Kind() < vkSection || v->Kind() > vkPerspective) continue;
        TStockValues& s = doc_.StockFen.Vues[static_cast<std::size_t>(v->Kind())];
        const TViewRecord& r = v->Vue();
        s.OrigX = r.OriginX;
        s.OrigY = r.OriginY;
        s.Echelle = r.Scale;
        if (v->Kind() == vkPerspective) {
            s.Angle1 = r.Azimuth;
            s.Angle2 = r.Elevation;
            s.Autre = r.Further;
        }
    }
}

void TMainForm::AppliqueVuesStockees() {
    DBG_SCOPE("TMainForm.AppliqueVuesStockees");
    if (TStudioForm* st = TStudioForm::Instance()) st->AppliqueVue(doc_.StockFen.Vues[TStockFen::Studio]);
    for (TFormFille* v : LesVues()) {
        if (!v || v->Kind() < vkSection || v->Kind() > vkPerspective) continue;
        const TStockValues& s = doc_.StockFen.Vues[static_cast<std::size_t>(v->Kind())];
        TViewRecord& r = v->Vue();
        r.OriginX = s.OrigX;
        r.OriginY = s.OrigY;
        // A scale of nothing would put every point on the origin and make picking divide by zero.
        if (s.Echelle > 0.0f && std::isfinite(s.Echelle)) r.Scale = s.Echelle;
        if (v->Kind() == vkPerspective && std::isfinite(s.Angle1) && std::isfinite(s.Angle2)) {
            r.Azimuth = s.Angle1;
            r.Elevation = s.Angle2;
            r.Further = s.Autre;
            v->Angle1 = static_cast<int>(std::nearbyint(s.Angle1 * 180.0 / std::numbers::pi));
            v->Angle2 = static_cast<int>(std::nearbyint(s.Angle2 * 180.0 / std::numbers::pi));
        }
    }
    if (numVueActive_ >= vkSection && numVueActive_ <= vkPerspective)
        if (TFormFille* v = LesVues()[static_cast<std::size_t>(numVueActive_)]) MajControleVue(v);
}

void TMainForm::ReinitialisePointsActifs() {
    DBG_SCOPE("TMainForm.ReinitialisePointsActifs");
    const auto vues = LesVues();
    for (TFormFille* v : vues)
        if (v) Selection::PCNonActif(doc_, v->TabCoor());
    for (TFormFille* v : vues)
        if (v) Selection::UnSelectAllPoints(v->TabCoor(), v->Selection);
    for (TFormFille* v : vues)
        if (v) Selection::PCLnColActif(doc_, v->TabCoor());
}
