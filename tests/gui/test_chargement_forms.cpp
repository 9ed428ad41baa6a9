// The loading and table dialogs: what they apply, what they refuse, what
// they write.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QStyle>
#include <functional>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "base/Encodage.h"
#include "calc/gui/AireForm.h"
#include "calc/gui/DevSurfForm.h"
#include "calc/gui/GrilleResultats.h"
#include "calc/gui/ImportRepForm.h"
#include "calc/gui/PoidsForm.h"
#include "calc/gui/ReperesForm.h"
#include "calc/gui/StabDlgForm.h"
#include "calc/gui/StabForm.h"
#include "calc/gui/TabCotesForm.h"
#include "studio/gui/GaussForm.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/RecordingUi.h"

namespace {

struct Doc {
    RecordingScope ui;
    Document doc;
    QTemporaryDir dir;
    Doc() : doc(fixtures::DeuxCaissons()) { doc.MarquerEnregistre(); }
    QString Fichier(const char* nom, const std::vector<std::string>& lignes = {}) {
        const QString f = dir.filePath(nom);
        if (!lignes.empty()) Encodage::EcritFichierTexte(f.toStdString(), lignes);
        return f;
    }
};

}  // namespace

TEST(PoidsForm, BadCellRefusedSavedFileComesBackAndTotalRow) {
    Doc d;
    d.doc.ListPoids = {{"lest", 41040.0, 0.0, 5.0, -0.25, -1}, {"moteur", 350.0, 0.5, 2.0, -0.5, 1}};
    TPoidsForm f(d.doc);
    f.show();
    ASSERT_EQ(f.SG_PoidsSurf->rowCount(), 2);
    ASSERT_EQ(f.SG_PoidsBallast->rowCount(), 2);
    EXPECT_EQ(f.SG_PoidsBallast->item(1, 6)->text(), "flotteur");
    // No surface weighs anything: the total is the two weights.
    EXPECT_EQ(f.SG_PoidsTotal->item(0, 2)->text(), "41390.000");

    const TListPoids avant = d.doc.ListPoids;
    f.SG_PoidsBallast->item(1, 4)->setText("5,0,1");
    EXPECT_FALSE(f.BtnOKClick());
    EXPECT_EQ(f.SG_PoidsBallast->currentRow(), 1);
    EXPECT_EQ(f.SG_PoidsBallast->currentColumn(), 4);
    EXPECT_EQ(d.ui.rec.messages, std::vector<std::string>{"'5,0,1' n'est pas une valeur numérique correcte : Y"});
    f.BtnAjouterClick();   // refused too
    EXPECT_EQ(f.SG_PoidsBallast->rowCount(), 2);
    EXPECT_EQ(d.doc.ListPoids, avant);
    EXPECT_TRUE(d.doc.Enregistre());
    // A number beyond the working range is refused too.
    f.SG_PoidsBallast->item(1, 4)->setText("1e300");
    EXPECT_FALSE(f.BtnOKClick());
    EXPECT_TRUE(d.ui.rec.messages.back().ends_with(" demandée : Y"));
    f.SG_PoidsBallast->item(1, 4)->setText("2.000");

    const QString fichier = d.Fichier("p.csv");
    ASSERT_TRUE(f.Enregistre(fichier));
    d.doc.ListPoids.clear();
    TPoidsForm g(d.doc);
    g.show();
    ASSERT_TRUE(g.Importe(fichier));
    EXPECT_EQ(g.SG_PoidsBallast->rowCount(), 2);   // the surface rows are not weights
    EXPECT_FALSE(d.doc.Enregistre());
    ASSERT_TRUE(g.BtnOKClick());
    EXPECT_EQ(d.doc.ListPoids, avant);
}

TEST(PoidsForm, RowEditingKeepsOneRowAndItsNumbers) {
    Doc d;
    // A weight only looked at keeps its values whole, and OK changes nothing.
    d.doc.ListPoids = {{"a", 1.23456789, 0.0001, -2.5, 0.3333333, -1}};
    const TListPoids avant = d.doc.ListPoids;
    TPoidsForm f(d.doc);
    f.show();
    ASSERT_TRUE(f.BtnOKClick());
    EXPECT_EQ(d.doc.ListPoids, avant);
    EXPECT_TRUE(d.doc.Enregistre());
    ASSERT_EQ(f.SG_PoidsBallast->rowCount(), 1);
    f.BtnAjouterClick();
    f.SG_PoidsBallast->item(1, 1)->setText("b");
    f.SG_PoidsBallast->setCurrentCell(1, 1);
    f.BtnInsertClick();   // before the selected row
    ASSERT_EQ(f.SG_PoidsBallast->rowCount(), 3);
    EXPECT_EQ(f.SG_PoidsBallast->item(1, 1)->text(), "");
    EXPECT_EQ(f.SG_PoidsBallast->item(2, 1)->text(), "b");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.SG_PoidsBallast->item(i, 0)->text(), QString::number(i));
    for (int k = 0; k < 3; ++k) {
        f.SG_PoidsBallast->setCurrentCell(0, 1);
        f.BtnSupprimerClick();
    }
    ASSERT_EQ(f.SG_PoidsBallast->rowCount(), 1);   // the last row cleared, kept
    ASSERT_TRUE(f.BtnOKClick());
    EXPECT_TRUE(d.doc.ListPoids.empty());
}

// Every text of the three grids shows whole, each column as wide in the three
// grids: when the window opens, when a value is typed, when rows are imported.
TEST(PoidsForm, EveryTextShowsWholeInColumnsSharedByTheThreeGrids) {
    Doc d;
    d.doc.Surface(1)->SetNom("flotteur tribord avant renforcé");
    d.doc.ListPoids = {{"lest de quille en plomb coulé, partie arrière", 1280000.0, -12345.5, 5.0, -0.25, 1}};
    TPoidsForm f(d.doc);
    const QString fichier =
        d.Fichier("i.csv", {"mât de misaine et son gréement dormant complet;98765432.5;1;2;-7654321.125"});
    const std::pair<const char*, std::function<void()>> etapes[] = {
        {"ouverture", [&] { f.show(); }},
        {"saisie", [&] { f.SG_PoidsBallast->item(0, 3)->setText(QStringLiteral("-1234567890.125")); }},
        {"import", [&] { ASSERT_TRUE(f.Importe(fichier)); }},
    };
    for (const auto& [nom, etape] : etapes) {
        SCOPED_TRACE(nom);
        etape();
        for (const QTableWidget* g : {f.SG_PoidsSurf, f.SG_PoidsBallast, f.SG_PoidsTotal}) {
            const int marges = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1) + 1;
            for (int j = 0; j < 7; ++j) {
                EXPECT_EQ(g->columnWidth(j), f.SG_PoidsBallast->columnWidth(j)) << j;
                for (int i = 0; i < g->rowCount(); ++i) {
                    const QString t = g->item(i, j) ? g->item(i, j)->text() : QString();
                    EXPECT_LE(g->fontMetrics().horizontalAdvance(t) + marges, g->columnWidth(j)) << t.toStdString();
                }
            }
        }
    }
    EXPECT_EQ(f.SG_PoidsTotal->item(0, 2)->text(), "1280000.000");
}

TEST(ReperesForms, ImportIsAllOrNothingAndAGridIsCheckedFirst) {
    Doc d;
    TImportRepForm imp(d.doc);
    imp.SetOrdre(3);   // "Y - Z - X"
    EXPECT_FALSE(imp.Importe(d.Fichier("mauvais.csv", {"1;2;3", "", "4;cinq;6"})));
    EXPECT_EQ(d.ui.rec.messages,
              std::vector<std::string>{"Erreur de lecture du fichier d'import (Ligne 3) : aucun repère n'a été importé"});
    EXPECT_TRUE(d.doc.ListReperes.empty());
    EXPECT_TRUE(d.doc.Enregistre());
    ASSERT_TRUE(imp.Importe(d.Fichier("bon.csv", {"1;2;3", "", "4,5;5;6"})));
    EXPECT_EQ(d.doc.ListReperes, (std::vector<TRepere>{{"", 3, 1, 2}, {"", 6, 4.5, 5}}));
    EXPECT_FALSE(d.doc.Enregistre());

    TEnvahissementForm env(d.doc);
    env.show();
    ASSERT_EQ(env.Grille->rowCount(), 1);
    GrilleResultats::EcritLigne(env.Grille, 0, 1, {"écoutille", "1", "2", "z"});
    EXPECT_FALSE(env.BtnOKClick());
    EXPECT_EQ(env.Grille->currentColumn(), 4);
    EXPECT_TRUE(d.ui.rec.messages.back().ends_with(" : Z"));
    EXPECT_TRUE(d.doc.ListReperesEnv.empty());
    env.Grille->item(0, 4)->setText("0.5");
    env.BtnAjouterClick();   // numbers the rows from 0
    EXPECT_EQ(env.Grille->item(1, 0)->text(), "1");
    env.Grille->setCurrentCell(1, 1);
    env.BtnSupprimerClick();
    ASSERT_TRUE(env.BtnOKClick());
    EXPECT_EQ(d.doc.ListReperesEnv, (std::vector<TRepereEnv>{{"écoutille", 1, 2, 0.5}}));
}

TEST(StabDlgForm, NegativeVolumeReachesTheNextRuns) {
    Doc d;
    d.doc.ListPoids = {{"charge", 40.0 * 1026.0, 0.0, 5.0, 0.0, -1}};
    TStabForm stab(d.doc);
    stab.show();
    const QString avant = stab.LabelDeplacementInit->text();
    EXPECT_TRUE(avant.endsWith("82080.0000"));   // two boxes of 40 m3 at 1.026
    TStabDlgForm f(d.doc);
    f.show();
    ASSERT_EQ(f.LBSurfaces->count(), 2);
    f.LBSurfaces->item(1)->setSelected(true);
    ASSERT_TRUE(f.BtnOKClick());
    stab.VolumesChanges();
    EXPECT_TRUE(stab.LabelDeplacementInit->text().endsWith(" 0.0000"));
}

TEST(Tables, OffsetsSaveAreaRowsAndErrorColours) {
    Doc d;
    TTabCotesForm cotes(d.doc);
    cotes.show();
    const QString vide = d.Fichier("vide.txt");
    ASSERT_TRUE(cotes.Enregistre(vide));
    std::vector<std::string> lignes;
    ASSERT_TRUE(Encodage::LitFichierTexte(vide.toStdString(), lignes));
    EXPECT_EQ(lignes, (std::vector<std::string>{"Num;Nom;X;Y;Z", ";;;;"}));

    TAireForm aires(d.doc);
    aires.show();
    ASSERT_EQ(aires.GrilleAires->rowCount(), 3);
    EXPECT_EQ(aires.GrilleAires->Texte(2, 0), "Aire totale");

    for (const auto& [e, c] : {std::pair{0.0009, QColor(0, 128, 0)}, {0.001, QColor(255, 160, 0)}, {0.01, QColor(255, 0, 0)}})
        EXPECT_EQ(TDevSurfForm::Couleur(e), c) << e;
}

// Grid columns as wide as the windows give them, headers and titles shown
// whole (a title bar also holds an icon and three buttons).
TEST(Tables, ColumnWidthsHeadersAndTitlesShowWhole) {
    Doc d;
    TPoidsForm poids(d.doc);
    for (const QTableWidget* g : {poids.SG_PoidsSurf, poids.SG_PoidsBallast, poids.SG_PoidsTotal})
        for (int j = 0; int l : {40, 180, 60, 60, 60, 60, 120}) EXPECT_EQ(g->columnWidth(j++), l);
    TDevSurfForm dev(d.doc);
    for (int j = 0; int l : {130, 60, 135}) EXPECT_EQ(dev.SG_Erreur->columnWidth(j++), l);

    TAireForm aires(d.doc);
    aires.show();
    for (int j = 0; j < 4; ++j)
        EXPECT_GE(aires.GrilleAires->columnWidth(j), aires.GrilleAires->horizontalHeader()->sectionSizeHint(j)) << j;

    TEnvahissementForm env(d.doc);
    TGaussForm gauss;
    gauss.Place(nullptr);
    for (const QWidget* w : std::initializer_list<const QWidget*>{&env, &gauss}) {
        QFont f = w->font();
        f.setBold(true);
        EXPECT_GE(w->width(), QFontMetrics(f).horizontalAdvance(w->windowTitle()) + 4 * 24) << w->windowTitle().toStdString();
    }
}
