// The translators' template of the running program: every window's current
// texts read from its widgets (app/texts/Traduction.h for the file).
#pragma once

#include <vector>

#include "app/texts/Traduction.h"

class QWidget;

namespace Traduction {

// The windows in the order the program holds them: the main window and the
// windows below it in their creation order, then any other top-level window.
std::vector<TFenetre> Fenetres(QWidget* principale);

// Writes "FormsText.tra" in the current folder; throws when it cannot.
void EnregistrerTextes(QWidget* principale);

}  // namespace Traduction
