#include "views/gui/Champs.h"

#include <QEvent>
#include <QLineEdit>

#include "base/Chaines.h"
#include "model/UiPort.h"

namespace Champs {

namespace {

// Selects the field's text when it next gets the focus, once: a window made
// active again gives its field the focus with the selection cleared.
class SelectionAuRetour : public QObject {
public:
    explicit SelectionAuRetour(QLineEdit* champ) : QObject(champ) { champ->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* champ = e->type() == QEvent::FocusIn ? qobject_cast<QLineEdit*>(o) : nullptr;
        if (champ) {
            // Now, and once the focus has settled.
            champ->selectAll();
            QMetaObject::invokeMethod(champ, &QLineEdit::selectAll, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

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
    // A tool window is not given back the focus by the message: it takes it,
    // and selects the text again when its field gets it.
    QWidget* fenetre = champ->window();
    if (!fenetre->isActiveWindow()) {
        new SelectionAuRetour(champ);
        fenetre->activateWindow();
    }
    champ->setFocus();
    champ->selectAll();
    // Again once the key or the focus change that led here is handled.
    QMetaObject::invokeMethod(champ, &QLineEdit::selectAll, Qt::QueuedConnection);
}

}  // namespace Champs
