// "Visibilité des surfaces": the selected lines are the visible surfaces.
#pragma once

#include <QWidget>

class TMainForm;
class TSelSurfaces;

class TListeSurfVisiblesForm : public QWidget {
    Q_OBJECT

public:
    explicit TListeSurfVisiblesForm(TMainForm& main, QWidget* parent = nullptr);
    void FillSurfList();
    void ClearSurfList();
    // The selection becomes the surfaces' visibility.
    void Applique();
    TSelSurfaces* Surfaces() const { return sel_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    TMainForm& main_;
    TSelSurfaces* sel_;
};
