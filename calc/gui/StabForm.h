// The stability window: the conditions of a run, the run itself on a worker
// thread, the heeled copy drawn with G and B, the GZ (or moment) and trim
// curves, the measures of every step, the synthesis, the replay, and the
// application of a step's attitude to the model.
//
// The run belongs to the window's own engine (its own copy of the hull);
// while it runs nothing else touches that engine. Steps and progress come
// back through queued signals and are only stored as they come: the window
// shows them at most 20 times a second, the curves and the measures growing
// by the new steps alone. "Abandon", the Delete key and closing set the
// engine's stop flag, which it reads at every iteration; the window clears
// it before it starts a run. Closing waits for the run to end before the
// engine goes, and draws nothing meanwhile.
#pragma once

#include <QDialog>
#include <QList>
#include <QMetaType>
#include <QPointF>
#include <atomic>
#include <memory>

#include "calc/Stab.h"
#include "calc/StabSynthese.h"

class Document;
class QCheckBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScatterSeries;
class QSlider;
class QTabWidget;
class QThread;
class QTimer;
class QToolButton;
class TGrapheResultats;
class TGrilleResultats;

Q_DECLARE_METATYPE(TGZ)

class TStabForm : public QDialog {
    Q_OBJECT
public:
    explicit TStabForm(Document& doc, QWidget* parent = nullptr);
    ~TStabForm() override;

    // The initial state of a showing: the engine's copy, the loading and the
    // initial buoyancy from the document; results, curves and grids cleared.
    void InitStabForm();

    // Checks the conditions and starts the run on the worker thread; false
    // when a condition is refused (its message shown) or a run is going.
    bool BtnCalculerClick();
    // Sets the stop flag.
    void BtnStopClick();
    bool EnCours() const;
    // Waits (letting the run's queued calls through) until the run is over.
    void AttendFin();

    void BtnAjusterCondInitClick();
    // After the negative-volume dialog changed a flag: the copy rebuilt.
    void VolumesChanges();
    // The curve, the trim curve and the measures grid from the steps.
    void MajCourbeGZ();
    // The least time between two showings of a run's progress (ms).
    static constexpr int kIntervalleAffichage = 50;
    // The synthesis grid and the flooding marks of the curve.
    void MajResults();
    // Shows step k of the replay (the heeled copy, its G and B).
    void TrackBarEtapesChange(int k);
    void SB_FilmClick();
    // Applies the step of the selected measures row to the model, after the
    // question; true when applied.
    bool SBTransformClick();

    const TListGZ& Etapes() const { return etapes_; }
    const StabSynthese::TSynthese& Synthese() const { return synthese_; }
    double Poids() const { return poids_; }
    TVertex3f G0() const { return g0_; }
    // What the drawing shows: the copy in the attitude of the step drawn.
    const TDoubleSurfList& CopieAffichee() const { return affichee_; }
    const std::vector<TRepereEnv>& EnvahisAffiches() const { return envAffiches_; }
    // Engines alive (the window's own, while it exists).
    static int MoteursVivants();

    // Left panel.
    QLabel *LabelDeplacementInit, *LabelPoidsInit, *LabelPoidsStab;
    QLineEdit *EditGiteMax, *EditPas, *EditToleranceEnf, *EditToleranceAss, *EditDensiteEau, *EditPoids;
    QCheckBox *CBAssiette, *CB_AlignVertGZ;
    QRadioButton *RB_SetPoidsDepl, *RB_SetPoids, *RB_RAZPoidsDepl;
    QPushButton *BtnAjusterCondInit, *BtnVolumesNegatifs, *BtnFermer, *BtnStop, *BtnCalculer;
    QLabel *LabelGite, *LabelVolume, *LabelIterations, *LabelAssiette;
    QProgressBar* ProgressBar;
    QWidget* GBConditions;
    // Pages.
    QTabWidget* PageControl;
    QWidget* PaintBox;
    QToolButton *BtnRazTrackSec, *BtnRazTrackProfil, *BtnRazTrackPlan, *BtnZoomIn, *BtnZoomOut, *SB_Film;
    QSlider *TrackBarLongitude, *TrackBarLatitude, *TrackBarEtapes;
    QLabel* LabelGiteFilm;
    QCheckBox* CB_DisplayWL;
    QTimer* TimerFilm;
    TGrapheResultats *ChartGZ, *ChartAssiette;
    QLineSeries *SerieGZ, *SerieAssiette;
    QRadioButton *RB_CourbeGZ, *RB_CourbeMoment;
    QToolButton *SBZoomOut, *SBPrintChart;
    TGrilleResultats *GrilleMesures, *GrilleSynthese;
    QToolButton *SBEnregistrerMesures, *SBImprimerMesures, *SBTransform, *SBEnregistrerSynthese, *SBImprimerSynthese;
    // The flooding marks of the curve: going under (red), coming out (blue).
    std::vector<QScatterSeries*> SeriesEnvahis;

signals:
    void progression(int total, int fait);
    void etape(TGZ gz, int iterations);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void done(int r) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    class Suivi;
    class UiTravail;

    void Progression(int total, int fait);
    void EtapeRecue(const TGZ& gz, int iterations);
    // Shows the run's progress now, or at the end of the current interval.
    void AfficheProgression();
    void MajProgression();
    // The steps not yet in the curves and the measures grid added there.
    void AjouteEtapes();
    void FinCalcul();
    void Boutons(bool enCours);
    void AfficheEtatInitial();
    // G0 and W as the choice of weight and the alignment say; false (the
    // message shown, nothing changed) when the weight typed is no number.
    bool ChoixChargement();
    void DrawStab(QPainter& p, int k);
    // No flooding point on the curve.
    void EffaceEnvahis();
    void Pose(int k);
    // A number field: its value, or false (with a message, the last good
    // text put back) when it is not a number.
    bool LitChamp(QLineEdit* e, double& v);
    void ChampQuitte(QLineEdit* e);
    int AskMsgDlg(const std::string& texte, Ui::MsgType type, unsigned boutons);
    void ShowMsg(const std::string& texte);

    Document& doc_;
    std::unique_ptr<Stab::TStabCalc> calc_;
    std::unique_ptr<Suivi> suivi_;
    std::unique_ptr<UiTravail> uiTravail_;
    QThread* thread_ = nullptr;
    QTimer* intervalle_ = nullptr;
    bool enRetard_ = false;   // progress came during the interval
    int progres_ = 0, iterations_ = 0;
    int lignesMontrees_ = 0, pointsMontres_ = 0;   // steps in the measures grid, in the curves
    QList<QPointF> pointsGZ_, pointsAssiette_;
    std::atomic<bool> fermeture_ = false;
    int numeroCalcul_ = 0;
    Stab::TConditionsStab cond_;
    TVertex3f g0_;
    double poids_ = 0.0;
    TListGZ etapes_;
    StabSynthese::TSynthese synthese_;
    TDoubleSurfList initiale_, affichee_;
    std::vector<TRepereEnv> envAffiches_;
    int etapeAffichee_ = -1;
    double angle1_ = 270.0, angle2_ = 0.0;
    int zoom_ = 0;
    std::map<QLineEdit*, QString> bonsTextes_;
};
