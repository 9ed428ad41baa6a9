// The import of reference marks from a ";" file: whether a name comes first,
// the order of the three numbers, the line expected.
#pragma once

#include <QDialog>

class Document;
class QButtonGroup;
class QCheckBox;
class QLabel;

class TImportRepForm : public QDialog {
    Q_OBJECT
public:
    explicit TImportRepForm(Document& doc, QWidget* parent = nullptr);
    int Ordre() const;
    void SetOrdre(int ordre);
    // Reads the file and appends its marks: all of them, or none with a
    // message naming the first line that cannot be read. True when appended.
    bool Importe(const QString& fichier);

    QCheckBox* CBNomRepere;
    QButtonGroup* RGOrdre;
    QLabel* LabelLigne;

private:
    void MajLigne();
    Document& doc_;
};
