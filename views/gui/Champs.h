// Reading the number typed in a dialog's field, the one way every dialog does.
#pragma once

#include <QString>

#include <string>

#include "views/Saisie.h"

class QLineEdit;

namespace Champs {

// The number in the field, or false after the message naming the field by
// its label (without its "="): not a number, or out of the domain. The field
// and its window then get the focus, its text selected.
bool LitReel(QLineEdit* champ, const QString& label, double& v, Saisie::TDomaine d = Saisie::dCoordonnee);
// The message "refus : label" (label without its "=" or "&"); the field and
// its window get the focus, its text selected.
void Refuse(QLineEdit* champ, const QString& label, const std::string& refus);

}  // namespace Champs
