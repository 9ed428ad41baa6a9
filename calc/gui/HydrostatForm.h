// The hydrostatics window: the surfaces of the run, the number of stations,
// the results grid and the sectional-area curve. The run itself is
// Hydrostat::Calcule; the window shows its rows and its station list.
#pragma once

#include <QDialog>
#include <functional>

#include "calc/Hydrostat.h"

class Document;
class QComboBox;
class QLineEdit;
class QLineSeries;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QWidget;
class TGrapheResultats;
class TGrilleResultats;

class THydrostatForm : public QDialog {
    Q_OBJECT
public:
    explicit THydrostatForm(Document& doc, QWidget* parent = nullptr);
    ~THydrostatForm() override;

    // Prepares the lists and the station count (Prepare), then shows the
    // window modally.
    void Execute();
    // The calculation list, the surface list (every line selected), the
    // station count, every surface evaluated, the perpendiculars.
    void Prepare();

    void BtnCalculerClick();
    void MajPortee();
    // The station count on leaving its edit: not a number is refused with a
    // message and the old value kept; above 201 becomes 201, below 3 becomes 3.
    bool EditPrecisionExit();
    void MajCourbesAires(const Hydrostat::TListAires& stations);
    // The document the results came from is gone: the grid, the curve and
    // the results are emptied, the chart hidden as before a first run.
    void EffaceResultats();

    // "Portée des calculs...": the surface list dialog in its scope mode,
    // where the user changes which surfaces are counted in calculations;
    // true when confirmed. The main window gives it.
    std::function<bool()> PorteeCalculs;

    const TListSurf& Portee() const { return portee_; }
    const Hydrostat::TResultatsHydro& Resultats() const { return resultats_; }
    int NbCoupes() const { return nbCoupes_; }

    QListWidget* LBSurf;
    QPushButton *BtnTout, *BtnAucune, *BtnPorteeCalculs, *BtnOK, *BtnCalculer1, *BtnCalculer2;
    QToolButton *SBEnregistrer, *BtnImprimer, *SBtn_ZoomArriere;
    TGrilleResultats* SGResult;
    QLineEdit* EditPrecision;
    QSpinBox* UD_Precision;
    TGrapheResultats* ChartCourbeAires;
    QLineSeries* SerieAires;
    QTabWidget* PageControl;
    // The Options page (its tab stays hidden).
    QWidget* TSOptions;
    QComboBox* CBSurfMaitreCouple;
    QRadioButton *RBPPIntersection, *RBPPPosition, *RBMCCreux, *RBMCMilieu, *RBMCPosition, *RBMCAire, *RBMCLargeur;
    QLineEdit *EditPPAv, *EditPPAr, *EditMC;
    QWidget* PaintBoxPP;
    // The perpendiculars and the midship position the page draws. The
    // perpendiculars are not set on opening; they are then taken from the
    // waterline, or typed ("Position Y", any finite values).
    double PPAv = 0.0, PPAr = 0.0, PosMaitreCouple = 0.0;
    bool PPDefinies = false;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void RemplieListes();
    void VideListes();
    void Perpendiculaires();
    void OptionChange();
    void DessinePP();
    void Enregistrer();
    void Imprimer();

    Document& doc_;
    TListSurf calcul_, portee_;
    Hydrostat::TResultatsHydro resultats_;
    int nbCoupes_ = 41;
};
