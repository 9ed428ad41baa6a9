// One studio frame of ten hulls at precision 50, filled and lit, with their
// stations and waterlines, at 1280 x 1024 under Mesa's software renderer:
// surfaces from vertex arrays, and from the per-vertex loop in the same run.
// Needs an X server: xvfb-run -a -s "-screen 0 1600x1200x24" ./bench_studio
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <GL/gl.h>

#include <cstdlib>
#include <memory>

#include "BenchCoque.h"
#include "studio/gui/StudioRendu.h"
#include "studio/gui/scene/VisGL.h"
#include "studio/gui/scene/VisView.h"

namespace {

void Frame(benchmark::State& state, bool tableaux) {
    QOffscreenSurface surface;
    surface.setFormat(QSurfaceFormat::defaultFormat());
    surface.create();
    QOpenGLContext ctx;
    ctx.setFormat(QSurfaceFormat::defaultFormat());
    if (!ctx.create() || !ctx.makeCurrent(&surface)) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    {
        QOpenGLFramebufferObject fbo(1280, 1024, QOpenGLFramebufferObject::CombinedDepthStencil);
        fbo.bind();
        Document doc;
        bench::Coque(doc);
        doc.ExtremitesAxes = Affiche::ExtremitesAxes(doc.MinMaxNet.Min, doc.MinMaxNet.Max);
        TglLightList lumieres;
        lumieres.DefautsStudio();
        TglAxes axes;
        TStudioRendu rendu;
        rendu.TableauxSommets = tableaux;
        TStudioScene scene;
        scene.Doc = &doc;
        scene.Lumieres = &lumieres;
        scene.Axes = &axes;
        scene.Vue.Distance = 40.0f;
        scene.Vue.AngleX = 20.0f;
        scene.Vue.AngleZ = 30.0f;
        TVisCamera camera;
        camera.SetViewNear(1.0f);
        camera.SetViewFar(400.0f);
        camera.SetViewAngle(30.0f);
        TVisView vue;
        vue.SetLighting(true);
        vue.SetLightTwoSide(true);
        vue.SetTransparency(true);
        vue.SetCamera(&camera);
        vue.OnRender = [&](TVisView&) { rendu.Frame(scene); };
        for (auto _ : state) {
            vue.RenderFrame(1280, 1024);
            glFinish();
        }
        vue.SetCamera(nullptr);
        fbo.release();
    }
    ctx.doneCurrent();
}

void BM_StudioTableaux(benchmark::State& state) { Frame(state, true); }
void BM_StudioImmediat(benchmark::State& state) { Frame(state, false); }
BENCHMARK(BM_StudioTableaux)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StudioImmediat)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    if (qEnvironmentVariableIsEmpty("LIBGL_ALWAYS_SOFTWARE")) qputenv("LIBGL_ALWAYS_SOFTWARE", "1");
    VisGL::FormatParDefaut();
    return bench::RunWithQApplication(argc, argv);
}
