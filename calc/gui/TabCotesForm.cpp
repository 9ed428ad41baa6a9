#include "calc/gui/TabCotesForm.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/ImprimanteChoisie.h"
#include "base/Encodage.h"
#include "base/Langue.h"
#include "calc/gui/GrilleResultats.h"
#include "model/Document.h"
#include "model/Entity.h"
#include "model/UiPort.h"
#include "model/Update.h"

TTabCotesForm::TTabCotesForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("TabCotesForm"));
    resize(760, 480);
    auto* racine = new QHBoxLayout(this);
    auto* gauche = new QVBoxLayout;
    auto* rg = new QGroupBox(this);
    rg->setObjectName(QStringLiteral("RGIntersection"));
    auto* lrg = new QVBoxLayout(rg);
    RBLignesEau = new QRadioButton(Langue::QTxt("rsLignesE"), rg);
    RBLongitudinales = new QRadioButton(Langue::QTxt("rsLongits"), rg);
    RBLignesEau->setChecked(true);
    lrg->addWidget(RBLignesEau);
    lrg->addWidget(RBLongitudinales);
    gauche->addWidget(rg);
    auto* gs = new QGroupBox(Langue::QTxt("rsSelection"), this);
    auto* ls = new QVBoxLayout(gs);
    LBSurf = new QListWidget(gs);
    LBSurf->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ls->addWidget(LBSurf);
    BtnTout = new QPushButton(Langue::QTxt("rsBtnToutes"), gs);
    BtnAucune = new QPushButton(Langue::QTxt("rsBtnAucune"), gs);
    ls->addWidget(BtnTout);
    ls->addWidget(BtnAucune);
    gauche->addWidget(gs, 1);
    BtnCalculer = new QPushButton(Langue::QTxt("rsBtnCalculer"), this);
    BtnOK = new QPushButton(Langue::QTxt("rsBtnOK"), this);
    gauche->addWidget(BtnCalculer);
    gauche->addWidget(BtnOK);
    auto* panneau = new QWidget(this);
    panneau->setLayout(gauche);
    panneau->setMaximumWidth(220);
    racine->addWidget(panneau);
    auto* droite = new QVBoxLayout;
    auto* barre = new QHBoxLayout;
    BtnEnregistrer = GrilleResultats::Outil(this, "BtnEnregistrer", "rsSBEnregistreHint", QStyle::SP_DialogSaveButton);
    BtnImprimer = GrilleResultats::Outil(this, "BtnImprimer", "rsSBImprimeHint", QStyle::SP_FileDialogDetailedView);
    barre->addWidget(BtnEnregistrer);
    barre->addWidget(BtnImprimer);
    barre->addStretch();
    droite->addLayout(barre);
    Grille = new QTableWidget(0, 5, this);
    Grille->verticalHeader()->setVisible(false);
    Grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList t;
    for (const char* cle : {"rsNum", "rsNom", "rsX", "rsY", "rsZ"}) t << Langue::QTxt(cle);
    Grille->setHorizontalHeaderLabels(t);
    const int largeurs[5] = {35, 150, 60, 60, 60};
    for (int j = 0; j < 5; ++j) Grille->setColumnWidth(j, largeurs[j]);
    droite->addWidget(Grille, 1);
    racine->addLayout(droite, 1);

    connect(BtnTout, &QPushButton::clicked, LBSurf, &QListWidget::selectAll);
    connect(BtnAucune, &QPushButton::clicked, LBSurf, &QListWidget::clearSelection);
    connect(BtnCalculer, &QPushButton::clicked, this, &TTabCotesForm::BtnCalculerClick);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnEnregistrer, &QToolButton::clicked, this, [this] {
        const QString f = GrilleResultats::DemandeFichierTexte(this);
        if (!f.isEmpty()) Enregistre(f);
    });
    connect(BtnImprimer, &QToolButton::clicked, this,
            [this] { ImprimanteChoisie::Imprime(this, [this](QPrinter& p) { Imprime(p); }); });
    Langue::DialogueFichier(this, "rsTXTFilter", true);
    Langue::AppliqueLangue(this);
    setWindowTitle(Langue::QTxt("rsTabCotesFormCaption"));
}

void TTabCotesForm::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) Prepare();
    QDialog::showEvent(e);
}

void TTabCotesForm::Prepare() {
    ObjCom::MajSurface(doc_, true, -1);
    Grille->setRowCount(1);
    for (int j = 0; j < 5; ++j) Grille->setItem(0, j, new QTableWidgetItem);
    BtnEnregistrer->setEnabled(false);
    BtnImprimer->setEnabled(false);
    LBSurf->clear();
    for (const auto& s : doc_.Surfaces) LBSurf->addItem(QString::fromStdString(s->Nom));
    LBSurf->selectAll();
}

void TTabCotesForm::BtnCalculerClick() {
    TListSurf choix;
    for (int i = 0; i < LBSurf->count(); ++i)
        if (LBSurf->item(i)->isSelected()) choix.Add(i);
    const auto cotes = TabCotes::Calcule(doc_, choix, RBLongitudinales->isChecked());
    const auto lignes = TabCotes::Lignes(cotes);
    Grille->setRowCount(0);
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        std::vector<std::string> c;
        std::string reste = lignes[i];
        for (std::size_t p; (p = reste.find(';')) != std::string::npos; reste.erase(0, p + 1)) c.push_back(reste.substr(0, p));
        c.push_back(reste);
        GrilleResultats::EcritLigne(Grille, static_cast<int>(i - 1), 0, c);
    }
    if (Grille->rowCount() == 0) Grille->setRowCount(1);
    BtnEnregistrer->setEnabled(true);
    BtnImprimer->setEnabled(true);
}

std::vector<std::vector<std::string>> TTabCotesForm::Lignes() const {
    std::vector<std::vector<std::string>> r;
    std::vector<std::string> entete;
    for (int j = 0; j < 5; ++j) entete.push_back(Grille->horizontalHeaderItem(j)->text().toStdString());
    r.push_back(entete);
    for (auto& l : GrilleResultats::Cellules(Grille, 0, 4)) r.push_back(std::move(l));
    return r;
}

bool TTabCotesForm::Enregistre(const QString& fichier) const {
    std::vector<std::string> texte;
    for (const auto& l : Lignes()) {
        std::string s;
        for (std::size_t j = 0; j < l.size(); ++j) s += (j ? ";" : "") + l[j];
        texte.push_back(s);
    }
    std::string erreur;
    if (Encodage::EcritFichierTexte(fichier.toStdString(), texte, &erreur)) return true;
    Ui::ui().showMessage("Erreur d'écriture du fichier : " + fichier.toStdString() + " (" + erreur + ")");
    return false;
}

void TTabCotesForm::Imprime(QPrinter& printer) const {
    printer.setDocName(Langue::QTxt("rsTabCotesFormCaption"));
    QPainter p;
    if (!p.begin(&printer)) return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    QFont f(QStringLiteral("Arial"), 12);
    p.setFont(f);
    int y = 0;
    // A line of the printout: each cell from its column's left edge.
    auto ligne = [&](const QStringList& cellules, const std::vector<int>& colonnes) {
        const QFontMetrics m = p.fontMetrics();
        if (y + m.height() > page.height()) {
            printer.newPage();
            y = 0;
        }
        for (int j = 0; j < cellules.size(); ++j) p.drawText(colonnes[static_cast<std::size_t>(j)], y + m.ascent(), cellules[j]);
        y += m.height();
    };
    ligne({QStringLiteral("Corvane Shaper - ") + Langue::QTxt("rsTabCotesFormCaption")}, {0});
    for (const std::string* s : {&doc_.PropFich.Titre, &doc_.PropFich.Archi, &doc_.PropFich.Version, &doc_.PropFich.Date})
        ligne({QString::fromStdString(*s)}, {0});
    ligne({QString(32, QLatin1Char('_'))}, {0});
    ligne({QString()}, {0});
    f.setPointSize(10);
    p.setFont(f);
    std::vector<QStringList> table;
    for (const auto& l : Lignes()) {
        QStringList c;
        for (const auto& s : l) c << QString::fromStdString(s);
        table.push_back(c);
    }
    // Each column as wide as its widest text (heading included) and a gap of
    // two characters: every value under its heading, however long the names.
    const QFontMetrics m = p.fontMetrics();
    std::vector<int> colonnes(6, 0);
    for (std::size_t j = 0; j < 5; ++j) {
        int largeur = 0;
        for (const QStringList& c : table)
            if (static_cast<qsizetype>(j) < c.size()) largeur = std::max(largeur, m.horizontalAdvance(c[static_cast<qsizetype>(j)]));
        colonnes[j + 1] = colonnes[j] + largeur + 2 * m.averageCharWidth();
    }
    for (const QStringList& c : table) ligne(c, colonnes);
    p.end();
}
