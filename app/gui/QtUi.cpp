#include "app/gui/QtUi.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QProgressBar>
#include <QStatusBar>

#include <cstdio>
#include <cstdlib>

#include "app/gui/MainForm.h"
#include "app/gui/MsgDlg.h"

namespace {
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
}  // namespace

bool QtUi::SansUtilisateur() {
    const char* v = std::getenv("CORVANE_SHAPER_UNATTENDED");
    return v && *v && *v != '0';
}

void QtUi::writeStatusBar(int panel, std::string_view text) {
    if (TMainForm* f = MainForm()) f->WriteStatusBar(panel, Q(text));
}

void QtUi::progressShow() {
    if (TMainForm* f = MainForm()) {
        f->BarreProgression()->setValue(0);
        f->BarreProgression()->show();
        f->BarreProgression()->repaint();
    }
}

void QtUi::progressSet(int done, int total) {
    if (TMainForm* f = MainForm()) {
        const int v = total > 0 ? static_cast<int>(100.0 * done / total) : 0;
        f->BarreProgression()->setValue(v < 0 ? 0 : (v > 100 ? 100 : v));
        f->BarreProgression()->repaint();
    }
}

void QtUi::progressHide() {
    if (TMainForm* f = MainForm()) f->BarreProgression()->hide();
}

void QtUi::showMessage(std::string_view text) {
    if (SansUtilisateur()) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
        return;
    }
    csMessage::ShowMessage(Q(text), MainForm());
}

int QtUi::msgDlg(std::string_view text, Ui::MsgType type, unsigned buttons) {
    if (SansUtilisateur()) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
        return IUserInterface::msgDlg(text, type, buttons);
    }
    return csMessage::MsgDlg(Q(text), type, buttons, MainForm());
}

void QtUi::setHourglass(bool on) {
    // Not nested: on, then off, whatever the count. The exception handler
    // may have taken the cursor back in between.
    if (on) {
        if (hourglass_ && QGuiApplication::overrideCursor()) return;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        hourglass_ = true;
    } else {
        if (!hourglass_) return;
        hourglass_ = false;
        if (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    }
}

void QtUi::markModified() {
    if (TMainForm* f = MainForm()) {
        f->MajTitre();
        f->MajMenusAnnuler();
    }
}

void QtUi::requestRedraw(bool all) {
    if (TMainForm* f = MainForm()) f->Redessine(all);
}

Ui::KeyState QtUi::keyState() {
    const Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers();
    Ui::KeyState k;
    k.ctrl = m.testFlag(Qt::ControlModifier);
    k.shift = m.testFlag(Qt::ShiftModifier);
    k.alt = m.testFlag(Qt::AltModifier);
    return k;
}

void QtUi::processEvents() { QCoreApplication::processEvents(); }
