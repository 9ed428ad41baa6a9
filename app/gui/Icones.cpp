#include "app/gui/Icones.h"

#include <QFile>

// The resources live in a static library: their registration must be asked for.
static void ChargeRessources() { Q_INIT_RESOURCE(icones); }

namespace Icones {

QIcon Icone(const QString& nom) {
    static const bool chargees = (ChargeRessources(), true);
    (void)chargees;
    const QString chemin = QStringLiteral(":/icones/%1.svg").arg(nom);
    return QFile::exists(chemin) ? QIcon(chemin) : QIcon();
}

QIcon Programme() { return Icone(QStringLiteral("corvane")); }

}  // namespace Icones
