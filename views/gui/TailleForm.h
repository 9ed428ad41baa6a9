// "Dimentions de la carène": the hull dimensions of the chosen surfaces.
#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

class QGroupBox;
class QPrinter;
class TMainForm;
class TSelSurfaces;

class TTailleForm : public QDialog {
    Q_OBJECT

public:
    explicit TTailleForm(TMainForm& main, QWidget* parent = nullptr);
    void Execute();
    // The dimensions of the lines selected, shown.
    void Calcule();
    QString Texte(const char* nom) const;
    // What "Imprimer" prints: the title, then each group of dimensions and
    // its lines (nothing of another window, the print dialog among them).
    QStringList Lignes() const;
    void Imprime(QPrinter& printer) const;
    TSelSurfaces* Surfaces() const { return sel_; }

private:
    TMainForm& main_;
    TSelSurfaces* sel_;
    std::vector<QGroupBox*> groupes_;  // the dimensions' groups, in their order
};
