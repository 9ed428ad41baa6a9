#include "views/gui/Curseurs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

#include "views/gui/FormFille.h"
#include "views/gui/Vues.h"

namespace Curseurs {

namespace {

constexpr int kTaille = 32;
constexpr int kC = 15;  // centre of the cross-hair, the hot spot

// Draws a figure black on a white halo: stroked lines, and filled where `plein`.
void Trace(QPainter& p, const QPainterPath& chemin, bool plein = false) {
    p.setBrush(plein ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.drawPath(chemin);
    p.setBrush(plein ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.drawPath(chemin);
}

// The cross-hair, open at its centre so the point aimed at stays visible.
QPainterPath Croix() {
    QPainterPath c;
    for (const int s : {-1, 1}) {
        c.moveTo(kC + s * 3, kC);
        c.lineTo(kC + s * 10, kC);
        c.moveTo(kC, kC + s * 3);
        c.lineTo(kC, kC + s * 10);
    }
    return c;
}

// A small sign in the lower right corner, clear of the cross-hair.
QPainterPath Signe(std::string_view nom) {
    QPainterPath s;
    if (nom == "crAjout") {
        s.moveTo(22, 26); s.lineTo(30, 26);
        s.moveTo(26, 22); s.lineTo(26, 30);
    } else if (nom == "crSuppr") {
        s.moveTo(22, 26); s.lineTo(30, 26);
    }
    return s;
}

QPainterPath Fleches() {
    QPainterPath f;
    f.moveTo(kC - 11, kC); f.lineTo(kC + 11, kC);
    f.moveTo(kC, kC - 11); f.lineTo(kC, kC + 11);
    return f;
}

// The four arrow heads, each a triangle of its own.
std::array<QPainterPath, 4> PointesFleches() {
    std::array<QPainterPath, 4> f;
    int k = 0;
    for (const int s : {-1, 1}) {
        f[k++].addPolygon(QPolygonF({QPointF(kC + s * 12, kC), QPointF(kC + s * 8, kC - 4), QPointF(kC + s * 8, kC + 4),
                                     QPointF(kC + s * 12, kC)}));
        f[k++].addPolygon(QPolygonF({QPointF(kC, kC + s * 12), QPointF(kC - 4, kC + s * 8), QPointF(kC + 4, kC + s * 8),
                                     QPointF(kC, kC + s * 12)}));
    }
    return f;
}

QPainterPath Drapeau() {
    QPainterPath d;
    d.moveTo(22, 31); d.lineTo(22, 21); d.lineTo(29, 24); d.lineTo(22, 27);
    return d;
}

QPainterPath Poids() {
    QPainterPath w;
    w.addEllipse(QRectF(24.5, 21.5, 3, 3));
    w.addPolygon(QPolygonF({QPointF(23, 25), QPointF(29, 25), QPointF(30, 30), QPointF(22, 30), QPointF(23, 25)}));
    return w;
}

}  // namespace

QCursor Curseur(std::string_view nom) {
    const bool croix = nom == kRepos || nom == "crAjout" || nom == "crSuppr" || nom == "crRep" || nom == "crPoids";
    if (!croix && nom != "crDepl") return QCursor(Qt::ArrowCursor);
    QPixmap pm(kTaille, kTaille);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        if (croix) Trace(p, Croix());
        if (nom == "crAjout" || nom == "crSuppr") Trace(p, Signe(nom));
        if (nom == "crRep") Trace(p, Drapeau(), true);
        if (nom == "crPoids") Trace(p, Poids(), true);
        if (nom == "crDepl") {
            Trace(p, Fleches());
            for (const QPainterPath& pointe : PointesFleches()) Trace(p, pointe, true);
        }
    }
    return QCursor(pm, kC, kC);
}

void PoseSurVues(std::string_view nom) {
    const QCursor c = Curseur(nom);
    for (TFormFille* v : Vues::Fenetres().Toutes())
        if (v) v->setCursor(c);
}

}  // namespace Curseurs
