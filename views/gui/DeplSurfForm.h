// Move, turn, or move and turn the frame of the chosen surfaces by typed
// values (three modes).
#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class TMainForm;
class TSelSurfaces;

class TDeplSurfForm : public QDialog {
    Q_OBJECT

public:
    explicit TDeplSurfForm(TMainForm& main, QWidget* parent = nullptr);

    // Mode 0 move, 1 rotate, 2 frame; modal; true after OK.
    bool Execute(int mode);
    // OK: every field read first (nothing changed on a bad one), an undo
    // record, then the mode applied.
    void Valider();

    QLineEdit* Champ(int k) const { return champs_[k]; }  // X, Y, Z, Gite, Tangage, Latéral
    TSelSurfaces* Surfaces() const { return sel_; }
    QPushButton* BoutonOK() const { return ok_; }
    QCheckBox* Conjoint() const { return conjoint_; }

private:
    TMainForm& main_;
    int mode_ = 0;
    bool confirme_ = false;
    QGroupBox* gDepl_;
    QGroupBox* gRot_;
    QLineEdit* champs_[6] = {};
    QCheckBox* conjoint_;
    TSelSurfaces* sel_;
    QPushButton* ok_;
};
