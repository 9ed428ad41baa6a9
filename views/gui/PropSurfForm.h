// "Propriétés": every surface's name, flags, colour and material, frame
// reset, weight definition and net orders, on working copies written back
// on OK only.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "studio/scene/VisClasses.h"
#include "views/PropSurf.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class TMainForm;
class TVisView;

class TPropSurfForm : public QDialog {
    Q_OBJECT

public:
    explicit TPropSurfForm(TMainForm& main, QWidget* parent = nullptr);
    ~TPropSurfForm() override;

    // 0 at once without surfaces; else modal, 1 after OK, 0 after "Annuler".
    int Execute();
    // OK: every value field checked, then the changed copies written back.
    void Valider();

    std::vector<PropSurf::TPropSurf>& Copies() { return copies_; }
    QListWidget* Liste() const { return liste_; }
    // The lit material preview; nullptr where the platform has no OpenGL.
    TVisView* Apercu() const { return apercu_; }

private:
    enum Valeur { vEpaisseur, vDensiteB, vFixeB, vParM2, vFixeV, vDensiteV, kNbValeurs };

    PropSurf::TPropSurf& Cur() { return copies_[static_cast<std::size_t>(cur_)]; }
    // The copy of the current line into the controls.
    void Affiche();
    // A control changed the copy.
    void Change();
    void ChoixCentre(bool volume, bool demander);
    void ActiveValeurs();
    // Every value field into the current copy; false after the message.
    bool LitValeurs();
    void AfficheCouleur();
    // The current copy's colour, the drawing colour for "Défaut".
    std::uint32_t CouleurCourante() const;
    // The preview, on a platform with OpenGL.
    QWidget* CreeApercu();
    // The copy's colour and material on two spheres, inside a frame of the preview.
    void DessineApercu();

    TMainForm& main_;
    std::vector<PropSurf::TPropSurf> copies_;
    int cur_ = 0;
    bool charge_ = false;  // controls being filled: no change recorded
    int confirme_ = 0;

    QListWidget* liste_;
    QLineEdit* nom_;
    QCheckBox *visible_, *verrou_, *sym_, *calc_, *voile_, *jonction_;
    QRadioButton *orientD_, *orientI_;
    QGroupBox* flex_;
    QSpinBox *flexLong_, *flexTrans_;
    QLabel *labFlexLong_, *labFlexTrans_;
    QRadioButton *coulDef_, *coulPers_;
    QPushButton* panneau_;
    QSlider *alpha_, *ambient_, *specular_, *shininess_, *emission_;
    std::array<QLabel*, 6> labPlan_{};
    QRadioButton *centreB_, *centreV_;
    QGroupBox *gB_, *gV_;
    std::array<QRadioButton*, 5> types_{};
    std::array<QLineEdit*, kNbValeurs> valeurs_{};

    TVisView* apercu_ = nullptr;
    TVisCamera camera_;
    TVisLight lumiere_;
    TVisSphere interieure_, exterieure_;
};
