// "Editeur de vertex": the current control point's coordinates typed in; the
// points welded to it follow. Non-modal, kept up to date by the main
// window's refresh of the auxiliary windows.
#pragma once

#include <QWidget>

#include "model/ObjCom.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TMainForm;

class TEditPCForm : public QWidget {
    Q_OBJECT

public:
    explicit TEditPCForm(TMainForm& main, QWidget* parent = nullptr);
    ~TEditPCForm() override;

    // The point's surface, row and column and its coordinates into the fields.
    void AffichePoint(const TPC& pc);
    // "Appliquer": the fields the user typed in (the others keep the point's
    // own values) move the point with its welded partners, after an undo
    // record; nothing is recorded when nothing changes. False (nothing
    // moved) when a field typed in is not a number.
    bool Appliquer();
    // Row or column arrows: one step within the net.
    void Pas(int dI, int dJ);

    QLineEdit* Champ(int k) const { return champs_[k]; }
    QComboBox* Surfaces() const { return cb_; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Remplit();
    // A field left after the user typed in it: its number into the working
    // copy; a text that is not a number is refused and stays, selected.
    void Sortie(int k);
    void EcritChamps();

    TMainForm& main_;
    QComboBox* cb_;
    QLabel* labLigne_;
    QLabel* labColonne_;
    QLineEdit* champs_[4] = {};
    TPC pc_;
    TVertex4f copie_;
    bool nurbs_ = false;
};
