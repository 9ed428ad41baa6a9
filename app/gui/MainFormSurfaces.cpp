// The "Surfaces" menu's own commands: the evaluation precision.
#include "app/gui/MainForm.h"

#include <QAction>
#include <QApplication>

#include "app/Precision.h"
#include "app/gui/MainFormInterne.h"
#include "base/Debug.h"

using namespace MainFormInterne;

// The precision presets (the typed precision is wired with its dialog, MainFormFenetres.cpp).
void TMainForm::BrancheSurfaces() {
    for (const Precision::TPreset& p : Precision::kPresets)
        Branche(p.Item, [this, p] { AppliquePrecision(p.Item, p.Valeur); });
}

QString TMainForm::MotPrecision() const {
    for (const Precision::TPreset& p : Precision::kPresets)
        if (const QAction* it = Action(QLatin1String(p.Item)); it && it->isChecked()) return QLatin1String(p.Mot);
    if (const QAction* it = Action(QStringLiteral("MePrecPerso")); it && it->isChecked()) return QStringLiteral("Perso");
    return QStringLiteral("Moyenne");
}

// "Perso" is not a preset: it ticks nothing here (a stored "Perso" starts as "Moyenne").
void TMainForm::FixeMotPrecision(const QString& mot) {
    for (const Precision::TPreset& p : Precision::kPresets)
        if (mot == QLatin1String(p.Mot)) Clique(p.Item, true);
}

void TMainForm::AppliquePrecision(const char* item, int p) {
    DBG_SCOPE("TMainForm.AppliquePrecision");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Curseur {
        ~Curseur() { QApplication::restoreOverrideCursor(); }
    } curseur;
    if (QAction* a = Action(QLatin1String(item))) a->setChecked(true);
    try {
        Precision::Applique(doc_, p);
    } catch (...) {
        // Not applied (memory ran out): the tick goes to the precision the
        // drawing still has; its pictures are still those of that precision.
        const char* juste = "MePrecPerso";
        for (const Precision::TPreset& pr : Precision::kPresets)
            if (pr.Valeur == doc_.Precision) juste = pr.Item;
        if (QAction* a = Action(QLatin1String(juste))) a->setChecked(true);
        throw;
    }
    Redessine(false);
}
