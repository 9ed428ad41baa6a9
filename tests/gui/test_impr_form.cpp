// The print set-up in the running program: the page count, a print of the
// profile at 1/10 to PDF measured on its pages (pdfinfo and pdftoppm of
// poppler-utils), and the fields that refuse bad values.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

#include <QImage>

#include "app/gui/ChoixFichier.h"
#include "export/gui/ImprForm.h"
#include "model/Bounds.h"
#include "tests/gui/MainFormTestUtil.h"
#include "tests/support/ExportFixtures.h"

namespace {

using ImprForm = ProgrammeTest;

TEST_F(ImprForm, ProfileAtOneTenthOnA4MeasuresATenthOfTheHullAcrossItsPages) {
    TAffichage& a = F().Doc().Aff;
    a.MeAfficheAxes = a.MeGrille = a.MeNet = a.MeAffichePoids = false;
    Active(2);
    TImprForm f(&F());
    const QString pdf = Fichier(QStringLiteral("profil.pdf"));
    f.FichierPdf = [&](QWidget*) { return pdf; };
    f.show();
    QApplication::processEvents();
    f.Imprimante().setOutputFormat(QPrinter::PdfFormat);  // never a real printer from a test
    f.RB_EchFixes[3]->click();  // 1 / 10
    f.RB_ToutesPages->setChecked(true);
    QApplication::processEvents();
    const int pages = f.NbPages->text().toInt();
    const int across = f.Page().Across;
    ASSERT_TRUE(f.Imprime());

    int statut = -1;
    const std::string info = fixtures::Sortie("pdfinfo " + pdf.toStdString() + " 2>&1", &statut);
    const std::size_t k = info.find("Pages:");
    ASSERT_TRUE(statut == 0 && k != std::string::npos) << "pdfinfo (poppler-utils) cannot read the print:\n" << info;
    EXPECT_EQ(std::stoi(info.substr(k + 6)), pages) << info;
    const std::string base = Fichier(QStringLiteral("page")).toStdString();
    fixtures::Sortie("pdftoppm -r 100 -gray " + pdf.toStdString() + " " + base, &statut);
    ASSERT_EQ(statut, 0);

    // Where the printable area lies on the paper: pages tile it exactly.
    const QRectF zone = f.Imprimante().pageLayout().paintRect(QPageLayout::Millimeter);
    double debut = 1e9, fin = -1e9;
    for (int p = 1; p <= pages; ++p) {
        const QImage im(QString::fromStdString(base) + QStringLiteral("-%1.pgm").arg(p));  // pdftoppm's grey picture
        ASSERT_FALSE(im.isNull()) << p;
        int sombres = 0;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                if (qGray(im.pixel(x, y)) < 200) {
                    ++sombres;
                    const double mm = (x + 0.5) * 25.4 / 100.0;
                    const double global = ((p - 1) % across) * zone.width() + (mm - zone.left());
                    debut = std::min(debut, global);
                    fin = std::max(fin, global);
                }
        EXPECT_GT(sombres, 0) << "page " << p << " holds part of the hull";
    }
    TEtendue longueur;
    Calcs::DimentionsSurf(F().Doc(), -1, longueur);
    EXPECT_NEAR(fin - debut, longueur.Size * 1000.0 / 10.0, 1.0);
    EXPECT_EQ(pages, across);
}

TEST_F(ImprForm, FieldsKeepTheirBoundsAndThePaperIsKept) {
    TImprForm f(&F());
    f.show();
    QApplication::processEvents();
    f.EditNbCopies->selectAll();
    QTest::keyClicks(f.EditNbCopies, QStringLiteral("250"));
    EXPECT_EQ(f.EditNbCopies->text(), QStringLiteral("100"));
    f.UpDownCopies->stepDown();
    EXPECT_EQ(f.EditNbCopies->text(), QStringLiteral("99"));
    // Entering the custom scale chooses it; 0 there becomes 1 when the field is left.
    f.EditEchelle->setFocus();
    EXPECT_TRUE(f.RB_EchPers->isChecked());
    f.EditEchelle->selectAll();
    QTest::keyClicks(f.EditEchelle, QStringLiteral("0"));
    f.EditNbCopies->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f.EditEchelle->value(), 1);
    // A3 in landscape is stored 420 x 297.
    f.RadioButtonPays->click();
    f.RBTaillePA3->click();
    EXPECT_EQ(f.PapierHorz() * 1000 + f.PapierVert(), 420297);
    QSettings s(Ini(), QSettings::IniFormat);
    EXPECT_EQ(s.value(QStringLiteral("Printer/ImpPhyHorzSize")).toInt(), 420);
    EXPECT_TRUE(s.value(QStringLiteral("Printer/TPA3")).toBool());
    EXPECT_TRUE(A("MeImprimer")->isEnabled());
}

// A print to a PDF file named without an extension gets ".pdf".
TEST(ImprFormPdf, NameWithoutExtensionGetsPdf) {
    for (auto [nom, attendu] : {std::pair{"plan", "plan.pdf"}, {"plan.pdf", "plan.pdf"}, {"plan.PDF", "plan.PDF"},
                                {"v1.2/plan", "v1.2/plan.pdf"}, {"plan.v2", "plan.v2"}, {"", ""}})
        EXPECT_EQ(ChoixFichier::AvecExtension(QString::fromUtf8(nom), QStringLiteral("pdf")), QString::fromUtf8(attendu));
}

}  // namespace
