// SIGTERM, SIGHUP, SIGINT and SIGQUIT, and the loss of the display, reach the
// program as a call on the event loop (any event loop: a message box's too). The signal handler itself only writes the signal's
// number to a pipe (the one thing it may safely do); a socket notifier reads
// it on the main thread. The loss of the X display is seen where the
// toolkit reports it, just before it ends the process.
#pragma once

#include <functional>

namespace Signaux {

// Takes SIGTERM, SIGHUP, SIGINT and SIGQUIT from now on, for the rest of the
// run: a signal received before Ecoute is kept and handled once an event
// loop runs; one received while the first is being handled waits for it.
void Installe();

// The signals received go to f (on the main thread, from the event loop),
// the first one only. Needs the application object.
void Ecoute(std::function<void(int signal)> f);

// f runs once when the toolkit reports that the connection to the display is
// broken, before the toolkit ends the process.
void SurPerteAffichage(std::function<void()> f);

// Nothing more is called (end of the run). The signals stay taken, so that
// one arriving now leaves the end of the run to end whole.
void Retire();

}  // namespace Signaux
