// The program's own pictures: the icons of its buttons and windows, and the
// cursors of its mouse tools.
#include <QImage>
#include <QToolBar>
#include <QToolButton>

#include <map>

#include "app/gui/Icones.h"
#include "studio/gui/StudioForm.h"
#include "tests/gui/MainFormTestUtil.h"
#include "views/gui/BoiteOutilsForm.h"
#include "views/gui/Curseurs.h"

namespace {

// True when the picture has at least one pixel that is not transparent.
bool Dessine(const QImage& im) {
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (qAlpha(im.pixel(x, y)) > 0) return true;
    return false;
}

QImage Image(const QIcon& i) { return i.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32); }
QImage Image(const QCursor& c) { return c.pixmap().toImage().convertToFormat(QImage::Format_ARGB32); }

class Icones_ : public ProgrammeTest {};

}  // namespace

// The desktop shows the program's icon, drawn at every size, and each window's
// own title: no display name, which it would append to every title.
TEST(Icones, TheProgramsIconAndNoDisplayNameOnTheDesktopAndUnknownNamesGiveNone) {
    Startup::PrepareApplication();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    for (const int t : {16, 24, 32, 48}) EXPECT_TRUE(Dessine(QApplication::windowIcon().pixmap(t, t).toImage())) << t;
    EXPECT_TRUE(Icones::Icone(QStringLiteral("absente")).isNull());
}

TEST_F(Icones_, EveryButtonHasItsOwnIconAndKeepsItsHint) {
    A("MeIcoBoiteOutils")->trigger();
    auto* palette = F().findChild<TBoiteOutilsForm*>(QStringLiteral("BoiteOutilsForm"));
    ASSERT_NE(palette, nullptr);

    // Every button has a picture of its own, but for the net selection's,
    // the same in the tool bar and the palette.
    std::map<QString, QImage> parBouton;
    auto verifie = [&](const QString& bouton, const QIcon& icone, const QString& bulle) {
        SCOPED_TRACE(bouton.toStdString());
        const QImage im = Image(icone);
        EXPECT_TRUE(Dessine(im));  // a null icon draws nothing
        EXPECT_FALSE(bulle.isEmpty());
        for (const auto& [autre, image] : parBouton) {
            const bool meme = bouton == QLatin1String("SpeedButton1") && autre == QLatin1String("SBFenSel");
            EXPECT_EQ(image == im, meme) << autre.toStdString();
        }
        parBouton.emplace(bouton, im);
    };
    for (QAction* a : F().BarreOutils()->actions())
        if (!a->isSeparator()) verifie(a->objectName(), a->icon(), a->toolTip());
    EXPECT_EQ(parBouton.size(), 32u);
    for (const TBoiteOutilsForm::TBouton& b : TBoiteOutilsForm::Boutons()) {
        const auto* t = palette->findChild<QToolButton*>(QLatin1String(b.Nom));
        ASSERT_NE(t, nullptr);
        verifie(t->objectName(), t->icon(), t->toolTip());
    }
    EXPECT_EQ(parBouton.size(), 32u + TBoiteOutilsForm::Boutons().size());
    // The surface moves have no menu item: their commands are reached here.
    for (const char* nom : {"DeplacerPC", "RotationPC", "RetournVert", "RetournHoriz", "DeplacerSurf"}) {
        const QAction* a = A((std::string("Me") + nom).c_str());
        const auto* b = palette->findChild<QToolButton*>(QStringLiteral("SB_") + QLatin1String(nom));
        EXPECT_TRUE(a && a->isEnabled() && b && b->isEnabled()) << nom;
    }

    // The studio's display buttons: a picture each, the name of their mode as tool tip.
    ASSERT_NE(TStudioForm::Instance(), nullptr);
    for (const auto& [nom, bulle] :
         {std::pair{"SB_Invisible", "Surface invisible"}, std::pair{"SB_Points", "Points"},
          std::pair{"SB_Contours", "Contour"}, std::pair{"SB_Filaire", "Filaire"}, std::pair{"SB_Rempli", "Rempli"},
          std::pair{"SB_PCvis", "Parties cachées visibles"}, std::pair{"SB_PCinvis", "Parties cachées invisibles"},
          std::pair{"SBtn_PlanEau", "Plan d'eau"}, std::pair{"SBCourbure", "Courbure gaussienne"},
          std::pair{"BtnSmooth", "Lissage"}}) {
        const auto* t = TStudioForm::Instance()->findChild<QToolButton*>(QLatin1String(nom));
        ASSERT_NE(t, nullptr) << nom;
        EXPECT_EQ(t->toolButtonStyle(), Qt::ToolButtonIconOnly) << nom;
        EXPECT_EQ(t->toolTip(), QString::fromUtf8(bulle));
        verifie(QLatin1String(nom), t->icon(), t->toolTip());
    }
}

TEST(Curseurs, EachToolCursorIsDrawnWithItsHotSpotOnTheCrossHair) {
    std::map<std::string, QImage> vus;
    for (const char* nom : {"crCroixInv", "crAjout", "crSuppr", "crDepl", "crRep", "crPoids"}) {
        SCOPED_TRACE(nom);
        const QCursor c = Curseurs::Curseur(nom);
        const QImage im = Image(c);
        const QPoint h = c.hotSpot();
        ASSERT_TRUE(im.rect().adjusted(5, 5, -5, -5).contains(h));
        // The cross-hair's arms meet on the hot spot, black on their white halo.
        for (const QPoint d : {QPoint(5, 0), QPoint(-5, 0), QPoint(0, 5), QPoint(0, -5)}) {
            EXPECT_EQ(im.pixel(h + d), qRgba(0, 0, 0, 255)) << d.x() << "," << d.y();
            EXPECT_EQ(im.pixel(h + d + QPoint(d.y() != 0, d.x() != 0)), qRgba(255, 255, 255, 255));
        }
        for (const auto& [autre, image] : vus) EXPECT_NE(image, im) << autre;
        vus.emplace(nom, im);
    }
    EXPECT_EQ(Curseurs::Curseur("crInconnu").shape(), Qt::ArrowCursor);
}

TEST_F(Icones_, ArmingAToolGivesEveryViewItsCursorAndReleasingItTheCross) {
    Active(vkPlan);
    auto curseurDesVues = [&](const char* attendu) {
        const QImage im = Image(Curseurs::Curseur(attendu));
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(Image(Vue(k)->cursor()), im) << attendu << " view " << k;
            EXPECT_EQ(Vue(k)->cursor().hotSpot(), Curseurs::Curseur(attendu).hotSpot());
        }
    };
    curseurDesVues("crCroixInv");
    // Each item, whether it is ticked directly rather than triggered, the cursor
    // then; the weight and mark tools are ticked however their command comes to do it.
    for (const auto& [item, coche, curseur] : {
             std::tuple{"MeAjouterVx", false, "crAjout"}, {"MeSupprimerVx", false, "crSuppr"},  // unticks the insertion
             {"MeSupprimerVx", false, "crCroixInv"}, {"MeDeplacerVue", false, "crDepl"},
             {"MeZoom", false, "crCroixInv"},  // unticks the pan
             {"MeZoom", false, "crCroixInv"}, {"MeAjoutPoids", true, "crPoids"}, {"MeAjoutRepere", true, "crRep"}}) {
        if (coche) A(item)->setChecked(true);
        else A(item)->trigger();
        curseurDesVues(curseur);
        if (coche) A(item)->setChecked(false);
    }
    // A pan ends with its drag: the views go back to the cross.
    A("MeDeplacerVue")->trigger();
    curseurDesVues("crDepl");
    Glisse(Vue(vkPlan), QPoint(100, 100), {QPoint(120, 110), QPoint(140, 120)});
    EXPECT_FALSE(A("MeDeplacerVue")->isChecked());
    curseurDesVues("crCroixInv");
}
