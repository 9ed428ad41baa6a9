// "Liste Surfaces": one list of the surfaces and one of seven actions on the
// chosen ones (lock, calculation scope, delete, duplicate, two mirrors,
// export as a document).
#pragma once

#include <QDialog>
#include <string>

class TMainForm;
class TSelSurfaces;

class TListeSurfForm : public QDialog {
    Q_OBJECT

public:
    explicit TListeSurfForm(TMainForm& main, QWidget* parent = nullptr);

    // Opens modally for an action (ListeSurf::TAction); 1 when OK went through.
    // The export writes to `fichier`.
    int Execute(int action, const std::string& fichier = {});
    TSelSurfaces* Surfaces() const { return sel_; }
    // OK: the action; the dialog closes unless it was refused.
    void Valider();

private:
    TMainForm& main_;
    TSelSurfaces* sel_;
    int action_ = 0;
    std::string fichier_;
    int confirme_ = 0;
};
