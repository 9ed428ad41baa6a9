#include "views/gui/FenSelForm.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "base/Debug.h"
#include "base/Langue.h"
#include "model/Update.h"
#include "platform/CanvasQt.h"
#include "views/DrawAffiche.h"
#include "views/Selection.h"
#include "views/gui/FormFille.h"
#include "views/gui/Vues.h"

namespace {

const QColor kGris(0xC0, 0xC0, 0xC0);

void Triangle(QPainter& p, QPoint a, QPoint b, QPoint c, const QColor& fond) {
    const QPoint pts[3] = {a, b, c};
    p.setBrush(fond);
    p.drawPolygon(pts, 3);
}

}  // namespace

TFenSelForm::TFenSelForm(IVueHote& hote, QWidget* parent)
    : QWidget(parent, Qt::Tool), hote_(hote) {
    setObjectName(QStringLiteral("FenSelForm"));
    setWindowTitle(QString::fromStdString(Langue::Txt("rsFenSelFormCaption")));  // the surface's name comes first once shown
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(306, 262);
    setMinimumSize(60, 50);
}

const TNet* TFenSelForm::NetCourant() const {
    const TSurface* s = hote_.Doc().SurfaceNurbs(hote_.Doc().CurrentPC.Surf);
    return s ? &s->Net : nullptr;
}

FenSel::TGeometrie TFenSelForm::Geometrie() const {
    const TNet* net = NetCourant();
    return FenSel::Geometrie(width(), height(), net ? net->NbL : 0, net ? net->NbC : 0,
                             hote_.Doc().DefGrille.NbSecUtil());
}

void TFenSelForm::MajCaption() {
    const TEntity* e = hote_.Doc().Surface(hote_.Doc().CurrentPC.Surf);
    setWindowTitle(QString::fromStdString((e ? e->Nom : std::string()) + " " + Langue::Txt("rsFenSelFormCaption")));
}

void TFenSelForm::Montre() {
    DBG_SCOPE("TFenSelForm.FormShow");
    Document& doc = hote_.Doc();
    for (TFormFille* v : Vues::Fenetres().Toutes())
        if (v) {
            Selection::PCNonActif(doc, v->TabCoor());
            Selection::PCLnColActif(doc, v->TabCoor());
        }
    Rafraichit();
    show();
    raise();
    if (RedessineVue) RedessineVue();
}

void TFenSelForm::Rafraichit() {
    const int station = etat_.Station;
    if (const TNet* net = NetCourant()) etat_ = FenSel::EtatDuNet(*net);
    etat_.Station = station;
    MajCaption();
    update();
}

void TFenSelForm::MajEtat(const TEtatFenSel& e) {
    etat_.Ligne = e.Ligne;
    etat_.Colonne = e.Colonne;
    etat_.AffLignes = e.AffLignes;
    etat_.AffColonnes = e.AffColonnes;
    MajCaption();
    update();
}

void TFenSelForm::paintEvent(QPaintEvent*) {
    DBG_SCOPE("TFenSelForm.Dessine");
    const int W = width(), H = height();
    const FenSel::TGeometrie geo = Geometrie();
    const int xs = geo.Xs, ys = geo.Ys;
    QPainter p(this);
    p.fillRect(rect(), Qt::white);

    // The thumbnail: the section view fitted to it.
    Document& doc = hote_.Doc();
    const TOptionsDessin& o = hote_.OptionsDessin();
    if (W - 11 > 0 && H - 17 > 0) {
        QImage im(W - 11, H - 17, QImage::Format_RGB32);
        im.fill(TQtCanvas::Couleur(o.Couleurs.Arp));
        {
            TQtCanvas cv(im);
            TViewRecord vue;
            vue.Kind = vkSection;
            vue.PenMode = kPenCopy;
            vue.Azimuth = 4.712389f;
            vue.Elevation = 0.0f;
            vue.Scale = 100.0f;
            vue.Canvas = &cv;
            ObjCom::AjusteRectangle(doc, 1, im.width(), im.height(), vue);
            const TDefGrille& g = doc.DefGrille;
            if (doc.Aff.MeGrille) Affiche::AfficheGrille(g, o.Couleurs.Grille, vue);
            const int sv = g.MiseEnValeur ? Affiche::SecEnValeurUtil(g) : -1;
            for (int s = 0; s < doc.NbSurf(); ++s) {
                const TEntity* e = doc.Surface(s);
                if (!e || !e->Visible) continue;
                Affiche::AfficheBordSurface(*e, 0, doc.Aff, o, vue);
                if (sv > 0) {
                    Affiche::DrawOneSec(*e, sv, doc.Aff, o, vue);
                    if (!doc.Aff.MeMoitie) Affiche::DrawOneSecSym(*e, sv, doc.Aff, o, vue);
                }
            }
        }
        p.drawImage(11, 6, im);
    }

    // The strips and their corner.
    p.setPen(Qt::black);
    p.setBrush(kGris);
    p.drawRect(0, 0, xs, ys);
    p.drawRect(xs, ys, W - 1 - xs, H - 1 - ys);
    p.drawRect(0, ys, xs, H - 1 - ys);
    if (FenSel::ToutesLignes(etat_)) Triangle(p, {0, H - 1}, {0, ys}, {xs, ys}, Qt::blue);
    if (FenSel::ToutesColonnes(etat_)) Triangle(p, {0, H - 1}, {xs, H - 1}, {xs, ys}, Qt::red);

    for (std::size_t i = 0; i < geo.Lignes.size(); ++i) {
        const int y = geo.Lignes[i];
        Triangle(p, {2, y - 6}, {2, y + 6}, {8, y},
                 FenSel::LigneChoisie(etat_, static_cast<int>(i)) ? QColor(Qt::green) : QColor(Qt::white));
    }
    for (std::size_t j = 0; j < geo.Colonnes.size(); ++j) {
        const int x = geo.Colonnes[j], y = H - 9;
        Triangle(p, {x - 6, y + 6}, {x + 6, y + 6}, {x, y},
                 FenSel::ColonneChoisie(etat_, static_cast<int>(j)) ? QColor(Qt::green) : QColor(Qt::white));
    }
    // The ticks in grey: seen over the thumbnail whatever the views' background.
    p.setPen(QColor(0x80, 0x80, 0x80));
    for (std::size_t k = 0; k < geo.Stations.size(); ++k) {
        const int x = geo.Stations[k] - 2;
        p.drawLine(x, 2, x, 5);
        if (etat_.Station == static_cast<int>(k) || etat_.Station == -1) p.drawLine(x, 6, x, H - 10);
    }
}

void TFenSelForm::mousePressEvent(QMouseEvent* ev) {
    DBG_SCOPE("TFenSelForm.FormMouseDown");
    Document& doc = hote_.Doc();
    const int surf = doc.CurrentPC.Surf;
    TSurface* sf = doc.SurfaceNurbs(surf);
    const QPoint pos = ev->position().toPoint();
    const FenSel::TReponse r = FenSel::Presse(etat_, Geometrie(), pos.x(), pos.y(), sf ? &sf->Net : nullptr, doc.DefGrille);
    for (TFormFille* v : Vues::Fenetres().Toutes())
        if (v) {
            FenSel::AppliqueActifs(doc, v->TabCoor(), surf, r);
            Selection::UnSelectAllPoints(v->TabCoor(), v->Selection);
        }
    if (sf) {
        FenSel::StockeDansNet(etat_, sf->Net);
        ObjCom::ChangeCurrentPC(doc, -1, etat_.Ligne, etat_.Colonne);
    }
    update();
    if (RedessineVue) RedessineVue();
}

void TFenSelForm::closeEvent(QCloseEvent* e) {
    DBG_SCOPE("TFenSelForm.FormClose");
    Document& doc = hote_.Doc();
    for (TFormFille* v : Vues::Fenetres().Toutes())
        if (v) {
            if (doc.Aff.MeNet) {
                Selection::PCActif(doc, v->TabCoor());
            } else {
                Selection::UnSelectAllPoints(v->TabCoor(), v->Selection);
                Selection::PCNonActif(doc, v->TabCoor());
            }
        }
    e->accept();
    if (Fermee) Fermee();
    if (RedessineVue) RedessineVue();
}
