// The surface properties' material preview, lit, on a real X server.
#include <QPushButton>
#include <QSlider>

#include <cmath>
#include <utility>

#include "app/gui/CouleurForm.h"
#include "studio/gui/scene/VisView.h"
#include "tests/gui/FenetresTestUtil.h"
#include "views/gui/PropSurfForm.h"

namespace {

class PropSurfApercu : public FenetresTest {};

// Lambert's law alone (no ambient, specular or emission in the material): the
// light (0.2, 0.3, 1) on the sphere's nearest point, whose normal faces the camera.
int Eclaire(int composante) { return static_cast<int>(std::lround(composante / std::sqrt(1.13))); }

TEST_F(PropSurfApercu, ShowsTheChosenColourLitWithoutTouchingTheDocument) {
    const std::int32_t avant = Doc().Surface(0)->Couleur;
    Commande<TPropSurfForm>("MeProprieteSurf", [](TPropSurfForm& f) {
        TVisView* v = f.Apercu();
        ASSERT_NE(v, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(v));
        const int images = v->Images();
        for (auto [nom, position] :
             {std::pair{"TB_Ambient", 0}, {"TB_Specular", 0}, {"TB_Emission", 0}, {"TB_AlphaColor", 0}})
            f.findChild<QSlider*>(QLatin1String(nom))->setValue(position);
        EXPECT_TRUE(QTest::qWaitFor([&] { return v->Images() > images; }));  // a change repaints it

        auto choisit = [&f](std::uint32_t couleur) {
            QTimer::singleShot(0, [couleur] {
                auto* c = qobject_cast<TCouleurForm*>(QApplication::activeModalWidget());
                ASSERT_NE(c, nullptr);
                c->FixeCouleur(couleur);
                QTest::mouseClick(c->findChild<QPushButton*>(QStringLiteral("BtnOK")), Qt::LeftButton);
            });
            QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("ShapeCouleur")), Qt::LeftButton);
        };
        const int cote = v->width();
        choisit(0x2080C0);
        const QRgb p = v->RenderToBitmap(cote, cote).pixel(cote / 2, cote / 2);
        for (auto [vu, couleur] : {std::pair{qRed(p), 0xC0}, {qGreen(p), 0x80}, {qBlue(p), 0x20}})
            EXPECT_NEAR(vu, Eclaire(couleur), 3);
        f.reject();
    });
    EXPECT_EQ(Doc().Surface(0)->Couleur, avant);
}

}  // namespace
