// The translators' template of the running program: every window's current
// texts read from its widgets (base/Traduction.h for the file).
#pragma once

#include <vector>

#include "base/Traduction.h"

class QString;
class QWidget;

namespace Traduction {

// The windows in the order given (the program's creation order), then any
// other window, below them or top-level, by name.
std::vector<TFenetre> Fenetres(const std::vector<QWidget*>& ordre);

// Writes "FormsText.tra" in the current folder and returns its full path;
// throws when it cannot.
QString EnregistrerTextes(const std::vector<QWidget*>& ordre);

}  // namespace Traduction
