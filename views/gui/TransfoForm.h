// "Transformations": moves, rotates, mirrors and resizes the chosen
// surfaces as rigid wholes, with their frames and, on request, their weights.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "model/ObjCom.h"
#include "views/Transfo.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TMainForm;
class TSelSurfaces;

class TTransForm : public QDialog {
    Q_OBJECT

public:
    explicit TTransForm(TMainForm& main, QWidget* parent = nullptr);

    // Opens modally; 1 after OK, 0 after "Fermer".
    int Execute();

    enum Page { pDepl = 0, pRot = 1, pMiroir = 2, pTaille = 3 };
    // The active page, applied as "Appliquer" does; false (nothing changed)
    // when a field is not a number.
    bool Appliquer();
    // OK: every page whose fields were edited, then close.
    void Valider();

    QTabWidget* Pages() const { return pages_; }
    TSelSurfaces* Surfaces() const { return sel_; }
    QLineEdit* Champ(const char* nom) const;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Reads what the pages to apply need; false after the message.
    bool LitParams(const std::array<bool, 4>& pages);
    void Applique(std::array<bool, 4> pages);  // by value: it clears the edited flags it is given
    void Mesure();      // bounds of every surface
    void Tailles();     // sizes of the selection into the size fields
    void Accepte();     // the six texts become the last accepted ones
    void SortieTaille(int axe);
    void SortiePourcent(int axe);

    TMainForm& main_;
    TSelSurfaces* sel_;
    QTabWidget* pages_;
    QCheckBox* cbPlan_;
    QCheckBox* cbPlanSeul_;
    QCheckBox* cbPoids_;
    std::array<QLineEdit*, 3> depl_{}, centre_{}, angles_{}, taille_{}, pourcent_{};
    std::array<QCheckBox*, 3> prop_{};
    QPushButton* mirHor_;
    QPushButton* mirVer_;
    QRadioButton* surPlace_;
    QRadioButton* consPos_;
    std::array<bool, 4> edite_{};
    std::vector<TDim> dims_;
    TDim mesure_;                       // sizes of the selection when last measured
    std::array<QString, 6> acceptes_;  // last accepted size and percentage texts
    Transfo::TParams params_;
    int confirme_ = 0;
    bool enregistre_ = false;  // this opening has recorded its undo snapshot
};
