// The net selection window: a schematic of the current surface's control net
// beside a thumbnail of the transverse sections. Its markers restrict
// editing in the four views to one row or one column of the net; a click in
// the thumbnail chooses the station the views highlight.
#pragma once

#include <QWidget>
#include <functional>

#include "views/FenSel.h"
#include "views/gui/VueHote.h"

class TFenSelForm : public QWidget {
    Q_OBJECT

public:
    explicit TFenSelForm(IVueHote& hote, QWidget* parent = nullptr);

    // Shows the window: the views' active points follow each net's stored
    // choice, and the window the current surface's.
    void Montre();
    // The current surface's stored choice and name again (the auxiliary
    // windows' refresh).
    void Rafraichit();
    // The current control point moved (the document's hook).
    void MajEtat(const TEtatFenSel& e);

    const FenSel::TEtat& Etat() const { return etat_; }
    FenSel::TGeometrie Geometrie() const;

    // The active view is drawn again.
    std::function<void()> RedessineVue;
    // The window was closed (the menu item is unticked).
    std::function<void()> Fermee;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    const TNet* NetCourant() const;
    void MajCaption();

    IVueHote& hote_;
    FenSel::TEtat etat_;
};
