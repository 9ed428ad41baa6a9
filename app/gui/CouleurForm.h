// The program's colour chooser, used by the options and the surface properties.
#pragma once

#include <cstdint>

class QWidget;

namespace Couleur {

// Shows the chooser on the colour (0x00BBGGRR); on OK writes the chosen colour
// back and returns true, on Cancel leaves it and returns false.
bool Choisir(QWidget* parent, std::uint32_t& couleur);

}  // namespace Couleur
