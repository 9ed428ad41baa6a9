// The "Aide" menu's user guide (the about box is opened in MainFormFenetres.cpp).
#include "app/gui/MainForm.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainFormInterne.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "model/UiPort.h"

using namespace MainFormInterne;

void TMainForm::BrancheAide() { Connecte(this, "MeGuide", [this] { OuvreGuide(Q(Debug::ProgramDir())); }); }

void TMainForm::OuvreGuide(const QString& dossier) {
    DBG_SCOPE("TMainForm.MeGuideClick");
    const QDir dir(dossier);
    const QString index = dir.filePath(QStringLiteral("Doc/index.html"));
    const QString autre = dir.filePath(QStringLiteral("Doc/CorvaneShaper.html"));
    const QString fichier = QFileInfo::exists(index) ? index : (QFileInfo::exists(autre) ? autre : QString());
    if (fichier.isEmpty()) {
        Ui::ui().showMessage(Langue::QTxt("rsErFichCS_HTML").replace(QLatin1String("%s"), autre).toStdString());
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(fichier))) Ui::ui().showMessage(Langue::Txt("rsErLancementNavig"));
}
