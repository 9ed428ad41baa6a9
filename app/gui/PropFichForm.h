// The document properties dialog: title, boat type, architect, company,
// version, date and the comment lines, with the document's file name shown.
// "OK" writes them into the properties, each cut to its field's length; the
// caller then marks the document modified.
#pragma once

#include <QDialog>

#include "model/ObjCom.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

class TPropFichForm : public QDialog {
    Q_OBJECT
public:
    explicit TPropFichForm(QWidget* parent = nullptr);

    // Shows the properties modally; true (and the properties changed) after OK.
    bool Execute(TPropFich& prop, const std::string& nomFichier);
    // What Execute does before and after showing.
    void FormShow(const TPropFich& prop, const std::string& nomFichier);
    void LitChamps(TPropFich& prop) const;

    QLineEdit *EditTitre, *EditTypeBateau, *EditArchi, *EditSociete, *EditVersion, *EditDate;
    QPlainTextEdit* MemoCom = nullptr;
    QLabel* LabelCurrentFile = nullptr;
};

TPropFichForm* PropFichForm();
TPropFichForm* CreePropFichForm(QWidget* principale);
