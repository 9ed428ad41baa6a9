// The export dialog in the running program: set up from the display, and a
// 2-D export projected by the chosen view's angles whatever its zoom.
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <sstream>
#include <string>
#include <vector>

#include "export/ExportCommun.h"
#include "export/gui/ExportForm.h"
#include "tests/gui/MainFormTestUtil.h"
#include "tests/support/TestFiles.h"

namespace {

using ExportForm = ProgrammeTest;

TEST_F(ExportForm, SetUpFromTheDisplayAndIgesStaysThreeDimensional) {
    TExportForm f(&F());
    F().Doc().Aff.MeCarene = false;
    F().Doc().Aff.MeSections = true;
    F().Doc().Aff.MeSurfaceParam = true;
    f.Init(QStringLiteral("DXF"));
    for (QCheckBox* c : {f.CBAretes, f.CBCouples, f.CBLignesE, f.CBLongits, f.CBDiags}) EXPECT_FALSE(c->isChecked());
    EXPECT_TRUE(f.CBSurfParam->isChecked() && f.RBSurfPolyL->isEnabled() && !f.CBnurbs->isEnabled());
    f.RB2D->setChecked(true);
    EXPECT_TRUE(f.GB2D->isEnabled());
    f.Init(QStringLiteral("IGES"));
    EXPECT_TRUE(f.RB3D->isChecked() && !f.RB2D->isEnabled() && !f.GB2D->isEnabled());
    EXPECT_TRUE(f.CBnurbs->isChecked() && !f.CBSurfParam->isEnabled());
    // The three commands are connected, so enabled.
    for (const char* m : {"MeExportTXT", "MeExportDXF", "MeExportIGES"}) EXPECT_TRUE(A(m)->isEnabled()) << m;
}

// "3D" and "2D" are one choice, the four views another, the surfaces' two forms a third: a click on a checked
// button leaves it checked, and choosing in one never clears another.
TEST_F(ExportForm, EachChoiceKeepsOneButtonChecked) {
    TExportForm f(&F());
    f.Init(QStringLiteral("DXF"));
    f.CBSurfParam->setChecked(true);
    for (const auto& [bouton, attendu] : std::vector<std::pair<QRadioButton*, std::string>>{
             {f.RBSurfPolyL, "10100001"}, {f.RBSurfPolyL, "10100001"}, {f.RB2D, "01100001"}, {f.RB2D, "01100001"},
             {f.RBPlan, "01010001"}, {f.RBPlan, "01010001"}, {f.RBPerspective, "01000101"}, {f.RB3D, "10000101"},
             {f.RB3D, "10000101"}, {f.RB2D, "01000101"}}) {
        bouton->click();
        std::string etat;
        for (QRadioButton* b : {f.RB3D, f.RB2D, f.RBSection, f.RBPlan, f.RBProfile, f.RBPerspective, f.RBSurfMaille3D,
                                f.RBSurfPolyL})
            etat += b->isChecked() ? '1' : '0';
        EXPECT_EQ(etat, attendu) << bouton->objectName().toStdString();
    }
}

TEST_F(ExportForm, TwoDimensionalTextIsProjectedByThePlanViewsAnglesAtAnyZoom) {
    TExportForm f(&F());
    QString fichier;
    f.ChoixFichier = [&](QWidget*, const QString&, const QString& filtre, const QString& ext) {
        EXPECT_TRUE(filtre.contains(QStringLiteral("*.txt")));
        EXPECT_EQ(ext, QStringLiteral("txt"));
        return fichier;
    };
    f.Init(QStringLiteral("TXT"));
    f.CBAretes->setChecked(true);
    f.RB2D->setChecked(true);
    f.RBPlan->setChecked(true);
    auto exporte = [&](const QString& nom) {
        fichier = Fichier(nom);
        f.BtnOKClick();
        return testfiles::LitOctets(fichier.toStdString());
    };
    const std::string avant = exporte(QStringLiteral("a.txt"));
    Vue(1)->Vue().Scale *= 3.0f;
    Vue(1)->Vue().OriginX += 55;
    EXPECT_EQ(exporte(QStringLiteral("b.txt")), avant);
    // The first border point, projected with the plan's two angles.
    double x, y;
    ExportCommun::TProjection2D(Vue(1)->Vue()).Projette(F().Doc().Surface(0)->Points[0][0], x, y);
    const std::size_t bord = avant.find("[POLYLINE]\r\n");
    ASSERT_NE(bord, std::string::npos);
    std::istringstream ligne(avant.substr(bord + 12));
    double lx, ly;
    char pv;
    ligne >> lx >> pv >> ly;
    EXPECT_TRUE(std::abs(lx - x) < 5e-5 && std::abs(ly - y) < 5e-5) << lx << " " << ly;
    EXPECT_EQ(f.result(), QDialog::Accepted);

    // A file that cannot be written: the reason is shown, the dialog stays.
    f.setResult(0);
    fichier = Fichier(QStringLiteral("absent/c.txt"));
    f.BtnOKClick();
    ASSERT_FALSE(d_.questions.empty());
    const QString dit = d_.questions.back();
    EXPECT_TRUE(dit.contains(QStringLiteral("absent/c.txt")) && f.result() == 0) << dit.toStdString();
}

}  // namespace
