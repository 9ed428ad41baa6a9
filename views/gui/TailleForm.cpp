#include "views/gui/TailleForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/ImprimanteChoisie.h"
#include "app/gui/MainForm.h"
#include "base/Chaines.h"
#include "base/Langue.h"
#include "model/Update.h"
#include "views/Taille.h"
#include "views/gui/SelSurfaces.h"

namespace {

QString F4(const char* avant, double v) {
    return QString::fromUtf8(avant) + QString::fromStdString(Chaines::FormatFixe(v, 4));
}

const char* const kExtremes[6] = {"Min X", "Max X", "Min Y", "Max Y", "Min Z", "Max Z"};

}  // namespace

TTailleForm::TTailleForm(TMainForm& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("TailleForm"));
    setWindowTitle(Langue::QTxt("rsTailleFormCaption"));
    setWindowFlag(Qt::Tool);
    sel_ = new TSelSurfaces(this);
    auto label = [this](QLayout* l, const QString& nom) {
        auto* lab = new QLabel(this);
        lab->setObjectName(nom);
        l->addWidget(lab);
    };
    auto* grille = new QGridLayout;
    for (int k = 0; k < 6; ++k) {
        auto* g = new QGroupBox(QLatin1String(kExtremes[k]), this);
        auto* v = new QVBoxLayout(g);
        const QString n = QStringLiteral("Lab") + QString(QLatin1String(kExtremes[k])).remove(QLatin1Char(' '));
        for (const char* suffixe : {"", "_X", "_Y", "_Z"}) label(v, n + QLatin1String(suffixe));
        grille->addWidget(g, k / 2, k % 2);
        groupes_.push_back(g);
    }
    auto groupe = [&](const char* titre, std::initializer_list<const char*> noms, int ligne, int col) {
        auto* g = new QGroupBox(QString::fromUtf8(titre), this);
        auto* v = new QVBoxLayout(g);
        for (const char* n : noms) label(v, QLatin1String(n));
        grille->addWidget(g, ligne, col);
        groupes_.push_back(g);
    };
    groupe("Dimentions", {"LabLongueur", "LabLargeur", "LabHauteur"}, 3, 0);
    groupe("Tirant d'eau / d'air", {"LabHauteurMax", "LabProfondeurMax"}, 3, 1);
    groupe("Flottaison", {"LabLongFlot", "LabLargFlot"}, 4, 0);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* imprimer = new QPushButton(QStringLiteral("Imprimer..."), this);
    imprimer->setObjectName(QStringLiteral("BtnImprimer"));
    connect(imprimer, &QPushButton::clicked, this,
            [this] { ImprimanteChoisie::Imprime(this, [this](QPrinter& p) { Imprime(p); }); });
    connect(sel_, &TSelSurfaces::clic, this, &TTailleForm::Calcule);
    connect(sel_, &TSelSurfaces::bouton, this, &TTailleForm::Calcule);
    auto* h = new QHBoxLayout(this);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(sel_);
    gauche->addWidget(imprimer);
    gauche->addWidget(ok);
    h->addLayout(gauche);
    h->addLayout(grille);
    Langue::AppliqueLangue(this);
}

QString TTailleForm::Texte(const char* nom) const {
    const QLabel* l = findChild<QLabel*>(QLatin1String(nom));
    return l ? l->text() : QString();
}

void TTailleForm::Execute() {
    Document& doc = main_.Doc();
    sel_->Remplit(doc);
    std::vector<bool> sel;
    for (const auto& s : doc.Surfaces) sel.push_back(s->Calc != 0);
    sel_->Choisit(sel);
    ObjCom::MajSurface(doc, true, -1);
    Calcule();
    exec();
    sel_->Vide();
}

QStringList TTailleForm::Lignes() const {
    QStringList r{windowTitle(), QString()};
    for (const QGroupBox* g : groupes_) {
        r << g->title();
        for (const QLabel* l : g->findChildren<QLabel*>()) r << QStringLiteral("    ") + l->text();
    }
    return r;
}

void TTailleForm::Imprime(QPrinter& printer) const {
    // One line after the other down the page, in the dialog's own order.
    QPainter p;
    if (!p.begin(&printer)) return;
    const int h = p.fontMetrics().lineSpacing();
    int y = h;
    for (const QString& l : Lignes()) {
        if (y > p.viewport().height() - h) {
            printer.newPage();
            y = h;
        }
        p.drawText(0, y, l);
        y += h;
    }
    p.end();
}

void TTailleForm::Calcule() {
    const Taille::TDimensions d = Taille::Dimensions(main_.Doc(), sel_->Selection());
    const TVertex3f pts[6] = {d.MinX, d.MaxX, d.MinY, d.MaxY, d.MinZ, d.MaxZ};
    const double val[6] = {d.MinX.X, d.MaxX.X, d.MinY.Y, d.MaxY.Y, d.MinZ.Z, d.MaxZ.Z};
    auto ecrit = [this](const QString& nom, const QString& texte) {
        if (QLabel* l = findChild<QLabel*>(nom)) l->setText(texte);
    };
    for (int k = 0; k < 6; ++k) {
        const QString n = QStringLiteral("Lab") + QString(QLatin1String(kExtremes[k])).remove(QLatin1Char(' '));
        ecrit(n, F4((std::string(kExtremes[k]) + "=").c_str(), val[k]));
        ecrit(n + QStringLiteral("_X"), F4("X=", pts[k].X));
        ecrit(n + QStringLiteral("_Y"), F4("Y=", pts[k].Y));
        ecrit(n + QStringLiteral("_Z"), F4("Z=", pts[k].Z));
    }
    ecrit(QStringLiteral("LabLongueur"), F4("Longueur=", d.Longueur));
    ecrit(QStringLiteral("LabLargeur"), F4("Largeur=", d.Largeur));
    ecrit(QStringLiteral("LabHauteur"), F4("Hauteur=", d.Hauteur));
    ecrit(QStringLiteral("LabHauteurMax"), F4("Hauteur max=", d.HauteurMax));
    ecrit(QStringLiteral("LabProfondeurMax"), F4("Profondeur max=", d.ProfondeurMax));
    ecrit(QStringLiteral("LabLongFlot"), F4("Longueur=", d.LongueurFlottaison));
    ecrit(QStringLiteral("LabLargFlot"), F4("Largeur=", d.LargeurFlottaison));
}
