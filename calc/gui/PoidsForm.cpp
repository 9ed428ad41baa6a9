#include "calc/gui/PoidsForm.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/ImprimanteChoisie.h"
#include "base/Encodage.h"
#include "base/Langue.h"
#include "calc/gui/GrilleResultats.h"
#include "model/Document.h"
#include "model/Entity.h"
#include "model/UiPort.h"
#include "model/Undo.h"
#include "model/Update.h"

namespace {

constexpr int kLargeurs[7] = {40, 180, 60, 60, 60, 60, 120};

// The attached surface: a drop-down of every surface name, or none.
class DelegueSurface : public QStyledItemDelegate {
public:
    DelegueSurface(Document& doc, QObject* parent) : QStyledItemDelegate(parent), doc_(doc) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* c = new QComboBox(parent);
        c->addItem(QString());
        for (const auto& s : doc_.Surfaces) c->addItem(QString::fromStdString(s->Nom));
        return c;
    }
    void setEditorData(QWidget* e, const QModelIndex& i) const override {
        auto* c = static_cast<QComboBox*>(e);
        c->setCurrentIndex(std::max(0, c->findText(i.data().toString())));
    }
    void setModelData(QWidget* e, QAbstractItemModel* m, const QModelIndex& i) const override {
        m->setData(i, static_cast<QComboBox*>(e)->currentText());
    }

private:
    Document& doc_;
};

QTableWidget* NouvelleGrille(QWidget* parent, const char* nom, bool entete) {
    auto* g = new QTableWidget(0, 7, parent);
    g->setObjectName(QString::fromLatin1(nom));
    g->verticalHeader()->setVisible(false);
    g->verticalHeader()->setDefaultSectionSize(18);
    for (int j = 0; j < 7; ++j) g->setColumnWidth(j, kLargeurs[j]);
    // Every grid knows its columns' names (the messages name them); the upper one shows them.
    g->horizontalHeader()->setVisible(entete);
    QStringList t;
    for (const char* cle : {"rsNum", "rsNom", "rsValeur", "rsX", "rsY", "rsZ", "rsSurfAtt"}) t << Langue::QTxt(cle);
    g->setHorizontalHeaderLabels(t);
    return g;
}

std::vector<std::string> Textes(const DevisPoids::TLigne& l) { return {l.Nom, l.Masse, l.X, l.Y, l.Z, l.Surface}; }

}  // namespace

TPoidsForm::TPoidsForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("PoidsForm"));
    resize(700, 480);
    auto* l = new QVBoxLayout(this);
    auto* split = new QSplitter(Qt::Vertical, this);
    SG_PoidsSurf = NouvelleGrille(split, "SG_PoidsSurf", true);
    SG_PoidsSurf->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG_PoidsBallast = NouvelleGrille(split, "SG_PoidsBallast", false);
    SG_PoidsBallast->setItemDelegateForColumn(6, new DelegueSurface(doc_, SG_PoidsBallast));
    SG_PoidsBallast->setEditTriggers(QAbstractItemView::AllEditTriggers);
    split->addWidget(SG_PoidsSurf);
    split->addWidget(SG_PoidsBallast);
    l->addWidget(split, 1);
    SG_PoidsTotal = NouvelleGrille(this, "SG_PoidsTotal", false);
    SG_PoidsTotal->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG_PoidsTotal->setRowCount(1);
    SG_PoidsTotal->setFixedHeight(24);
    l->addWidget(SG_PoidsTotal);
    auto* boutons = new QHBoxLayout;
    auto bouton = [&](const char* nom, const char* cle) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(nom));
        Langue::DonneCle(b, cle);
        boutons->addWidget(b);
        return b;
    };
    BtnInsert = bouton("BtnInsert", "rsBtnInserer");
    BtnAjouter = bouton("BtnAjouter", "rsBtnAjouter");
    BtnSupprimer = bouton("BtnSupprimer", "rsBtnSupprimer");
    SB_Enregistrer = GrilleResultats::Outil(this, "SB_Enregistrer", "rsSBEnregistreHint", QStyle::SP_DialogSaveButton);
    SB_Import = GrilleResultats::Outil(this, "SB_Import", "rsSBOuvrirHint", QStyle::SP_DialogOpenButton);
    SB_Imprimer = GrilleResultats::Outil(this, "SB_Imprimer", "rsSBImprimeHint", QStyle::SP_FileDialogDetailedView);
    for (QWidget* w : std::initializer_list<QWidget*>{SB_Enregistrer, SB_Import, SB_Imprimer}) boutons->addWidget(w);
    boutons->addStretch();
    BtnOK = bouton("BtnOK", "rsBtnOK");
    BtnAnnuler = bouton("BtnAnnuler", "rsBtnAnnuler");
    BtnOK->setDefault(true);
    l->addLayout(boutons);

    // A value typed, pasted or imported shows whole; the total row scrolls
    // with the weights above it rather than under a scroll bar of its own.
    for (QTableWidget* g : {SG_PoidsSurf, SG_PoidsBallast, SG_PoidsTotal})
        connect(g, &QTableWidget::itemChanged, this, &TPoidsForm::Elargit);
    SG_PoidsTotal->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(SG_PoidsBallast->horizontalScrollBar(), &QScrollBar::valueChanged, SG_PoidsTotal->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(BtnAjouter, &QPushButton::clicked, this, &TPoidsForm::BtnAjouterClick);
    connect(BtnInsert, &QPushButton::clicked, this, &TPoidsForm::BtnInsertClick);
    connect(BtnSupprimer, &QPushButton::clicked, this, &TPoidsForm::BtnSupprimerClick);
    connect(BtnOK, &QPushButton::clicked, this, [this] {
        if (BtnOKClick()) accept();
    });
    connect(BtnAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(SB_Enregistrer, &QToolButton::clicked, this, [this] {
        const QString f = GrilleResultats::DemandeFichier(this, "rsCSVFilter", "csv", true);
        if (!f.isEmpty()) Enregistre(f);
    });
    connect(SB_Import, &QToolButton::clicked, this, [this] {
        const QString f = GrilleResultats::DemandeFichier(this, "rsCSVFilter", "csv", false);
        if (!f.isEmpty()) Importe(f);
    });
    connect(SB_Imprimer, &QToolButton::clicked, this,
            [this] {
                if (GrilleValide()) ImprimanteChoisie::Imprime(this, [this](QPrinter& p) { Imprime(p); });
            });
    Langue::DialogueFichier(this, "rsCSVFilter", true);
    Langue::DialogueFichier(this, "rsCSVFilter", false);
    Langue::AppliqueLangue(this);
    setWindowTitle(Langue::QTxt("rsPoidsFormCaption"));
}

void TPoidsForm::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) Remplit();
    QDialog::showEvent(e);
}

void TPoidsForm::EcritLigne(int ligne, const DevisPoids::TLigne& l) {
    GrilleResultats::EcritLigne(SG_PoidsBallast, ligne, 1, Textes(l));
}

void TPoidsForm::Elargit(const QTableWidgetItem* cellule) {
    const QTableWidget* g = cellule->tableWidget();
    const int j = cellule->column();
    const int largeur = g->sizeHintForIndex(g->model()->index(cellule->row(), j)).width() + (g->showGrid() ? 1 : 0);
    if (largeur <= g->columnWidth(j)) return;
    for (QTableWidget* h : {SG_PoidsSurf, SG_PoidsBallast, SG_PoidsTotal}) h->setColumnWidth(j, largeur);
}

void TPoidsForm::Remplit() {
    // The columns start again from their widths and the headings'.
    for (int j = 0; j < 7; ++j) {
        const int largeur = std::max(kLargeurs[j], SG_PoidsSurf->horizontalHeader()->sectionSizeHint(j));
        for (QTableWidget* g : {SG_PoidsSurf, SG_PoidsBallast, SG_PoidsTotal}) g->setColumnWidth(j, largeur);
    }
    ObjCom::MajSurface(doc_, true, -1);
    ObjCom::MajTotalPoids(doc_);
    const auto surfaces = DevisPoids::LignesSurfaces(doc_);
    SG_PoidsSurf->setRowCount(0);
    for (std::size_t i = 0; i < surfaces.size(); ++i)
        GrilleResultats::EcritLigne(SG_PoidsSurf, static_cast<int>(i), 1, Textes(surfaces[i]));
    GrilleResultats::Numerote(SG_PoidsSurf, 0);
    const auto poids = DevisPoids::LignesPoids(doc_);
    SG_PoidsBallast->setRowCount(0);
    for (std::size_t i = 0; i < poids.size(); ++i) EcritLigne(static_cast<int>(i), poids[i]);
    GrilleResultats::Numerote(SG_PoidsBallast, 0);
    GrilleResultats::EcritLigne(SG_PoidsTotal, 0, 1, Textes(DevisPoids::LigneTotal(doc_)));
    SG_PoidsBallast->setCurrentCell(0, 1);
}

std::vector<DevisPoids::TLigne> TPoidsForm::LignesGrille() const {
    std::vector<DevisPoids::TLigne> r;
    for (const auto& c : GrilleResultats::Cellules(SG_PoidsBallast, 1, 6)) r.push_back({c[0], c[1], c[2], c[3], c[4], c[5]});
    return r;
}

bool TPoidsForm::GrilleValide() {
    TListPoids p;
    int l = -1, c = -1;
    if (DevisPoids::LitLignes(doc_, LignesGrille(), p, l, c)) return true;
    GrilleResultats::SignaleCellule(SG_PoidsBallast, l, c, c == 2 ? Saisie::dMasseSignee : Saisie::dCoordonnee);
    return false;
}

void TPoidsForm::BtnAjouterClick() {
    if (!GrilleValide()) return;
    EcritLigne(SG_PoidsBallast->rowCount(), {"", "0.000", "0.000", "0.000", "0.000", ""});
    GrilleResultats::Numerote(SG_PoidsBallast, 0);
}

void TPoidsForm::BtnInsertClick() {
    if (!GrilleValide()) return;
    const int i = std::max(0, SG_PoidsBallast->currentRow());
    SG_PoidsBallast->insertRow(i);
    EcritLigne(i, {"", "0.000", "0.000", "0.000", "0.000", ""});
    GrilleResultats::Numerote(SG_PoidsBallast, 0);
}

void TPoidsForm::BtnSupprimerClick() {
    const int i = SG_PoidsBallast->currentRow();
    if (i < 0) return;
    if (SG_PoidsBallast->rowCount() > 1) SG_PoidsBallast->removeRow(i);
    else EcritLigne(0, {"", "", "", "", "", ""});
    GrilleResultats::Numerote(SG_PoidsBallast, 0);
}

bool TPoidsForm::BtnOKClick() {
    TListPoids p;
    int l = -1, c = -1;
    if (!DevisPoids::LitLignes(doc_, LignesGrille(), p, l, c)) {
        GrilleResultats::SignaleCellule(SG_PoidsBallast, l, c, c == 2 ? Saisie::dMasseSignee : Saisie::dCoordonnee);
        return false;
    }
    if (p == doc_.ListPoids) return true;
    // Recorded, so that Annuler gives the weights back rather than taking a
    // later list away with an older geometry record.
    doc_.RecordAction(TUndo::kGeometrie);
    doc_.ListPoids = std::move(p);
    ObjCom::MajTotalPoids(doc_);
    MarqueModifie();
    return true;
}

bool TPoidsForm::Enregistre(const QString& fichier) const {
    const auto lignes = DevisPoids::TexteFichier(DevisPoids::LignesSurfaces(doc_), LignesGrille());
    std::string erreur;
    if (Encodage::EcritFichierTexte(fichier.toStdString(), lignes, &erreur)) return true;
    Ui::ui().showMessage("Erreur d'écriture du fichier : " + fichier.toStdString() + " (" + erreur + ")");
    return false;
}

bool TPoidsForm::Importe(const QString& fichier) {
    std::vector<std::string> lignes;
    std::string erreur;
    if (!Encodage::LitFichierTexte(fichier.toStdString(), lignes, &erreur)) {
        Ui::ui().showMessage(Langue::Txt("rsErrLectFich") + fichier.toStdString());
        return false;
    }
    // The imported rows follow the grid's; the single row standing for no
    // weight gives way to them.
    if (DevisPoids::GrilleVide(LignesGrille())) SG_PoidsBallast->setRowCount(0);
    for (const DevisPoids::TLigne& l : DevisPoids::Importe(lignes)) EcritLigne(SG_PoidsBallast->rowCount(), l);
    if (SG_PoidsBallast->rowCount() == 0) EcritLigne(0, {"", "0.000", "0.000", "0.000", "0.000", ""});
    GrilleResultats::Numerote(SG_PoidsBallast, 0);
    MarqueModifie();
    return true;
}

void TPoidsForm::MarqueModifie() {
    doc_.MarquerModifie();
    Ui::ui().markModified();
    Ui::ui().requestRedraw(false);
}

void TPoidsForm::Imprime(QPrinter& printer) const {
    // The three grids one under the other, as one table under the document's title.
    TGrilleResultats t(7);
    t.horizontalHeader()->setVisible(true);
    t.setHorizontalHeaderLabels([this] {
        QStringList l;
        for (int j = 0; j < 7; ++j) l << SG_PoidsSurf->horizontalHeaderItem(j)->text();
        return l;
    }());
    for (const QTableWidget* g : {SG_PoidsSurf, SG_PoidsBallast}) {
        const auto c = GrilleResultats::Cellules(g, 0, 6);
        for (const auto& ligne : c) GrilleResultats::EcritLigne(&t, t.rowCount(), 0, ligne);
    }
    // The total of the rows printed, typed since the last OK included (the
    // grid below them shows the list as it was opened).
    TListPoids poids;
    int l = -1, c = -1;
    if (DevisPoids::LitLignes(doc_, LignesGrille(), poids, l, c))
        GrilleResultats::EcritLigne(&t, t.rowCount(), 1, Textes(DevisPoids::LigneTotal(doc_, poids)));
    QString titre = windowTitle();
    if (!doc_.PropFich.Titre.empty()) titre += QStringLiteral(" - ") + QString::fromStdString(doc_.PropFich.Titre);
    t.Imprime(printer, titre);
}
