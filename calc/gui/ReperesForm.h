// The list dialogs of the reference marks and of the flooding points: one
// editable grid (number, name, X, Y, Z); OK checks every cell before the list
// changes.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "calc/Reperes.h"

class Document;
class QPushButton;
class QTableWidget;

class TReperesForm : public QDialog {
    Q_OBJECT
public:
    explicit TReperesForm(Document& doc, QWidget* parent = nullptr);

    void Remplit();
    void BtnAjouterClick();
    void BtnSupprimerClick();
    // Rebuilds the list; false (the bad cell selected, its message shown,
    // nothing changed) when a cell is not a number.
    bool BtnOKClick();

    QTableWidget* Grille;
    QPushButton *BtnAjouter, *BtnSupprimer, *BtnOK, *BtnAnnuler;

protected:
    // The list edited: its rows, and its replacement by the rows read
    // (false with the bad cell when one is not a number).
    virtual std::vector<Reperes::TLigne> LignesListe() const;
    virtual bool AppliqueLignes(const std::vector<Reperes::TLigne>& lignes, int& ligne, int& colonne);
    void showEvent(QShowEvent* e) override;
    std::vector<Reperes::TLigne> LignesGrille() const;
    Document& doc_;
};

class TEnvahissementForm : public TReperesForm {
    Q_OBJECT
public:
    explicit TEnvahissementForm(Document& doc, QWidget* parent = nullptr);

protected:
    std::vector<Reperes::TLigne> LignesListe() const override;
    bool AppliqueLignes(const std::vector<Reperes::TLigne>& lignes, int& ligne, int& colonne) override;
};
