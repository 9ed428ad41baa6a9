#include "app/gui/ExceptionHandler.h"

#include <QCursor>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <stdexcept>

#include "base/Debug.h"
#include "base/Langue.h"

namespace ExceptionHandler {

namespace {
Hooks g_hooks;
// Enough for the recovery save, the journal line and one message box.
constexpr std::size_t kReserve = 16u << 20;
char* g_reserve = nullptr;
}  // namespace

bool PrendReserve() {
    if (g_reserve) return true;
    g_reserve = new (std::nothrow) char[kReserve];
    // Touched, so that the pages are really held.
    if (g_reserve) std::memset(g_reserve, 1, kReserve);
    return g_reserve != nullptr;
}

void LibereReserve() {
    delete[] g_reserve;
    g_reserve = nullptr;
}

void SetHooks(Hooks h) { g_hooks = std::move(h); }
Hooks& hooks() { return g_hooks; }

std::string MessageCourant() {
    try {
        throw;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Exception inconnue";
    }
}

namespace {

void Plain(const std::string& text) {
    if (g_hooks.plainMessage) {
        try {
            g_hooks.plainMessage(text);
            return;
        } catch (...) {
        }
    }
    std::fprintf(stderr, "Corvane Shaper: %s\n", text.c_str());
}

// Puts the drawing switch back when the handler ends, however it ends.
struct DrawingOff {
    bool was = false;
    DrawingOff() {
        try {
            if (g_hooks.drawingOn) was = g_hooks.drawingOn();
            if (g_hooks.setDrawing) g_hooks.setDrawing(false);
        } catch (...) {
        }
    }
    ~DrawingOff() {
        try {
            if (g_hooks.setDrawing) g_hooks.setDrawing(was);
        } catch (...) {
        }
    }
};

}  // namespace

void Handle(const std::string& message, bool manqueMemoire) {
    Debug::State& st = Debug::state();
    if (st.inHandler) {
        // An error while the handler itself runs (inside a message box it
        // shows): keep the first handling going and only say so.
        std::fprintf(stderr, "Corvane Shaper: %s\n", message.c_str());
        return;
    }
    // 1. In the handler; the cursor back to the default; no drawing.
    st.inHandler = true;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    DrawingOff off;

    // The journal line is taken before anything else enters the trace.
    std::string line;
    try {
        line = Debug::JournalLine(message, Debug::NowText());
    } catch (...) {
    }
    const std::string newest = Debug::NewestTag();

    // 2. The recovery save. Where it had to go elsewhere than the current
    // folder, the user is told where it is; when memory ran out, the user is
    // told that too, each time (each handling is one failed command).
    const bool dire = manqueMemoire;
    try {
        if (!g_hooks.recoverySave) throw std::runtime_error("no document writer");
        const std::filesystem::path ou = g_hooks.recoverySave();
        std::error_code ec;
        const std::filesystem::path dossier = std::filesystem::absolute(ou, ec).parent_path();
        if (dire)
            Plain(Langue::Txt("rsMemoireInsuffisante") + "\nrecovery.cse enregistré dans " + dossier.string());
        else if (!ou.empty() && !std::filesystem::equivalent(dossier, std::filesystem::current_path(ec), ec))
            Plain(message + "\nrecovery.cse enregistré dans " + dossier.string());
    } catch (...) {
        if (dire) Plain(Langue::Txt("rsMemoireInsuffisante"));
        try {
            Debug::DbgMsgStr(Debug::erDivers, "TMainForm.ExceptionHandler", 0, {"Error writing recovery.cse"});
        } catch (...) {
        }
    }

    // 3. The debug report.
    try {
        Debug::DbgMsgStr(Debug::erDivers, "TMainForm.ExceptionHandler", 2, {newest, message});
    } catch (...) {
        Plain(message);
    }

    // 4. The journal: one line at the head of "Error.log".
    try {
        const std::string path = g_hooks.journalPath.empty() ? Debug::JournalPath() : g_hooks.journalPath;
        std::string reason;
        if (line.empty() || !Debug::PrependJournal(path, line, &reason)) Plain(message);
    } catch (...) {
        Plain(message);
    }

    // 5. The trace starts again from nothing; the reserve is taken again
    // while memory allows.
    Debug::DbgLeave();
    Debug::DbgReset();
    if (manqueMemoire) PrendReserve();
    st.inHandler = false;
}

}  // namespace ExceptionHandler

CorvaneApplication::CorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool CorvaneApplication::notify(QObject* receiver, QEvent* event) {
    return ExceptionHandler::Guard([&] { return QApplication::notify(receiver, event); }, false);
}
