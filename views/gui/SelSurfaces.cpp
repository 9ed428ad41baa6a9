#include "views/gui/SelSurfaces.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "base/Chaines.h"
#include "model/Document.h"
#include "model/UiPort.h"

namespace {

// The list tells when the user has chosen: at every mouse release in it
// (a click on no line clears the selection) and after a key that changed
// the selection.
class ListeSurfaces : public QListWidget {
public:
    explicit ListeSurfaces(TSelSurfaces* groupe) : QListWidget(groupe), groupe_(groupe) {}

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        QListWidget::mouseReleaseEvent(e);
        emit groupe_->clic();
    }
    void keyPressEvent(QKeyEvent* e) override {
        const std::vector<bool> avant = groupe_->Selection();
        QListWidget::keyPressEvent(e);
        if (groupe_->Selection() != avant) emit groupe_->clic();
    }

private:
    TSelSurfaces* groupe_;
};

}  // namespace

TSelSurfaces::TSelSurfaces(QWidget* parent, bool multiple, bool boutons)
    : QGroupBox(Langue::QTxt("rsSelection"), parent), liste_(new ListeSurfaces(this)) {
    setObjectName(QStringLiteral("GBSelection"));
    liste_->setObjectName(QStringLiteral("LBSurf"));
    // A click picks one line, Ctrl+click adds or removes one, Shift+click a run.
    liste_->setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    auto* v = new QVBoxLayout(this);
    v->addWidget(liste_);
    if (boutons) {
        auto* h = new QHBoxLayout;
        auto* toutes = new QPushButton(Langue::QTxt("rsBtnToutes"), this);
        auto* aucune = new QPushButton(Langue::QTxt("rsBtnAucune"), this);
        toutes->setObjectName(QStringLiteral("BtnToutes"));
        aucune->setObjectName(QStringLiteral("BtnAucune"));
        toutes->setAutoDefault(false);
        aucune->setAutoDefault(false);
        h->addWidget(toutes);
        h->addWidget(aucune);
        v->addLayout(h);
        connect(toutes, &QPushButton::clicked, this, [this] {
            ToutChoisir(true);
            emit bouton();
        });
        connect(aucune, &QPushButton::clicked, this, [this] {
            ToutChoisir(false);
            emit bouton();
        });
    }
    connect(liste_, &QListWidget::itemSelectionChanged, this, &TSelSurfaces::change);
}

void TSelSurfaces::Remplit(const Document& doc) {
    const QSignalBlocker b(liste_);
    liste_->clear();
    for (const auto& s : doc.Surfaces) liste_->addItem(QString::fromStdString(s->Nom));
}

void TSelSurfaces::Vide() {
    const QSignalBlocker b(liste_);
    liste_->clear();
}

std::vector<bool> TSelSurfaces::Selection() const {
    std::vector<bool> r(static_cast<std::size_t>(liste_->count()));
    for (int i = 0; i < liste_->count(); ++i) r[static_cast<std::size_t>(i)] = liste_->item(i)->isSelected();
    return r;
}

void TSelSurfaces::Choisit(const std::vector<bool>& sel) {
    {
        const QSignalBlocker b(liste_);
        for (int i = 0; i < liste_->count(); ++i)
            liste_->item(i)->setSelected(static_cast<std::size_t>(i) < sel.size() && sel[static_cast<std::size_t>(i)]);
    }
    emit change();
}

int TSelSurfaces::Courante() const {
    for (int i = 0; i < liste_->count(); ++i)
        if (liste_->item(i)->isSelected()) return i;
    return -1;
}

void TSelSurfaces::ToutChoisir(bool oui) { Choisit(std::vector<bool>(static_cast<std::size_t>(liste_->count()), oui)); }
