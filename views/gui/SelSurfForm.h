// "Sélection surface": picks a surface from a drop-down list and renames it.
#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class TMainForm;

class TSelSurfForm : public QDialog {
    Q_OBJECT

public:
    explicit TSelSurfForm(TMainForm& main, QWidget* parent = nullptr);

    // Mode 2, renaming (the only one): true when confirmed; then Choix() and
    // NouveauNom() say what to rename.
    bool Execute(int mode);
    void Valider();
    int Choix() const { return choix_; }
    const std::string& NouveauNom() const { return nouveau_; }

    QComboBox* Liste() const { return cb_; }
    QLineEdit* Renomer() const { return edit_; }

private:
    TMainForm& main_;
    QComboBox* cb_;
    QLineEdit* edit_;
    QLabel* label_;
    int choix_ = -1;
    std::string nouveau_;
    bool confirme_ = false;
};
