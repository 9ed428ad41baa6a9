// The desk calculator window: the display, the keys and the memory mark over
// the calculator's state (app/Calculatrice.h). Created once, it keeps its
// display and memory between showings; keys can also be typed.
#pragma once

#include <QDialog>

#include "app/Calculatrice.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TCalculatForm : public QDialog {
    Q_OBJECT
public:
    explicit TCalculatForm(QWidget* parent = nullptr);

    const Calculatrice& Etat() const { return calc_; }
    QLineEdit* Ecran = nullptr;
    QLabel* LabelMem = nullptr;
    // The key of that caption ("7", "+", "rc", "M+" ...), or nullptr.
    QPushButton* Bouton(const QString& caption) const;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Montre();

    Calculatrice calc_;
};

// The calculator of the running program (nullptr before it is created).
TCalculatForm* CalculatForm();
// Creates it once, as a tool window of the main window.
TCalculatForm* CreeCalculatForm(QWidget* principale);
