#include "studio/gui/StudioMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "model/Debug.h"
#include "studio/gui/StudioForm.h"
#include "studio/gui/scene/VisView.h"

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
    return st;
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
