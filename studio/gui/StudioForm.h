// The studio window: the hull lit in three dimensions, turned with the
// mouse, zoomed with the wheel, panned and turned by the view-control
// window and the arrow keys, with its display buttons, its eight lights and
// the curvature colours.
#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

#include "app/gui/Settings.h"
#include "model/Document.h"
#include "model/Draw.h"
#include "studio/Lumieres.h"
#include "studio/Studio.h"
#include "studio/gui/StudioRendu.h"
#include "studio/scene/VisClasses.h"

class QCheckBox;
class QMenu;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTimer;
class QToolButton;
class TGaussForm;
class TVisView;

// What the studio asks of the window that holds it.
class IStudioHote {
public:
    virtual ~IStudioHote() = default;
    virtual Document& Doc() = 0;
    virtual const TOptionsDessin& OptionsDessin() const = 0;
    virtual Settings::TOptions OptionsStudio() const { return {}; }
    // Runs a command of the main window by its item's name (the pop-up menu).
    virtual void Commande(const char* /*item*/) {}
    // The studio became the active window.
    virtual void StudioActive() {}
    // The window beside and above which the curvature tool window stands.
    virtual QWidget* Principale() { return nullptr; }
};

class TStudioForm : public QWidget {
    Q_OBJECT

public:
    // Creates the studio (and its curvature tool window) and installs it as
    // the surfaces' curvature colourer.
    explicit TStudioForm(IStudioHote* hote, QWidget* parent = nullptr);
    // The same, the studio owning its host.
    explicit TStudioForm(std::unique_ptr<IStudioHote> hote, QWidget* parent = nullptr);
    ~TStudioForm() override;
    // The studio of the running program (nullptr when none).
    static TStudioForm* Instance();

    // The scene view, made with the studio (none on a platform without OpenGL).
    TVisView* GLC();
    TGaussForm* Gauss() const { return gauss_.get(); }
    TStudioRendu& Rendu() { return rendu_; }
    const TglLightList& Lumieres() const { return lumieres_; }
    TglLightList& Lumieres() { return lumieres_; }
    TglAxes& Axes() { return axes_; }

    // ---- View fields (the view-control window's five bars) --------------------
    // The view control's zoom bar runs up to this position.
    static constexpr int kZoomMax = 350;
    const Studio::TVueStudio& Vue() const { return vue_; }
    // The zoom bar at `position` out of `maximum`: distance (maximum - position + 1) / 10.
    void SetZoom(float position, int maximum);
    void SetPanX(int v);
    void SetPanY(int v);
    void SetAngleZ(float degres);
    void SetAngleX(float degres);
    // One zoom step: 5 with Alt, 0.2 with Ctrl, else 1 (the bar's maximum given).
    void ZoomPas(bool in, Qt::KeyboardModifiers m, int maximum = kZoomMax);
    // An arrow key's step: pans by (dx, -dy), or turns by (dx, dy) degrees when `tourne`.
    void Fleche(int dx, int dy, bool tourne);
    // The stored views of a document ("St": pan X, pan Y, distance, angle Z, angle X).
    void StockeVue(TStockValues& s) const;
    // A stored view with a distance that is a positive number replaces the
    // view (and the studio is no longer to be framed when it first shows);
    // the view control follows.
    void AppliqueVue(const TStockValues& s);
    // Pan and distance that show the whole model at the present angles and
    // the scene view's size; a studio not yet shown does it when it is.
    void Cadrer();

    // ---- Display ------------------------------------------------------------------
    const Studio::TAffStudio& Aff() const { return aff_; }
    void SetMode(Studio::TModeSurf m);
    void SetPartiesCachees(bool invisibles);
    bool PlanEau() const;
    void SetPlanEau(bool on);
    // The curvature button (a click): surfaces re-evaluated with their
    // curvature, the tool window shown; up: the tool window hidden.
    void SetCourbure(bool on);
    // Background from the settings, then a repaint.
    void InitDraw();
    // Repaints at the next event loop turn.
    void Invalidate();
    // The picture at the window's size.
    QImage Image();

    // ---- Lights ------------------------------------------------------------------------
    // The settings' lights: on/off (with their lamp as the "Spots visibles"
    // button says), distance and angles.
    void AppliqueLumieres(const Settings::TLumieres& l);
    Settings::TLumieres ReglagesLumieres() const;
    int LumiereCourante() const;
    void SetLumiereCourante(int n);
    // One tick of the held arrow buttons on the current light.
    void TickFleches();

    // ---- Curvature colours ---------------------------------------------------------------
    void InitCouleursCourbureSurf(TSurface& surf);
    void InitCouleursCourbureAllSurf();
    // Colours the shown surfaces whose curvature was computed since they were coloured.
    void ColoreCourbures();

signals:
    // The view fields changed here (mouse, keys): the view control follows.
    void vueModifiee();
    // The studio became the active window: the view control takes it (view kind 6).
    void activee();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QToolButton* Bouton(QWidget* page, const char* nom, const QString& sigle, bool cochable);
    // A display button (checkable) showing the program's picture `icone`.
    QToolButton* BoutonIcone(QWidget* page, const char* nom, const char* icone, const QString& bulle);
    void CreePages();
    void CreeMenu();
    void Render();
    // The framing at the scene view's size; false when there is nothing to frame.
    bool CadreVue();
    void ActiveLumiere(bool on);
    // Tells the host and the view control that the studio is the active window.
    void Activee();

    std::unique_ptr<IStudioHote> hotePossede_;
    IStudioHote* hote_;
    TVisView* glc_ = nullptr;
    TVisCamera camera_;
    TStudioRendu rendu_;
    TglLightList lumieres_;
    TglAxes axes_;
    Studio::TVueStudio vue_;
    Studio::TAffStudio aff_;
    std::unique_ptr<TGaussForm> gauss_;
    QTabWidget* pages_ = nullptr;
    QSplitter* split_ = nullptr;
    bool lissage_ = true;
    QMenu* menu_ = nullptr;
    QSpinBox* numLumiere_ = nullptr;
    QCheckBox* cbLumiere_ = nullptr;
    QToolButton* btnSpot_ = nullptr;
    QToolButton* fleches_[4] = {};  // SB_Haut, SB_Bas, SB_Gauche, SB_Droit
    QTimer* timerFl_ = nullptr;
    QToolButton* sbPlanEau_ = nullptr;
    QToolButton* sbCourbure_ = nullptr;
    QToolButton* sbModes_[5] = {};
    QToolButton* sbPCvis_ = nullptr;
    QToolButton* sbPCinvis_ = nullptr;
    bool aCadrer_ = true;  // framed on the model before its first picture of it
    QPoint dernier_;
    float dx2_ = 0, dy2_ = 0, dyDroit2_ = 0;
};
