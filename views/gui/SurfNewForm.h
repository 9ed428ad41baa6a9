// "Nouvelle surface": a NURBS surface from a starting shape, with its name,
// flags and net orders.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;
class TMainForm;

class TSurfNewForm : public QDialog {
    Q_OBJECT

public:
    explicit TSurfNewForm(TMainForm& main, QWidget* parent = nullptr);

    // Refused with its message when the document is full; else modal, true
    // when a surface was added.
    bool Execute();
    // OK: the name checked, the surface added; the dialog stays open on a
    // refused name.
    void Valider();

    QLineEdit* Nom() const { return nom_; }
    QButtonGroup* Formes() const { return formes_; }
    QSpinBox* FlexLong() const { return flexLong_; }
    QSpinBox* FlexTrans() const { return flexTrans_; }

private:
    TMainForm& main_;
    QLineEdit* nom_;
    QButtonGroup* formes_;
    QSpinBox* flexLong_;
    QSpinBox* flexTrans_;
    QCheckBox* sym_;
    QCheckBox* visible_;
    QCheckBox* verrou_;
    QCheckBox* voile_;
    QCheckBox* flotteur_;
    bool confirme_ = false;
};
