// The keyboard filter of the whole application: the page keys zoom the
// active view and the arrows move it, while the main window is active.
#include "app/gui/MainForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSet>

#include <numbers>

#include "app/gui/ExceptionHandler.h"
#include "app/gui/MainFormInterne.h"
#include "base/Debug.h"
#include "studio/gui/StudioForm.h"
#include "studio/gui/StudioMain.h"
#include "views/VueCtrl.h"
#include "views/gui/Affiche.h"
#include "views/gui/FormFille.h"
#include "views/gui/MouseCommandes.h"
#include "views/gui/VueCtrlForm.h"

using namespace MainFormInterne;

bool TMainForm::ClavierPourAutreFenetre() const {
    // An open menu or a modal dialog keeps its keys: the arrows typed in a
    // dialog's field never move the view behind it.
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget()) return true;
    // These windows use the arrows and page keys in their fields, lists and
    // bars; over any other (the tool palette ...) the keys move the view.
    static const QSet<QString> gardent = {
        QStringLiteral("AireForm"),       QStringLiteral("BitMFondForm"),   QStringLiteral("CalculatForm"),
        QStringLiteral("CotesForm"),      QStringLiteral("DefPoidsForm"),   QStringLiteral("DefReperesForm"),
        QStringLiteral("DeplSurfForm"),   QStringLiteral("EditPCForm"),     QStringLiteral("ExportForm"),
        QStringLiteral("FenSelForm"),     QStringLiteral("CouleurForm"),    QStringLiteral("GrilleForm"),
        QStringLiteral("HydrostatForm"),  QStringLiteral("ListeSurfForm"),  QStringLiteral("LstPcForm"),
        QStringLiteral("OptionForm"),     QStringLiteral("PoidsForm"),      QStringLiteral("PropSurfForm"),
        QStringLiteral("PropFichForm"),   QStringLiteral("ReperesForm"),    QStringLiteral("StabForm"),
        QStringLiteral("SelSurfForm"),    QStringLiteral("TabCotesForm"),   QStringLiteral("TransForm"),
        QStringLiteral("VueCtrlForm")};
    const QWidget* w = QApplication::activeWindow();
    return w && w != this && w->isVisible() && gardent.contains(w->objectName());
}

bool TMainForm::ToucheVue(int touche, Qt::KeyboardModifiers m) {
    DBG_SCOPE("TMainForm.AppMessage");
    // The studio takes the arrows while it is the active window, whatever
    // field of its own has the focus.
    TStudioForm* studio = StudioMain::Actif(*this) ? TStudioForm::Instance() : nullptr;
    TFormFille* v = nullptr;
    if (!studio) {
        if (numVueActive_ < vkSection || numVueActive_ > vkPerspective) return false;
        v = LesVues()[static_cast<std::size_t>(numVueActive_)];
        if (!v) return false;
    }
    const bool shift = m.testFlag(Qt::ShiftModifier);
    const int pas = m.testFlag(Qt::ControlModifier) ? 1 : (m.testFlag(Qt::AltModifier) ? 50 : 10);
    int dx = 0, dy = 0;
    switch (touche) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (shift && studio)
                FenetreControleVue()->MajTrackBars(VueCtrl::kStudio);
            else if (shift)
                MajControleVue(v);
            else if (touche == Qt::Key_PageUp)
                MouseCommandes::MeAgrandirClick();
            else
                MouseCommandes::MeReduireClick();
            return true;
        case Qt::Key_Left: dx = -pas; break;
        case Qt::Key_Right: dx = pas; break;
        case Qt::Key_Up: dy = -pas; break;
        case Qt::Key_Down: dy = pas; break;
        default: return false;
    }
    if (studio) {
        studio->Fleche(dx, dy, shift);
    } else if (!shift) {
        MouseCommandes::DeplaceVue(v, dx, dy);
    } else if (v->Kind() == vkPerspective) {
        // Shift turns the perspective by whole degrees.
        constexpr double rad = std::numbers::pi / 180.0;
        v->Angle1 += dx;
        v->Angle2 += dy;
        v->Vue().Azimuth = static_cast<float>(v->Vue().Azimuth + dx * rad);
        v->Vue().Elevation = static_cast<float>(v->Vue().Elevation + dy * rad);
        Affiche::AfficheNet(v);
        MajControleVue(v);
    }
    return true;
}

bool TMainForm::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::KeyPress && objet->isWidgetType()) {
        const auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
                if (isVisible() && !ClavierPourAutreFenetre()) {
                    const int touche = k->key();
                    const Qt::KeyboardModifiers m = k->modifiers();
                    if (ExceptionHandler::Guard([&] { return ToucheVue(touche, m); }, true)) return true;
                }
                break;
            default: break;
        }
    }
    return QMainWindow::eventFilter(objet, e);
}
