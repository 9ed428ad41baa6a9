#include "studio/gui/StudioRendu.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstring>

#include "base/Debug.h"
#include "studio/scene/VisClasses.h"

namespace {

void Couleur(TColor c) {
    const auto f = ColorToGL(c);
    glColor3f(f[0], f[1], f[2]);
}

void Sommet(const TVertex3f& p) { glVertex3d(p.X, p.Y, p.Z); }
void Normale(const TVertex3f& n) { glNormal3d(n.X, n.Y, n.Z); }

void Materiau(GLenum face, const float diffuse[4], const float ambient[4], const float specular[4], float shininess,
              const float emission[4]) {
    glMaterialfv(face, GL_DIFFUSE, diffuse);
    glMaterialfv(face, GL_AMBIENT, ambient);
    glMaterialfv(face, GL_SPECULAR, specular);
    glMaterialf(face, GL_SHININESS, shininess);
    glMaterialfv(face, GL_EMISSION, emission);
}

// A line strip along one row (or one column) of a grid, each point with its normal.
void LigneGrille(const TEntity& e, const TArrayVertex3f& p, const TArrayVertex3f& n, bool rangee) {
    const int fin = rangee ? std::min(e.DernCol, p.cols() - 1) : std::min(e.DernLigne, p.rows() - 1);
    if (p.empty()) return;
    glBegin(GL_LINE_STRIP);
    for (int k = 0; k <= fin; ++k) {
        const int i = rangee ? 0 : k, j = rangee ? k : 0;
        Normale(n[i][j]);
        Sommet(p[i][j]);
    }
    glEnd();
}

bool Miroir(const TStudioScene& s, const TEntity& e) { return !s.Doc->Aff.MeMoitie && e.Sym; }

const TSurface* Nurbs(const TEntity& e) { return dynamic_cast<const TSurface*>(&e); }

}  // namespace

void TStudioRendu::Frame(TStudioScene& s) {
    DBG_SCOPE("TStudioForm.GLCRender");
    const Document& doc = *s.Doc;
    const auto fond = ColorToGL(s.Couleurs.ArpStudio);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(fond[0], fond[1], fond[2], 1.0f);

    const Studio::TVueStudio& v = s.Vue;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(static_cast<float>(v.PanX) / 10.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, static_cast<float>(v.PanY) / 10.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, -v.Distance);
    glRotatef(v.AngleX - 90.0f, 1, 0, 0);
    glRotatef(v.AngleZ - 90.0f, 0, 0, 1);

    if (doc.Aff.MeAfficheAxes && s.Axes) Axes(*s.Axes, doc.ExtremitesAxes);
    if (s.Lumieres)
        for (int i = 0; i < TglLightList::Count; ++i) {
            glPushMatrix();
            Lumiere((*s.Lumieres)[i]);
            glPopMatrix();
        }
    DrawCarene(s);

    if (s.Aff.PlanEau) {
        glEnable(GL_LIGHTING);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        const float diffuse[] = {0.0f, 0.6f, 0.8f, 0.5f}, ambient[] = {0.5f, 0.5f, 0.5f, 1.0f},
                    specular[] = {0, 0, 0, 1}, emission[] = {0.2f, 0.2f, 0.2f, 1.0f};
        Materiau(GL_FRONT_AND_BACK, diffuse, ambient, specular, 0.3f, emission);
        const auto& a = doc.ExtremitesAxes;
        const double x1 = a[0].X - 10, x2 = a[1].X + 10, y1 = a[2].Y - 10, y2 = a[3].Y + 10;
        glBegin(GL_POLYGON);
        // Its own normal: the last one a surface left would light it at random.
        glNormal3f(0.0f, 0.0f, 1.0f);
        glVertex3d(x1, y1, 0);
        glVertex3d(x2, y1, 0);
        glVertex3d(x2, y2, 0);
        glVertex3d(x1, y2, 0);
        glEnd();
    }
}

void TStudioRendu::Lumiere(const TglLight& l) {
    const GLenum id = GL_LIGHT0 + static_cast<GLenum>(l.Id());
    if (!l.Enabled()) {
        glDisable(id);
        return;
    }
    glRotatef(l.RotX(), 1, 0, 0);
    glRotatef(l.RotY(), 0, 1, 0);
    glLightfv(id, GL_POSITION, l.Position().data());
    glLightfv(id, GL_AMBIENT, TglLight::Ambient.data());
    glLightfv(id, GL_DIFFUSE, TglLight::Diffuse.data());
    glLightfv(id, GL_SPECULAR, TglLight::Specular.data());
    glEnable(id);
    if (!l.SpotVisible()) return;
    GLint modes[2];
    glGetIntegerv(GL_POLYGON_MODE, modes);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glTranslatef(0, 0, l.DistZ());
    if (GLUquadric* q = gluNewQuadric()) {
        glColor3f(1.0f, 0.8f, 0.8f);
        const float d[] = {1.0f, 1.0f, 0.6f, 1.0f}, sp[] = {1, 1, 1, 1}, em[] = {0.3f, 0.3f, 0.2f, 0.0f};
        Materiau(GL_FRONT, d, d, sp, 100.0f, em);
        gluCylinder(q, 0.1, 0.0, 0.2, 48, 1);
        glDisable(GL_LIGHTING);
        glColor3f(1, 1, 1);
        gluDisk(q, 0.0, 0.097, 32, 1);
        glTranslatef(0, 0, -0.015f);
        glColor3f(0, 0, 0);
        gluCylinder(q, 0.101, 0.101, 0.02, 48, 1);
        gluDeleteQuadric(q);
        glEnable(GL_LIGHTING);
    }
    glPolygonMode(GL_FRONT, static_cast<GLenum>(modes[0]));
    glPolygonMode(GL_BACK, static_cast<GLenum>(modes[1]));
}

void TStudioRendu::Axes(const TglAxes& a, const std::array<TVertex3f, 6>& e) {
    glDisable(GL_LIGHTING);
    if (a.Style == TglAxesStyle::DashDot) {
        glEnable(GL_LINE_STIPPLE);
        glLineStipple(1, 0xE187);
    }
    if (a.Mode == TglAxesMode::Short) {
        glBegin(GL_LINES);
        Couleur(a.ColorX);
        glVertex3d(e[0].X, 0, 0);
        glVertex3d(e[1].X, 0, 0);
        Couleur(a.ColorY);
        glVertex3d(0, e[2].Y, 0);
        glVertex3d(0, e[3].Y, 0);
        Couleur(a.ColorZ);
        glVertex3d(0, 0, e[4].Z);
        glVertex3d(0, 0, e[5].Z);
        glEnd();
    }
    glDisable(GL_LINE_STIPPLE);
    glEnable(GL_LIGHTING);
}

void TStudioRendu::DrawCarene(TStudioScene& s) {
    Document& doc = *s.Doc;
    const TAffichage& a = doc.Aff;
    if (a.MeCarene || a.MeSurfaceParam)
        for (int i : Studio::OrdreSurfaces(doc)) DrawOneSurf(s, *doc.Surface(i));

    if (a.MeCarene) {
        struct Famille {
            bool on;
            TTabCoupes TEntity::*tab;
            TTabCoupes TEntity::*sym;
            int n;
            TColor couleur;
            bool rebours;
        } familles[] = {
            {a.MeSections, &TEntity::Sec, &TEntity::SecSym, doc.DefGrille.NbSecUtil(), s.Couleurs.Sec, true},
            {a.MeLignesdEau, &TEntity::LE, &TEntity::LESym, doc.DefGrille.NbLEUtil(), s.Couleurs.LE, false},
            {a.MeLongitudinales, &TEntity::Long, &TEntity::LongSym, doc.DefGrille.NbLongitUtil(), s.Couleurs.Longit,
             false},
            {a.MeDiagonales, &TEntity::Diag, &TEntity::DiagSym, doc.DefGrille.NbDiagUtil(), s.Couleurs.Diag, false},
        };
        auto coupe = [](const TTabCoupes& t, int k, TColor c) {
            if (k > t.Count()) return;
            Couleur(c);
            glDisable(GL_LIGHTING);
            for (const TListPt3D& l : t[k]) {
                glBegin(GL_LINE_STRIP);
                for (const TPt3D& p : l) Sommet(p.P);
                glEnd();
            }
            glEnable(GL_LIGHTING);
        };
        for (const Famille& f : familles) {
            if (!f.on) continue;
            const int n = doc.NbSurf();
            for (int m = 0; m < n; ++m) {
                const TEntity* e = doc.Surface(f.rebours ? n - 1 - m : m);
                if (!e || !e->Visible) continue;
                for (int k = 1; k <= f.n; ++k) {
                    coupe(e->*f.tab, k, f.couleur);
                    if (!a.MeMoitie) coupe(e->*f.sym, k, f.couleur);
                }
            }
        }
    }

    if (a.MeNet && s.NetVxStudio)
        for (int i = 0; i < doc.NbSurf(); ++i)
            if (const TEntity* e = doc.Surface(i); e && e->Visible) DrawArray(s, *e);

    for (int i = 0; i < doc.NbSurf(); ++i) {
        const TEntity* e = doc.Surface(i);
        if (!e || !e->Visible || e->DernLigne < 0 || e->DernCol < 0 || e->Points.empty()) continue;
        const double sens = e->Orientation == 1 ? -1.0 : 1.0;
        auto trait = [sens](const TVertex3f& p, const TVertex3f& n) {
            Sommet(p);
            glVertex3d(p.X + sens * n.X, p.Y + sens * n.Y, p.Z + sens * n.Z);
        };
        if (a.MeOrientSurf) {
            glDisable(GL_LIGHTING);
            Couleur(0x808080);
            const int r = e->DernLigne / 2, c = e->DernCol / 2;
            glBegin(GL_LINES);
            trait(e->Points[r][c], e->Normales[r][c]);
            glEnd();
            glEnable(GL_LIGHTING);
        }
        if (a.MeHerisson) {
            glDisable(GL_LIGHTING);
            Couleur(Affiche::CouleurSurface(*e, s.Couleurs));
            glBegin(GL_LINES);
            const bool miroir = Miroir(s, *e) && e->PointsSym.rows() == e->Points.rows();
            const int R = std::min(e->DernLigne, e->Points.rows() - 1), C = std::min(e->DernCol, e->Points.cols() - 1);
            for (int r = 0; r <= R; ++r)
                for (int c = 0; c <= C; ++c) {
                    trait(e->Points[r][c], e->Normales[r][c]);
                    if (miroir) trait(e->PointsSym[r][c], e->NormalesSym[r][c]);
                }
            glEnd();
            glEnable(GL_LIGHTING);
        }
    }

    if (a.MeAfficheReperes) {
        for (const TRepere& r : doc.ListReperes) {
            glTranslated(r.X, r.Y, r.Z);
            glColor3f(1.0f, 0.8f, 0.8f);
            const float d[] = {1.0f, 0.2f, 0.2f, 1.0f}, sp[] = {1, 1, 1, 1}, em[] = {0.3f, 0.3f, 0.2f, 0.0f};
            Materiau(GL_FRONT, d, d, sp, 100.0f, em);
            if (GLUquadric* q = gluNewQuadric()) {
                gluSphere(q, s.TailleReperes / 2.0, 20, 20);
                gluDeleteQuadric(q);
            }
            glTranslated(-r.X, -r.Y, -r.Z);
        }
    }
}

void TStudioRendu::DrawOneSurf(TStudioScene& s, const TEntity& e) {
    const TColor coul = Affiche::CouleurSurface(e, s.Couleurs);
    const auto c = ColorToGL(coul);
    const float diffuse[] = {c[0], c[1], c[2], static_cast<float>(e.Alpha)},
                ambient[] = {e.Ambient, e.Ambient, e.Ambient, 1.0f},
                specular[] = {e.Specular, e.Specular, e.Specular, 1.0f},
                emission[] = {e.Emission, e.Emission, e.Emission, 1.0f};
    Materiau(GL_FRONT_AND_BACK, diffuse, ambient, specular, e.Shininess, emission);
    glColor3f(c[0], c[1], c[2]);

    const Studio::TPasses p = Studio::Passes(s.Aff, s.Doc->Aff);
    if (p.Masque) {
        if (p.MasqueCouleur) {
            glColor3f(c[0], c[1], c[2]);
        } else {
            Couleur(s.Couleurs.ArpStudio);
            glDisable(GL_LIGHTING);
        }
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(static_cast<float>(s.PolyFactor), static_cast<float>(s.PolyUnits));
        TraceOneSurf(s, e);
        glDisable(GL_POLYGON_OFFSET_FILL);
        glEnable(GL_LIGHTING);
    }
    if (p.Points) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
        TraceOneSurf(s, e);
    }
    if (p.Contours) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        TraceOneSurfContours(s, e);
    }
    if (p.Filaire) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        TraceOneSurf(s, e);
    }
    if (p.Rempli) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        TraceOneSurf(s, e);
    }
}

void TStudioRendu::TraceOneSurf(TStudioScene& s, const TEntity& e) {
    if (e.DernLigne < 0 || e.DernCol < 0 || e.Points.empty() || e.Normales.rows() != e.Points.rows() ||
        e.Normales.cols() != e.Points.cols())
        return;
    const bool miroir = Miroir(s, e) && e.PointsSym.rows() == e.Points.rows() &&
                        e.PointsSym.cols() == e.Points.cols() && e.NormalesSym.rows() == e.Points.rows() &&
                        e.NormalesSym.cols() == e.Points.cols();
    const Studio::TFormeGrille forme = Studio::Forme(e);
    if (forme != Studio::TFormeGrille::Bandes) {
        const bool rangee = forme == Studio::TFormeGrille::LigneRangee;
        glDisable(GL_LIGHTING);
        LigneGrille(e, e.Points, e.Normales, rangee);
        if (miroir) LigneGrille(e, e.PointsSym, e.NormalesSym, rangee);
        glEnable(GL_LIGHTING);
        return;
    }
    // Curvature colours: NURBS surfaces only, one per point of the grid.
    const TSurface* n = Nurbs(e);
    const bool courbure = s.Aff.Courbure;
    const std::uint32_t* couleurs = nullptr;
    if (courbure && n && n->CouleursCourbure.rows() == e.Points.rows() && n->CouleursCourbure.cols() == e.Points.cols())
        couleurs = n->CouleursCourbure.data();
    if (courbure) glDisable(GL_LIGHTING);
    Bandes(e, e.Points, e.Normales, couleurs);
    if (miroir) {
        // The mirror's rows run the other way: its colours are taken from the
        // point each mirrored point stands for.
        const std::uint32_t* sym = nullptr;
        if (couleurs) {
            const int rows = e.Points.rows(), cols = e.Points.cols();
            couleursSym_.resize(static_cast<std::size_t>(rows) * cols);
            for (int r = 0; r < rows; ++r)
                std::memcpy(couleursSym_.data() + static_cast<std::size_t>(rows - 1 - r) * cols,
                            couleurs + static_cast<std::size_t>(r) * cols, sizeof(std::uint32_t) * cols);
            sym = couleursSym_.data();
        }
        Bandes(e, e.PointsSym, e.NormalesSym, sym);
    }
    if (courbure) glEnable(GL_LIGHTING);
}

void TStudioRendu::Bandes(const TEntity& e, const TArrayVertex3f& p, const TArrayVertex3f& n,
                          const std::uint32_t* couleurs) {
    const int R = std::min(e.DernLigne, p.rows() - 1), C = std::min(e.DernCol, p.cols() - 1), cols = p.cols();
    if (!TableauxSommets) {
        for (int r = 1; r <= R; ++r) {
            glBegin(GL_QUAD_STRIP);
            for (int c = 0; c <= C; ++c)
                for (int i : {r - 1, r}) {
                    if (couleurs) {
                        const std::uint32_t k = couleurs[static_cast<std::size_t>(i) * cols + c];
                        glColor3f(static_cast<float>(k & 0xFF) / 255.0f, static_cast<float>((k >> 8) & 0xFF) / 255.0f,
                                  static_cast<float>((k >> 16) & 0xFF) / 255.0f);
                    }
                    Normale(n[i][c]);
                    Sommet(p[i][c]);
                }
            glEnd();
        }
        return;
    }
    if (R != idxR_ || C != idxC_ || cols != idxCols_) {
        Studio::IndicesBandes(R, C, cols, indices_);
        idxR_ = R;
        idxC_ = C;
        idxCols_ = cols;
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_DOUBLE, 0, p.data());
    glNormalPointer(GL_DOUBLE, 0, n.data());
    if (couleurs) {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(3, GL_UNSIGNED_BYTE, sizeof(std::uint32_t), couleurs);
    }
    const GLsizei parBande = 2 * (C + 1);
    for (int r = 0; r < R; ++r)
        glDrawElements(GL_QUAD_STRIP, parBande, GL_UNSIGNED_INT, indices_.data() + static_cast<std::size_t>(r) * parBande);
    if (couleurs) glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void TStudioRendu::TraceOneSurfContours(TStudioScene& s, const TEntity& e) {
    if (e.DernLigne < 0 || e.DernCol < 0 || e.Points.empty()) return;
    Couleur(Affiche::CouleurSurface(e, s.Couleurs));
    glDisable(GL_LIGHTING);
    const Studio::TFormeGrille forme = Studio::Forme(e);
    if (forme != Studio::TFormeGrille::Bandes) {
        LigneGrille(e, e.Points, e.Normales, forme == Studio::TFormeGrille::LigneRangee);
        glEnable(GL_LIGHTING);
        return;
    }
    const int R = std::min(e.DernLigne, e.Points.rows() - 1), C = std::min(e.DernCol, e.Points.cols() - 1);
    auto bords = [&](const TArrayVertex3f& p, const TArrayVertex3f& n) {
        auto ligne = [&](int r0, int c0, int dr, int dc, int nb) {
            glBegin(GL_LINE_STRIP);
            for (int k = 0; k <= nb; ++k) {
                Normale(n[r0 + k * dr][c0 + k * dc]);
                Sommet(p[r0 + k * dr][c0 + k * dc]);
            }
            glEnd();
        };
        ligne(0, 0, 0, 1, C);
        ligne(R, 0, 0, 1, C);
        ligne(0, 0, 1, 0, R);
        ligne(0, C, 1, 0, R);
    };
    bords(e.Points, e.Normales);
    if (Miroir(s, e) && e.PointsSym.rows() == e.Points.rows()) bords(e.PointsSym, e.NormalesSym);
    glEnable(GL_LIGHTING);
}

void TStudioRendu::DrawArray(TStudioScene& s, const TEntity& e) {
    const TSurface* n = Nurbs(e);
    if (!n) return;
    const TNet& net = n->Net;
    Couleur(s.Couleurs.ResVertex);
    glDisable(GL_LIGHTING);
    auto filet = [&](bool sym) {
        auto point = [&](int i, int j) {
            const TVertex4f& q = net.TabPC[i][j];
            TVertex3f p{q.X, q.Y, q.Z};
            if (sym) Calcs::CalcSym(p, e.PlanSym.Normal, e.PlanSym.D, p);
            Sommet(p);
        };
        for (int j = 0; j < net.NbC; ++j) {
            glBegin(GL_LINE_STRIP);
            for (int i = 0; i < net.NbL; ++i) point(i, j);
            glEnd();
        }
        for (int i = 0; i < net.NbL; ++i) {
            glBegin(GL_LINE_STRIP);
            for (int j = 0; j < net.NbC; ++j) point(i, j);
            glEnd();
        }
    };
    filet(false);
    if (Miroir(s, e)) filet(true);
    glEnable(GL_LIGHTING);
}
