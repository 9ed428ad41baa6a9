#include "views/gui/CotesForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "base/Langue.h"
#include "views/Taille.h"

TCotesForm::TCotesForm(TMainForm& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("CotesForm"));
    setWindowTitle(Langue::QTxt("rsCotesFormCaption"));
    resize(402, 462);
    grille_ = new QTableWidget(0, 4, this);
    grille_->setObjectName(QStringLiteral("SG_Cotes"));
    grille_->setHorizontalHeaderLabels({QStringLiteral("Num"), QStringLiteral("Type"), QStringLiteral("Valeur"),
                                        QStringLiteral("Vue")});
    grille_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grille_->setSelectionMode(QAbstractItemView::SingleSelection);
    grille_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille_->verticalHeader()->hide();
    grille_->verticalHeader()->setDefaultSectionSize(18);
    grille_->setColumnWidth(0, 35);
    for (int c = 1; c < 4; ++c) grille_->setColumnWidth(c, 80);
    auto* suppr = new QPushButton(QStringLiteral("&Supprimer"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    suppr->setObjectName(QStringLiteral("BtnSuppr"));
    ok->setObjectName(QStringLiteral("BtnOK"));
    connect(suppr, &QPushButton::clicked, this, &TCotesForm::Supprimer);
    connect(ok, &QPushButton::clicked, this, [this] {
        main_.Redessine(false);
        accept();
    });
    auto* v = new QVBoxLayout(this);
    v->addWidget(grille_);
    auto* h = new QHBoxLayout;
    h->addWidget(suppr);
    h->addStretch();
    h->addWidget(ok);
    v->addLayout(h);
    Langue::AppliqueLangue(this);
}

void TCotesForm::Remplit() {
    const std::vector<Taille::TLigneCote> lignes = Taille::LignesCotes(main_.Doc());
    // An empty list keeps one blank line.
    grille_->setRowCount(std::max<int>(1, static_cast<int>(lignes.size())));
    grille_->clearContents();
    for (int i = 0; i < static_cast<int>(lignes.size()); ++i) {
        const Taille::TLigneCote& l = lignes[static_cast<std::size_t>(i)];
        const QString cellules[4] = {QString::number(i + 1), QString::fromStdString(l.Type),
                                     QString::fromStdString(l.Valeur), QString::fromStdString(l.Vue)};
        for (int c = 0; c < 4; ++c) grille_->setItem(i, c, new QTableWidgetItem(cellules[c]));
    }
}

void TCotesForm::Execute() {
    Remplit();
    exec();
}

void TCotesForm::Supprimer() {
    if (!Taille::SupprimeCote(main_.Doc(), grille_->currentRow())) return;
    main_.MarquerModifie();
    Remplit();
}
