// Every command of the main window's menus, the precision presets, the
// picture copied to the clipboard and the user guide.
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

#include <set>

#include "base/Debug.h"
#include "tests/gui/MainFormTestUtil.h"
#include "views/gui/PrecisForm.h"

namespace {

using Commandes = ProgrammeTest;

// Takes the URLs the program asks the desktop to open.
class Navigateur : public QObject {
    Q_OBJECT
public:
    Navigateur() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Ouvre"); }
    ~Navigateur() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void Ouvre(const QUrl& url) { urls.append(url); }
};

}  // namespace

// Every enabled, visible item runs (checkable ones both ways) on the default
// hull and on an empty document: no surface appears or goes except by New and
// Close, the hull or the net stays shown, every NURBS grid follows the
// precision, and only the commands that change the document mark it modified.
TEST_F(Commandes, EveryItemRunsAndLeavesTheDocumentSound) {
    // Whatever modal window a command opens is closed, as Escape would.
    QTimer fermeModales;
    QObject::connect(&fermeModales, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    fermeModales.start(20);
    Navigateur navigateur;
    const std::set<QString> modifient = {"MeSauverLaVue", "MeVuePersonnalisee", "MeSouderPC",     "MeDessouderPC",
                                         "MeGrouperPCPlan", "MeGrouperPCEspace", "MeAlignePCPlan", "MeAlignePCEspace"};
    std::vector<QAction*> items;
    for (QAction* a : F().findChildren<QAction*>())
        if (a->objectName().startsWith(QLatin1String("Me")) && !a->isSeparator() && !a->menu() &&
            a->objectName() != QLatin1String("MeQuitter"))
            items.push_back(a);
    ASSERT_GT(items.size(), 80u);

    for (const int nbBase : {1, 0}) {
        if (nbBase == 0) A("MeFermer")->trigger();
        ASSERT_EQ(F().Doc().NbSurf(), nbBase);
        int lances = 0;
        for (QAction* a : items) {
            if (!a->isEnabled() || !a->isVisible()) continue;
            const QString nom = a->objectName();
            SCOPED_TRACE(nom.toStdString() + (nbBase ? " on the default hull" : " on an empty document"));
            F().MarquerEnregistre();
            const bool coche = a->isChecked();
            a->trigger();
            if (a->isChecked() != coche && !a->actionGroup()) a->trigger();
            QApplication::processEvents();
            ++lances;
            const Document& d = F().Doc();
            const int attendu = nom == QLatin1String("MeFermer") ? 0 : nom == QLatin1String("MeNouveau") ? 1 : nbBase;
            EXPECT_EQ(d.NbSurf(), attendu);
            EXPECT_TRUE(d.Aff.MeCarene || d.Aff.MeNet);
            for (int k = 0; k < d.NbSurf(); ++k) {
                const TSurface* s = d.SurfaceNurbs(k);
                EXPECT_TRUE(!s || s->Points.rows() == d.Precision + 1);
            }
            EXPECT_TRUE(modifient.count(nom) || d.Enregistre());
            // Back to the pass's document.
            if (d.NbSurf() != nbBase) {
                A("MeFermer")->trigger();
                if (nbBase == 1) A("MeNouveau")->trigger();
            }
        }
        EXPECT_GT(lances, 60);
    }
    // The guide was asked of the desktop, never of a real browser.
    EXPECT_LE(navigateur.urls.size(), 2);
}

// A preset, or a precision typed in the dialog: one item ticked, the grids
// resized, the document still saved.
TEST_F(Commandes, APresetTicksOneItemResizesTheGridsAndLeavesTheDocumentSaved) {
    QTimer saisie;
    QObject::connect(&saisie, &QTimer::timeout, [] {
        if (auto* d = qobject_cast<TPrecisForm*>(QApplication::activeModalWidget())) {
            // Whichever button closes the dialog, its number applies.
            d->Champ()->setText(QStringLiteral("35"));
            d->reject();
        }
    });
    saisie.start(10);
    for (const auto& [item, mot, lignes] : {std::tuple{"MePrecBonne", "Bonne", 51}, std::tuple{"MePrecFaible", "Faible", 11},
                                            std::tuple{"MePrecPerso", "Perso", 36}}) {
        A(item)->trigger();
        QStringList coches;
        for (const char* nom : {"MePrecFaible", "MePrecMoyenne", "MePrecBonne", "MePrecTBonne", "MePrecPerso"})
            if (A(nom)->isChecked()) coches << QLatin1String(nom);
        EXPECT_EQ(coches, QStringList{QLatin1String(item)});
        EXPECT_EQ(F().MotPrecision(), QLatin1String(mot));
        const TEntity& s = *F().Doc().Surface(0);
        EXPECT_EQ(std::pair(s.Points.rows(), s.Points.cols()), std::pair(lignes, lignes)) << item;
    }
}

// The pop-up menu of the free area: shown there only, each entry runs its menu item and follows it.
TEST_F(Commandes, ThePopUpMenuOfTheFreeAreaRunsTheMenuItems) {
    QWidget* zone = F().ZoneMdi()->viewport();
    QMenu* menu = F().findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    ASSERT_NE(menu, nullptr);
    const QPoint libre(zone->width() - 5, zone->height() - 5);
    ASSERT_EQ(zone->childAt(libre), nullptr);
    // The area reports the point in its viewport's coordinates.
    emit F().ZoneMdi()->customContextMenuRequested(zone->mapFromGlobal(Vue(vkPlan)->mapToGlobal(QPoint(5, 5))));
    EXPECT_FALSE(menu->isVisible());
    emit F().ZoneMdi()->customContextMenuRequested(libre);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    int ajuster = 0;
    QObject::connect(A("MeAjuster"), &QAction::triggered, [&ajuster] { ++ajuster; });
    A("PmAjuster")->trigger();
    EXPECT_EQ(ajuster, 1);
    A("PmVertex")->trigger();
    EXPECT_TRUE(A("MeFenSel")->isChecked());
    EXPECT_TRUE(A("PmVertex")->isChecked());
    A("MeFenSel")->trigger();
    EXPECT_FALSE(A("PmVertex")->isChecked());
    A("MeSectionsFen")->setEnabled(false);
    EXPECT_FALSE(A("PmSection")->isEnabled());
    // The views' pop-up menus reach the studio through its menu item too.
    int studio = 0;
    QObject::connect(A("MeStudioFen"), &QAction::triggered, [&studio] { ++studio; });
    A("MeStudioFen")->setEnabled(true);
    EXPECT_TRUE(F().CommandeDisponible(TCommandeVue::FenStudio));
    F().Commande(TCommandeVue::FenStudio, Vue(vkPlan));
    EXPECT_EQ(studio, 1);
}

TEST_F(Commandes, CopyPutsTheActiveViewsPictureOnTheClipboard) {
    Active(vkProfile);
    QApplication::clipboard()->clear();
    A("MeCopier")->trigger();
    const QImage lue = QApplication::clipboard()->image();
    const QImage vue = Vue(vkProfile)->Image().convertToFormat(lue.format());
    ASSERT_FALSE(lue.isNull());
    EXPECT_EQ(lue.size(), Vue(vkProfile)->size());
    EXPECT_TRUE(lue == vue);
}

// "Import > DXF": the mesh joins the document, which is marked modified; the
// snapshot taken before cannot be exchanged with the new surface list.
TEST_F(Commandes, ImportFromTheMenuAddsTheMeshAndMarksTheDocumentModified) {
    struct Choix : DialoguesTest {
        QString fichier;
        QString FichierImport(QWidget*, const char*) override { return fichier; }
    } choix;
    choix.fichier = Fichier(QStringLiteral("maillage.dxf"));
    QFile f(choix.fichier);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QTextStream(&f) << "0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n8\nPont\n70\n16\n71\n2\n72\n2\n"
                    << "0\nVERTEX\n10\n0\n20\n0\n30\n1\n0\nVERTEX\n10\n0\n20\n1\n30\n1\n"
                    << "0\nVERTEX\n10\n1\n20\n0\n30\n1\n0\nVERTEX\n10\n1\n20\n1\n30\n1\n"
                    << "0\nSEQEND\n0\nENDSEC\n0\nEOF\n";
    f.close();
    F().SetDialogues(&choix);
    A("MeImportDXF")->trigger();
    ASSERT_EQ(F().Doc().NbSurf(), 2);
    EXPECT_EQ(F().Doc().Surface(1)->Nom, "Pont");
    EXPECT_EQ(F().Doc().Surface(1)->Calculee, 1);
    EXPECT_FALSE(F().Doc().Enregistre());
    qobject_cast<QMdiSubWindow*>(Vue(vkPlan)->parentWidget())->showMaximized();
    A("MeMosaiqueHoriz")->trigger();
    EXPECT_TRUE(F().isWindowModified());  // the mark kept through a view maximised and the tiling
    EXPECT_FALSE(A("MeAnnuler")->isEnabled());
    // Cancelled: nothing changes.
    choix.fichier.clear();
    A("MeImportIGES")->trigger();
    EXPECT_EQ(F().Doc().NbSurf(), 2);
    F().SetDialogues(&d_);
}

TEST_F(MainFormTest, DuplicateWithAHundredSurfacesSaysSoAndChangesNothing) {
    TMainForm f;
    while (f.Doc().NbSurf() < kMaxSurfaces) f.Doc().NouvelleSurface("S");
    f.MarquerEnregistre();
    f.Action(QStringLiteral("MeDupliquer"))->trigger();
    EXPECT_EQ(f.Doc().NbSurf(), kMaxSurfaces);
    EXPECT_TRUE(f.Doc().Enregistre());
    ASSERT_EQ(ui_.rec.messages.size(), 1u);
    EXPECT_EQ(ui_.rec.messages[0], "Nombre maximum de Surfaces atteint");
}

TEST_F(MainFormTest, TheGuideOpensTheFirstPageFoundOrNamesTheSecond) {
    TMainForm f;
    Navigateur navigateur;
    const QDir doc(travail_.filePath(QStringLiteral("Doc")));
    f.OuvreGuide(travail_.path());
    ASSERT_EQ(ui_.rec.messages.size(), 1u);
    EXPECT_EQ(ui_.rec.messages[0], "Le fichier " + doc.filePath(QStringLiteral("CorvaneShaper.html")).toStdString() +
                                       " est introuvable");
    EXPECT_TRUE(navigateur.urls.isEmpty());

    ASSERT_TRUE(QDir().mkpath(doc.path()));
    for (const char* page : {"CorvaneShaper.html", "index.html"}) {
        QFile fichier(doc.filePath(QLatin1String(page)));
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
        f.OuvreGuide(travail_.path());
        ASSERT_FALSE(navigateur.urls.isEmpty());
        EXPECT_EQ(navigateur.urls.last(), QUrl::fromLocalFile(doc.filePath(QLatin1String(page))));
    }
    // The menu item looks beside the program.
    f.Action(QStringLiteral("MeGuide"))->trigger();
    const QString index = QString::fromStdString(Debug::ProgramDir()) + QStringLiteral("/Doc/index.html");
    if (QFile::exists(index)) {
        EXPECT_EQ(navigateur.urls.last(), QUrl::fromLocalFile(index));
    }
}

#include "test_commandes.moc"
