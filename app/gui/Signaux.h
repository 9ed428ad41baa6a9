// SIGTERM and SIGHUP, and the loss of the display, reach the program as a
// call on the event loop. The signal handler itself only writes the signal's
// number to a pipe (the one thing it may safely do); a socket notifier reads
// it on the main thread. The loss of the X display is seen where the
// toolkit reports it, just before it ends the process.
#pragma once

#include <functional>

namespace Signaux {

// Takes SIGTERM and SIGHUP from now on: a signal received before Ecoute is
// kept and handled once the event loop runs.
void Installe();

// The signals received go to f (on the main thread, from the event loop),
// the first one only. Needs the application object.
void Ecoute(std::function<void(int signal)> f);

// f runs once when the toolkit reports that the connection to the display is
// broken, before the toolkit ends the process.
void SurPerteAffichage(std::function<void()> f);

// Puts the default handling back (end of the run).
void Retire();

}  // namespace Signaux
