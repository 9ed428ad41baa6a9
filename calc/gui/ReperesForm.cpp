#include "calc/gui/ReperesForm.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include "app/gui/AppliqueLangue.h"
#include "base/Langue.h"
#include "calc/gui/GrilleResultats.h"
#include "model/Document.h"
#include "model/UiPort.h"
#include "model/Undo.h"

TReperesForm::TReperesForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("ReperesForm"));
    resize(360, 320);
    auto* l = new QVBoxLayout(this);
    Grille = new QTableWidget(0, 5, this);
    Grille->setObjectName(QStringLiteral("Grille"));
    Grille->verticalHeader()->setVisible(false);
    QStringList t;
    for (const char* cle : {"rsNum", "rsNom", "rsX", "rsY", "rsZ"}) t << Langue::QTxt(cle);
    Grille->setHorizontalHeaderLabels(t);
    const int largeurs[5] = {35, 85, 60, 60, 60};
    for (int j = 0; j < 5; ++j) Grille->setColumnWidth(j, largeurs[j]);
    Grille->setEditTriggers(QAbstractItemView::AllEditTriggers);
    l->addWidget(Grille, 1);
    auto* b = new QHBoxLayout;
    auto bouton = [&](const char* nom, const char* cle) {
        auto* p = new QPushButton(this);
        p->setObjectName(QString::fromLatin1(nom));
        Langue::DonneCle(p, cle);
        b->addWidget(p);
        return p;
    };
    BtnAjouter = bouton("BtnAjouter", "rsBtnAjouter");
    BtnSupprimer = bouton("BtnSupprimer", "rsBtnSupprimer");
    b->addStretch();
    BtnOK = bouton("BtnOK", "rsBtnOK");
    BtnAnnuler = bouton("BtnAnnuler", "rsBtnAnnuler");
    BtnOK->setDefault(true);
    l->addLayout(b);
    connect(BtnAjouter, &QPushButton::clicked, this, &TReperesForm::BtnAjouterClick);
    connect(BtnSupprimer, &QPushButton::clicked, this, &TReperesForm::BtnSupprimerClick);
    connect(BtnOK, &QPushButton::clicked, this, [this] {
        if (BtnOKClick()) accept();
    });
    connect(BtnAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    Langue::AppliqueLangue(this);
    setWindowTitle(Langue::QTxt("rsReperesFormCaption"));
}

void TReperesForm::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) Remplit();
    QDialog::showEvent(e);
}

std::vector<Reperes::TLigne> TReperesForm::LignesListe() const { return Reperes::Lignes(doc_.ListReperes); }

bool TReperesForm::AppliqueLignes(const std::vector<Reperes::TLigne>& lignes, int& ligne, int& colonne) {
    std::vector<TRepere> p;
    if (!Reperes::LitLignes(lignes, p, ligne, colonne)) return false;
    doc_.ListReperes = std::move(p);
    return true;
}

void TReperesForm::Remplit() {
    Grille->setRowCount(0);
    const auto lignes = LignesListe();
    for (std::size_t i = 0; i < lignes.size(); ++i)
        GrilleResultats::EcritLigne(Grille, static_cast<int>(i), 1, {lignes[i].Nom, lignes[i].X, lignes[i].Y, lignes[i].Z});
    GrilleResultats::Numerote(Grille, 1);
}

std::vector<Reperes::TLigne> TReperesForm::LignesGrille() const {
    std::vector<Reperes::TLigne> r;
    for (const auto& c : GrilleResultats::Cellules(Grille, 1, 4)) r.push_back({c[0], c[1], c[2], c[3]});
    return r;
}

void TReperesForm::BtnAjouterClick() {
    std::vector<TRepere> p;
    int l = -1, c = -1;
    if (!Reperes::LitLignes(LignesGrille(), p, l, c)) {
        GrilleResultats::SignaleCellule(Grille, l, c, Saisie::dCoordonnee);
        return;
    }
    GrilleResultats::EcritLigne(Grille, Grille->rowCount(), 1, {"", "", "", ""});
    GrilleResultats::Numerote(Grille, 0);
}

void TReperesForm::BtnSupprimerClick() {
    const int i = Grille->currentRow();
    if (i < 0) return;
    if (Grille->rowCount() > 1) Grille->removeRow(i);
    else GrilleResultats::EcritLigne(Grille, 0, 1, {"", "", "", ""});
    GrilleResultats::Numerote(Grille, 1);
}

bool TReperesForm::BtnOKClick() {
    // The rows as they were shown: the list stays as it is, to the last
    // decimal, and the document as saved.
    const std::vector<Reperes::TLigne> lignes = LignesGrille();
    if (lignes == LignesListe()) return true;
    int l = -1, c = -1;
    if (!AppliqueLignes(lignes, l, c)) {
        GrilleResultats::SignaleCellule(Grille, l, c, Saisie::dCoordonnee);
        return false;
    }
    doc_.RecordAction(TUndo::kSansRetour);  // no record holds the marks nor the flooding points
    doc_.MarquerModifie();
    Ui::ui().markModified();
    Ui::ui().requestRedraw(false);
    return true;
}

TEnvahissementForm::TEnvahissementForm(Document& doc, QWidget* parent) : TReperesForm(doc, parent) {
    setObjectName(QStringLiteral("EnvahissementForm"));
    setWindowTitle(Langue::QTxt("rsEnvahissementFormCaption"));
    resize(std::max(width(), Langue::LargeurTitre(this)), height());
}

std::vector<Reperes::TLigne> TEnvahissementForm::LignesListe() const { return Reperes::Lignes(doc_.ListReperesEnv); }

bool TEnvahissementForm::AppliqueLignes(const std::vector<Reperes::TLigne>& lignes, int& ligne, int& colonne) {
    std::vector<TRepereEnv> p;
    if (!Reperes::LitLignes(lignes, p, ligne, colonne)) return false;
    doc_.ListReperesEnv = std::move(p);
    return true;
}
