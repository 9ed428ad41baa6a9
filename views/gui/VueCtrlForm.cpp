#include "views/gui/VueCtrlForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <cmath>

#include "app/gui/AppliqueLangue.h"
#include "base/Debug.h"
#include "views/gui/Affiche.h"
#include "views/gui/FormFille.h"
#include "views/gui/Vues.h"

TVueCtrlForm::TVueCtrlForm(IVueHote& hote, QWidget* parent)
    : QWidget(parent, Qt::Tool), hote_(hote) {
    setObjectName(QStringLiteral("VueCtrlForm"));
    setWindowTitle(QString::fromUtf8("Contrôle"));
    auto* g = new QGridLayout(this);
    static const char* const noms[5] = {"TBZoom", "TBDHori", "TBDVert", "TBRHori", "TBRVert"};
    static const char* const titres[5] = {"Echelle", "Dépl.Horizontal", "Dépl.Vertical", "Angle Horizontal",
                                          "Angle Vertical"};
    static const char* const nomsTitres[5] = {"LabelEchelle", "LabelDHori", "LabelDVert", "LabelRHori", "LabelRVert"};
    for (int b = 0; b < 5; ++b) {
        auto* t = new QLabel(QString::fromUtf8(titres[b]), this);
        t->setObjectName(QLatin1String(nomsTitres[b]));
        auto* v = new QLabel(QStringLiteral("0"), this);
        v->setObjectName(QStringLiteral("Label%1b").arg(b + 1));
        v->setMinimumWidth(48);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* s = new QSlider(Qt::Horizontal, this);
        s->setObjectName(QLatin1String(noms[b]));
        s->setMinimumWidth(200);
        s->setRange(b >= bRHori ? -360 : 0, b >= bRHori ? 360 : 1);
        g->addWidget(t, 2 * b, 0);
        g->addWidget(v, 2 * b, 1);
        g->addWidget(s, 2 * b + 1, 0, 1, 2);
        titres_[static_cast<std::size_t>(b)] = t;
        valeurs_[static_cast<std::size_t>(b)] = v;
        barres_[static_cast<std::size_t>(b)] = s;
        connect(s, &QSlider::valueChanged, this, [this, b](int pos) {
            if (!maj_) Change(static_cast<Barre>(b), pos);
        });
    }
    Langue::AppliqueLangue(this);
    ChangeVue(vkSection);
}

void TVueCtrlForm::ChangeVue(int index) {
    DBG_SCOPE("TVueCtrlForm.ChangeVue");
    index_ = index;
    const VueCtrl::TPlages p = VueCtrl::Plages(index, hote_.Doc().Options.ZoomMax);
    maj_ = true;
    barres_[bZoom]->setRange(p.ZoomMin, p.ZoomMax);
    barres_[bDHori]->setRange(p.HoriMin, p.HoriMax);
    barres_[bDVert]->setRange(p.VertMin, p.VertMax);
    barres_[bDHori]->setPageStep(index == VueCtrl::kStudio ? 1 : 10);
    barres_[bDVert]->setPageStep(index == VueCtrl::kStudio ? 1 : 10);
    maj_ = false;
    for (Barre b : {bRHori, bRVert}) {
        barres_[b]->setEnabled(p.Angles);
        titres_[b]->setEnabled(p.Angles);
        valeurs_[b]->setEnabled(p.Angles);
    }
    if (index == VueCtrl::kStudio && studio_) {
        VueCtrl::TStudio& s = studio_->EtatStudio();
        s.Zoom2 = VueCtrl::Zoom2Studio(static_cast<int>(std::nearbyint(s.Zoom)));
    }
    MajTrackBars(index);
}

void TVueCtrlForm::Positionne(const VueCtrl::TPositions& p) {
    maj_ = true;
    const int pos[5] = {p.Zoom, p.DHori, p.DVert, p.RHori, p.RVert};
    for (int b = 0; b < 5; ++b) {
        barres_[static_cast<std::size_t>(b)]->setValue(pos[b]);
        valeurs_[static_cast<std::size_t>(b)]->setText(QString::number(barres_[static_cast<std::size_t>(b)]->value()));
    }
    maj_ = false;
}

void TVueCtrlForm::MajTrackBars(int index) {
    DBG_SCOPE("TVueCtrlForm.MajTrackBars");
    if (index != index_) return;
    if (index == VueCtrl::kStudio) {
        if (studio_) Positionne(VueCtrl::Positions(studio_->EtatStudio()));
    } else if (TFormFille* v = Vues::FenetreVueParIndex(index)) {
        Positionne(VueCtrl::Positions(v->Vue(), v->width(), v->height()));
    }
}

void TVueCtrlForm::Change(Barre b, int pos) {
    DBG_SCOPE("TVueCtrlForm.TrackBarChange");
    valeurs_[b]->setText(QString::number(pos));
    if (index_ == VueCtrl::kStudio) {
        if (!studio_) return;
        VueCtrl::TStudio& s = studio_->EtatStudio();
        switch (b) {
            case bZoom:
                s.Zoom = pos;
                s.Zoom2 = VueCtrl::Zoom2Studio(pos);
                break;
            case bDHori: s.DHori = pos; break;
            case bDVert: s.DVert = pos; break;
            case bRHori: s.AngleH = pos; break;
            case bRVert: s.AngleV = pos; break;
        }
        studio_->RedessineStudio();
        return;
    }
    TFormFille* v = Vues::FenetreVueParIndex(index_);
    if (!v) return;
    TViewRecord& r = v->Vue();
    switch (b) {
        case bZoom: VueCtrl::AppliqueZoom(r, pos); break;
        case bDHori: VueCtrl::AppliqueDHori(r, pos, v->width()); break;
        case bDVert: VueCtrl::AppliqueDVert(r, pos, v->height()); break;
        case bRHori:
            if (v->Kind() != vkPerspective) return;
            VueCtrl::AppliqueAzimut(r, v->Angle1, pos);
            break;
        case bRVert:
            if (v->Kind() != vkPerspective) return;
            VueCtrl::AppliqueElevation(r, v->Angle2, pos);
            break;
    }
    Affiche::AfficheNet(v);
}

void TVueCtrlForm::closeEvent(QCloseEvent* e) {
    e->accept();
    if (Fermee) Fermee();
}
