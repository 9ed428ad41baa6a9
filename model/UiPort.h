// The core's one road to the user interface.
//
// The core never includes Qt. What it needs of the interface (status-bar texts,
// the progress bar, messages and questions, the hourglass, a redraw, the
// keyboard state, letting the event loop run) goes through this interface. The
// application installs its implementation; tests install a recording fake. With
// nothing installed every call is silent and questions get their default answer.
#pragma once

#include <string>
#include <string_view>

namespace Ui {

// Kinds of the program's message box and its buttons and results.
enum class MsgType { Warning = 0, Error = 1, Information = 2, Confirmation = 3, Custom = 4 };

enum MsgButton : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
    mbAll = 1u << 7,
    mbNoToAll = 1u << 8,
    mbYesToAll = 1u << 9,
    mbHelp = 1u << 10,
};

enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

struct KeyState {
    bool ctrl = false, shift = false, alt = false;
};

class IUserInterface {
public:
    virtual ~IUserInterface() = default;
    // Status bar panel 0..4.
    virtual void writeStatusBar(int /*panel*/, std::string_view /*text*/) {}
    // Progress bar inside the status bar.
    virtual void progressShow() {}
    virtual void progressSet(int /*done*/, int /*total*/) {}
    virtual void progressHide() {}
    // The toolkit's plain message box ("Cas impossible" ...).
    virtual void showMessage(std::string_view /*text*/) {}
    // The program's message box: returns a ModalResult.
    virtual int msgDlg(std::string_view /*text*/, MsgType /*type*/, unsigned buttons) {
        if (buttons & mbOK) return mrOk;
        if (buttons & mbYes) return mrYes;
        return mrCancel;
    }
    virtual void setHourglass(bool /*on*/) {}
    // The document changed (title, saved flag).
    virtual void markModified() {}
    // Views should redraw (all = every open view and the studio).
    virtual void requestRedraw(bool /*all*/) {}
    virtual KeyState keyState() { return {}; }
    // Let the event loop run once (long computations).
    virtual void processEvents() {}
};

IUserInterface& ui();
// Installs an implementation (not owned); nullptr restores the silent one.
void setUi(IUserInterface* impl);

// Installs an implementation for the life of the guard.
class ScopedUi {
public:
    explicit ScopedUi(IUserInterface* impl);
    ~ScopedUi();
    ScopedUi(const ScopedUi&) = delete;
    ScopedUi& operator=(const ScopedUi&) = delete;

private:
    IUserInterface* previous_;
};

IUserInterface* current();

}  // namespace Ui
