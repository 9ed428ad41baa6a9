#include "views/gui/Champs.h"

#include <QLineEdit>

#include "base/Chaines.h"
#include "model/UiPort.h"

namespace Champs {

bool LitReel(QLineEdit* champ, const QString& label, double& v, Saisie::TDomaine d) {
    double lu = 0;
    const std::string refus = Chaines::TexteVersReel(champ->text().toStdString(), lu) ? Saisie::Refus(lu, d)
                                                                               : "Valeur numérique demandée";
    if (refus.empty()) {
        v = lu;
        return true;
    }
    Refuse(champ, label, refus);
    return false;
}

void Refuse(QLineEdit* champ, const QString& label, const std::string& refus) {
    const std::string l = Saisie::Libelle(QString(label).remove(QLatin1Char('&')).toStdString());
    Ui::ui().msgDlg(refus + " : " + l, Ui::MsgType::Error, Ui::mbOK);
    champ->setFocus();
    champ->selectAll();
}

}  // namespace Champs
