// "Liste des cotations": the dimensions kept in the views, one per line.
#pragma once

#include <QDialog>

class QTableWidget;
class TMainForm;

class TCotesForm : public QDialog {
    Q_OBJECT

public:
    explicit TCotesForm(TMainForm& main, QWidget* parent = nullptr);
    void Execute();
    void Supprimer();
    QTableWidget* Grille() const { return grille_; }

private:
    void Remplit();
    TMainForm& main_;
    QTableWidget* grille_;
};
