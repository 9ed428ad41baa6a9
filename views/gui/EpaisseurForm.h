// "Epaisseur": a surface's second skin as a new mesh surface.
#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;
class TMainForm;
class TSelSurfaces;

class TEpaisseurForm : public QDialog {
    Q_OBJECT

public:
    explicit TEpaisseurForm(TMainForm& main, QWidget* parent = nullptr);

    // Modal; true when a surface was added.
    bool Execute();
    // OK: the thickness read first (a bad one is refused, nothing added).
    void Valider();

    TSelSurfaces* Surfaces() const { return sel_; }
    QLineEdit* Epaisseur() const { return edit_; }
    QRadioButton* Exterieur() const { return ext_; }

private:
    TMainForm& main_;
    TSelSurfaces* sel_;
    QLineEdit* edit_;
    QRadioButton* int_;
    QRadioButton* ext_;
    bool ajoute_ = false;
};
