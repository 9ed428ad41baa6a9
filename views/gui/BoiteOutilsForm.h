// The tool palette "Outils": a tool window, kept above the main window, of buttons, two by
// two, each running a command of the main window's menus and following its
// enabled and checked state (so the toggle groups of the menus hold here
// too). A double click docks it beside the main window.
#pragma once

#include <QWidget>
#include <functional>

class QAction;

class TBoiteOutilsForm : public QWidget {
    Q_OBJECT

public:
    // `action` finds a menu item by its name (nullptr when there is none:
    // the button stays disabled).
    explicit TBoiteOutilsForm(std::function<QAction*(const QString&)> action, QWidget* parent = nullptr);

    // The button's component name, the menu item it runs and its icon.
    struct TBouton {
        const char* Nom;
        const char* Item;
        const char* Icone;
    };
    static const std::vector<TBouton>& Boutons();

    // Top and left beside the main window (its top + 72, its right edge + 4
    // less the palette's width).
    void Ancre(const QRect& principale, int largeurClient);

    // The window was closed (the menu item is unticked).
    std::function<void()> Fermee;

protected:
    void closeEvent(QCloseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};
