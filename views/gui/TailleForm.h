// "Dimentions de la carène": the hull dimensions of the chosen surfaces.
#pragma once

#include <QDialog>

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
    TSelSurfaces* Surfaces() const { return sel_; }

private:
    TMainForm& main_;
    TSelSurfaces* sel_;
};
