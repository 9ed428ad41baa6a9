// The typed-editing windows as a user drives them: the vertex editor and
// list, thickness, visibility, dimensions and moves.
#include <QAction>
#include <QPrintDialog>
#include <QPrinter>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>

#include "base/Chaines.h"
#include "model/Undo.h"
#include "model/Update.h"
#include "tests/gui/FenetresTestUtil.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/TestFiles.h"
#include "views/DeplSurf.h"
#include "views/gui/CotesForm.h"
#include "views/gui/DeplSurfForm.h"
#include "views/gui/EditPCForm.h"
#include "views/gui/EpaisseurForm.h"
#include "views/gui/ListeSurfVisiblesForm.h"
#include "views/gui/LstPcForm.h"
#include "views/gui/SelSurfaces.h"
#include "views/gui/TailleForm.h"

namespace {

class TypedEditingTest : public FenetresTest {
protected:
    void SetUp() override {
        FenetresTest::SetUp();
        Doc().NouvelleSurface("Pont")->Net.Initialise(1);
        ObjCom::MajSurface(Doc(), true, -1);
    }
    // Another window of the program becomes the active one.
    void AutreActive() { autre_.show(), autre_.activateWindow(), QCoreApplication::processEvents(); }
    QWidget autre_;
};

// Text typed into a field as a user does (the field knows it was edited).
void Tape(QLineEdit* e, const char* texte) { e->setText(QLatin1String(texte)), e->setModified(true); }

TEST_F(TypedEditingTest, EditorRefusesTextFollowsTheCurrentPointAndMovesIt) {
    TVertex4f& point = Doc().SurfaceNurbs(0)->Net.TabPC[0][0];
    point = {1.23456789, 2.3456789, 0.123456789, 1.0};  // more decimals than the fields show
    const TVertex4f avant = point;
    F().Action(QStringLiteral("MeEditeurPC"))->trigger();
    TEditPCForm* e = Fenetre<TEditPCForm>();
    ASSERT_TRUE(e && e->isVisible());
    // Applied as shown, a field left untouched: nothing moves, nothing is recorded.
    emit e->Champ(0)->editingFinished();
    ASSERT_TRUE(e->Appliquer());
    EXPECT_TRUE(point == avant && F().Enregistre() && F().Undo().Kind() == TUndo::kRien);
    // A refused text stays, selected, its window and field given the focus back.
    AutreActive();
    Tape(e->Champ(1), "abc");
    emit e->Champ(1)->editingFinished();
    QCoreApplication::processEvents();
    EXPECT_EQ(ui_.rec.messages.back(), "Valeur numérique demandée : Y");
    EXPECT_TRUE(QApplication::activeWindow() == e && e->focusWidget() == e->Champ(1));
    EXPECT_EQ(e->Champ(1)->selectedText(), QStringLiteral("abc"));
    // Y alone typed: the other coordinates keep every bit.
    Tape(e->Champ(1), "1");
    ASSERT_TRUE(e->Appliquer());
    EXPECT_EQ(point, (TVertex4f{avant.X, 1.0, avant.Z, 1.0}));
    Tape(e->Champ(3), "0");  // no point of the surface there
    EXPECT_FALSE(e->Appliquer());
    EXPECT_EQ(ui_.rec.messages.back(), "Valeur strictement positive, au plus 100000, demandée : W");

    // The current point changes elsewhere: the editor follows.
    ObjCom::ChangeCurrentPC(Doc(), 1, 1, 1);
    ObjCom::MajFenetresPC(Doc());
    EXPECT_EQ(e->Champ(2)->text().toStdString(), Chaines::FormatFixe(Doc().SurfaceNurbs(1)->Net.TabPC[1][1].Z, 4));
    Tape(e->Champ(2), "-7.25");
    ASSERT_TRUE(e->Appliquer());
    EXPECT_EQ(std::pair(Doc().SurfaceNurbs(1)->Net.TabPC[1][1].Z, F().Enregistre()), std::pair(-7.25, false));
    F().MeAnnulerClick();
    EXPECT_NE(Doc().SurfaceNurbs(1)->Net.TabPC[1][1].Z, -7.25);
}

TEST_F(TypedEditingTest, ListShowsEveryPointWholeNamesAndEveryChangeAndRefusesText) {
    Doc().Surface(1)->Nom = "Pont principal avant";
    F().Action(QStringLiteral("MeLstPC"))->trigger();
    TLstPcForm* l = Fenetre<TLstPcForm>();
    ASSERT_NE(l, nullptr);
    l->Modele()->Recharge();
    const QString nom = QStringLiteral("Pont principal avant");
    EXPECT_GT(l->Grille()->columnWidth(0), l->Grille()->fontMetrics().horizontalAdvance(nom));
    // A change made in another window shows without a click in the list.
    Doc().SurfaceNurbs(0)->Net.TabPC[0][0].Z = -7.25;
    F().Redessine(false);
    EXPECT_EQ(l->Modele()->data(l->Modele()->index(0, TModelePC::kColX + 2), Qt::DisplayRole).toString(),
              QStringLiteral("-7.250"));
    const int n0 = Doc().SurfaceNurbs(0)->Net.NbL * Doc().SurfaceNurbs(0)->Net.NbC;
    ASSERT_EQ(l->Modele()->rowCount(), n0 + Doc().SurfaceNurbs(1)->Net.NbL * Doc().SurfaceNurbs(1)->Net.NbC);
    const QModelIndex y = l->Modele()->index(n0, TModelePC::kColX + 1);
    EXPECT_EQ(l->Modele()->data(l->Modele()->index(n0, 0), Qt::DisplayRole).toString(), nom);
    // A cell confirmed as it shows keeps every bit of the point.
    Doc().SurfaceNurbs(1)->Net.TabPC[0][0].Y = 1.23456789;
    EXPECT_TRUE(l->Modele()->setData(y, l->Modele()->data(y, Qt::EditRole), Qt::EditRole));
    EXPECT_TRUE(Doc().SurfaceNurbs(1)->Net.TabPC[0][0].Y == 1.23456789 && !l->Modele()->Modifie());
    // A text that is not a number writes nothing.
    EXPECT_FALSE(l->Modele()->setData(y, QStringLiteral("douze"), Qt::EditRole));
    EXPECT_EQ(l->Modele()->Refus(y, QStringLiteral("douze")), QStringLiteral("Valeur numérique demandée : Y"));
    EXPECT_TRUE(l->Modele()->setData(y, QStringLiteral("12"), Qt::EditRole));
    EXPECT_EQ(Doc().SurfaceNurbs(1)->Net.TabPC[0][0].Y, 12.0);
    const QString fichier = Fichier(QStringLiteral("vertex.txt"));
    ASSERT_TRUE(l->Exporter(fichier.toStdString()));
    const std::string octets = testfiles::LitOctets(fichier.toStdString());
    EXPECT_EQ(octets.substr(0, 16), "Surface;Num\xe9ro;L");  // Windows-1252
    l->hide();  // leaving the window evaluates what was typed
    EXPECT_TRUE(Doc().Surface(1)->Calculee == 1 && !F().Enregistre());
}

// Lets the queued events and the deferred deletions run.
void Attend(int fois) {
    for (int k = 0; k < fois; ++k) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A modal message box that takes the activation, then gives it back to the
// window that was active before it returns.
struct UiBoiteModale : RecordingUi {
    int msgDlg(std::string_view text, Ui::MsgType type, unsigned buttons) override {
        QWidget* avant = QApplication::activeWindow();
        QMessageBox b;
        QTimer::singleShot(0, &b, [&b, avant] {
            b.activateWindow();
            Attend(3);
            b.hide();
            if (avant) avant->activateWindow();
            Attend(3);
            b.accept();
        });
        b.exec();
        return RecordingUi::msgDlg(text, type, buttons);
    }
};

// A value out of range, the window active or not, the cell left by Enter, Tab, a click on another cell, Fermer or
// another window taking the activation, twice in a row: told each time; the point unchanged; the window open and
// active, the cell's editor open on the text, selected, with the focus. The same text confirmed again is told again;
// Escape gives the point's own value back. A valid value then goes in as Fermer closes.
TEST_F(TypedEditingTest, ListRefusedValueToldEveryTimeThenTheCellHasTheFocus) {
    enum Sortie { Entree, Tab, Clic, Fermer, AutreFenetre };
    F().Action(QStringLiteral("MeLstPC"))->trigger();
    TLstPcForm* l = Fenetre<TLstPcForm>();
    ASSERT_NE(l, nullptr);
    QTableView* g = l->Grille();
    auto* fermer = l->findChild<QPushButton*>(QStringLiteral("BtnFermer"));
    l->activateWindow();  // the rows are read
    Attend(1);
    const QModelIndex x = l->Modele()->index(1, TModelePC::kColX);
    auto editeur = [&] { return qobject_cast<QLineEdit*>(g->indexWidget(x)); };
    const TVertex4f avant = Doc().SurfaceNurbs(0)->Net.TabPC[0][1];
    UiBoiteModale boite;
    Ui::ScopedUi portee(&boite);
    const std::string message = "Valeur comprise entre -100000 et 100000 demandée : X";
    for (const bool active : {false, true})
        for (const Sortie sortie : {Entree, Tab, Clic, Fermer, AutreFenetre}) {
            if (!active && sortie == AutreFenetre) continue;
            SCOPED_TRACE(testing::Message() << "active " << active << ", sortie " << sortie);
            boite.messages.clear();
            for (const char* texte : {"1e9", "2e9"}) {
                // Inactive, the window leaves the text told before as it is.
                active ? l->activateWindow() : AutreActive();
                Attend(1);
                if (*texte == '1') g->setCurrentIndex(x), g->edit(x);  // the second goes into the editor left open
                ASSERT_NE(editeur(), nullptr);
                editeur()->selectAll();
                QTest::keyClicks(editeur(), QLatin1String(texte));
                switch (sortie) {
                    case Entree: QTest::keyClick(editeur(), Qt::Key_Return); break;
                    case Tab: QTest::keyClick(editeur(), Qt::Key_Tab); break;
                    case Clic: QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(x.siblingAtRow(3)).center()); break;
                    case Fermer: QTest::mouseClick(fermer, Qt::LeftButton); break;
                    case AutreFenetre: AutreActive(); break;
                }
                Attend(5);
                EXPECT_EQ(boite.messages, std::vector<std::string>(texte[0] == '1' ? 1 : 2, message));
                ASSERT_TRUE(editeur() && QApplication::focusWidget() == editeur() && QApplication::activeWindow() == l);
                EXPECT_TRUE(editeur()->selectedText() == QLatin1String(texte) && g->currentIndex() == x);
            }
            QTest::keyClick(editeur(), Qt::Key_Return);
            Attend(5);
            EXPECT_EQ(boite.messages.size(), 3u);
            ASSERT_EQ(QApplication::focusWidget(), editeur());
            QTest::keyClick(editeur(), Qt::Key_Escape);
            Attend(3);
            EXPECT_TRUE(Doc().SurfaceNurbs(0)->Net.TabPC[0][1] == avant && editeur() == nullptr);
            EXPECT_EQ(l->Modele()->data(x, Qt::DisplayRole).toString().toStdString(), Chaines::FormatFixe(avant.X, 3));
        }
    QTest::keyClick(g, Qt::Key_F2);
    ASSERT_NE(editeur(), nullptr);
    editeur()->selectAll();
    QTest::keyClicks(editeur(), QLatin1String("0.25"));
    QTest::mouseClick(fermer, Qt::LeftButton);
    Attend(3);
    EXPECT_EQ(std::pair(Doc().SurfaceNurbs(0)->Net.TabPC[0][1].X, l->isVisible()), std::pair(0.25, false));
}

TEST_F(TypedEditingTest, ThicknessThatIsNotANumberOrNegativeAddsNothing) {
    Commande<TEpaisseurForm>("MeEpaisseur", [&](TEpaisseurForm& f) {
        f.Surfaces()->Choisit({true, false});
        for (const char* t : {"abc", "-5"}) {
            f.Epaisseur()->setText(QLatin1String(t));
            f.Valider();
            EXPECT_TRUE(f.isVisible()) << t;
        }
        EXPECT_EQ(ui_.rec.messages.back(), "Valeur numérique positive demandée : Epaisseur");
        f.Epaisseur()->setText(QStringLiteral("0.05"));
        f.Valider();
    });
    ASSERT_EQ(Doc().NbSurf(), 3);
    EXPECT_EQ(std::tuple(Doc().Surface(2)->Nom, Doc().Surface(2)->Calculee), std::tuple("Surface1 3", 1));
}

TEST_F(TypedEditingTest, HidingEverySurfaceKeepsTheCurrentPoint) {
    Doc().CurrentPC = {1, 1, 0};
    F().Action(QStringLiteral("MeVisibiliteSurf"))->trigger();
    TListeSurfVisiblesForm* v = Fenetre<TListeSurfVisiblesForm>();
    ASSERT_NE(v, nullptr);
    v->Surfaces()->ToutChoisir(false);
    v->Applique();
    EXPECT_EQ(Doc().Surface(0)->Visible + Doc().Surface(1)->Visible, 0);
    EXPECT_EQ(Doc().CurrentPC, (TPC{1, 1, 0}));
}

TEST_F(TypedEditingTest, DeletingADimensionMovesTheNextUp) {
    for (const char* t : {"1.000 m", "2.000 m", "3.000 m"}) {
        TCote c{"Mètre", t, TMesure{}};
        c.Mesure.Text = t;
        Doc().ListCotes.push_back(c);
    }
    Commande<TCotesForm>("MeLstCotations", [](TCotesForm& f) {
        f.Grille()->setCurrentCell(1, 0);
        f.Supprimer();
        ASSERT_EQ(f.Grille()->rowCount(), 2);
        EXPECT_EQ(f.Grille()->item(1, 2)->text(), QStringLiteral("3.000 m"));
    });
    EXPECT_EQ(Doc().ListCotes.size(), 2u);
}

TEST_F(TypedEditingTest, MoveOnlyWithASurfaceChosenAndEveryFieldANumber) {
    TDeplSurfForm f(F());
    const TNet avant = Doc().SurfaceNurbs(1)->Net;
    QTimer::singleShot(0, [&] {
        EXPECT_FALSE(f.BoutonOK()->isEnabled());
        f.Surfaces()->Choisit({false, true});
        EXPECT_TRUE(f.BoutonOK()->isEnabled());
        for (const char* texte : {"1,5", "1e300"}) {
            f.Champ(2)->setText(QLatin1String(texte));
            f.Valider();
            EXPECT_TRUE(f.isVisible());
            EXPECT_EQ(Doc().SurfaceNurbs(1)->Net, avant);
        }
        EXPECT_EQ(ui_.rec.messages.back(), "Valeur comprise entre -100000 et 100000 demandée : Hauteur Z");
        f.Champ(2)->setText(QStringLiteral("1.5"));
        f.Valider();
    });
    ASSERT_TRUE(f.Execute(DeplSurf::dmDeplace));
    EXPECT_EQ(Doc().SurfaceNurbs(1)->Net.TabPC[0][0].Z, avant.TabPC[0][0].Z + 1.5);
    EXPECT_TRUE(Doc().SurfaceNurbs(1)->PlanSym == TPlanSym{} && F().Undo().Kind() == TUndo::kGeometrie);  // the frame stays
}

TEST_F(TypedEditingTest, HullDimensionsOfTheCountedSurfaces) {
    Doc().Fermer();
    Doc().AjouteSurface(fixtures::Caisson(Doc().DefGrille));
    Doc().AjouteSurface(fixtures::Caisson(Doc().DefGrille, 4, 4, 4, 10, 20.0));
    Doc().Surface(1)->Calc = 0;
    Commande<TTailleForm>("MeTaille", [](TTailleForm& f) {
        EXPECT_EQ(f.Texte("LabLongueur") + f.Texte("LabLargeur") + f.Texte("LabHauteur") + f.Texte("LabProfondeurMax"),
                  "Longueur=10.0000Largeur=4.0000Hauteur=2.0000Profondeur max=-1.0000");
        f.Surfaces()->ToutChoisir(true);
        f.Calcule();
        EXPECT_TRUE(f.Lignes().contains(QStringLiteral("    Longueur=30.0000")));
        // The print dialog open, a child of the window, adds nothing to the printout.
        const QStringList seules = f.Lignes();
        QPrinter printer;
        QPrintDialog d(&printer, &f);
        EXPECT_EQ(f.Lignes().join(u'|').toStdString(), seules.join(u'|').toStdString());
    });
}

}  // namespace
