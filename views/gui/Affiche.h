// The one redraw entry of the program: every command, dialog and mouse tool
// calls it after a change.
#pragma once

#include "model/Document.h"

class TFormFille;

namespace Affiche {

// Drawing is allowed: the drawing switch is on and the exception handler is
// not running.
bool DessinAutorise(const Document& doc);

// Redraws the view; with the option "MultiFen", every 2-D view that is not
// minimised (section, profile, plan, perspective) and then the studio.
// Nothing happens while drawing is not allowed.
void AfficheNet(TFormFille* vue);
// Redraws the four views.
void AfficheNetTout();

}  // namespace Affiche
