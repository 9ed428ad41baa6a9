// The print set-up of the active view: printer, orientation, copies, the
// page or all pages, the scale ("Ecran", "Ajuster", 1/1 .. 1/50 or custom),
// the paper size kept in the settings section "Printer", and a preview of
// the page with the printable area outlined in red. "OK" prints.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <array>
#include <functional>

#include "app/gui/ImprimanteChoisie.h"
#include "export/MiseEnPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class TMainForm;

class TImprForm : public QDialog {
    Q_OBJECT

public:
    explicit TImprForm(TMainForm* main);
    ~TImprForm() override;

    // The paper sizes in millimetres after orientation (ImpPhyHorzSize, ImpPhyVertSize).
    int PapierHorz() const { return papierHorz_; }
    int PapierVert() const { return papierVert_; }
    // What the preview shows: the printable area, scale, origin and pages.
    const MiseEnPage::TPage& Page() const { return page_; }
    // The printer the dialog prints on ("PDF" when none is installed).
    QPrinter& Imprimante() { return printer_; }
    bool ImprimanteFichierPdf() const;

    // The platform's page set-up on the printer, then the dialog set up again.
    void BtnConfigClick();
    // Prints the chosen page, or all pages, with the copies; false (with the
    // reason shown) when nothing could be printed.
    bool Imprime();

    // Where a print to PDF goes (empty: cancelled); tests replace it.
    std::function<QString(QWidget* parent)> FichierPdf;

    QComboBox* ComboBoxImpr;
    QRadioButton *RadioButtonPort, *RadioButtonPays, *RB_PageCourante, *RB_ToutesPages;
    QLineEdit* EditNbCopies;
    QSpinBox* UpDownCopies;
    QSpinBox* EditNumPage;
    QLineEdit* EditEchelle;     // the custom scale: "25", "1/25" or "1 / 25"
    QSpinBox* UpDownEchPers;    // its arrows, and the value the print uses
    QLabel* NbPages;
    QRadioButton *RB_EchEcran, *RB_EchAjuster, *RB_EchPers;
    std::vector<QRadioButton*> RB_EchFixes;  // 1/1, 1/2, 1/5, 1/10, 1/20, 1/50
    QRadioButton *RBTaillePA3, *RBTaillePA4, *RBTaillePA5, *RBTaillePUSLetter, *RBTaillePperso;
    QLineEdit *EditTaillePHorz, *EditTaillePVert;
    QWidget* ImageApp;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    friend class TApercu;
    void ComboBoxImprChange();
    void OrientationClick();
    void PapierClick();
    void TaillePapier();
    // The PDF printer's page is the paper chosen.
    void PapierPdf();
    void Apercu();
    // The preview box's size, the page it shows and the page count; a page
    // number above the total becomes the total. The state it was worked
    // out from.
    MiseEnPage::TEntree MajPage(int& w, int& h);
    // The custom scale's field into its up-down; false, with the message
    // naming the field and the focus back on it, when it is no scale.
    bool LitEchellePers();
    // The state of the computation for a box of w x h.
    MiseEnPage::TEntree Entree(int w, int h) const;
    MiseEnPage::TImprimante LitImprimante() const;
    // The paper buttons in the order of ImprimanteChoisie::TPapier, and the paper they choose.
    std::array<QRadioButton*, 5> BoutonsPapier() const;
    ImprimanteChoisie::TChoix Choix() const;
    void LitRegistre();
    void EcritRegistre() const;

    TMainForm* main_;
    QPrinter printer_{QPrinter::HighResolution};
    int papierHorz_ = 210, papierVert_ = 297;
    MiseEnPage::TPage page_;
    bool prete_ = false;  // shown and set up: the handlers act
};
