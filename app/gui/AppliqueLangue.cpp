#include "app/gui/AppliqueLangue.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDockWidget>
#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>
#include <QTranslator>
#include <QVariant>
#include <QWidget>
#include <string>

#include "base/Debug.h"
#include "base/Langue.h"

namespace Langue {
namespace {

constexpr const char* kProprieteCaption = "rsCaption";
constexpr const char* kProprieteHint = "rsHint";

const std::string* TexteDe(const std::string& cle) { return cle.empty() ? nullptr : Trouve(cle); }

QString VersQ(const std::string& t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

std::string Propriete(const QObject* o, const char* nom) {
    const QVariant v = o->property(nom);
    return v.isValid() ? v.toString().toStdString() : std::string();
}

// The caption's key: the one named on the component, else the shared text of
// the same name ("BtnAnnuler" -> "rsBtnAnnuler"), else "rs" + name + "Caption".
const std::string* TexteCaption(const QObject* o, const std::string& nom) {
    const std::string nommee = Propriete(o, kProprieteCaption);
    if (!nommee.empty()) return TexteDe(nommee);
    if (const std::string* t = TexteDe("rs" + nom)) return t;
    return TexteDe("rs" + nom + "Caption");
}

const std::string* TexteHint(const QObject* o, const std::string& nom) {
    const std::string nommee = Propriete(o, kProprieteHint);
    if (!nommee.empty()) return TexteDe(nommee);
    return TexteDe("rs" + nom + "Hint");
}

void EcritTitre(QWidget* w, const QString& t) {
    w->setWindowTitle(t);
    if (auto* sous = qobject_cast<QMdiSubWindow*>(w->parentWidget())) sous->setWindowTitle(t);
}

void EcritCaption(QObject* o, const QString& t) {
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(t);
    } else if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setTitle(t);
    } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
        b->setText(t);
    } else if (auto* l = qobject_cast<QLabel*>(o)) {
        l->setText(t);
    } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
        g->setTitle(t);
    } else if (auto* d = qobject_cast<QDockWidget*>(o)) {
        d->setWindowTitle(t);
    } else if (auto* w = qobject_cast<QWidget*>(o)) {
        QWidget* pile = w->parentWidget();
        auto* onglets = qobject_cast<QTabWidget*>(pile ? pile->parentWidget() : nullptr);
        if (onglets && onglets->indexOf(w) >= 0)
            onglets->setTabText(onglets->indexOf(w), t);
        else if (w->isWindow() || qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            EcritTitre(w, t);
    }
}

void AppliqueA(QObject* o) {
    const QString nomQ = o->objectName();
    if (nomQ.isEmpty()) return;
    const std::string nom = nomQ.toStdString();
    if (const std::string* t = TexteCaption(o, nom)) EcritCaption(o, VersQ(*t));
    if (const std::string* t = TexteHint(o, nom)) {
        if (auto* a = qobject_cast<QAction*>(o))
            a->setToolTip(VersQ(*t));
        else if (auto* w = qobject_cast<QWidget*>(o))
            w->setToolTip(VersQ(*t));
    }
    if (auto* e = qobject_cast<QLineEdit*>(o))
        if (const std::string* t = TexteDe("rs" + nom + "Text")) e->setText(VersQ(*t));
    if (auto* f = qobject_cast<QFileDialog*>(o))
        if (const std::string* t = TexteDe("rs" + nom + "Filter"))
            f->setNameFilters(VersQ(FiltreQt(*t)).split(QStringLiteral(";;")));
}

}  // namespace

void AppliqueLangue(QWidget* fenetre) {
    DBG_SCOPE("Langue.AppliqueLangue");
    if (!fenetre) return;
    const std::string nom = fenetre->objectName().toStdString();
    if (!nom.empty()) {
        if (const std::string* t = TexteDe("rs" + nom + "Caption")) EcritTitre(fenetre, VersQ(*t));
    }
    const auto enfants = fenetre->findChildren<QObject*>();
    for (QObject* o : enfants) AppliqueA(o);
}

void AppliqueLangueTout() {
    DBG_SCOPE("Langue.AppliqueLangueTout");
    const auto fenetres = QApplication::topLevelWidgets();
    for (QWidget* w : fenetres) {
        // Child windows are reached through their top-level window.
        if (w->parentWidget()) continue;
        AppliqueLangue(w);
        // Windows whose texts depend on their state put them back.
        QEvent changement(QEvent::LanguageChange);
        QCoreApplication::sendEvent(w, &changement);
    }
}

void ChargeTraductionsQt(const QString& langue) {
    static QTranslator* traducteur = nullptr;
    if (traducteur) {
        QCoreApplication::removeTranslator(traducteur);
        delete traducteur;
        traducteur = nullptr;
    }
    const QString code = langue.isEmpty() ? QStringLiteral("fr") : QLocale(langue).name().section(QLatin1Char('_'), 0, 0);
    if (code.isEmpty() || code == QLatin1String("C") || code == QLatin1String("en")) return;
    auto* t = new QTranslator(QCoreApplication::instance());
    if (t->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(t);
        traducteur = t;
    } else {
        delete t;
    }
}

void DonneCle(QObject* composant, std::string_view cleCaption, std::string_view cleHint) {
    if (!composant) return;
    composant->setProperty(kProprieteCaption, QString::fromUtf8(cleCaption.data(), static_cast<qsizetype>(cleCaption.size())));
    composant->setProperty(kProprieteHint, QString::fromUtf8(cleHint.data(), static_cast<qsizetype>(cleHint.size())));
}

int LargeurTitre(const QWidget* fenetre) {
    QFont f = fenetre->font();
    f.setBold(true);
    return QFontMetrics(f).horizontalAdvance(fenetre->windowTitle()) + 130;
}

QString QTxt(std::string_view cle) { return VersQ(Txt(cle)); }

void DialogueFichier(QWidget* fenetre, std::string_view cleFiltre, bool enregistrer) {
    std::string_view nom = cleFiltre;
    if (nom.starts_with("rs")) nom.remove_prefix(2);
    if (nom.ends_with("Filter")) nom.remove_suffix(6);
    auto* d = new QObject(fenetre);
    d->setObjectName(QString::fromLatin1(nom.data(), static_cast<qsizetype>(nom.size())));
    d->setProperty("rsFilter", QString::fromLatin1(cleFiltre.data(), static_cast<qsizetype>(cleFiltre.size())));
    d->setProperty("enregistre", enregistrer);
}

std::string CleDialogue(const QObject* composant) { return composant->property("rsFilter").toString().toStdString(); }

bool DialogueEnregistre(const QObject* composant) { return composant->property("enregistre").toBool(); }

QString FiltreDialogue(std::string_view cle) { return VersQ(FiltreQt(Txt(cle))); }

}  // namespace Langue
