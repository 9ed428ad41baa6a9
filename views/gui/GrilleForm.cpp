#include "views/gui/GrilleForm.h"

#include <QButtonGroup>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "base/Debug.h"
#include "model/UiPort.h"

namespace {

// The value cells take only digits, "-" and ".".
class DelegueNombre : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& o, const QModelIndex& i) const override {
        QWidget* w = QStyledItemDelegate::createEditor(parent, o, i);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-0-9.]*")), e));
        return w;
    }
};

QString Q(const std::string& s) { return QString::fromStdString(s); }

QLineEdit* Edit(const char* nom, const char* texte, QWidget* parent) {
    auto* e = new QLineEdit(QString::fromUtf8(texte), parent);
    e->setObjectName(QLatin1String(nom));
    return e;
}

QLabel* Label(const char* nom, const char* texte, QWidget* parent) {
    auto* l = new QLabel(QString::fromUtf8(texte), parent);
    l->setObjectName(QLatin1String(nom));
    return l;
}

double Nombre(const QLineEdit* e, double defaut) {
    double v = 0.0;
    return GrilleSaisie::LitNombre(e->text().toStdString(), v) ? v : defaut;
}

}  // namespace

TGrilleForm::TGrilleForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("GrilleForm"));
    setWindowTitle(QStringLiteral("Grille"));
    auto* racine = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    racine->addLayout(haut);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PCGrille"));
    haut->addWidget(pages_, 1);
    static const char* const nomsPages[4] = {"TSSection", "TSLigneE", "TSLongit", "TSDiag"};
    static const char* const titres[4] = {"Couples", "Lignes d'eau", "Longitudinales", "Diagonales"};
    static const char* const nomsNombres[4] = {"EditSection", "EditLE", "EditLongit", "EditDiag"};
    static const char* const defauts[4] = {"11", "7", "9", "5"};
    static const char* const nomsLabels[4] = {"LabelNbSec", "LabelNbLE", "LabelNbLg", "LabelNbDiag"};
    static const char* const textesLabels[4] = {"Nombre de couples :", "Nombre de lignes d'eau :",
                                                "Nombre de longitudinales :", "Nombre de diagonales :"};
    static const char* const nomsTables[4] = {"SGSection", "SGLigneE", "SGLongit", "SGDiag"};
    static const char* const nomsEsp[4] = {"LabelEspS", "LabelEspLE", "LabelEspLg", "LabelEspDiag"};
    for (int p = 0; p < 4; ++p) {
        auto* page = new QWidget(pages_);
        page->setObjectName(QLatin1String(nomsPages[p]));
        auto* g = new QGridLayout(page);
        g->addWidget(Label(nomsLabels[p], textesLabels[p], page), 0, 0);
        QLineEdit* n = Edit(nomsNombres[p], defauts[p], page);
        n->setMaximumWidth(60);
        n->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), n));
        nombres_[static_cast<std::size_t>(p)] = n;
        g->addWidget(n, 0, 1);
        if (p == GrilleSaisie::pgCouples) {
            g->addWidget(Label("LabelScinder", "Scinder en :", page), 0, 2);
            scinder_ = Edit("EditSecScind", "5", page);
            scinder_->setMaximumWidth(60);
            scinder_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), scinder_));
            g->addWidget(scinder_, 0, 3);
            connect(scinder_, &QLineEdit::textEdited, this, &TGrilleForm::ScinderChange);
        }
        auto* t = new QTableWidget(0, p == GrilleSaisie::pgDiagonales ? 3 : 2, page);
        t->setObjectName(QLatin1String(nomsTables[p]));
        QStringList entetes{QString(), QStringLiteral("Valeur")};
        if (p == GrilleSaisie::pgDiagonales) entetes << QStringLiteral("Angle [°]");
        t->setHorizontalHeaderLabels(entetes);
        t->verticalHeader()->hide();
        t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
        t->setColumnWidth(0, 48);
        t->setItemDelegate(new DelegueNombre(t));
        t->horizontalHeader()->setStretchLastSection(true);
        tables_[static_cast<std::size_t>(p)] = t;
        g->addWidget(t, 1, 0, 1, 4);
        QLabel* esp = Label(nomsEsp[p], "Espacement :", page);
        Langue::DonneCle(esp, "-");
        espacements_[static_cast<std::size_t>(p)] = esp;
        g->addWidget(esp, 2, 0, 1, 4);
        pages_->addTab(page, QString::fromUtf8(titres[p]));
        connect(n, &QLineEdit::editingFinished, this, [this, p] { NombreChange(p); });
    }

    auto* droite = new QVBoxLayout;
    haut->addLayout(droite);
    auto* auto_ = new QGroupBox(QStringLiteral("Automatique"), this);
    auto_->setObjectName(QStringLiteral("GroupBoxAuto"));
    auto* ga = new QGridLayout(auto_);
    rbStandard_ = new QRadioButton(QStringLiteral("Standard"), auto_);
    rbStandard_->setObjectName(QStringLiteral("RB_AutoStandard"));
    rbStandard_->setChecked(true);
    rbEspacement_ = new QRadioButton(QString::fromUtf8("Espacement donné"), auto_);
    rbEspacement_->setObjectName(QStringLiteral("RB_AutoEspDonne"));
    rbDistance_ = new QRadioButton(QString::fromUtf8("Distance donnée"), auto_);
    rbDistance_->setObjectName(QStringLiteral("RB_AutoDistDonne"));
    auto* validateur = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*\\.?[0-9]*")), this);
    base_ = Edit("EditBase", "0", auto_);
    espPerso_ = Edit("EditEspPerso", "0.5", auto_);
    base2_ = Edit("EditBase2", "0", auto_);
    fin_ = Edit("EditFin", "10", auto_);
    for (QLineEdit* e : {base_, espPerso_, base2_, fin_}) e->setValidator(validateur);
    ga->addWidget(rbStandard_, 0, 0, 1, 2);
    ga->addWidget(rbEspacement_, 1, 0, 1, 2);
    ga->addWidget(Label("LabelBase", "Base", auto_), 2, 0);
    ga->addWidget(base_, 2, 1);
    ga->addWidget(Label("LabelEspPerso", "Espacement", auto_), 3, 0);
    ga->addWidget(espPerso_, 3, 1);
    ga->addWidget(rbDistance_, 4, 0, 1, 2);
    ga->addWidget(Label("LabelBase2", "Base", auto_), 5, 0);
    ga->addWidget(base2_, 5, 1);
    ga->addWidget(Label("LabelFin", "Fin", auto_), 6, 0);
    ga->addWidget(fin_, 6, 1);
    auto* calcul = new QPushButton(QStringLiteral("&Appliquer"), auto_);
    calcul->setObjectName(QStringLiteral("BtnCalcul"));
    ga->addWidget(calcul, 7, 0, 1, 2);
    connect(calcul, &QPushButton::clicked, this, &TGrilleForm::BtnCalculClick);
    auto_->setMaximumWidth(240);
    droite->addWidget(auto_);
    portee_ = new QPushButton(QString::fromUtf8("Portée des calculs..."), this);
    portee_->setObjectName(QStringLiteral("BtnPortee"));
    Langue::DonneCle(portee_, "rsBtnPorteeCalculs");
    connect(portee_, &QPushButton::clicked, this, [this] {
        if (Portee) Portee();
    });
    portee_->setMaximumWidth(240);
    droite->addWidget(portee_);
    droite->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setDefault(true);
    auto* annul = new QPushButton(QStringLiteral("Annuler"), this);
    annul->setObjectName(QStringLiteral("BtnAnnul"));
    Langue::DonneCle(annul, "rsAnnuler");
    for (QPushButton* b : {ok, annul}) {
        b->setMaximumWidth(240);
        droite->addWidget(b);
    }
    connect(ok, &QPushButton::clicked, this, &TGrilleForm::BtnOKClick);
    connect(annul, &QPushButton::clicked, this, &TGrilleForm::BtnAnnulClick);

    resize(720, 480);
    Langue::AppliqueLangue(this);
    Charge();
}

void TGrilleForm::showEvent(QShowEvent* e) {
    portee_->setEnabled(static_cast<bool>(Portee));
    QDialog::showEvent(e);
}

void TGrilleForm::FixeLignes(int page, int n) {
    QTableWidget* t = Table(page);
    const int avant = t->rowCount();
    t->setRowCount(n);
    for (int i = avant; i < n; ++i) {
        auto* num = new QTableWidgetItem(QString::number(i));
        num->setFlags(Qt::ItemIsEnabled);
        t->setItem(i, 0, num);
        for (int c = 1; c < t->columnCount(); ++c) t->setItem(i, c, new QTableWidgetItem(QStringLiteral("0")));
    }
}

void TGrilleForm::Charge() {
    const GrilleSaisie::TSaisie s = GrilleSaisie::Depuis(doc_.DefGrille);
    for (int p = 0; p < 4; ++p) {
        const GrilleSaisie::TFamille& f = s.Pages[static_cast<std::size_t>(p)];
        QTableWidget* t = Table(p);
        t->setRowCount(0);
        FixeLignes(p, static_cast<int>(f.Valeurs.size()));
        for (int i = 0; i < t->rowCount(); ++i) {
            t->item(i, 1)->setText(Q(f.Valeurs[static_cast<std::size_t>(i)]));
            if (p == GrilleSaisie::pgDiagonales) t->item(i, 2)->setText(Q(f.Angles[static_cast<std::size_t>(i)]));
        }
        EditNombre(p)->setText(QString::number(t->rowCount()));
    }
    scinder_->setText(Q(s.Scinder));
}

GrilleSaisie::TSaisie TGrilleForm::Saisie() const {
    GrilleSaisie::TSaisie s;
    for (int p = 0; p < 4; ++p) {
        GrilleSaisie::TFamille& f = s.Pages[static_cast<std::size_t>(p)];
        const QTableWidget* t = Table(p);
        for (int i = 0; i < t->rowCount(); ++i) {
            auto texte = [t, i](int c) { return t->item(i, c) ? t->item(i, c)->text().toStdString() : std::string(); };
            f.Valeurs.push_back(texte(1));
            if (p == GrilleSaisie::pgDiagonales) f.Angles.push_back(texte(2));
        }
    }
    s.Scinder = scinder_->text().toStdString();
    return s;
}

void TGrilleForm::NombreChange(int page) {
    QLineEdit* e = EditNombre(page);
    const QString texte = e->text();
    if (texte.isEmpty() || texte == QLatin1String("-")) return;
    const int n = GrilleSaisie::BorneNombre(page, static_cast<int>(Nombre(e, 0.0)));
    e->setText(QString::number(n));
    FixeLignes(page, n);
    if (page == GrilleSaisie::pgCouples && static_cast<int>(Nombre(scinder_, 0.0)) > n)
        scinder_->setText(QString::number(n));
}

void TGrilleForm::ScinderChange() {
    const QString texte = scinder_->text();
    if (texte.isEmpty() || texte == QLatin1String("-")) return;
    const int n = static_cast<int>(Nombre(scinder_, 1.0));
    const int borne = GrilleSaisie::BorneScinder(n, Table(GrilleSaisie::pgCouples)->rowCount());
    if (borne != n) scinder_->setText(QString::number(borne));
}

void TGrilleForm::BtnCalculClick() {
    DBG_SCOPE("TGrilleForm.BtnCalculClick");
    const int page = pages_->currentIndex();
    GrilleSaisie::TParametres p;
    if (rbEspacement_->isChecked()) {
        p.M = GrilleSaisie::mEspacement;
        p.Base = Nombre(base_, 0.0);
        p.Espacement = Nombre(espPerso_, 0.0);
    } else if (rbDistance_->isChecked()) {
        p.M = GrilleSaisie::mDistance;
        p.Base2 = Nombre(base2_, 0.0);
        p.Fin = Nombre(fin_, 0.0);
    }
    GrilleSaisie::TFamille f;
    const double pas = GrilleSaisie::Genere(doc_, page, Table(page)->rowCount(), p, f);
    QTableWidget* t = Table(page);
    for (int i = 0; i < t->rowCount(); ++i) {
        t->item(i, 1)->setText(Q(f.Valeurs[static_cast<std::size_t>(i)]));
        if (page == GrilleSaisie::pgDiagonales) t->item(i, 2)->setText(Q(f.Angles[static_cast<std::size_t>(i)]));
    }
    LabelEsp(page)->setText(Langue::QTxt("rsLabelEsp") + QString::asprintf(" : %.6f", pas));
}

void TGrilleForm::BtnOKClick() {
    if (const auto e = GrilleSaisie::Applique(doc_, Saisie())) {
        // Nothing has changed: the cell at fault is shown with its message.
        Ui::ui().showMessage(e->Message);
        pages_->setCurrentIndex(e->Page);
        if (e->Ligne >= 0) {
            QTableWidget* t = Table(e->Page);
            t->setCurrentCell(e->Ligne, e->Colonne);
            t->setFocus();
        } else {
            scinder_->setFocus();
        }
        return;
    }
    Charge();
    if (Applique) Applique();
    accept();
}

void TGrilleForm::BtnAnnulClick() {
    Charge();
    reject();
}
