#include "app/gui/CouleurForm.h"

#include <QColorDialog>

namespace Couleur {

// Stand-in until the program's own chooser lands.
bool Choisir(QWidget* parent, std::uint32_t& couleur) {
    const QColor c = QColorDialog::getColor(QColor(couleur & 0xFF, (couleur >> 8) & 0xFF, (couleur >> 16) & 0xFF), parent);
    if (!c.isValid()) return false;
    couleur = static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
              (static_cast<std::uint32_t>(c.blue()) << 16);
    return true;
}

}  // namespace Couleur
