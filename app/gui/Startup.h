// The program's start: one running instance per user, the decimal point
// forced to ".", the splash while every window is created in its fixed
// order, then the event loop.
#pragma once

#include <QString>

#include <functional>
#include <vector>

class QLockFile;
class TMainForm;

namespace Startup {

// Runs the program; returns its exit code.
int Execute(int argc, char** argv);
// The application's name and icon as the desktop shows them.
void PrepareApplication();

// The lock file that admits one instance: in the user's runtime folder.
QString CheminVerrou();
// Takes the lock; false when a running instance holds it. A lock left by an
// instance that no longer runs (a crash) is taken over. When the lock cannot
// be made at all (no writable runtime folder) the program runs anyway.
bool PremiereInstance(QLockFile& verrou);

// Connects the main window's file commands to the document reader and
// writer (app/doc/GestFich.h) and the reader's window hooks it needs.
void InstalleDocIo();

// The exception handler works on this main window's document: the recovery
// save writes it, drawing is switched off while the handler runs.
void InstalleGestionnaireErreurs(TMainForm& principale);

// One window of the creation order. `creer` is empty until the part of the
// program that builds the window is there.
struct Fenetre {
    const char* classe;
    std::function<void(TMainForm&)> creer;
};
// The order in which the windows are created after the main window, each once.
const std::vector<Fenetre>& OrdreCreation();
// Creates them, in that order, for this main window.
void CreeFenetres(TMainForm& principale);

}  // namespace Startup
