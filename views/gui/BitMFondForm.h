// The dialog "Charger une image de fond": a picture file and a stretch mode
// for each of the four 2-D views. It works on a copy of the four records:
// OK hands them over whole; Cancel keeps the files the views had, with the
// stretch modes and fixed sizes chosen meanwhile.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "model/ObjCom.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;

class TBitMFondForm : public QDialog {
    Q_OBJECT

public:
    using TFonds = std::array<TFondFichier, 4>;  // section, plan, profile, perspective

    explicit TBitMFondForm(QWidget* parent = nullptr);

    // Shows the records of the four views; the section view is pressed.
    void Charge(const TFonds& fonds);
    const TFonds& Fonds() const { return fonds_; }
    int VueChoisie() const { return vue_; }
    void ChoisitVue(int k);

    // The picture open dialog (the chosen file, empty when cancelled).
    std::function<QString()> ChoisirFichier;
    // OK: the four records go to the views and the document.
    std::function<void(const TFonds&)> Applique;
    // Cancel: the records as they are; their stretch modes and fixed sizes stay.
    std::function<void(const TFonds&)> Annule;
    // "Effacer": the four views load their pictures again from their own records.
    std::function<void()> Recharge;

    QLabel* LabelFichier(int k) const { return labels_[static_cast<std::size_t>(k)]; }
    QButtonGroup* Ajustement() const { return ajustement_; }
    QLineEdit* EditLargFixe() const { return largFixe_; }
    QLineEdit* EditHautFixe() const { return hautFixe_; }

public slots:
    void ButtonChargerClick();
    void ButtonEffacerClick();
    void BtnOKClick();
    void reject() override;

private:
    void AjustementClick(int mode);
    // The fixed size of an edit into the pressed view's record; a text that
    // is not an integer is refused with a message and the old value shown again.
    bool LitTaille(QLineEdit* e, int TFondFichier::*champ);
    void MontreVue();

    TFonds fonds_{};
    int vue_ = 0;
    std::array<QLabel*, 4> labels_{};
    QButtonGroup* vues_ = nullptr;
    QButtonGroup* ajustement_ = nullptr;
    QLineEdit* largFixe_ = nullptr;
    QLineEdit* hautFixe_ = nullptr;
};
