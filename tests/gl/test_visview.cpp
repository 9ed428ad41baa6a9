// The scene library on its own: a view with a camera, a lit sphere, the axes cross.
#include <gtest/gtest.h>

#include <QTest>

#include <GL/gl.h>

#include "studio/gui/scene/VisGL.h"
#include "studio/gui/scene/VisView.h"

namespace {

TEST(VisView, ALightLastsOneFrameAndTheSphereIsDrawnInIt) {
    TVisView vue;
    vue.resize(200, 200);
    vue.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vue));
    TVisCamera camera;
    camera.Position.SetY(0.0f);
    camera.Position.SetZ(4.0f);
    vue.SetCamera(&camera);
    vue.SetLighting(true);
    vue.SetBackgroundColor(0x000080);  // dark red
    TVisSphere sphere;
    sphere.SetSlices(32);
    sphere.SetStacks(32);
    TVisLight lumiere;
    lumiere.Enabled = true;
    lumiere.Transform = true;
    lumiere.Translation.SetZ(5.0f);
    bool avecLumiere = true;
    vue.OnRender = [&](TVisView&) {
        if (avecLumiere) VisGL::Render(lumiere);
        VisGL::Render(sphere);
    };
    const QRgb eclairee = vue.RenderToBitmap(200, 200).pixel(100, 100);
    avecLumiere = false;
    const QImage sombre = vue.RenderToBitmap(200, 200);
    EXPECT_GT(qRed(eclairee) + qGreen(eclairee) + qBlue(eclairee), 500);  // white light, white sphere
    // Only the ambient light is left in the next frame: the light was popped.
    EXPECT_LT(qRed(sombre.pixel(100, 100)) + qGreen(sombre.pixel(100, 100)), 200);
    EXPECT_EQ(sombre.pixel(2, 2), qRgb(128, 0, 0));

    // The axes cross, red along +X.
    vue.OnRender = nullptr;
    vue.Coordinates.SetVisible(true);
    const QImage axes = vue.RenderToBitmap(200, 200);
    EXPECT_EQ(axes.pixel(120, 100), qRgb(255, 0, 0));
    vue.SetCamera(nullptr);
}

}  // namespace
