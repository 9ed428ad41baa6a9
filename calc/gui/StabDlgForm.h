// The negative-volume dialog: the surfaces counted in calculations, those
// checked (selected) enclosing a volume that counts negatively.
#pragma once

#include <QDialog>

#include "model/ObjCom.h"

class Document;
class QListWidget;

class TStabDlgForm : public QDialog {
    Q_OBJECT
public:
    explicit TStabDlgForm(Document& doc, QWidget* parent = nullptr);
    void Prepare();
    // Writes the flags; true when one changed (the calculated flags are
    // cleared then, and the document marked modified).
    bool BtnOKClick();
    QListWidget* LBSurfaces;

protected:
    void showEvent(QShowEvent* e) override;

private:
    Document& doc_;
    TListSurf liste_;
};
