// The hydrostatics window on the box barge: what its grid and curve show.
#include <QClipboard>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTimer>
#include <QValueAxis>

#include "base/Encodage.h"
#include "calc/gui/DevSurfForm.h"
#include "calc/gui/GrilleResultats.h"
#include "calc/gui/HydrostatForm.h"
#include "calc/gui/StabDlgForm.h"
#include "calc/gui/StabForm.h"
#include "calc/gui/TabCotesForm.h"
#include "model/Draw.h"
#include "platform/CanvasQt.h"
#include "tests/gui/MainFormTestUtil.h"
#include "tests/support/CareneFixtures.h"
#include "views/gui/ListeSurfForm.h"
#include "views/gui/SelSurfaces.h"

namespace {

struct FenetreCaisson {
    RecordingScope ui;
    Document doc;
    THydrostatForm f{doc};
    FenetreCaisson() {
        doc = fixtures::DocAvec(fixtures::Caisson(TDefGrille{}));
        f.Prepare();
    }
};

}  // namespace

TEST(HydrostatForm, BoxBargeGridAndSectionalAreaCurve) {
    FenetreCaisson w;
    ASSERT_EQ(w.f.LBSurf->count(), 1);
    EXPECT_EQ(w.f.Portee().Count(), 1);
    EXPECT_EQ(w.f.EditPrecision->text(), "41");
    w.f.show();
    EXPECT_FALSE(w.f.SBEnregistrer->isEnabled());
    QTest::mouseClick(w.f.BtnCalculer1, Qt::LeftButton);
    EXPECT_TRUE(w.f.SBEnregistrer->isEnabled());
    // Every row of the run is shown, titles included (the numbers: the engine's tests).
    EXPECT_EQ(w.f.SGResult->rowCount(), static_cast<int>(w.f.Resultats().Lignes.size()));

    // A flat line at 4 over the 41 stations, closed to 0 at both ends.
    const QList<QPointF> pts = w.f.SerieAires->points();
    ASSERT_EQ(pts.size(), 41 + 2);
    EXPECT_EQ(pts.front(), QPointF(0, 0));
    EXPECT_EQ(pts.back(), QPointF(10, 0));
    EXPECT_EQ(pts[21], QPointF(5, 4));
    EXPECT_FALSE(w.f.ChartCourbeAires->isHidden());
    // Ticks on round values: every metre along, every half square metre up
    // (the range widened to 4.5), the areas with 4 decimals.
    for (auto [axe, haut, ticks, format] : {std::tuple{Qt::Horizontal, 10.0, 11, "%.0f"}, {Qt::Vertical, 4.5, 10, "%.4f"}}) {
        const auto* a = qobject_cast<QValueAxis*>(w.f.ChartCourbeAires->chart()->axes(axe).first());
        EXPECT_NEAR(a->min(), 0.0, 1e-9);
        EXPECT_EQ(a->max(), haut);
        EXPECT_EQ(a->tickCount(), ticks);
        EXPECT_EQ(a->labelFormat(), format);
    }
    // Ctrl+C copies the selected rows, tab-separated, each ended by CR.
    w.f.SGResult->selectRow(1);
    QTest::keyClick(w.f.SGResult, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "Volume immergé [m3]\t40.0000\r");

    // Saved as text lines, in the program's code page.
    QTemporaryDir dir;
    const QString fichier = dir.filePath("h.txt");
    ASSERT_TRUE(w.f.SGResult->Enregistre(fichier));
    std::vector<std::string> lignes;
    ASSERT_TRUE(Encodage::LitFichierTexte(fichier.toStdString(), lignes));
    ASSERT_EQ(static_cast<int>(lignes.size()), w.f.SGResult->rowCount());
    EXPECT_EQ(lignes[1], "Volume immergé [m3]\t40.0000");
}

TEST(HydrostatForm, StationCountAndScope) {
    FenetreCaisson w;
    for (const auto& [tape, montre, message] : {std::tuple{"250", "201", false}, {"2", "3", false}, {"7", "7", false},
                                                {"x1", "7", true}, {"", "7", true}}) {
        w.ui.rec.messages.clear();
        w.f.EditPrecision->setText(tape);
        w.f.EditPrecisionExit();
        EXPECT_EQ(w.f.EditPrecision->text(), montre) << tape;
        EXPECT_EQ(w.f.NbCoupes(), QString(montre).toInt());
        EXPECT_EQ(w.ui.rec.messages.size(), message ? 1u : 0u) << tape;
    }
    // "Aucune": an empty scope runs to zero results and an empty curve.
    QTest::mouseClick(w.f.BtnAucune, Qt::LeftButton);
    EXPECT_EQ(w.f.Portee().Count(), 0);
    w.f.BtnCalculerClick();
    EXPECT_EQ(w.f.SerieAires->count(), 0);
    EXPECT_EQ(w.f.SGResult->Texte(1, 1), "0.0000");  // the immersed volume
    QTest::mouseClick(w.f.BtnTout, Qt::LeftButton);
    EXPECT_EQ(w.f.Portee().Count(), 1);
    // The Options page: perpendiculars typed as any finite values, "inf" and
    // "nan" refused with a message; typed ones stay when the scope changes.
    w.f.RBPPPosition->setChecked(true);
    for (const auto& [av, ar, ppav, ppar, message] :
         {std::tuple{"10000", "20000", 10000.0, 20000.0, false}, {"nan", "3", 10000.0, 20000.0, true},
          {"2", "inf", 10000.0, 20000.0, true}, {"4,5", "-1", -1.0, 4.5, false}}) {
        w.ui.rec.messages.clear();
        w.f.EditPPAv->setText(av);
        w.f.EditPPAr->setText(ar);
        emit w.f.EditPPAr->editingFinished();
        EXPECT_EQ(w.f.PPAv, ppav) << av << " " << ar;
        EXPECT_EQ(w.f.PPAr, ppar);
        EXPECT_EQ(w.ui.rec.messages.size(), message ? 1u : 0u);
    }
    w.f.PorteeCalculs = [] { return true; };
    QTest::mouseClick(w.f.BtnPorteeCalculs, Qt::LeftButton);
    EXPECT_EQ(w.f.PPAv, -1.0);
    // The page is drawn on the views' background.
    w.f.PaintBoxPP->resize(200, 100);
    EXPECT_EQ(w.f.PaintBoxPP->grab().toImage().pixelColor(1, 1), TQtCanvas::Couleur(TCouleursDessin{}.Arp));
}

// The GZ and moment chart draws a line at Y = 0 (seen on its pixels, away
// from the curve), and graduates its axes on round values, zoomed too.
TEST(HydrostatForm, StabilityChartHasAZeroLineAndRoundTicks) {
    Document doc;
    TStabForm stab(doc);
    TGrapheResultats* g = stab.ChartGZ;
    ASSERT_TRUE(g->LigneZero());
    // A range set by the window, and one that a zoom back brings about a
    // million times wider (GZ to moments).
    for (const auto& [min, max, bas, haut, ticks] : {std::tuple{0.0, 180.0, 0.0, 180.0, 10}, {-0.21, 1.37, -0.4, 1.4, 10},
                                                     {-351234.5, 98765.4, -400000.0, 100000.0, 11}}) {
        auto* a = qobject_cast<QValueAxis*>(g->chart()->axes(min == 0.0 ? Qt::Horizontal : Qt::Vertical).first());
        a->setRange(min, max);
        EXPECT_NEAR(a->min(), bas, 1e-9 * haut) << min;
        EXPECT_DOUBLE_EQ(a->max(), haut);
        EXPECT_EQ(a->tickCount(), ticks);
    }

    TGrapheResultats h;
    auto* s = new QLineSeries;
    h.chart()->addSeries(s);
    h.chart()->createDefaultAxes();
    h.chart()->axes(Qt::Vertical).first()->setRange(-2.0, 2.0);
    h.resize(400, 300);
    h.show();
    for (bool ligne : {false, true}) {
        h.setLigneZero(ligne);
        const QImage im = h.grab().toImage();
        const QPoint p = h.mapFromScene(h.chart()->mapToScene(h.chart()->mapToPosition(QPointF(0.3, 0.0), s)));
        int gris = 255;
        for (int dy : {-1, 0, 1}) gris = std::min(gris, qGray(im.pixel(p + QPoint(0, dy))));
        EXPECT_EQ(gris < 100, ligne);
    }
}

using HydrostatProgramme = ProgrammeTest;

// "Portée des calculs..." opens the surface list dialog in its scope mode;
// the window then lists only the surfaces left counted.
TEST_F(HydrostatProgramme, ScopeButtonOpensTheSurfaceListInItsScopeMode) {
    QString titre;
    int lignes = -1;
    bool clique = false;
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, [&] {
        QWidget* m = QApplication::activeModalWidget();
        if (auto* h = qobject_cast<THydrostatForm*>(m)) {
            if (!clique) {
                clique = true;
                QTimer::singleShot(0, h->BtnPorteeCalculs, &QPushButton::click);
            } else {
                lignes = h->LBSurf->count();
                h->close();
            }
        } else if (auto* l = qobject_cast<TListeSurfForm*>(m)) {
            titre = l->windowTitle();
            l->Surfaces()->ToutChoisir(false);
            l->Valider();
        } else if (m) {
            m->close();   // any other dialog: not the one asked for
        }
    });
    t.start(20);
    A("MeCalcHydroStat")->trigger();
    EXPECT_EQ(titre, QStringLiteral("Portée des calculs"));
    EXPECT_EQ(lignes, 0);
    EXPECT_EQ(F().Doc().Surface(0)->Calc, 0);
}

// A run's results belong to its document: closing it, a new one or opening
// another leaves the window empty until the next run.
TEST_F(HydrostatProgramme, ResultsOfAClosedDocumentAreNeverShownForTheNextOne) {
    // What the window shows once open, a run first when asked: filled rows, points of the curve, the chart.
    const auto montre = [this](bool calculer) {
        int n = -1;
        QTimer t;
        QObject::connect(&t, &QTimer::timeout, [&] {
            auto* h = qobject_cast<THydrostatForm*>(QApplication::activeModalWidget());
            if (!h) return;
            t.stop();
            if (calculer) h->BtnCalculerClick();
            n = int(h->SerieAires->points().size() + h->Resultats().Lignes.size()) + !h->ChartCourbeAires->isHidden();
            for (int r = 0; r < h->SGResult->rowCount(); ++r)
                n += h->SGResult->item(r, 0) && !h->SGResult->item(r, 0)->text().isEmpty();
            h->close();
        });
        t.start(20);
        A("MeCalcHydroStat")->trigger();
        return n;
    };
    const QString autre = QString::fromStdString(EcritDocument(QStringLiteral("autre.cse"), 1));
    for (const char* commande : {"MeFermer", "MeNouveau", "MeOuvrir"}) {
        if (F().Doc().NbSurf() == 0) A("MeNouveau")->trigger();
        ASSERT_GT(montre(true), 0) << commande;
        d_.fichierOuvrir = autre;
        d_.reponses = {Ui::mrYes, Ui::mrNo};
        A(commande)->trigger();
        EXPECT_EQ(montre(false), 0) << commande;
    }
}

// The calculation windows' surface lists select as every list does: a click
// picks that line alone, Ctrl+click toggles, Shift+click extends.
TEST(HydrostatForm, SurfaceListsOfTheCalculationWindowsSelectLikeEveryList) {
    Document doc;
    std::unique_ptr<QWidget> fenetres[] = {std::make_unique<THydrostatForm>(doc), std::make_unique<TStabDlgForm>(doc),
                                           std::make_unique<TTabCotesForm>(doc), std::make_unique<TDevSurfForm>(doc)};
    for (auto& w : fenetres)
        EXPECT_EQ(w->findChild<QListWidget*>()->selectionMode(), QAbstractItemView::ExtendedSelection) << w->metaObject()->className();
}
