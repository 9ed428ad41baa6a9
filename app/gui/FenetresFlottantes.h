// Where the program's own windows open. A tool window of the main window
// opens in the main window's free area, never over its menus and tool bar; a
// window closed and opened again comes back exactly where it was (its frame's
// position and its inside size, as it was closed); every window opens wholly
// on its screen, wide enough for its title.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace FenetresFlottantes {

// Puts the window's frame's top left corner there, shown or not; the frame
// is taken as `estimation` while the window is being shown.
void PlaceCadre(QWidget& w, const QPoint& coin, const QMargins& estimation = {});

// The frame around a window: its own once shown, else the main window's.
QMargins Marges(const QWidget& w, const QWidget* principale);

// The frame rectangle moved, and shrunk where it is larger, to lie wholly
// within the screen's area.
QRect DansEcran(const QRect& cadre, const QRect& ecran);

// Where a tool window's frame of that size opens in the free area: against
// its top right corner, left of the tool windows already there (a step lower
// once a row is full).
QPoint PlaceOutil(const QRect& zone, const QSize& cadre, const std::vector<QRect>& occupees);

// Watches every window of the application; `principale` is the main window
// and `zoneLibre` its free area (the multiple-document area's viewport).
void Installe(QWidget& principale, QWidget& zoneLibre);

}  // namespace FenetresFlottantes
