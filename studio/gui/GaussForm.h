// The "Gaussienne" tool window: the curvature colour scale with its two
// end labels, the saturation limit, the zero threshold and the gain. A
// change, once valid, recolours the surfaces (signal `changee`).
#pragma once

#include <QWidget>

#include "studio/Courbure.h"

class QLabel;
class QLineEdit;
class QSlider;

class TGaussForm : public QWidget {
    Q_OBJECT

public:
    explicit TGaussForm(QWidget* parent = nullptr);

    const GaussCtrl::TEchelleGauss& Echelle() const { return echelle_; }
    QLineEdit* EditMaxGauss() const { return editMax_; }
    QLineEdit* EditMinGauss() const { return editMin_; }
    QSlider* TBMaxGauss() const { return tb_; }
    QLabel* LabelMax() const { return labelMax_; }
    QLabel* LabelMin() const { return labelMin_; }
    QWidget* PBScale() const { return pb_; }
    // Beside the right edge of the main window, 22 pixels below its top.
    void Place(const QWidget* principale);

signals:
    void changee();

private:
    // Reads a valid edit into the scale; an invalid text changes nothing.
    void Edite(QLineEdit* edit, double& champ);
    void Applique();
    void DrawScale();

    GaussCtrl::TEchelleGauss echelle_;
    QLineEdit* editMax_ = nullptr;
    QLineEdit* editMin_ = nullptr;
    QSlider* tb_ = nullptr;
    QLabel* labelMax_ = nullptr;
    QLabel* labelMin_ = nullptr;
    QWidget* pb_ = nullptr;
};
