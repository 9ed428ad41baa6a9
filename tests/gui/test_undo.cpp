// Undo and redo through the main window's commands.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "calc/gui/DefPoidsForm.h"
#include "calc/gui/DefReperesForm.h"
#include "calc/gui/PoidsForm.h"
#include "calc/gui/ReperesForm.h"
#include "model/Draw.h"
#include "tests/gui/FenetresTestUtil.h"
#include "views/PropSurf.h"
#include "views/Selection.h"
#include "views/gui/BitMFondForm.h"
#include "views/gui/EditPCForm.h"
#include "views/gui/EpaisseurForm.h"
#include "views/gui/GrilleForm.h"
#include "views/gui/ListeSurfForm.h"
#include "views/gui/LstPcForm.h"
#include "views/gui/PropSurfForm.h"
#include "views/gui/SelSurfaces.h"
#include "views/gui/SurfNewForm.h"
#include "views/gui/TransfoForm.h"

namespace {

// A change of one control point the way the editing code makes it.
void DeplacePoint(TMainForm& f, int surf, int i, int j, double x) {
    f.Doc().RecordAction(TUndo::kGeometrie);
    f.Doc().SurfaceNurbs(surf)->Net.TabPC[i][j].X = x;
    f.Doc().SurfaceNurbs(surf)->Calculee = 0;
    f.MarquerModifie();
}

}  // namespace

TEST_F(MainFormTest, UndoRestoresThePointMarksModifiedAndRedoChangesItAgain) {
    const std::string chemin = EcritDocument(QStringLiteral("annuler.cse"), 2);
    DialoguesTest d;
    d.fichierOuvrir = QString::fromStdString(chemin);
    TMainForm f;
    f.SetDialogues(&d);
    f.show();
    d.reponses = {Ui::mrYes};  // close the default drawing
    f.MeOuvrirClick();
    ASSERT_EQ(f.Doc().NbSurf(), 2);
    QAction* annuler = f.Action(QStringLiteral("MeAnnuler"));
    QAction* refaire = f.Action(QStringLiteral("MeRefaireCommande"));

    const double avant = f.Doc().SurfaceNurbs(1)->Net.TabPC[2][1].X;
    DeplacePoint(f, 1, 2, 1, avant + 0.75);

    // Saved after the change: undo must bring the question back.
    ASSERT_TRUE(f.MeEnregistrerClick());

    annuler->trigger();
    EXPECT_DOUBLE_EQ(f.Doc().SurfaceNurbs(1)->Net.TabPC[2][1].X, avant);
    EXPECT_TRUE(f.isWindowModified() && !f.Enregistre());

    refaire->trigger();
    EXPECT_TRUE(f.Doc().SurfaceNurbs(1)->Net.TabPC[2][1].X == avant + 0.75 && !refaire->isEnabled());

    // Undone, then a new change: Refaire would take the new change back, so it goes off.
    annuler->trigger();
    DeplacePoint(f, 1, 2, 1, avant - 0.5);
    refaire->trigger();
    EXPECT_TRUE(f.Doc().SurfaceNurbs(1)->Net.TabPC[2][1].X == avant - 0.5 && !refaire->isEnabled());
}

TEST_F(MainFormTest, CloseAndNewForgetTheSnapshot) {
    DialoguesTest d;
    TMainForm f;
    f.SetDialogues(&d);
    f.show();
    DeplacePoint(f, 0, 0, 0, 5.0);
    d.reponses = {Ui::mrNo};
    f.MeNouveauClick();
    ASSERT_EQ(f.Doc().NbSurf(), 1);
    const TNet net = f.Doc().SurfaceNurbs(0)->Net;
    f.MeAnnulerClick();
    EXPECT_TRUE(f.Doc().SurfaceNurbs(0)->Net == net && f.Enregistre());
}

namespace {

// What a record holds (every net and frame, the weights), and what it does
// not: the other surface properties, the welds, the marks and flooding points.
auto Lit(const Document& doc) {
    std::vector<TNet> nets;
    for (int i = 0; i < doc.NbSurf(); ++i)
        if (const TSurface* n = doc.SurfaceNurbs(i)) nets.push_back(n->Net);
    return std::tuple(nets, doc.ListPoids, PropSurf::Remplit(doc), doc.ListSoudures, doc.ListReperes, doc.ListReperesEnv);
}

TListPC Points(std::initializer_list<TPC> pcs) {
    TListPC l;
    for (const TPC& pc : pcs) l.Add(pc);
    return l;
}

// What Annuler does after the command: gives its change back; is off (no record holds that change); or, the
// command having changed nothing, still gives the earlier change back.
enum TAnnuler { kRepris, kGrise, kIntact };

class CommandesAnnulerTest : public FenetresTest {
protected:
    // The command's dialog with `reste` done, then confirmed.
    template <class T>
    std::function<void()> Valide(const char* menu, std::function<void(T&)> reste = [](T&) {}) {
        return [this, menu, reste] { Commande<T>(menu, [reste](T& f) { reste(f), f.Valider(); }); };
    }
    // The same with every surface chosen.
    template <class T>
    std::function<void()> Toutes(const char* menu, std::function<void(T&)> reste = [](T&) {}) {
        return Valide<T>(menu, [reste](T& f) { f.Surfaces()->ToutChoisir(true), reste(f); });
    }
    // One property of the first surface changed in the properties dialog, then OK.
    std::function<void()> Propriete(std::function<void(PropSurf::TPropSurf&)> change) {
        return Valide<TPropSurfForm>("MeProprieteSurf", [change](TPropSurfForm& f) {
            change(f.Copies()[0]);
            f.Copies()[0].Modifie = true;
        });
    }
    // The vertex list shown and activated, as its command leaves it.
    TLstPcForm* ListeVertex() {
        F().Action(QStringLiteral("MeLstPC"))->trigger();
        TLstPcForm* l = Fenetre<TLstPcForm>();
        l->activateWindow();
        QCoreApplication::processEvents();
        return l;
    }
};

}  // namespace

// Every command that changes the document either records what it changes, so that Annuler gives back just that
// and an earlier change stays, or leaves Annuler off and exchanges nothing. A dialog closed or confirmed without a
// change records nothing and leaves the document as saved.
TEST_F(CommandesAnnulerTest, EachCommandRecordsOrLeavesAnnulerOff) {
    const std::vector<std::tuple<const char*, TAnnuler, std::function<void()>>> commandes = {
        {"Ajout de ballast", kRepris, [this] {
             TDefPoidsForm d(Doc(), &F());
             d.Prepare({1.0, 0.0, -0.5}, {});
             d.EditValeur->setText(QStringLiteral("250"));
             ASSERT_TRUE(d.BtnOKClick());
         }},
        {"Réinitialiser le repère", kRepris, Valide<TPropSurfForm>("MeProprieteSurf", [](TPropSurfForm& f) {
             f.findChild<QPushButton*>(QStringLiteral("BtnRAZBasePlanSym"))->click();
         })},
        {"Liste des poids", kRepris, [this] {
             TPoidsForm f(Doc(), &F());
             f.show();
             f.SG_PoidsBallast->item(0, 2)->setText(QStringLiteral("900"));
             ASSERT_TRUE(f.BtnOKClick());
         }},
        {"Editeur de vertex", kRepris, [this] {
             F().Action(QStringLiteral("MeEditeurPC"))->trigger();
             TEditPCForm* e = Fenetre<TEditPCForm>();
             e->Champ(2)->setText(QStringLiteral("-3.5"));
             e->Champ(2)->setModified(true);
             ASSERT_TRUE(e->Appliquer());
         }},
        {"Liste des vertex", kRepris, [this] {
             TLstPcForm* l = ListeVertex();
             ASSERT_TRUE(l->Modele()->setData(l->Modele()->index(1, TModelePC::kColX + 2), QStringLiteral("4.5"), Qt::EditRole));
         }},
        {"Miroir de surfaces", kRepris, Toutes<TListeSurfForm>("MeRetournVert")},
        {"Aligner dans l'espace", kRepris,
         [this] { ASSERT_TRUE(ObjCom::AligneDanslEspace(Doc(), Points({{0, 1, 0}, {0, 1, 1}, {0, 1, 2}}))); }},
        {"Supprimer des surfaces", kGrise, Toutes<TListeSurfForm>("MeSupprimerSurf")},
        {"Epaisseur", kGrise,
         Toutes<TEpaisseurForm>("MeEpaisseur", [](auto& f) { f.Epaisseur()->setText(QStringLiteral("0.05")); })},
        {"Nouvelle surface", kGrise,
         Valide<TSurfNewForm>("MeAjouterSurf", [](auto& f) { f.Nom()->setText(QStringLiteral("Quille")); })},
        // Welds, marks, flooding points and the properties below: no record holds them.
        {"Souder", kGrise,
         [this] { ASSERT_TRUE(Selection::SouderPC(Doc(), Points({{0, 0, 1}, {0, 1, 1}, {0, 2, 1}}))); }},
        {"Dessouder", kGrise, [this] { ASSERT_EQ(Selection::DessouderPC(Doc(), Points({{0, 0, 0}})), 1); }},
        {"Ajout d'un repère", kGrise, [this] {
             TDefReperesForm d(Doc(), &F());
             d.Prepare({0.0, 1.0, 0.5}, {});
             ASSERT_TRUE(d.BtnOKClick());
         }},
        {"Points d'envahissement, Supprimer", kGrise, [this] {
             Commande<TEnvahissementForm>("MeListeReperesEnv", [](TEnvahissementForm& f) {
                 f.Grille->setCurrentCell(0, 1), f.BtnSupprimer->click(), f.BtnOK->click();
             });
         }},
        {"Poids fixe", kGrise, Propriete([](auto& c) { c.Masse = 500.0; })},
        {"Flexibilité", kGrise, Propriete([](auto& c) { c.LFlex = 2; })},
        {"Orientation", kGrise, Propriete([](auto& c) { c.Orientation = 0; })},
        {"Symétrique", kGrise, Propriete([](auto& c) { c.Sym = 0; })},
        {"Epaisseur du bordé", kGrise, Propriete([](auto& c) { c.Epaisseur = 0.012; })},
        {"Couleur", kGrise, Propriete([](auto& c) { c.Couleur = 0x2040FF; })},
        {"Nom", kGrise, Propriete([](auto& c) { c.Nom = "Bordé"; })},
        // Opened and closed, or confirmed, without a change.
        {"Liste des vertex, Fermer", kIntact,
         [this] { ListeVertex()->findChild<QPushButton*>(QStringLiteral("BtnFermer"))->click(); }},
        {"Transformations, Fermer", kIntact, [this] { Commande<TTransForm>("MeTransfo", [](TTransForm&) {}); }},
        {"Images de fond", kIntact,
         [this] { Commande<TBitMFondForm>("MeImporterBitmap", [](TBitMFondForm& f) { f.BtnOKClick(); }); }},
        {"Espacement Grille", kIntact, [this] {
             Grille::GrilleParDefaut(Doc());  // the lines of a new document
             Commande<TGrilleForm>("MeEspacementGrille", [](TGrilleForm& f) { f.BtnOKClick(); });
         }},
        {"Points d'envahissement, OK", kIntact,
         [this] { Commande<TEnvahissementForm>("MeListeReperesEnv", [](auto& f) { f.BtnOK->click(); }); }},
        {"Ajouter une épaisseur, rien choisi", kIntact, Valide<TEpaisseurForm>("MeEpaisseur")},
        {"Dupliquer, rien choisi", kIntact, Valide<TListeSurfForm>("MeDupliquer")},
    };
    for (const auto& [nom, annuler, commande] : commandes) {
        SCOPED_TRACE(nom);
        SetUp();
        // A frame away from the origin, for its reset to move something, a weld, a flooding point with more
        // decimals than its list shows, and an earlier change, recorded the way the editing code records.
        Doc().Surface(0)->PlanSym.Origin = {0.5, 0.0, 0.25};
        Doc().Surface(0)->PlanSym.MajEquation();
        Doc().AjouteSoudure(Points({{0, 0, 0}, {0, 0, 2}}));
        Doc().ListReperesEnv.push_back({"Descente", 0.123456789, 2.5, 0.75});
        const auto origine = Lit(Doc());
        Doc().RecordAction(TUndo::kGeometrie);
        Doc().SurfaceNurbs(0)->Net.TabPC[2][1].Y += 0.75;
        const auto avant = Lit(Doc());
        commande();
        if (HasFatalFailure()) return;
        const auto apres = Lit(Doc());
        ASSERT_EQ(apres == avant, annuler == kIntact);
        // Nothing changed: the document as saved, no mark in the caption.
        EXPECT_TRUE(annuler != kIntact || (F().Enregistre() && !F().isWindowModified()));
        F().MajMenusAnnuler();
        EXPECT_EQ(F().Action(QStringLiteral("MeAnnuler"))->isEnabled(), annuler != kGrise);
        F().MeAnnulerClick();
        EXPECT_TRUE(Lit(Doc()) == (annuler == kRepris ? avant : annuler == kGrise ? apres : origine));
        TearDown();
    }
}
