// The area table: every surface's immersed, emerged and total area, and
// their sums; rebuilt at each showing, Ctrl+C copies the selected rows.
#pragma once

#include <QDialog>

class Document;
class TGrilleResultats;

class TAireForm : public QDialog {
    Q_OBJECT
public:
    explicit TAireForm(Document& doc, QWidget* parent = nullptr);
    virtual void Remplit();
    TGrilleResultats* GrilleAires;

protected:
    TAireForm(Document& doc, QWidget* parent, int colonnes);
    void showEvent(QShowEvent* e) override;
    Document& doc_;
};
