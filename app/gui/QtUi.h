// The core's user interface on Qt: status-bar panels and the progress bar of
// the main window, the plain and the program's message boxes, the hourglass,
// the modified mark, redraw requests, the keyboard state and the event loop.
#pragma once

#include "model/UiPort.h"

class QtUi : public Ui::IUserInterface {
public:
    QtUi() = default;

    void writeStatusBar(int panel, std::string_view text) override;
    void progressShow() override;
    void progressSet(int done, int total) override;
    void progressHide() override;
    void showMessage(std::string_view text) override;
    int msgDlg(std::string_view text, Ui::MsgType type, unsigned buttons) override;
    void setHourglass(bool on) override;
    void markModified() override;
    void requestRedraw(bool all) override;
    Ui::KeyState keyState() override;
    void processEvents() override;

    // Messages go to the error output instead of a box (runs without a user).
    static bool SansUtilisateur();

private:
    bool hourglass_ = false;
};
