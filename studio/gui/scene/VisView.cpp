#include "studio/gui/scene/VisView.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <GL/gl.h>
#include <GL/glu.h>

#include <memory>

#include "base/Debug.h"

namespace {

GLenum Qualite(TVisQuality q) {
    switch (q) {
        case TVisQuality::Fastest: return GL_FASTEST;
        case TVisQuality::Nicest: return GL_NICEST;
        case TVisQuality::DontCare: break;
    }
    return GL_DONT_CARE;
}

void Couleur3(TVisColorRef c) {
    const auto f = ColorToGL(c);
    glColor3f(f[0], f[1], f[2]);
}

}  // namespace

TVisView::TVisView(QWidget* parent) : QOpenGLWidget(parent) {
    resize(400, 250);
    // No alpha in the picture: what is shown and what is copied are opaque.
    setTextureFormat(GL_RGB8);
    auto invalide = [this](TVisProperty&) { update(); };
    ColorAmbient.OnChange = invalide;
    Coordinates.OnChange = invalide;
    Fog.OnChange = invalide;
}

TVisView::~TVisView() {
    if (camera_) camera_->OnChange = nullptr;
}

bool TVisView::Disponible() {
    const QString plateforme = QGuiApplication::platformName();
    return plateforme != QLatin1String("offscreen") && plateforme != QLatin1String("minimal");
}

void TVisView::SetCamera(TVisCamera* c) {
    if (camera_ && camera_ != c) camera_->OnChange = nullptr;
    camera_ = c;
    if (camera_) camera_->OnChange = [this] { update(); };
    update();
}

void TVisView::initializeGL() {}

void TVisView::paintGL() {
    DBG_SCOPE("TVisView.Render");
    const qreal r = devicePixelRatioF();
    if (camera_) Projection(static_cast<int>(width() * r), static_cast<int>(height() * r));
    RenderScene();
    ++images_;
}

void TVisView::RenderFrame(int w, int h) {
    glViewport(0, 0, w, h);
    if (camera_) Projection(w, h);
    RenderScene();
}

void TVisView::Projection(int w, int h) {
    if (!camera_) return;
    const TVisCamera& c = *camera_;
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = h == 0 ? 1.0 : static_cast<double>(w) / h;
    if (projection_ == TVisProjectionType::Perspective) {
        gluPerspective(c.ViewAngle(), aspect, c.ViewNear(), c.ViewFar());
    } else {
        const double o = c.ViewOrtho() / 2.0;
        glOrtho(-o * aspect, o * aspect, -o, o, c.ViewNear(), c.ViewFar());
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-c.Position.X(), -c.Position.Y(), -c.Position.Z());
    glMatrixMode(GL_PROJECTION);
    glRotatef(c.Rotation.Z(), 0, 0, 1);
    glRotatef(c.Rotation.X(), 1, 0, 0);
    glRotatef(c.Rotation.Y(), 0, 1, 0);
}

void TVisView::DessineAxes() {
    const float l = Coordinates.Length();
    const TVisColorRef c[3] = {Coordinates.ColorX(), Coordinates.ColorY(), Coordinates.ColorZ()};
    auto trois = [&](float s) {
        glBegin(GL_LINES);
        for (int k = 0; k < 3; ++k) {
            Couleur3(c[k]);
            float e[3] = {0, 0, 0};
            e[k] = s * l;
            glVertex3f(0, 0, 0);
            glVertex3fv(e);
        }
        glEnd();
    };
    glPushMatrix();
    glLineWidth(1.0f);
    glDisable(GL_LINE_STIPPLE);
    trois(1.0f);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(10, 0x5555);
    trois(-1.0f);
    glDisable(GL_LINE_STIPPLE);
    glPopMatrix();
}

void TVisView::RenderScene() {
    const auto fond = ColorToGL(background_);
    glClearColor(fond[0], fond[1], fond[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    if (Coordinates.Visible()) DessineAxes();
    glPushAttrib(0xFFFFF);
    switch (cullFace_) {
        case TVisCullFace::None: glDisable(GL_CULL_FACE); break;
        case TVisCullFace::Front:
            glEnable(GL_CULL_FACE);
            glCullFace(GL_FRONT);
            break;
        case TVisCullFace::Back:
            glEnable(GL_CULL_FACE);
            glCullFace(GL_BACK);
            break;
    }
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, Qualite(perspective_));
    const GLenum modes[] = {GL_POINT, GL_LINE, GL_FILL};
    glPolygonMode(GL_FRONT_AND_BACK, modes[static_cast<int>(polygonMode_)]);
    glShadeModel(shadeModel_ == TVisShadeModel::Flat ? GL_FLAT : GL_SMOOTH);
    if (transparency_) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glDisable(GL_BLEND);
    }
    for (auto [cap, hint] : {std::pair{GL_POINT_SMOOTH, GL_POINT_SMOOTH_HINT}, {GL_LINE_SMOOTH, GL_LINE_SMOOTH_HINT},
                             {GL_POLYGON_SMOOTH, GL_POLYGON_SMOOTH_HINT}}) {
        if (antialiasing_) {
            glEnable(cap);
            glHint(hint, GL_NICEST);
        } else {
            glDisable(cap);
        }
    }
    if (dithering_)
        glEnable(GL_DITHER);
    else
        glDisable(GL_DITHER);
    const auto amb = ColorAmbient.ToGL();
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, amb.data());
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, lightTwoSide_ ? GL_TRUE : GL_FALSE);
    if (Fog.Enabled()) {
        glEnable(GL_FOG);
        const GLint modes2[] = {GL_LINEAR, GL_EXP, GL_EXP2};
        glFogi(GL_FOG_MODE, modes2[static_cast<int>(Fog.Mode())]);
        glFogf(GL_FOG_DENSITY, Fog.Density());
        glFogf(GL_FOG_START, Fog.StartDepth());
        glFogf(GL_FOG_END, Fog.EndDepth());
        const auto fc = Fog.Color.ToGL();
        glFogfv(GL_FOG_COLOR, fc.data());
        glHint(GL_FOG_HINT, Qualite(Fog.Quality()));
    } else {
        glDisable(GL_FOG);
    }
    if (lighting_)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
    if (OnRender) OnRender(*this);
    glFlush();
    glPopAttrib();
}

QImage TVisView::RenderToBitmap(int width, int height) {
    DBG_SCOPE("TVisView.RenderToBitmap");
    if (width < 1 || height < 1) return {};
    // The window's own context when it has one, else a context of our own.
    std::unique_ptr<QOpenGLContext> propre;
    std::unique_ptr<QOffscreenSurface> surface;
    if (context() && context()->isValid()) {
        makeCurrent();
    } else {
        propre = std::make_unique<QOpenGLContext>();
        propre->setFormat(QSurfaceFormat::defaultFormat());
        surface = std::make_unique<QOffscreenSurface>();
        surface->setFormat(QSurfaceFormat::defaultFormat());
        surface->create();
        if (!propre->create() || !propre->makeCurrent(surface.get())) return {};
    }
    QImage image;
    const bool ancien = bitmap_;
    bitmap_ = true;
    {
        QOpenGLFramebufferObjectFormat f;
        f.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
        f.setInternalTextureFormat(GL_RGB8);
        QOpenGLFramebufferObject fbo(width, height, f);
        if (fbo.isValid() && fbo.bind()) {
            RenderFrame(width, height);
            image = fbo.toImage();
            fbo.release();
        }
    }
    bitmap_ = ancien;
    if (propre)
        propre->doneCurrent();
    else
        doneCurrent();
    return image;
}
