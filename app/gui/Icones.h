// The program's own pictures, drawn for it as small SVG files kept in its
// resources: the icons of its buttons, and its own icon for every window.
#pragma once

#include <QIcon>

namespace Icones {

// The icon named `nom` (":/icones/<nom>.svg"); a null icon when there is none.
QIcon Icone(const QString& nom);

// The program's icon: a hull over the sea.
QIcon Programme();

}  // namespace Icones
