// "Précision personnalisée": the evaluation precision typed in.
#pragma once

#include <QDialog>

class QLineEdit;

class TPrecisForm : public QDialog {
    Q_OBJECT

public:
    explicit TPrecisForm(QWidget* parent = nullptr);
    // The number in the field, always within its range, whichever button
    // closes the dialog.
    int Execute(int courante, bool debug);
    QLineEdit* Champ() const { return edit_; }

private:
    QLineEdit* edit_;
    int courante_ = 0;
    bool debug_ = false;
};
