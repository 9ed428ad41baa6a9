// The stability window: its run on the worker thread, what its curves,
// grids and synthesis show, stopping and closing during a run, printing.
#include <gtest/gtest.h>

#include <map>

#include <QCheckBox>
#include <QRegularExpression>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QThread>
#include <QTimer>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "base/Debug.h"
#include "base/Langue.h"
#include "calc/gui/GrilleResultats.h"
#include "calc/gui/DevSurfForm.h"
#include "calc/gui/HydrostatForm.h"
#include "calc/gui/PoidsForm.h"
#include "calc/gui/StabForm.h"
#include "calc/gui/TabCotesForm.h"
#include "model/Undo.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/ExportFixtures.h"
#include "tests/support/RecordingUi.h"

namespace {

constexpr double kRho = 1.026;

struct Fenetre {
    RecordingScope ui;
    Document doc;
    std::unique_ptr<TStabForm> f;
    explicit Fenetre(std::unique_ptr<TDXFSurface> s, double masse, double zG) {
        std::vector<std::unique_ptr<TDXFSurface>> v;
        v.push_back(std::move(s));
        doc = fixtures::DocAvec(std::move(v));
        doc.ListPoids.push_back({"charge", masse, 0.0, 5.0, zG, -1});
        f = std::make_unique<TStabForm>(doc);
        f->show();
    }
    void Lance(const char* max, const char* pas) {
        f->EditGiteMax->setText(max);
        f->EditPas->setText(pas);
        ASSERT_TRUE(f->BtnCalculerClick());
        f->AttendFin();
    }
};

// A line as pdftotext reads it: words one space apart, ligatures and superscripts as letters and digits.
QString Lue(const QString& t) { return t.normalized(QString::NormalizationForm_KC).simplified(); }

// What `imprime` prints on A4 portrait, read back by pdftotext: the lines of
// each page and each word's box, every word inside the printable area.
using Lu = std::pair<std::vector<QStringList>, std::map<QString, QRectF>>;
Lu Imprime(const std::function<void(QPrinter&)>& imprime) {
    QTemporaryDir dir;
    const std::string pdf = dir.filePath(QStringLiteral("p.pdf")).toStdString();
    QPrinter p(QPrinter::HighResolution);
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setOutputFileName(QString::fromStdString(pdf));   // a PDF file, by its name, written when the painting ends
    const QRectF zone = p.pageLayout().paintRect(QPageLayout::Point).adjusted(-0.5, -0.5, 0.5, 0.5);
    imprime(p);
    Lu lu;
    for (const QString& page : QString::fromStdString(fixtures::Sortie("pdftotext -layout " + pdf + " -")).split('\f', Qt::SkipEmptyParts)) {
        lu.first.emplace_back();
        for (const QString& l : page.split('\n'))
            if (!l.trimmed().isEmpty()) lu.first.back() << Lue(l);
    }
    static const QRegularExpression mot(R"x(<word xMin="(\S+)" yMin="(\S+)" xMax="(\S+)" yMax="(\S+)">([^<]*)</word>)x");
    for (auto it = mot.globalMatch(QString::fromStdString(fixtures::Sortie("pdftotext -bbox " + pdf + " -"))); it.hasNext();) {
        const auto m = it.next();
        const QRectF r(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()), QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        lu.second[m.captured(5)] = r;
        EXPECT_TRUE(zone.contains(r)) << m.captured(5).toStdString();
    }
    return lu;
}

}  // namespace

// The run's curve, measures and synthesis are those of the engine. Each
// printed table on A4 portrait, read back from its PDF: every cell whole,
// inside the printable area, the cells of a row apart; each page opens with
// the table's head (title and header). The flooding points' names lie whole
// on the curve.
TEST(StabForm, CurveMeasuresAndSynthesisAreTheEnginesStepsAndEveryTablePrintsWhole) {
    const double masse = 40.0 * kRho * 1000.0;
    Fenetre w(fixtures::Caisson(TDefGrille{}), masse, 0.0);
    w.doc.ListReperesEnv.push_back({"Descente", 5.0, 2.0, 0.01});
    w.doc.PropFich.Titre = "Chaland";
    w.doc.Surface(0)->SetNom("coque");
    w.Lance("180", "2");
    Stab::TStabCalc ref;   // the same run straight on an engine of its own
    ref.Init(w.doc, kRho);
    ASSERT_TRUE(ref.Calcule({.GiteMax = 180.0, .Pas = 2.0}));
    const TListGZ& e = ref.Resultats();
    ASSERT_EQ(e.Count(), 91);
    const QList<QPointF> pts = w.f->SerieGZ->points();
    ASSERT_EQ(pts.size(), e.Count());
    for (int k = 0; k < e.Count(); ++k) {
        EXPECT_EQ(pts[k].x(), e.GetGZ(k)->Gite);
        EXPECT_EQ(pts[k].y(), StabSynthese::GZ(*e.GetGZ(k)));
        EXPECT_EQ(w.f->GrilleMesures->Texte(k, 9), GrilleResultats::Nombre(StabSynthese::GZ(*e.GetGZ(k)), 4));
    }
    // The synthesis of those steps for the window's weight, with the user's step.
    StabSynthese::TConditions c;
    c.Poids = masse;
    EXPECT_DOUBLE_EQ(w.f->Synthese().EnergieRedressement, StabSynthese::MajResults(e, c).EnergieRedressement);
    EXPECT_EQ(w.f->GrilleSynthese->Texte(5, 1), "2.000");
    // The run's label: the displaced volume (within the 1 % tolerance on the weight).
    EXPECT_NEAR(w.f->LabelVolume->text().section(' ', 2, 2).toDouble(), 40.0, 0.4);
    // A new run starts from an empty synthesis and labels at zero.
    ASSERT_TRUE(w.f->BtnCalculerClick());
    EXPECT_EQ(w.f->GrilleSynthese->Texte(0, 0), "");
    EXPECT_EQ(w.f->LabelGite->text() + "|" + w.f->LabelAssiette->text() + "|" + w.f->LabelVolume->text(),
              "Gite : 0.00|Assiette : 0.00°|Volume : 0.0000");
    w.f->AttendFin();
    // "Moment d'inertie": the same points scaled by W x 9.806.
    w.f->RB_CourbeMoment->setChecked(true);
    const QList<QPointF> m = w.f->SerieGZ->points();
    for (int k = 0; k < e.Count(); ++k) EXPECT_DOUBLE_EQ(m[k].y(), pts[k].y() * masse * 9.806);

    w.f->PageControl->setCurrentWidget(w.f->GrilleMesures->parentWidget());   // printed from its page
    TPoidsForm poids(w.doc);
    poids.show();
    THydrostatForm hydro(w.doc);
    hydro.Prepare();
    hydro.BtnCalculerClick();
    TTabCotesForm cotes(w.doc);
    cotes.show();
    w.doc.DefGrille.NbSec = w.doc.DefGrille.NbLE = 1;
    w.doc.DefGrille.Sec.Val[1] = 5.0;
    w.doc.DefGrille.LE.Val[1] = 0.0;
    cotes.BtnCalculerClick();
    // "Lancer >>" on the ruled candidate: its row, the error coloured, "Erreur" shown without scrolling.
    TSurface* cyl = w.doc.NouvelleSurface("cylindre");
    cyl->Net.Initialise(4);
    cyl->Net.CFlex = 2;
    TDevSurfForm dev(w.doc);
    dev.show();
    ASSERT_EQ(dev.Candidats(), std::vector<int>{1});
    dev.LBSurf->selectAll();
    dev.BtnLancerClick();
    EXPECT_EQ(dev.SG_Erreur->item(0, 2)->foreground().color(), QColor(0, 128, 0));
    EXPECT_EQ(dev.SG_Erreur->horizontalScrollBar()->maximum(), 0);

    struct Cas {
        const char* nom;
        std::function<void(QPrinter&)> imprime;
        QStringList tete, corps;   // the head opens each page
    };
    auto grille = [](const char* nom, TGrilleResultats* g, const QString& titre) {
        QStringList l;
        for (const QString& t : g->TexteCopie(true).split('\r')) l << Lue(t);
        return Cas{nom, [=](QPrinter& p) { g->Imprime(p, titre); }, QStringList{titre} + l.mid(0, g->AEntete()), l.mid(g->AEntete())};
    };
    std::vector<Cas> cas{grille("mesures", w.f->GrilleMesures, "Mesures"), grille("synthese", w.f->GrilleSynthese, "Synthèse"),
                         grille("hydrostatique", hydro.SGResult, hydro.windowTitle()),
                         grille("developpement", dev.SG_Erreur, dev.windowTitle()),
                         {"poids", [&](QPrinter& q) { poids.Imprime(q); }, {"Devis de poids - Chaland", "Num Nom Valeur X Y Z Surface attachée"},
                          {"0 coque 0.000 0.000 0.000 0.000 coque", "0 charge 41040.000 0.000 5.000 0.000", "TOTAL 41040.000 0.000 5.000 0.000"}},
                         {"cotes", [&](QPrinter& q) { cotes.Imprime(q); }, {"Corvane Shaper - Tableau de cotes", "Chaland", QString(32, '_')},
                          {"Num Nom X Y Z", "1 coque 2.0000 5.0000 0.0000", "2 coque -2.0000 5.0000 0.0000"}}};   // both sides
    cas[3].corps = QStringList{"cylindre Transversale 0.000000"};
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        const auto [pages, boites] = Imprime(k.imprime);
        QStringList vu, attendu = k.corps;
        attendu.removeAll(QString());
        for (const QStringList& page : pages) {
            EXPECT_EQ(page.mid(0, k.tete.size()).join('\n').toStdString(), k.tete.join('\n').toStdString());
            vu << page.mid(k.tete.size());
        }
        EXPECT_FALSE(attendu.isEmpty());
        EXPECT_EQ(vu.join('\n').toStdString(), attendu.join('\n').toStdString());
        EXPECT_TRUE(std::string_view(k.nom) != "mesures" || pages.size() > 1);   // its header on each page
    }

    // The name of the flooding point, marked at the last step (the plot's
    // edge), lies whole within the plot: between the graduations 0 and 180.
    w.f->resize(1000, 700);
    w.f->PageControl->setCurrentWidget(w.f->ChartGZ->parentWidget());
    auto [pages, boites] = Imprime([&](QPrinter& q) { w.f->ChartGZ->Imprime(q); });
    ASSERT_TRUE(pages.size() == 1 && boites.count("Descente") && boites.count("180"));
    EXPECT_GE(boites["Descente"].left(), boites["0"].center().x() - 1.0);
    EXPECT_LE(boites["Descente"].right(), boites["180"].center().x() + 1.0);
}

// The offsets printout keeps each value under its heading, from the same
// left edge, whatever the length of the surfaces' names (up to 20 characters).
TEST(StabForm, OffsetsPrintoutKeepsEachColumnUnderItsHeading) {
    for (const char* nom : {"c", "coque_babord_arriere", "coque babord arriere"}) {
        SCOPED_TRACE(nom);
        RecordingScope ui;
        Document doc = fixtures::DocAvec(fixtures::Caisson(TDefGrille{}));
        doc.Surface(0)->SetNom(nom);
        doc.DefGrille.NbSec = doc.DefGrille.NbLE = 1;
        doc.DefGrille.Sec.Val[1] = 5.0;
        doc.DefGrille.LE.Val[1] = 0.0;
        TTabCotesForm cotes(doc);
        cotes.show();
        cotes.BtnCalculerClick();
        auto [pages, boites] = Imprime([&](QPrinter& q) { cotes.Imprime(q); });
        const QString premier = QString::fromUtf8(nom).section(' ', 0, 0);  // the name's first word
        for (const auto& [entete, valeur] : std::vector<std::pair<QString, QString>>{
                 {"Num", "2"}, {"Nom", premier}, {"X", "-2.0000"}, {"Y", "5.0000"}, {"Z", "0.0000"}}) {
            ASSERT_TRUE(boites.count(entete) && boites.count(valeur)) << entete.toStdString();
            EXPECT_NEAR(boites[valeur].left(), boites[entete].left(), 0.5) << entete.toStdString();
        }
    }
}

TEST(StabForm, ReplayShowsEveryStepThenStops) {
    Fenetre w(fixtures::Caisson(TDefGrille{}), 40.0 * kRho * 1000.0, 0.0);
    w.Lance("40", "10");
    ASSERT_EQ(w.f->TrackBarEtapes->maximum(), 4);
    w.f->TrackBarEtapes->setValue(4);
    w.f->SB_FilmClick();   // at the end: rewinds, then plays
    EXPECT_TRUE(w.f->TimerFilm->isActive() && w.f->TrackBarEtapes->value() == 0);
    QTRY_VERIFY_WITH_TIMEOUT(!w.f->TimerFilm->isActive(), 60000);
    EXPECT_EQ(w.f->LabelGiteFilm->text(), "40.00°");
    // The copy drawn is the step's: its lowest point on the heeled side.
    const TGZ& e = *w.f->Etapes().GetGZ(4);
    const auto m = StabSynthese::MatriceEtape(e);
    EXPECT_EQ(w.f->CopieAffichee()[0].Points[0][0], Matrice::Transformed(m, w.doc.Surface(0)->Points[0][0]));
    // The picture is fitted to the heeled hull: its lines inside, clear of the edges.
    const QImage img = w.f->PaintBox->grab().toImage();
    int dedans = 0, auBord = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == QColor(192, 192, 192))
                ++(x == 0 || y == 0 || x == img.width() - 1 || y == img.height() - 1 ? auBord : dedans);
    EXPECT_TRUE(dedans > 0 && auBord == 0) << dedans << " " << auBord;
}

TEST(StabForm, TheRunsQuestionIsPutOnTheWindowsThreadWhichDrawsTheStepMeanwhile) {
    // Half the box's depth under water, to a tolerance that the bisection
    // meets at once upright and never once heeled: each heeled step ends on
    // its iteration limit and asks, on the window's thread, whether to stop,
    // the run waiting for the answer. Meanwhile the step stored (upright) is
    // drawn with and without anyone listening to the trace (debug mode: the
    // facets under the water too). After each "No" the step is kept where
    // its search ended; "Yes" to the third stops the run there, the labels
    // showing the last step kept.
    struct Question : RecordingUi {
        std::function<void()> avant;
        int msgDlg(std::string_view t, Ui::MsgType type, unsigned b) override {
            avant();
            return RecordingUi::msgDlg(t, type, b);
        }
    } q;
    Fenetre w(fixtures::Caisson(TDefGrille{}), 20.0 * kRho * 1000.0, 0.0);
    w.f->EditToleranceEnf->setText("1e-12");
    Ui::ScopedUi garde(&q);
    q.answers = {Ui::mrNo, Ui::mrNo, Ui::mrYes};
    int allumes[2] = {0, 0};
    q.avant = [&] {
        EXPECT_EQ(QThread::currentThread(), w.f->thread());
        if (w.f->Etapes().Count() != 1) return;
        w.f->TrackBarEtapesChange(0);
        for (const bool debug : {false, true}) {
            Debug::SetSink(debug ? +[](int, const std::string&, int, const std::vector<std::string>&) {} : nullptr);
            const QImage img = w.f->PaintBox->grab().toImage();
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) allumes[debug] += img.pixel(x, y) != qRgb(0, 0, 0);
        }
        Debug::SetSink(nullptr);
    };
    w.Lance("40", "10");
    EXPECT_EQ(q.messages, std::vector<std::string>(3, Langue::Txt("rsErrIterationsMax")));
    EXPECT_EQ(std::tuple(w.f->Etapes().Count(), w.f->EnCours(), w.f->LabelGite->text(), w.f->LabelVolume->text()),
              std::tuple(3, false, QString("Angle : 20.00°"), QString("Volume : 20.0000 m3")));
    EXPECT_TRUE(allumes[0] > 0 && allumes[1] > allumes[0] + 200) << allumes[0] << " " << allumes[1];
}

// The choice of weight holds from one showing to the next: the weight shown
// and the run's are the chosen one ("Poids initial" the document's loading).
TEST(StabForm, AReopenedWindowKeepsTheChosenWeight) {
    Fenetre w(fixtures::Caisson(TDefGrille{}), 0.0, 0.0);
    w.f->RB_SetPoidsDepl->setChecked(true);
    w.f->BtnAjusterCondInitClick();
    w.f->close();
    w.f->show();
    EXPECT_EQ(w.f->LabelPoidsStab->text().section(' ', -1).toStdString() + "|" + w.f->LabelPoidsInit->text().toStdString(),
              GrilleResultats::Nombre(40.0 * kRho * 1000.0, 4).toStdString() + "|Poids initial 0.0000");
    w.Lance("10", "5");
}

TEST(StabForm, RefusedInputsChangeNothing) {
    Fenetre w(fixtures::Caisson(TDefGrille{}), 40.0 * kRho * 1000.0, 0.0);
    for (auto [champ, texte, message] :
         {std::tuple{w.f->EditToleranceEnf, "abc", "'abc' n'est pas une valeur numérique correcte"},
          {w.f->EditPas, "0", "Pas de calcul incorrect"}, {w.f->EditPas, "200", "Pas de calcul incorrect"},
          {w.f->EditPas, "0.0001", "Pas de calcul trop petit : le calcul compterait plus de 100000 étapes"}}) {
        const QString avant = champ->text();
        w.ui.rec.messages.clear();
        champ->setText(texte);
        EXPECT_FALSE(w.f->BtnCalculerClick() || w.f->EnCours()) << texte;
        EXPECT_EQ(w.ui.rec.messages, std::vector<std::string>{message});
        champ->setText(avant);
    }
    EXPECT_EQ(w.f->Etapes().Count(), 0);
    // A tolerance typed as a word on leaving the field: the message, the old value back.
    w.ui.rec.messages.clear();
    w.f->EditToleranceEnf->setText("x");
    emit w.f->EditToleranceEnf->editingFinished();
    EXPECT_EQ(w.f->EditToleranceEnf->text(), "1");
    EXPECT_EQ(w.ui.rec.messages.size(), 1u);
}

TEST(StabForm, StopAndCloseDuringALongRun) {
    // A long run (181 steps with trim to a fine tolerance) stopped by the
    // Delete key or by closing, at the moment it starts or once it shows a
    // step: it ends there, whenever the worker got going.
    const int avant = TStabForm::MoteursVivants();
    for (const bool fermer : {false, true})
        for (const bool aLaPremiereEtape : {false, true}) {
            SCOPED_TRACE(testing::Message() << fermer << aLaPremiereEtape);
            RecordingScope ui;
            Document doc;
            doc.FormeAffichee = true;
            fixtures::CoqueQuatreSurfaces(doc, 50);
            doc.ListPoids.push_back({"charge", 8000.0, 0.0, 6.0, 0.0, -1});
            auto* f = new TStabForm(doc);
            f->show();
            f->EditPas->setText("1");
            f->EditToleranceEnf->setText("0.0001");
            f->CBAssiette->setChecked(true);
            ASSERT_TRUE(f->BtnCalculerClick());
            EXPECT_TRUE(f->BtnStop->isVisible());
            if (aLaPremiereEtape) QTRY_VERIFY_WITH_TIMEOUT(f->Etapes().Count() > 0, 60000);
            if (fermer) {
                f->BtnFermer->click();
                EXPECT_FALSE(f->isVisible());
            } else {
                QTest::keyClick(f, Qt::Key_Delete);
                f->AttendFin();
            }
            EXPECT_LT(f->Etapes().Count(), 181);
            EXPECT_FALSE(f->EnCours() || f->BtnCalculer->isHidden());
            delete f;
        }
    EXPECT_EQ(TStabForm::MoteursVivants(), avant);
}

TEST(StabForm, ApplyingAStepFloatsTheModelThereAndOneUndoRestoresIt) {
    Fenetre w(fixtures::Caisson(TDefGrille{}), 40.0 * kRho * 1000.0, 0.0);
    TUndo undo;
    w.doc.Hooks.RecordAction = [&](int kind) { undo.RecordAction(w.doc, kind); };
    w.doc.Hooks.FinAction = [&] { undo.FinAction(w.doc); };
    w.doc.ListPoids.push_back({"lest", 0.0, 1.0, 2.0, -0.5, -1});
    w.doc.ListReperes.push_back({"repère", 2.0, 0.0, 1.0});
    w.doc.ListReperesEnv.push_back({"écoutille", -2.0, 5.0, 1.0});
    const auto points = w.doc.Surface(0)->Points;
    const auto poids = w.doc.ListPoids;
    const auto reperes = w.doc.ListReperes;
    const auto envahis = w.doc.ListReperesEnv;
    w.f->EditToleranceEnf->setText("0.001");
    w.Lance("30", "15");
    // Nothing happens without a row or without a Yes.
    w.f->GrilleMesures->setCurrentCell(-1, -1);
    EXPECT_FALSE(w.f->SBTransformClick());
    w.f->GrilleMesures->selectRow(2);
    w.ui.rec.answers = {Ui::mrNo};
    EXPECT_FALSE(w.f->SBTransformClick());
    EXPECT_TRUE(w.doc.Surface(0)->Points == points);
    ASSERT_TRUE(w.f->SBTransformClick());

    const TGZ e = *w.f->Etapes().GetGZ(2);
    ASSERT_EQ(e.Gite, 30.0);
    TListSurf portee;
    portee.Add(0);
    TVertex3f cc;
    double vol = 0.0, aire = 0.0;
    Hydrostat::CalcDeplacement(w.doc, portee, cc, vol, aire);
    EXPECT_NEAR(vol, 40.0, 40.0 * 1e-5);
    EXPECT_LT(std::hypot(cc.X - e.XB, cc.Y - e.YB, cc.Z - e.ZB), 1e-6);
    // The whole loading moved with the hull.
    const auto env = StabSynthese::TransformEnvahis(envahis, StabSynthese::MatriceEtape(e));
    EXPECT_EQ(w.doc.ListReperesEnv, env);
    EXPECT_TRUE(w.doc.ListReperes != reperes && w.doc.ListPoids != poids && !w.doc.Enregistre());

    ASSERT_TRUE(undo.Annuler(w.doc));
    EXPECT_TRUE(w.doc.Surface(0)->Points == points);
    EXPECT_EQ(std::tuple(w.doc.ListPoids, w.doc.ListReperes, w.doc.ListReperesEnv), std::tuple(poids, reperes, envahis));
}
