// The view-control window "Contrôle": five track bars for the controlled
// view (scale, horizontal and vertical shift, and for the perspective and
// the studio two angles). Setting the bars from a view never moves it; only
// the user's drag does.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "views/VueCtrl.h"
#include "views/gui/VueHote.h"

class QLabel;
class QSlider;

// What the window asks of the studio. The studio window implements it, hands
// itself over with TVueCtrlForm::SetStudio, and calls ChangeVue(kStudio) when
// it is activated and MajTrackBars(kStudio) after its view changed.
class IStudioControle {
public:
    virtual ~IStudioControle() = default;
    virtual VueCtrl::TStudio& EtatStudio() = 0;
    // The studio's scene is drawn again after a bar moved it.
    virtual void RedessineStudio() = 0;
};

class TVueCtrlForm : public QWidget {
    Q_OBJECT

public:
    enum Barre { bZoom = 0, bDHori, bDVert, bRHori, bRVert };

    explicit TVueCtrlForm(IVueHote& hote, QWidget* parent = nullptr);

    void SetStudio(IStudioControle* studio) { studio_ = studio; }
    // Makes the index the controlled view (0..3, or VueCtrl::kStudio) and sets the ranges.
    void ChangeVue(int index);
    // When the index is the controlled view: the bars and their labels from it.
    void MajTrackBars(int index);
    int Index() const { return index_; }

    QSlider* TrackBar(Barre b) const { return barres_[b]; }
    QLabel* Valeur(Barre b) const { return valeurs_[b]; }

    // The window was closed (the menu item is unticked).
    std::function<void()> Fermee;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Change(Barre b, int pos);
    void Positionne(const VueCtrl::TPositions& p);

    IVueHote& hote_;
    IStudioControle* studio_ = nullptr;
    int index_ = 0;
    bool maj_ = false;  // the bars are being set, not dragged
    std::array<QSlider*, 5> barres_{};
    std::array<QLabel*, 5> valeurs_{};
    std::array<QLabel*, 5> titres_{};
};
