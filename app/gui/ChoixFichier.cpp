#include "app/gui/ChoixFichier.h"

#include <QFileDialog>
#include <QFileInfo>

namespace ChoixFichier {

QString AvecExtension(const QString& nom, const QString& extension) {
    if (nom.isEmpty() || !QFileInfo(nom).suffix().isEmpty()) return nom;
    return nom + QLatin1Char('.') + extension;
}

QString Enregistrer(QWidget* parent, const QString& titre, const QString& filtre, const QString& extension) {
    return AvecExtension(QFileDialog::getSaveFileName(parent, titre, QString(), filtre), extension);
}

}  // namespace ChoixFichier
