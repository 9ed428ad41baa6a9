// The file names the save dialogs give: a name chosen without an extension
// gets the one its dialog writes.
#pragma once

#include <QString>

class QWidget;

namespace ChoixFichier {

// nom with "." + extension added when its file name has none ("" stays "").
QString AvecExtension(const QString& nom, const QString& extension);
// The save dialog with its title and filter; the name chosen with the
// extension (AvecExtension), empty when cancelled.
QString Enregistrer(QWidget* parent, const QString& titre, const QString& filtre, const QString& extension);

}  // namespace ChoixFichier
