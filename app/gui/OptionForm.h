// The options dialog: environment switches, the fifteen drawing colours, the
// language, the curvature rays, the weight-vector scale and the studio's
// display settings.
//
// The curvature and studio track bars and the radio groups act at once while
// the dialog is open, and stay so when it is cancelled; "OK" checks every
// field first (nothing is applied while one is wrong), then applies and
// stores everything in the settings file.
// Options are not part of the document: nothing here marks it modified.
#pragma once

#include <QDialog>

#include <array>

#include "app/gui/Settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTabWidget;
class TMainForm;
class TPanneauCouleur;

class TOptionForm : public QDialog {
    Q_OBJECT
public:
    explicit TOptionForm(TMainForm* principale, QWidget* parent = nullptr);

    // Fills the dialog from the main window's options, shows it modally,
    // and returns whether it was confirmed.
    bool Execute();
    // What Execute does before showing (and what a test calls instead).
    void FormShow();

    QTabWidget* Pages = nullptr;
    QCheckBox *CB_PositionFen, *CB_PosLight, *CB_SavConfig, *CB_MultiF_Actif, *CB_CalcSplineTR, *CB_AxesPlanSym,
        *cb_NetVxStudio;
    QComboBox* CB_Langue = nullptr;
    std::array<TPanneauCouleur*, 15> Shapes{};  // in the order of the "Colors" section
    QButtonGroup* RG_TypeRayon = nullptr;
    QButtonGroup* RG_OrientationRayon = nullptr;
    QSlider *TB_LongRayonCourbure, *TB_RatioVectPoids, *TB_PolyF, *TB_PolyU;
    QLabel *LabelCourb, *LabelRatioVectPoids, *LabelRatioValeur;
    QLineEdit* edTailleReperesStudio = nullptr;

    // "OK": false (and the dialog stays open) when a field is wrong.
    bool BtnOKClick();
    void BtnCouleursDefClick();

public slots:
    void reject() override;

private:
    // The options as the panels, boxes and track bars give them.
    void LitControles(Settings::TOptions& o) const;
    // The track bars' immediate effects.
    void ImmediatRatio(int position);
    void ImmediatPoly();
    void MajCourbure();
    // Cut tables again, then redraw the active view.
    void RecalculeCoupes();

    TMainForm* principale_;
    Settings::TOptions courant_;  // with what acted at once
};

// The options dialog of the running program, created once.
TOptionForm* OptionForm();
TOptionForm* CreeOptionForm(TMainForm* principale);
