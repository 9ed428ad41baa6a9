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

#include <QPrinterInfo>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "app/gui/ChoixFichier.h"
#include "app/gui/ImprimanteChoisie.h"
#include "calc/gui/GrilleResultats.h"
#include "calc/gui/HydrostatForm.h"
#include "calc/gui/PoidsForm.h"
#include "calc/gui/StabForm.h"
#include "calc/gui/TabCotesForm.h"
#include "export/gui/ImprForm.h"
#include "tests/support/CareneFixtures.h"
#include "views/gui/SelSurfaces.h"
#include "views/gui/TailleForm.h"
#include "model/Bounds.h"
#include "model/Update.h"
#include "tests/gui/MainFormTestUtil.h"
#include "tests/support/ExportFixtures.h"

namespace {

using ImprForm = ProgrammeTest;

// The box, in millimetres from the picture's corner, of its dark pixels within `zone` (empty: all of it); their count
// in `n`.
QRectF Sombres(const QImage& im, QRect zone, double mmParPixel, int* n = nullptr) {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    zone = zone.isEmpty() ? im.rect() : zone;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (qGray(im.pixel(x, y)) < 200) {
                if (n) ++*n;
                x0 = std::min(x0, x * mmParPixel), x1 = std::max(x1, (x + 1) * mmParPixel);
                y0 = std::min(y0, y * mmParPixel), y1 = std::max(y1, (y + 1) * mmParPixel);
            }
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

struct Impression : ImprForm {
    const QString pdf = Fichier(QStringLiteral("profil.pdf"));
    TImprForm* f = nullptr;  // the main window's child
    // The profile alone in the dialog, printed to `pdf`.
    void Ouvre(int vue = 2) {
        TAffichage& a = F().Doc().Aff;
        a.MeAfficheAxes = a.MeGrille = a.MeNet = a.MeAffichePoids = false;
        Active(vue);
        f = new TImprForm(&F());
        f->FichierPdf = [this](QWidget*) { return pdf; };
        f->show();
        QApplication::processEvents();
        f->Imprimante().setOutputFormat(QPrinter::PdfFormat);  // never a real printer from a test
    }
    // Page p of the print as pdftoppm draws it at `dpi` in grey.
    QImage Page(int p, int dpi = 100) {
        const std::string base = Fichier(QStringLiteral("page")).toStdString();
        fixtures::Sortie("pdftoppm -r " + std::to_string(dpi) + " -gray " + pdf.toStdString() + " " + base);
        return QImage(QString::fromStdString(base) + QStringLiteral("-%1.pgm").arg(p));
    }
};

// The PDF printer's page is the paper chosen, and the hull, drawn without the markers of the screen, measures the
// scale on it across its pages: A4 at 1/10, A3 portrait and landscape at 1/25.
TEST_F(Impression, ThePaperChosenIsThePdfPageAndTheHullMeasuresTheScaleOnIt) {
    struct Cas {
        const char* papier;
        bool paysage;
        int n;
        const char* taille;  // pdfinfo's "Page size"
    };
    for (const Cas& c : {Cas{"A4", false, 10, "595 x 842 pts (A4)"}, Cas{"A3", false, 25, "842 x 1191 pts (A3)"},
                         Cas{"A3", true, 25, "1191 x 842 pts (A3)"}}) {
        SCOPED_TRACE(std::string(c.papier) + (c.paysage ? " landscape 1/" : " portrait 1/") + std::to_string(c.n));
        Ouvre();
        (c.paysage ? f->RadioButtonPays : f->RadioButtonPort)->click();
        f->findChild<QRadioButton*>(QStringLiteral("RBTailleP") + QLatin1String(c.papier))->click();
        f->UpDownEchPers->setValue(c.n);
        f->RB_EchPers->click();
        f->RB_ToutesPages->setChecked(true);
        const int pages = f->NbPages->text().toInt();
        const std::int64_t across = f->Page().Across;
        ASSERT_TRUE(f->Imprime());

        int statut = -1;
        const std::string info = fixtures::Sortie("pdfinfo " + pdf.toStdString() + " 2>&1", &statut);
        const std::size_t k = info.find("Pages:");
        ASSERT_TRUE(statut == 0 && k != std::string::npos) << "pdfinfo (poppler-utils) cannot read the print:\n" << info;
        EXPECT_EQ(std::stoi(info.substr(k + 6)), pages) << info;
        EXPECT_NE(info.find(c.taille), std::string::npos) << info;

        // Where the printable area lies on the paper: pages tile it exactly.
        const QRectF zone = f->Imprimante().pageLayout().paintRect(QPageLayout::Millimeter);
        double debut = 1e9, fin = -1e9;
        for (int p = 1; p <= pages; ++p) {
            const QRectF b = Sombres(Page(p), {}, 25.4 / 100.0);
            ASSERT_LT(b.left(), b.right()) << "page " << p << " holds part of the hull";
            debut = std::min(debut, ((p - 1) % across) * zone.width() + b.left() - zone.left());
            fin = std::max(fin, ((p - 1) % across) * zone.width() + b.right() - zone.left());
        }
        TEtendue longueur;
        Calcs::DimentionsSurf(F().Doc(), -1, longueur);
        EXPECT_NEAR(fin - debut, longueur.Size * 1000.0 / c.n, 0.5);
        EXPECT_EQ(pages, across);
        delete f;
    }
}

// Stations, waterlines, longitudinals and diagonals, white on the screen's black, are inked on paper in every view:
// each family ticked alone adds its lines to the hull's outline, on the printed page and in the preview.
TEST_F(Impression, EveryLineFamilyIsInkedOnThePageAndInThePreview) {
    for (int vue = 0; vue < 4; ++vue) {
        Ouvre(vue);
        f->RB_EchAjuster->click();
        auto encre = [&] {  // the dark pixels of the page and of the preview's page
            f->ImageApp->update();
            const QImage apercu = f->ImageApp->grab().toImage();
            const MiseEnPage::TPage& pg = f->Page();
            EXPECT_TRUE(f->Imprime());
            int page = 0, vu = 0;
            Sombres(Page(1, 50), {}, 1, &page), Sombres(apercu, QRect(pg.L + 1, pg.T + 1, pg.U - 2, pg.V - 2), 1, &vu);
            return std::pair{page, vu};
        };
        const auto [page0, apercu0] = encre();
        for (const char* famille : {"MeSections", "MeLignesdEau", "MeLongitudinales", "MeDiagonales"}) {
            SCOPED_TRACE(std::to_string(vue) + " " + famille);
            A(famille)->trigger();
            const auto [page, apercu] = encre();
            A(famille)->trigger();
            EXPECT_GT(page, page0 + 40);
            EXPECT_GT(apercu, apercu0 + 20);
        }
        delete f;
    }
}

// The axes print dash-dot as on the screen: along the X axis of the profile, about 5 of every 9 units are inked.
TEST_F(Impression, TheAxesPrintDashDot) {
    Ouvre();
    TAffichage& a = F().Doc().Aff;
    a.MeAfficheAxes = true;
    a.MeCarene = a.MeSurfaceParam = false;
    f->RB_EchAjuster->click();
    ASSERT_TRUE(f->Imprime());
    const QImage im = Page(1);
    int plein = 0, debut = 0, fin = 0;  // along the most inked row
    for (int y = 0; y < im.height(); ++y) {
        int n = 0, x0 = im.width(), x1 = -1;
        for (int x = 0; x < im.width(); ++x)
            if (qGray(im.pixel(x, y)) < 200) ++n, x0 = std::min(x0, x), x1 = x;
        if (n > plein) std::tie(plein, debut, fin) = std::tuple(n, x0, x1);
    }
    ASSERT_GT(fin - debut, 100) << "the X axis spans the page";
    EXPECT_NEAR(double(plein) / (fin - debut + 1), 5.0 / 9.0, 0.08);
}

// At 1/2 the hull spans 15 pages across, and a printable width that is no whole number of preview pixels would
// move the tiles apart: the first page of the first column that holds part of the hull prints its stern where the
// preview shows it. A point 1.25e20 m down then makes more pages than "Toutes les pages" prints: refused, with the
// count.
TEST_F(Impression, ThePrintedPageIsThePreviewedTileAndAllPagesHaveABound) {
    Ouvre();
    f->RB_EchFixes[1]->click();
    const double mm = f->Imprimante().pageLayout().paintRect(QPageLayout::Millimeter).width();  // over U pixels
    QRectF vu;
    for (int p = 1; p <= f->Page().Total && !(vu.left() < vu.right()); p += int(f->Page().Across)) {
        f->EditNumPage->setValue(p);
        const QImage apercu = f->ImageApp->grab().toImage();
        const MiseEnPage::TPage& pg = f->Page();
        vu = Sombres(apercu, QRect(pg.L + 1, pg.T + 1, pg.U - 2, pg.V - 2), mm / pg.U);
    }
    ASSERT_TRUE(f->Imprime());
    EXPECT_NEAR(Sombres(Page(1), {}, 25.4 / 100.0).left(), vu.left(), 1.5) << f->Page().Page;

    Net().TabPC[0][0].Z = -1.25e20f;
    f->RB_ToutesPages->click();
    f->ImageApp->grab();
    EXPECT_TRUE(f->NbPages->text().startsWith(QStringLiteral("> "))) << f->NbPages->text().toStdString();
    EXPECT_FALSE(f->Imprime());
    EXPECT_EQ(d_.questions.back(), QStringLiteral("Trop de pages à imprimer : %1 pages, au plus 1000").arg(f->NbPages->text()));
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
    // Entering the custom scale chooses it; 0 there becomes 1 when the field is left, "1 / 25" reads 1/25,
    // "1 / x" is refused in place with nothing applied.
    for (auto [texte, attendu] : {std::pair{"0", "1"}, {"1 / 25", "25"}, {"1 / x", "1 / x"}}) {
        f.EditEchelle->setFocus();
        EXPECT_TRUE(f.RB_EchPers->isChecked());
        f.EditEchelle->selectAll();
        QTest::keyClicks(f.EditEchelle, QString::fromUtf8(texte));
        f.EditNbCopies->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(f.EditEchelle->text(), QString::fromUtf8(attendu));
    }
    EXPECT_EQ(f.UpDownEchPers->value(), 25);
    EXPECT_TRUE(f.EditEchelle->hasFocus());
    EXPECT_EQ(d_.questions.back(), QStringLiteral("Echelle demandée sous la forme 25, 1/25 ou 1 / 25 : Personnalisée"));
    // A3 in landscape is stored 420 x 297.
    f.RadioButtonPays->click();
    f.RBTaillePA3->click();
    EXPECT_EQ(f.PapierHorz() * 1000 + f.PapierVert(), 420297);
    QSettings s(Ini(), QSettings::IniFormat);
    EXPECT_EQ(s.value(QStringLiteral("Printer/ImpPhyHorzSize")).toInt(), 420);
    EXPECT_TRUE(s.value(QStringLiteral("Printer/TPA3")).toBool());
    EXPECT_TRUE(A("MeImprimer")->isEnabled());

    // A page number above a new total becomes the total.
    f.RB_EchFixes[0]->click();
    ASSERT_GT(f.Page().Total, 1);
    f.EditNumPage->setValue(2);
    f.RB_EchAjuster->click();
    EXPECT_EQ(f.NbPages->text(), QStringLiteral("1"));
    EXPECT_EQ(f.EditNumPage->value(), 1);

    // On the PDF printer every paper is the page, without a warning that the paper differs.
    f.Imprimante().setOutputFormat(QPrinter::PdfFormat);
    const std::size_t avant = d_.questions.size();
    for (QRadioButton* o : {f.RadioButtonPort, f.RadioButtonPays})
        for (QRadioButton* p : {f.RBTaillePA4, f.RBTaillePA3, f.RBTaillePA5, f.RBTaillePperso}) {
            o->click();
            f.EditTaillePHorz->setText(QStringLiteral("300"));
            f.EditTaillePVert->setText(QStringLiteral("211"));
            p->click();
            const QSizeF mm = f.Imprimante().pageLayout().fullRect(QPageLayout::Millimeter).size();
            EXPECT_EQ(QSize(qRound(mm.width()), qRound(mm.height())), QSize(f.PapierHorz(), f.PapierVert()))
                << p->objectName().toStdString();
        }
    EXPECT_EQ(d_.questions.size(), avant) << d_.questions.back().toStdString();

    // Fichier > Configuration de l'impression: the paper and orientation confirmed in the platform's page set-up are
    // the choice every printout starts from (A5 in landscape: 210 x 148).
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        if (auto* taille = d->findChild<QComboBox*>(QStringLiteral("pageSizeCombo")))
            taille->setCurrentIndex(taille->findText(QStringLiteral("A5")));
        if (auto* paysage = d->findChild<QRadioButton*>(QStringLiteral("landscape"))) paysage->click();
        d->accept();
    });
    A("MeConfigurationImpression")->trigger();
    const ImprimanteChoisie::TChoix c = ImprimanteChoisie::Lit();
    EXPECT_TRUE(c.Papier == ImprimanteChoisie::TPapier::A5 && c.Horz == 210 && c.Vert == 148) << c.Horz << " x " << c.Vert;
}

// Every table and chart printout is on the paper chosen in the print set-up, in its orientation, its words within
// the page: pdfinfo's page size, pdftotext's boxes. The stability chart fills the page whichever way it lies; the
// weights list closes with the total of its rows, a weight typed before OK included.
TEST_F(ImprForm, EveryPrintoutIsOnThePaperChosenWithItsContentInside) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed: its dialog would wait";
    const QString pdf = Fichier(QStringLiteral("sortie.pdf"));
    const auto fichierAvant = ImprimanteChoisie::FichierPdf;
    ImprimanteChoisie::FichierPdf = [pdf](QWidget*) { return pdf; };
    Document& doc = F().Doc();
    doc.Fermer();
    doc.AjouteSurface(fixtures::Caisson(doc.DefGrille));
    doc.DefGrille.NbSec = doc.DefGrille.NbLE = 1;
    doc.DefGrille.Sec.Val[1] = 5.0;
    doc.DefGrille.LE.Val[1] = 0.0;
    doc.ListPoids = {{"charge", 40.0 * 1026.0, 0.0, 5.0, 0.0, -1}};
    TStabForm stab(doc);
    stab.show();
    stab.EditGiteMax->setText(QStringLiteral("40"));
    stab.EditPas->setText(QStringLiteral("10"));
    ASSERT_TRUE(stab.BtnCalculerClick());
    stab.AttendFin();
    stab.resize(1000, 700);
    stab.PageControl->setCurrentWidget(stab.ChartGZ->parentWidget());  // where its print button is
    doc.ListPoids.clear();
    THydrostatForm hydro(doc);
    hydro.Prepare();
    hydro.BtnCalculerClick();
    TTabCotesForm cotes(doc);
    cotes.show();
    cotes.BtnCalculerClick();
    TTailleForm taille(F());
    taille.show();
    taille.Surfaces()->Remplit(doc);
    taille.Surfaces()->ToutChoisir(true);
    ObjCom::MajSurface(doc, true, -1);
    taille.Calcule();
    TPoidsForm poids(doc);
    poids.show();
    // "Moteur" typed, not yet confirmed by OK.
    for (int j = 1; j <= 5; ++j)
        poids.SG_PoidsBallast->item(0, j)->setText(QStringList{"Moteur", "100", "0", "2", "0.2"}[j - 1]);

    auto bouton = [](QWidget* w, const char* nom) { return w->findChild<QAbstractButton*>(QLatin1String(nom)); };
    const std::tuple<const char*, QAbstractButton*, QString> printouts[] = {  // and a text found on its pages
        {"hydrostatics", hydro.BtnImprimer, hydro.windowTitle()},
        {"chart", stab.SBPrintChart, QStringLiteral("GZ")},
        {"measures", stab.SBImprimerMesures, QStringLiteral("Mesures")},
        {"synthesis", stab.SBImprimerSynthese, QStringLiteral("Synthèse")},
        {"weights", poids.SB_Imprimer, QStringLiteral("Moteur 100 0 2 0.2 TOTAL 100.000 0.000 2.000 0.200")},
        {"offsets", bouton(&cotes, "BtnImprimer"), QStringLiteral("Tableau de cotes")},
        {"dimensions", bouton(&taille, "BtnImprimer"), QStringLiteral("Longueur=10.0000")},
    };
    using ImprimanteChoisie::TPapier;
    // Each paper with pdfinfo's "Page size" and its width and height in points.
    for (const auto& [choix, taille, w, h] :
         {std::tuple{ImprimanteChoisie::TChoix{TPapier::A4, 210, 297}, "595 x 842 pts (A4)", 595.3, 841.9},
          {{TPapier::A3, 420, 297}, "1191 x 842 pts (A3)", 1190.6, 841.9},
          {{TPapier::LetterUS, 216, 279}, "612 x 792 pts (letter)", 612.0, 792.0}}) {
        ImprimanteChoisie::Ecrit(choix);
        for (const auto& [nom, bouton, texte] : printouts) {
            SCOPED_TRACE(std::string(taille) + " " + nom);
            QFile::remove(pdf);
            ASSERT_TRUE(bouton && bouton->isEnabled());
            bouton->click();
            const std::string info = fixtures::Sortie("pdfinfo " + pdf.toStdString() + " 2>&1");
            EXPECT_NE(info.find(taille), std::string::npos) << info;
            static const QRegularExpression mot(R"x(<word xMin="(\S+)" yMin="(\S+)" xMax="(\S+)" yMax="(\S+)">([^<]*)</word>)x");
            QRectF tout;  // every word's box
            const QString boites = QString::fromStdString(fixtures::Sortie("pdftotext -bbox " + pdf.toStdString() + " -"));
            for (const auto& m : mot.globalMatch(boites)) {
                const QRectF r(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                               QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
                EXPECT_TRUE(QRectF(0, 0, w, h).contains(r)) << m.captured(5).toStdString();
                tout |= r;
            }
            const QString lu = QString::fromStdString(fixtures::Sortie("pdftotext -layout " + pdf.toStdString() + " -")).simplified();
            EXPECT_TRUE(lu.contains(texte)) << lu.toStdString();
            EXPECT_TRUE(std::string_view(nom) != "chart" || (tout.width() > 0.8 * w && tout.height() > 0.8 * h))
                << tout.width() << " x " << tout.height();
        }
    }
    ImprimanteChoisie::FichierPdf = fichierAvant;
}

// A print to a PDF file named without an extension gets ".pdf".
TEST(ImprFormPdf, NameWithoutExtensionGetsPdf) {
    for (auto [nom, attendu] : {std::pair{"plan", "plan.pdf"}, {"plan.pdf", "plan.pdf"}, {"plan.PDF", "plan.PDF"},
                                {"v1.2/plan", "v1.2/plan.pdf"}, {"plan.v2", "plan.v2"}, {"", ""}})
        EXPECT_EQ(ChoixFichier::AvecExtension(QString::fromUtf8(nom), QStringLiteral("pdf")), QString::fromUtf8(attendu));
}

}  // namespace
