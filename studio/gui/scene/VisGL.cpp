#include "studio/gui/scene/VisGL.h"

#include <QSurfaceFormat>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cfenv>
#include <cmath>
#include <numbers>

namespace VisGL {

namespace {

// A GLU quadric for the time of one painting.
class Quadrique {
public:
    explicit Quadrique(bool texture) : q_(gluNewQuadric()) {
        if (q_) gluQuadricTexture(q_, texture ? GL_TRUE : GL_FALSE);
    }
    ~Quadrique() {
        if (q_) gluDeleteQuadric(q_);
    }
    Quadrique(const Quadrique&) = delete;
    Quadrique& operator=(const Quadrique&) = delete;
    GLUquadric* get() const { return q_; }

private:
    GLUquadric* q_;
};

void Tore(const TVisTorus& t) {
    const int n = t.Slices(), m = t.Stacks();
    const double R = t.Radius, r = t.Thickness, deuxPi = 2.0 * std::numbers::pi;
    for (int i = 0; i < n; ++i) {
        glBegin(GL_TRIANGLE_STRIP);
        for (int j = 0; j <= m; ++j) {
            for (int k = 1; k >= 0; --k) {
                const double u = deuxPi * ((i + k) % n) / n, v = deuxPi * j / m;
                const double cx = std::cos(u), cy = std::sin(u), cv = std::cos(v), sv = std::sin(v);
                glTexCoord2d(static_cast<double>(i + k) / n, static_cast<double>(j) / m);
                glNormal3d(cx * cv, cy * cv, sv);
                glVertex3d(cx * (R + r * cv), cy * (R + r * cv), r * sv);
            }
        }
        glEnd();
    }
}

void Lumiere(const TVisLight& l) {
    const GLenum id = GL_LIGHT0 + static_cast<GLenum>(l.ID);
    glEnable(id);
    glLightfv(id, GL_AMBIENT, l.ColorAmbient.ToGL().data());
    glLightfv(id, GL_DIFFUSE, l.ColorDiffuse.ToGL().data());
    glLightfv(id, GL_SPECULAR, l.ColorSpecular.ToGL().data());
    const float dir[3] = {l.Direction.X(), l.Direction.Y(), l.Direction.Z()};
    if (l.Kind() == TVisLightKind::Direction) {
        const float p[4] = {dir[0], dir[1], dir[2], 0.0f};
        glLightfv(id, GL_POSITION, p);
    } else {
        const float p[4] = {0, 0, 0, 1};
        glLightfv(id, GL_POSITION, p);
    }
    glLightf(id, GL_SPOT_CUTOFF, l.CutOff());
    if (l.Kind() == TVisLightKind::Spot) glLightfv(id, GL_SPOT_DIRECTION, dir);
}

}  // namespace

void DoTransform(TVisRender& r) {
    if (r.OnTransform) {
        r.OnTransform();
        return;
    }
    glRotatef(r.Rotation.X(), 1, 0, 0);
    glRotatef(r.Rotation.Y(), 0, 1, 0);
    glRotatef(r.Rotation.Z(), 0, 0, 1);
    glScalef(r.Scale.X(), r.Scale.Y(), r.Scale.Z());
    glTranslatef(r.Translation.X(), r.Translation.Y(), r.Translation.Z());
}

void Paint(TVisRender& r) {
    if (r.Transform) DoTransform(r);
    if (auto* l = dynamic_cast<TVisLight*>(&r)) {
        Lumiere(*l);
        return;
    }
    auto* f = dynamic_cast<TVisShape*>(&r);
    if (!f) return;
    if (auto* t = dynamic_cast<TVisTorus*>(f)) {
        Tore(*t);
        return;
    }
    Quadrique q(f->Textured);
    if (!q.get()) return;
    if (auto* c = dynamic_cast<TVisCylinder*>(f)) {
        gluCylinder(q.get(), c->BaseRadius, c->TopRadius, c->Height, c->Slices(), c->Stacks());
        if (c->Closed) {
            gluDisk(q.get(), 0, c->BaseRadius, c->Slices(), 1);
            glPushMatrix();
            glTranslatef(0, 0, c->Height);
            gluDisk(q.get(), 0, c->TopRadius, c->Slices(), 1);
            glPopMatrix();
        }
    } else if (auto* s = dynamic_cast<TVisSphere*>(f)) {
        gluSphere(q.get(), s->Radius, s->Slices(), s->Stacks());
    } else if (auto* d = dynamic_cast<TVisDisc*>(f)) {
        if (d->SweepAngle == 360.0f)
            gluDisk(q.get(), d->InnerRadius, d->OuterRadius, d->Slices(), d->Stacks());
        else
            gluPartialDisk(q.get(), d->InnerRadius, d->OuterRadius, d->Slices(), d->Stacks(), d->StartAngle,
                           d->SweepAngle);
    }
}

void Render(TVisRender& r) {
    if (!r.Enabled) return;
    const bool objet = dynamic_cast<TVisObject*>(&r) != nullptr;
    glPushMatrix();
    if (objet) glPushAttrib(GL_ALL_ATTRIB_BITS);
    Paint(r);
    if (objet) glPopAttrib();
    glPopMatrix();
}

void InitFPU() {
    std::fesetround(FE_TONEAREST);
    std::fenv_t env;
    std::feholdexcept(&env);  // clears the flags and masks every exception
}

void FormatParDefaut() {
    QSurfaceFormat f;
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setVersion(2, 1);
    f.setDepthBufferSize(24);
    f.setAlphaBufferSize(0);
    f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    QSurfaceFormat::setDefaultFormat(f);
}

}  // namespace VisGL
