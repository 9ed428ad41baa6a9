// The group "Sélection" of the surface dialogs: one line per surface (line
// i is surface i), several lines selectable as in every list (click, Ctrl,
// Shift), with "Toutes" and "Aucune".
#pragma once

#include <QGroupBox>
#include <vector>

#include "views/gui/Champs.h"

class Document;
class QListWidget;
class QLineEdit;
class QPushButton;

class TSelSurfaces : public QGroupBox {
    Q_OBJECT

public:
    // boutons: whether "Toutes" and "Aucune" are shown under the list.
    explicit TSelSurfaces(QWidget* parent = nullptr, bool multiple = true, bool boutons = true);

    void Remplit(const Document& doc);
    void Vide();
    std::vector<bool> Selection() const;
    void Choisit(const std::vector<bool>& sel);
    // The first selected line, -1 when none.
    int Courante() const;
    void ToutChoisir(bool oui);
    QListWidget* Liste() const { return liste_; }

signals:
    // The selection changed, by any means.
    void change();
    // The user chose in the list: a mouse release in it, or a key that
    // changed the selection.
    void clic();
    // "Toutes" or "Aucune" was pressed (after the selection changed).
    void bouton();

private:
    QListWidget* liste_;
};
