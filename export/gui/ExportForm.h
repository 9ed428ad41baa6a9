// The export dialog: what to write (borders and nets, each family of cut
// lines, the evaluated surface as a mesh or as polylines, NURBS, the grid,
// the axes, colours) and how (3-D, or projected into one of the four views),
// then the file; set up for "TXT", "DXF" or "IGES" each time it is shown.
#pragma once

#include <QDialog>
#include <functional>

#include "export/ExportCommun.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;
class TMainForm;

class TExportForm : public QDialog {
    Q_OBJECT

public:
    explicit TExportForm(TMainForm* main);

    // Sets the dialog up for the type ("TXT", "DXF" or "IGES"; any other
    // keeps the previous caption and filter) from the display switches.
    void Init(const QString& type);
    // Init, then the dialog shown modally.
    int Execute(const QString& type);

    // What the boxes say.
    TOptionsExport Options() const;

    // The file chosen in the save dialog (empty: cancelled); tests replace it.
    std::function<QString(QWidget* parent, const QString& titre, const QString& filtre, const QString& extension)>
        ChoixFichier;

    QCheckBox *CBAretes, *CBCouples, *CBLignesE, *CBLongits, *CBDiags, *CBSurfParam, *CBnurbs, *CBGrille, *CBAxes,
        *CBColor;
    QRadioButton *RBSurfMaille3D, *RBSurfPolyL, *RB3D, *RB2D, *RBSection, *RBPlan, *RBProfile, *RBPerspective;
    QGroupBox* GB2D;

public slots:
    void BtnOKClick();
    void RB2DClick();
    void CBSurfParamClick();

private:
    TMainForm* main_;
    QString type_;
    QString filtre_, extension_;
};
