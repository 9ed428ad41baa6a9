#include "app/gui/FenetresFlottantes.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <map>
#include <set>

namespace FenetresFlottantes {

namespace {

// Where a window was when it was last closed: its frame's position and its
// inside size, and its geometry as Qt gave it then.
struct Fermee {
    QRect cadre;
    QRect geometrie;
};
// Room for the title bar's icon and buttons beside the title.
constexpr int kBoutonsTitre = 120;

QSize Plus(const QSize& s, const QMargins& m) { return {s.width() + m.left() + m.right(), s.height() + m.top() + m.bottom()}; }

class Gardien : public QObject {
public:
    Gardien(QWidget& principale, QWidget& zoneLibre)
        : QObject(&principale), principale_(&principale), zoneLibre_(&zoneLibre) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if ((e->type() == QEvent::Show || e->type() == QEvent::Hide) && !e->spontaneous() && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            const Qt::WindowType type = w->windowType();
            if (w->isWindow() && w != principale_ && (type == Qt::Dialog || type == Qt::Tool)) {
                if (e->type() == QEvent::Hide) {
                    const QString cle = Cle(*w);
                    // An unnamed window is forgotten with it: the next one of its kind opens afresh.
                    if (w->objectName().isEmpty() && suivies_.insert(w).second)
                        connect(w, &QObject::destroyed, this, [this, w, cle] {
                            suivies_.erase(w);
                            fermees_.erase(cle);
                        });
                    fermees_[cle] = {QRect(CoinCadre(*w, Marges(*w)), w->size()), w->geometry()};
                } else {
                    Ouvre(*w);
                }
            }
        }
        return QObject::eventFilter(o, e);
    }

private:
    // A window is known by its name: a dialog made anew for each use comes
    // back where the one before was closed. One without a name is known by its class.
    static QString Cle(const QWidget& w) {
        return w.objectName().isEmpty() ? QLatin1String(w.metaObject()->className()) : w.objectName();
    }

    QMargins Marges(const QWidget& w) const { return FenetresFlottantes::Marges(w, principale_); }

    // Where the frame's top left corner is (see PlaceCadre).
    static QPoint CoinCadre(const QWidget& w, const QMargins& m) {
        const bool compteCadre = !w.testAttribute(Qt::WA_WState_Created) || w.geometry().topLeft() != w.pos();
        return compteCadre ? w.pos() : w.pos() - QPoint(m.left(), m.top());
    }

    bool OutilDeLaFenetrePrincipale(const QWidget& w) const {
        return w.windowType() == Qt::Tool && !w.isModal() && w.parentWidget() && w.parentWidget()->window() == principale_;
    }

    void Ouvre(QWidget& w) {
        const QMargins m = Marges(w);
        const auto f = fermees_.find(Cle(w));
        if (f != fermees_.end() && (!w.testAttribute(Qt::WA_Moved) || f->second.geometrie == w.geometry())) {
            // Back where it was closed (unless the program placed it since).
            w.resize(f->second.cadre.size());
            PlaceCadre(w, f->second.cadre.topLeft(), m);
        } else if (OutilDeLaFenetrePrincipale(w) && !w.testAttribute(Qt::WA_Moved) && zoneLibre_) {
            std::vector<QRect> occupees;
            for (QWidget* autre : QApplication::topLevelWidgets())
                if (autre != &w && autre->isVisible() && OutilDeLaFenetrePrincipale(*autre))
                    occupees.push_back(QRect(CoinCadre(*autre, m), Plus(autre->size(), m)));
            const QRect zone(zoneLibre_->mapToGlobal(QPoint(0, 0)), zoneLibre_->size());
            PlaceCadre(w, PlaceOutil(zone, Plus(w.size(), m), occupees), m);
        }
        const int titre = QFontMetrics(w.font()).horizontalAdvance(w.windowTitle()) + kBoutonsTitre;
        if (w.width() < titre && w.maximumWidth() >= titre) w.resize(titre, w.height());
        // Not placed: a dialog centres itself on its parent, on the screen.
        if (qobject_cast<QDialog*>(&w) && !w.testAttribute(Qt::WA_Moved)) return;
        const QScreen* ecran = principale_ && principale_->screen() ? principale_->screen() : w.screen();
        if (!ecran) return;
        const QRect cadre(CoinCadre(w, m), Plus(w.size(), m));
        const QRect dedans = DansEcran(cadre, ecran->availableGeometry());
        if (dedans == cadre) return;
        if (dedans.size() != cadre.size())
            w.resize(std::max(w.minimumWidth(), dedans.width() - m.left() - m.right()),
                     std::max(w.minimumHeight(), dedans.height() - m.top() - m.bottom()));
        PlaceCadre(w, dedans.topLeft(), m);
    }

    QPointer<QWidget> principale_;
    QPointer<QWidget> zoneLibre_;
    std::map<QString, Fermee> fermees_;
    std::set<const QObject*> suivies_;  // the unnamed windows to forget when they go
};

}  // namespace

QMargins Marges(const QWidget& w, const QWidget* principale) {
    QMargins m = w.windowHandle() ? w.windowHandle()->frameMargins() : QMargins();
    if (m.isNull() && principale && principale->windowHandle()) m = principale->windowHandle()->frameMargins();
    return m;
}

void PlaceCadre(QWidget& w, const QPoint& coin, const QMargins& estimation) {
    // Qt counts a window's position from its frame when the window is not
    // made yet or once it knows the frame; in between (made, not yet on the
    // screen) from its inside, whose place is then estimated.
    const bool compteCadre = !w.testAttribute(Qt::WA_WState_Created) || w.geometry().topLeft() != w.pos();
    w.move(compteCadre ? coin : coin + QPoint(estimation.left(), estimation.top()));
}

QRect DansEcran(const QRect& cadre, const QRect& ecran) {
    QRect r(cadre.topLeft(), cadre.size().boundedTo(ecran.size()));
    if (r.right() > ecran.right()) r.moveRight(ecran.right());
    if (r.bottom() > ecran.bottom()) r.moveBottom(ecran.bottom());
    if (r.left() < ecran.left()) r.moveLeft(ecran.left());
    if (r.top() < ecran.top()) r.moveTop(ecran.top());
    return r;
}

QPoint PlaceOutil(const QRect& zone, const QSize& cadre, const std::vector<QRect>& occupees) {
    constexpr int kMarge = 4;
    constexpr int kPasBas = 30;
    for (int rang = 0; rang < 10; ++rang) {
        QRect r(QPoint(zone.right() + 1 - kMarge - cadre.width(), zone.top() + kMarge + rang * kPasBas), cadre);
        while (r.left() >= zone.left()) {
            const auto gene = std::find_if(occupees.begin(), occupees.end(), [&](const QRect& o) { return o.intersects(r); });
            if (gene == occupees.end()) return r.topLeft();
            r.moveRight(gene->left() - 1);
        }
    }
    return {zone.right() + 1 - kMarge - cadre.width(), zone.top() + kMarge};
}

void Installe(QWidget& principale, QWidget& zoneLibre) {
    qApp->installEventFilter(new Gardien(principale, zoneLibre));
}

}  // namespace FenetresFlottantes
