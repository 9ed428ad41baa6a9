// The offsets table: the points where the stations of the chosen surfaces
// cross the waterlines, or the longitudinals; saved as ";" lines, printed
// as text under the document's properties.
#pragma once

#include <QDialog>

#include "calc/TabCotes.h"

class Document;
class QListWidget;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QToolButton;

class TTabCotesForm : public QDialog {
    Q_OBJECT
public:
    explicit TTabCotesForm(Document& doc, QWidget* parent = nullptr);
    void Prepare();
    void BtnCalculerClick();
    bool Enregistre(const QString& fichier) const;
    void Imprime(QPrinter& p) const;
    // Every row from the header on, five cells each.
    std::vector<std::vector<std::string>> Lignes() const;

    QRadioButton *RBLignesEau, *RBLongitudinales;
    QListWidget* LBSurf;
    QPushButton *BtnTout, *BtnAucune, *BtnCalculer, *BtnOK;
    QToolButton *BtnEnregistrer, *BtnImprimer;
    QTableWidget* Grille;

protected:
    void showEvent(QShowEvent* e) override;

private:
    Document& doc_;
};
