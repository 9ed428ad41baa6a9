// The new reference mark placed where the user clicked in a view.
#pragma once

#include <QDialog>

#include "model/Geom.h"

class Document;
class QLineEdit;

class TDefReperesForm : public QDialog {
    Q_OBJECT
public:
    explicit TDefReperesForm(Document& doc, QWidget* parent = nullptr);
    void Prepare(TVertex3f p, QPoint ecran);
    bool ShowAt(TVertex3f p, QPoint ecran);
    // Adds the mark when X, Y and Z read; false with a message otherwise.
    bool BtnOKClick();

    QLineEdit *EditNom, *EditX, *EditY, *EditZ;

private:
    Document& doc_;
};
