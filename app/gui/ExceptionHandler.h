// The program's last line of defence: no exception may leave an event
// handler and cross the event loop. The application object routes every
// event through Guard; an exception that reaches it is handled here: drawing
// is switched off while the handler runs, the document is saved to
// "recovery.cse", the error goes to the debug report and as one line at the
// head of "Error.log", the trace is cleared, and the program goes on. When
// memory ran out, a reserve is given back before anything else and the user
// is told once.
#pragma once

#include <QApplication>

#include <exception>
#include <functional>
#include <new>
#include <string>

namespace ExceptionHandler {

// What the handler needs of the rest of the program. Each hook may be empty.
struct Hooks {
    // Writes the whole document as "recovery.cse" and returns the path
    // written (the user's data folder when the current folder refuses it);
    // throws when it cannot.
    std::function<std::string()> recoverySave;
    // Reads and sets the drawing switch.
    std::function<bool()> drawingOn;
    std::function<void(bool)> setDrawing;
    // The toolkit's plain message box (a failing step shows the message).
    std::function<void(const std::string&)> plainMessage;
    // Where the journal goes; empty: Debug::JournalPath().
    std::string journalPath;
};

void SetHooks(Hooks hooks);
Hooks& hooks();

// Handles one error that nobody caught (the exception's message).
// `manqueMemoire`: memory ran out; the user is told so, every time.
void Handle(const std::string& message, bool manqueMemoire = false);

// A reserve of memory held while the program runs and given back first when
// memory runs out, so that the recovery save and the message still can be
// made. PrendReserve takes it (again); false when memory is still short.
bool PrendReserve();
void LibereReserve();

// The message of the exception being handled (inside a catch block).
std::string MessageCourant();

// Runs f; an exception it lets out is handled and `fallback` returned.
template <class F>
auto Guard(F&& f, decltype(f()) fallback) noexcept -> decltype(f()) {
    try {
        return f();
    } catch (const std::bad_alloc&) {
        LibereReserve();
        try {
            Handle(MessageCourant(), true);
        } catch (...) {
        }
    } catch (...) {
        try {
            Handle(MessageCourant());
        } catch (...) {
            // The handler guards each of its steps; nothing more can be done.
        }
    }
    return fallback;
}

}  // namespace ExceptionHandler

// The application object: every event is delivered under the guard.
class CorvaneApplication : public QApplication {
    Q_OBJECT
public:
    CorvaneApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
