#include "calc/gui/AireForm.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QShowEvent>

#include "app/gui/AppliqueLangue.h"
#include "base/Langue.h"
#include "calc/TableAires.h"
#include "calc/gui/GrilleResultats.h"

TAireForm::TAireForm(Document& doc, QWidget* parent, int colonnes) : QDialog(parent), doc_(doc) {
    resize(600, 360);
    auto* l = new QVBoxLayout(this);
    GrilleAires = new TGrilleResultats(colonnes, this);
    GrilleAires->setObjectName(QStringLiteral("GrilleAires"));
    GrilleAires->horizontalHeader()->setVisible(true);
    GrilleAires->setColumnWidth(0, 160);
    l->addWidget(GrilleAires);
}

TAireForm::TAireForm(Document& doc, QWidget* parent) : TAireForm(doc, parent, 4) {
    setObjectName(QStringLiteral("AireForm"));
    QStringList t;
    for (const char* cle : {"rsNomSurface", "rsAireImmergee", "rsAireEmergee", "rsAireTotale"}) t << Langue::QTxt(cle);
    GrilleAires->setHorizontalHeaderLabels(t);
    Langue::AppliqueLangue(this);
    setWindowTitle(Langue::QTxt("rsAireFormCaption"));
}

void TAireForm::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) {
        Remplit();
        // Every header shown whole.
        QHeaderView* h = GrilleAires->horizontalHeader();
        for (int j = 0; j < GrilleAires->columnCount(); ++j)
            GrilleAires->setColumnWidth(j, std::max(GrilleAires->columnWidth(j), h->sectionSizeHint(j)));
    }
    QDialog::showEvent(e);
}

void TAireForm::Remplit() {
    const auto aires = TableAires::Aires(doc_);
    GrilleAires->setRowCount(0);
    for (std::size_t i = 0; i < aires.size(); ++i) {
        const auto& a = aires[i];
        const std::string nom = i + 1 == aires.size() ? Langue::Txt("rsAireTotale") : a.Nom;
        GrilleResultats::EcritLigne(GrilleAires, static_cast<int>(i), 0,
                                    {nom, GrilleResultats::Nombre(a.Immergee, 4).toStdString(),
                                     GrilleResultats::Nombre(a.Emergee, 4).toStdString(),
                                     GrilleResultats::Nombre(a.Totale, 4).toStdString()});
    }
}
