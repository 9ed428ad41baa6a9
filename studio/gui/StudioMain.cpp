#include "studio/gui/StudioMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "base/Debug.h"
#include "studio/gui/StudioForm.h"
#include "studio/gui/scene/VisView.h"
#include "views/VueCtrl.h"
#include "views/gui/MouseCommandes.h"
#include "views/gui/VueCtrlForm.h"

namespace StudioMain {

namespace {

class HoteMain : public IStudioHote {
public:
    explicit HoteMain(TMainForm& m) : m_(m) {}
    Document& Doc() override { return m_.Doc(); }
    const TOptionsDessin& OptionsDessin() const override { return m_.OptionsDessin(); }
    Settings::TOptions OptionsStudio() const override { return m_.Options(); }
    void Commande(const char* item) override {
        if (QAction* a = m_.Action(QLatin1String(item)); a && a->isEnabled()) a->trigger();
    }
    void StudioActive() override {
        m_.WriteStatusBar(0, Langue::QTxt("rsStudio"));
        for (const char* item : {"MeSectionsFen", "MePlanFen", "MeProfileFen", "MePerspectiveFen"})
            if (QAction* a = m_.Action(QLatin1String(item))) a->setChecked(false);
        if (QAction* a = m_.Action(QStringLiteral("MeStudioFen"))) a->setChecked(true);
    }
    QWidget* Principale() override { return &m_; }

private:
    TMainForm& m_;
};

// The studio's view fields as the view-control window's five bars see them.
class ControleStudio : public IStudioControle {
public:
    VueCtrl::TStudio& EtatStudio() override {
        if (const TStudioForm* st = TStudioForm::Instance()) {
            const Studio::TVueStudio& v = st->Vue();
            etat_.Zoom = v.ZoomPos;
            etat_.DHori = v.PanX;
            etat_.DVert = v.PanY;
            etat_.AngleH = v.AngleZ;
            etat_.AngleV = v.AngleX;
        }
        return etat_;
    }
    void RedessineStudio() override {
        TStudioForm* st = TStudioForm::Instance();
        if (!st) return;
        st->SetZoom(static_cast<float>(etat_.Zoom), TStudioForm::kZoomMax);
        st->SetPanX(etat_.DHori);
        st->SetPanY(etat_.DVert);
        st->SetAngleZ(static_cast<float>(etat_.AngleH));
        st->SetAngleX(static_cast<float>(etat_.AngleV));
    }

private:
    VueCtrl::TStudio etat_;
};

QMdiSubWindow* Cadre(const TMainForm& m) {
    TStudioForm* st = TStudioForm::Instance();
    if (!st || !m.ZoneMdi()) return nullptr;
    for (QMdiSubWindow* sw : m.ZoneMdi()->subWindowList())
        if (sw->widget() == st) return sw;
    return nullptr;
}

}  // namespace

TStudioForm* Cree(TMainForm& m) {
    DBG_SCOPE("StudioMain.Cree");
    if (TStudioForm* st = TStudioForm::Instance(); st && Cadre(m)) return st;
    auto* st = new TStudioForm(std::make_unique<HoteMain>(m));
    QMdiSubWindow* sw = m.ZoneMdi()->addSubWindow(st);
    sw->setObjectName(QStringLiteral("StudioFormCadre"));
    sw->setWindowTitle(st->windowTitle());
    m.EnregistrePlacement(QStringLiteral("StudioForm"), sw, true);
    sw->resize(560, 420);
    sw->hide();
    QObject::connect(m.ZoneMdi(), &QMdiArea::subWindowActivated, st, [st](QMdiSubWindow* w) {
        if (w && w->widget() == st) {
            if (auto* m2 = MainForm()) HoteMain(*m2).StudioActive();
            emit st->activee();
        }
    });
    QObject::connect(&m, &TMainForm::redessiner, st, [st] { st->Invalidate(); });
    MouseCommandes::ZoomStudio([&m](bool agrandir) {
        TStudioForm* studio = TStudioForm::Instance();
        if (!studio || !Actif(m)) return false;
        studio->ZoomPas(agrandir, QGuiApplication::queryKeyboardModifiers());
        return true;
    });
    // The close button hides the studio; its item and button bring it back.
    m.GardeCadre(sw);
    if (auto* c = m.findChild<TVueCtrlForm*>(QStringLiteral("VueCtrlForm"), Qt::FindDirectChildrenOnly))
        BrancheControle(*c);
    return st;
}

void BrancheControle(TVueCtrlForm& c) {
    TStudioForm* st = TStudioForm::Instance();
    if (!st) return;
    static ControleStudio controle;
    c.SetStudio(&controle);
    QObject::connect(st, &TStudioForm::activee, &c, [&c] { c.ChangeVue(VueCtrl::kStudio); });
    QObject::connect(st, &TStudioForm::vueModifiee, &c, [&c] {
        if (c.Index() == VueCtrl::kStudio) c.MajTrackBars(VueCtrl::kStudio);
    });
}

void Montre(TMainForm& m) {
    QMdiSubWindow* sw = Cadre(m);
    if (!sw) return;
    sw->showMaximized();
    m.ZoneMdi()->setActiveSubWindow(sw);
    if (TVisView* glc = TStudioForm::Instance()->GLC()) glc->setFocus();
    HoteMain(m).StudioActive();
    emit TStudioForm::Instance()->activee();
}

bool Actif(const TMainForm& m) {
    QMdiSubWindow* sw = Cadre(m);
    return sw && m.ZoneMdi()->activeSubWindow() == sw;
}

void Copie(const TMainForm& m) {
    if (!Actif(m)) return;
    const QImage image = TStudioForm::Instance()->Image();
    if (!image.isNull()) QGuiApplication::clipboard()->setImage(image);
}

}  // namespace StudioMain
