// The weights and ballasts dialog: each surface's own weight above, the
// weights of the list in an editable grid (the attached surface chosen from
// a drop-down), the total below; save and import as ";" files, print. OK
// checks every cell before the list changes.
#pragma once

#include <QDialog>

#include "calc/DevisPoids.h"

class Document;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

class TPoidsForm : public QDialog {
    Q_OBJECT
public:
    explicit TPoidsForm(Document& doc, QWidget* parent = nullptr);

    // Fills the three grids from the document.
    void Remplit();
    void BtnAjouterClick();
    void BtnInsertClick();
    void BtnSupprimerClick();
    // Rebuilds the weight list from the grid; false (the bad cell selected,
    // its message shown, nothing changed) when a cell is not a number.
    bool BtnOKClick();
    bool Enregistre(const QString& fichier) const;
    bool Importe(const QString& fichier);
    std::vector<DevisPoids::TLigne> LignesGrille() const;

    QTableWidget *SG_PoidsSurf, *SG_PoidsBallast, *SG_PoidsTotal;
    QPushButton *BtnInsert, *BtnAjouter, *BtnSupprimer, *BtnOK, *BtnAnnuler;
    QToolButton *SB_Enregistrer, *SB_Import, *SB_Imprimer;
    // The surfaces' and the weights' rows as one table under the window's and
    // the document's titles, closed by the total of those rows.
    void Imprime(class QPrinter& p) const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    // Whether the grid reads as numbers (the bad cell reported when not).
    bool GrilleValide();
    void EcritLigne(int ligne, const DevisPoids::TLigne& l);
    // Every text whole: a column widened to the cell's text in the three
    // grids at once, so that the total stays under its columns.
    void Elargit(const QTableWidgetItem* cellule);
    // The document marked modified, the active view redrawn.
    void MarqueModifie();

    Document& doc_;
};
