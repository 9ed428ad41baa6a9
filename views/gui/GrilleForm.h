// The grid dialog "Grille": the four families of reference lines, each on
// its page with its count, its table of positions (and angles for the
// diagonals) and its spacing; the generators of the "Automatique" group fill
// the visible page; OK checks every cell and only then replaces the
// document's definition.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "model/Document.h"
#include "views/GrilleSaisie.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;
class QTabWidget;
class QTableWidget;

class TGrilleForm : public QDialog {
    Q_OBJECT

public:
    explicit TGrilleForm(Document& doc, QWidget* parent = nullptr);

    // Fills the pages from the document's definition.
    void Charge();
    // What the pages hold now.
    GrilleSaisie::TSaisie Saisie() const;

    // Called after OK has changed the definition (the main window redraws).
    std::function<void()> Applique;
    // The calculation-scope button's command (disabled while none).
    std::function<void()> Portee;

    QTabWidget* Pages() const { return pages_; }
    QTableWidget* Table(int page) const { return tables_[static_cast<std::size_t>(page)]; }
    QLineEdit* EditNombre(int page) const { return nombres_[static_cast<std::size_t>(page)]; }
    QLineEdit* EditScinder() const { return scinder_; }
    QLabel* LabelEsp(int page) const { return espacements_[static_cast<std::size_t>(page)]; }

public slots:
    void BtnOKClick();
    void BtnAnnulClick();
    void BtnCalculClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void NombreChange(int page);
    void ScinderChange();
    void FixeLignes(int page, int n);

    Document& doc_;
    QTabWidget* pages_ = nullptr;
    std::array<QTableWidget*, 4> tables_{};
    std::array<QLineEdit*, 4> nombres_{};
    std::array<QLabel*, 4> espacements_{};
    QLineEdit* scinder_ = nullptr;
    QRadioButton* rbStandard_ = nullptr;
    QRadioButton* rbEspacement_ = nullptr;
    QRadioButton* rbDistance_ = nullptr;
    QLineEdit* base_ = nullptr;
    QLineEdit* espPerso_ = nullptr;
    QLineEdit* base2_ = nullptr;
    QLineEdit* fin_ = nullptr;
    QPushButton* portee_ = nullptr;
};
