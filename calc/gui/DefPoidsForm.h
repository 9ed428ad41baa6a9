// The new weight placed where the user clicked in a view (the add-weight
// tool): its mass, name, position and the surface it is attached to.
#pragma once

#include <QDialog>

#include "model/Geom.h"

class Document;
class QComboBox;
class QLineEdit;
class QPushButton;

class TDefPoidsForm : public QDialog {
    Q_OBJECT
public:
    explicit TDefPoidsForm(Document& doc, QWidget* parent = nullptr);
    // Fills the fields for the point, the dialog placed at the screen position.
    void Prepare(TVertex3f p, QPoint ecran);
    // Shows it modally at the position; true when a weight was added.
    bool ShowAt(TVertex3f p, QPoint ecran);
    // Adds the weight when every field reads; false with a message otherwise.
    bool BtnOKClick();

    QLineEdit *EditValeur, *EditNom, *EditX, *EditY, *EditZ;
    QComboBox* CBSurf;
    QPushButton *BtnOK, *BtnAnnuler;

private:
    Document& doc_;
};
