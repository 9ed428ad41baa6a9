#include "app/gui/Traduction.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <utility>

#include "app/gui/AppliqueLangue.h"
#include "base/Debug.h"
#include "base/Langue.h"

namespace Traduction {

namespace {

std::string S(const QString& q) { return q.toStdString(); }

// A window of its own: a top-level window (not a pop-up such as a menu), or
// a view inside a child window.
bool EstFenetre(const QObject* o) {
    const auto* w = qobject_cast<const QWidget*>(o);
    if (!w) return false;
    if (w->isWindow()) return w->windowType() != Qt::Popup;
    return qobject_cast<const QMdiSubWindow*>(w->parentWidget()) != nullptr;
}

// The title the window shows (without the placeholder of the modified mark).
std::string Titre(const QWidget* w) {
    QString t = w->windowTitle();
    t.remove(QStringLiteral("[*]"));
    return S(t);
}

bool DansBarreOutilsSeulement(const QAction* a) {
    bool barre = false;
    for (const QObject* o : a->associatedObjects()) {
        if (qobject_cast<const QMenu*>(o)) return false;
        barre = barre || qobject_cast<const QToolBar*>(o);
    }
    return barre;
}

bool Composant(QObject* o, TComposant& c) {
    c.Nom = S(o->objectName());
    if (c.Nom.empty() || c.Nom.rfind("qt_", 0) == 0) return false;
    if (auto* a = qobject_cast<QAction*>(o)) {
        if (a->menu()) return false;  // a submenu's item: the submenu writes it
        if (DansBarreOutilsSeulement(a)) {
            c.BoutonRapide = true;
            c.Hint = S(a->toolTip());
            c.MontreHint = !c.Hint.empty();
        } else {
            c.Menu = true;
            c.Caption = a->isSeparator() ? std::string("-") : S(a->text());
        }
        return true;
    }
    if (auto* m = qobject_cast<QMenu*>(o)) {
        c.Menu = true;
        c.Caption = S(m->title());
    } else if (auto* l = qobject_cast<QLabel*>(o)) {
        c.Label = true;
        c.Caption = S(l->text());
    } else if (auto* b = qobject_cast<QPushButton*>(o)) {
        c.Bouton = true;
        c.Caption = S(b->text());
        c.Hint = S(b->toolTip());
        c.MontreHint = !c.Hint.empty();
    } else if (auto* t = qobject_cast<QToolButton*>(o)) {
        c.BoutonRapide = true;
        c.Hint = S(t->toolTip());
        c.MontreHint = !c.Hint.empty();
    } else if (auto* e = qobject_cast<QLineEdit*>(o)) {
        c.Edit = true;
        c.Texte = S(e->text());
    } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
        c.Groupe = true;
        c.Caption = S(g->title());
    } else if (auto* d = qobject_cast<QFileDialog*>(o)) {
        c.DialogueOuvrir = true;
        c.DialogueEnregistrer = d->acceptMode() == QFileDialog::AcceptSave;
        c.Filtre = S(d->nameFilters().join(QStringLiteral(";;")));
    } else if (const std::string cle = Langue::CleDialogue(o); !cle.empty()) {
        // A dialog opened when needed: the filter its key holds now.
        c.DialogueOuvrir = true;
        c.DialogueEnregistrer = Langue::DialogueEnregistre(o);
        c.Filtre = Langue::Txt(cle);
    } else {
        return false;
    }
    return true;
}

// The components of a window in their order, and the windows below it.
void Parcourt(QObject* parent, TFenetre& f, std::vector<QWidget*>& dessous) {
    for (QObject* o : parent->children()) {
        if (EstFenetre(o)) {
            dessous.push_back(static_cast<QWidget*>(o));
            continue;
        }
        TComposant c;
        if (Composant(o, c)) f.Composants.push_back(std::move(c));
        Parcourt(o, f, dessous);
    }
}

void Ajoute(QWidget* w, std::vector<TFenetre>& fenetres, std::vector<QWidget*>& vues, std::vector<QWidget*>& dessous) {
    if (!w || std::find(vues.begin(), vues.end(), w) != vues.end()) return;
    vues.push_back(w);
    TFenetre f;
    f.Nom = S(w->objectName());
    f.Titre = Titre(w);
    Parcourt(w, f, dessous);
    if (!f.Nom.empty() && f.Nom.rfind("qt_", 0) != 0) fenetres.push_back(std::move(f));
}

}  // namespace

std::vector<TFenetre> Fenetres(const std::vector<QWidget*>& ordre) {
    DBG_SCOPE("Traduction.Fenetres");
    std::vector<TFenetre> fenetres;
    std::vector<QWidget*> vues, dessous;
    for (QWidget* w : ordre) Ajoute(w, fenetres, vues, dessous);
    QList<QWidget*> autres;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget()) autres << w;
    while (!autres.isEmpty() || !dessous.empty()) {
        for (QWidget* d : dessous) autres << d;
        dessous.clear();
        std::sort(autres.begin(), autres.end(), [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
        const QList<QWidget*> tour = std::exchange(autres, {});
        for (QWidget* w : tour) Ajoute(w, fenetres, vues, dessous);
    }
    return fenetres;
}

QString EnregistrerTextes(const std::vector<QWidget*>& ordre) {
    const QString chemin = QDir::current().absoluteFilePath(QStringLiteral("FormsText.tra"));
    EnregistrerTextes(Fenetres(ordre));
    return chemin;
}

}  // namespace Traduction
