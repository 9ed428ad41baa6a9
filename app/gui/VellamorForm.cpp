#include "app/gui/VellamorForm.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <string>
#include <vector>

#include "app/gui/Settings.h"
#include "base/Debug.h"
#include "base/Encodage.h"
#include "model/Document.h"
#include "model/UiPort.h"
#include "model/Update.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
void Message(const QString& texte) { Ui::ui().showMessage(texte.toStdString()); }

}  // namespace

TVellamorForm::TVellamorForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    DBG_SCOPE("TVellamorForm.FormCreate");
    setObjectName(QStringLiteral("VellamorForm"));
    setWindowTitle(QStringLiteral("Vellamor"));
    Pages = new QTabWidget(this);

    // ---- Lancement
    auto* lancement = new QWidget;
    auto* gl = new QGridLayout(lancement);
    auto* type = new QGroupBox(QStringLiteral("Type de carène"));
    auto* tl = new QHBoxLayout(type);
    RBSymetrique = new QRadioButton(QStringLiteral("Carène symétrique"));
    RBAsymetrique = new QRadioButton(QStringLiteral("Carène asymétrique"));
    RBSymetrique->setChecked(true);
    tl->addWidget(RBSymetrique);
    tl->addWidget(RBAsymetrique);
    gl->addWidget(type, 0, 0, 1, 3);
    LBSurfaces = new QListWidget;
    LBChoisies = new QListWidget;
    for (QListWidget* l : {LBSurfaces, LBChoisies}) l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* fleches = new QVBoxLayout;
    auto* ajoute = new QPushButton(QStringLiteral(">"));
    auto* retire = new QPushButton(QStringLiteral("<"));
    fleches->addStretch();
    fleches->addWidget(ajoute);
    fleches->addWidget(retire);
    fleches->addStretch();
    gl->addWidget(new QLabel(QStringLiteral("Surfaces")), 1, 0);
    gl->addWidget(new QLabel(QStringLiteral("Surfaces choisies")), 1, 2);
    gl->addWidget(LBSurfaces, 2, 0);
    gl->addLayout(fleches, 2, 1);
    gl->addWidget(LBChoisies, 2, 2);
    connect(ajoute, &QPushButton::clicked, this, [this] { Deplace(LBSurfaces, LBChoisies); });
    connect(retire, &QPushButton::clicked, this, [this] { Deplace(LBChoisies, LBSurfaces); });
    auto* params = new QGridLayout;
    const char* const libelles[3] = {"Vitesse mini [m/s]", "Vitesse maxi [m/s]", "Nombre de vitesses"};
    const char* const defauts[3] = {"1", "10", "19"};
    for (int k = 0; k < 3; ++k) {
        Parametres[k] = new QLineEdit(QLatin1String(defauts[k]));
        params->addWidget(new QLabel(QString::fromUtf8(libelles[k])), k, 0);
        params->addWidget(Parametres[k], k, 1);
    }
    gl->addLayout(params, 3, 0, 1, 3);
    CBSupprimerSortie = new QCheckBox(QStringLiteral("Supprimer out.mlt au lancement"));
    CBSupprimerSortie->setChecked(true);
    gl->addWidget(CBSupprimerSortie, 4, 0, 1, 3);
    auto* boutons = new QHBoxLayout;
    auto* enregistrer = new QPushButton(QStringLiteral("Enregistrer..."));
    auto* charger = new QPushButton(QStringLiteral("Charger..."));
    BtnLancer = new QPushButton(QStringLiteral("Lancer"));
    boutons->addWidget(enregistrer);
    boutons->addWidget(charger);
    boutons->addStretch();
    boutons->addWidget(BtnLancer);
    gl->addLayout(boutons, 5, 0, 1, 3);
    connect(enregistrer, &QPushButton::clicked, this, &TVellamorForm::Enregistrer);
    connect(charger, &QPushButton::clicked, this, &TVellamorForm::Charger);
    connect(BtnLancer, &QPushButton::clicked, this, &TVellamorForm::Lancer);
    Pages->addTab(lancement, QStringLiteral("Lancement"));

    // ---- Graphique
    auto* graphique = new QWidget;
    auto* vg = new QVBoxLayout(graphique);
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Résistance"));
    auto* ax = new QValueAxis;
    auto* ay = new QValueAxis;
    ax->setTitleText(QStringLiteral("Vitesse [m/s]"));
    chart->addAxis(ax, Qt::AlignBottom);
    chart->addAxis(ay, Qt::AlignLeft);
    for (int k = 0; k < 2; ++k) {
        Series[k] = new QLineSeries;
        Series[k]->setName(QStringLiteral("Colonne %1").arg(k + 2));
        chart->addSeries(Series[k]);
        Series[k]->attachAxis(ax);
        Series[k]->attachAxis(ay);
    }
    auto* vue = new QChartView(chart);
    vue->setMinimumSize(420, 260);
    vg->addWidget(vue);
    auto* resultatG = new QPushButton(QStringLiteral("Résultat"));
    vg->addWidget(resultatG, 0, Qt::AlignRight);
    connect(resultatG, &QPushButton::clicked, this, &TVellamorForm::LitGraphique);
    Pages->addTab(graphique, QStringLiteral("Graphique"));

    // ---- Sortie
    auto* sortie = new QWidget;
    auto* vs = new QVBoxLayout(sortie);
    MemoSortie = new QPlainTextEdit;
    MemoSortie->setReadOnly(true);
    vs->addWidget(MemoSortie);
    auto* resultatS = new QPushButton(QStringLiteral("Résultat"));
    vs->addWidget(resultatS, 0, Qt::AlignRight);
    connect(resultatS, &QPushButton::clicked, this, &TVellamorForm::LitSortie);
    Pages->addTab(sortie, QStringLiteral("Sortie"));

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(Pages);

    ChoixFichier = [this](bool enreg) {
        const QString filtre = QStringLiteral("Configuration (*.cfg)");
        return enreg ? QFileDialog::getSaveFileName(this, QString(), Dossier(), filtre)
                     : QFileDialog::getOpenFileName(this, QString(), Dossier(), filtre);
    };
}

TVellamorForm::~TVellamorForm() {
    if (process_) {
        process_->disconnect(this);
        process_->kill();
        process_->waitForFinished(2000);
    }
}

void TVellamorForm::reject() {
    // Closing the window ends an analysis still running.
    if (EnCours()) {
        process_->disconnect(this);
        process_->kill();
        process_->waitForFinished(2000);
        process_->deleteLater();
        process_ = nullptr;
        BtnLancer->setEnabled(true);
    }
    QDialog::reject();
}

bool TVellamorForm::EnCours() const { return process_ && process_->state() != QProcess::NotRunning; }

QString TVellamorForm::Dossier() const {
    return doc_.NomFichier.empty() ? QDir::currentPath() : QFileInfo(Q(doc_.NomFichier)).absolutePath();
}

void TVellamorForm::Charge() {
    DBG_SCOPE("TVellamorForm.Charge");
    Vellamor::TConfig c = Config();
    std::vector<std::string> gardees;
    for (const std::string& nom : c.Surfaces)
        if (ObjCom::SurfNom2Num(doc_, nom) >= 0) gardees.push_back(nom);
    c.Surfaces = gardees;
    AppliqueConfig(c);
}

Vellamor::TConfig TVellamorForm::Config() const {
    Vellamor::TConfig c;
    c.Symetrique = RBSymetrique->isChecked();
    for (int k = 0; k < LBChoisies->count(); ++k) c.Surfaces.push_back(LBChoisies->item(k)->text().toStdString());
    for (int k = 0; k < 3; ++k) c.Parametres[static_cast<std::size_t>(k)] = Parametres[k]->text().trimmed().toStdString();
    c.SupprimerSortie = CBSupprimerSortie->isChecked();
    return c;
}

void TVellamorForm::AppliqueConfig(const Vellamor::TConfig& c) {
    (c.Symetrique ? RBSymetrique : RBAsymetrique)->setChecked(true);
    for (int k = 0; k < 3; ++k) Parametres[k]->setText(Q(c.Parametres[static_cast<std::size_t>(k)]));
    CBSupprimerSortie->setChecked(c.SupprimerSortie);
    LBSurfaces->clear();
    LBChoisies->clear();
    for (const auto& s : doc_.Surfaces) {
        const bool choisie = std::find(c.Surfaces.begin(), c.Surfaces.end(), s->Nom) != c.Surfaces.end();
        (choisie ? LBChoisies : LBSurfaces)->addItem(Q(s->Nom));
    }
}

void TVellamorForm::Deplace(QListWidget* de, QListWidget* vers) {
    for (QListWidgetItem* it : de->selectedItems()) vers->addItem(de->takeItem(de->row(it)));
}

void TVellamorForm::Enregistrer() {
    const QString nom = ChoixFichier ? ChoixFichier(true) : QString();
    if (nom.isEmpty()) return;
    std::string erreur;
    if (!Encodage::EcritFichierTexte(nom.toStdString(), Vellamor::Lignes(Config(), nullptr), &erreur, "\n"))
        Message(Q(erreur));
}

void TVellamorForm::Charger() {
    const QString nom = ChoixFichier ? ChoixFichier(false) : QString();
    if (nom.isEmpty()) return;
    std::vector<std::string> lignes;
    std::string erreur;
    Vellamor::TConfig c;
    if (!Encodage::LitFichierTexte(nom.toStdString(), lignes, &erreur) || !Vellamor::Lit(lignes, c, erreur)) {
        Message(nom + QStringLiteral(" : ") + Q(erreur));
        return;
    }
    AppliqueConfig(c);
}

void TVellamorForm::Lancer() {
    DBG_SCOPE("TVellamorForm.Lancer");
    if (EnCours()) return;
    const Vellamor::TConfig c = Config();
    if (const std::string e = Vellamor::Verifie(c); !e.empty()) {
        Message(Q(e));
        return;
    }
    if (c.Surfaces.empty()) {
        Message(QStringLiteral("Aucune surface choisie"));
        return;
    }
    QString programme;
    {
        auto s = Settings::Ouvrir();
        programme = Settings::LireProgrammeVellamor(*s);
    }
    if (programme.isEmpty()) {
        Message(QStringLiteral("Aucun programme d'analyse n'est configuré (section \"Vellamor\", valeur \"Programme\")"));
        return;
    }
    // The analysis reads exact grids.
    for (const std::string& nom : c.Surfaces) ObjCom::MajSurface(doc_, true, ObjCom::SurfNom2Num(doc_, nom));
    const QDir dossier(Dossier());
    const QString config = dossier.filePath(QLatin1String(Vellamor::kFichierConfig));
    std::string erreur;
    if (!Encodage::EcritFichierTexte(config.toStdString(), Vellamor::Lignes(c, &doc_), &erreur, "\n")) {
        Message(Q(erreur));
        return;
    }
    if (c.SupprimerSortie) QFile::remove(dossier.filePath(QLatin1String(Vellamor::kSortie)));

    MemoSortie->clear();
    process_ = new QProcess(this);
    process_->setWorkingDirectory(dossier.path());
    process_->setProcessChannelMode(QProcess::MergedChannels);
    connect(process_, &QProcess::readyReadStandardOutput, this, [this] {
        MemoSortie->moveCursor(QTextCursor::End);
        MemoSortie->insertPlainText(QString::fromLocal8Bit(process_->readAllStandardOutput()));
    });
    connect(process_, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus st) { Termine(code, st == QProcess::CrashExit); });
    connect(process_, &QProcess::errorOccurred, this, [this, programme](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        Message(QStringLiteral("Le programme d'analyse \"%1\" ne peut être lancé").arg(programme));
        process_->deleteLater();
        process_ = nullptr;
        BtnLancer->setEnabled(true);
    });
    BtnLancer->setEnabled(false);
    process_->start(programme, {config});
}

void TVellamorForm::Termine(int code, bool plante) {
    DBG_SCOPE("TVellamorForm.Termine");
    MemoSortie->moveCursor(QTextCursor::End);
    MemoSortie->insertPlainText(QString::fromLocal8Bit(process_->readAllStandardOutput()));
    process_->deleteLater();
    process_ = nullptr;
    BtnLancer->setEnabled(true);
    if (plante || code != 0) {
        Message(QStringLiteral("Le programme d'analyse s'est terminé en erreur (code %1)").arg(plante ? -1 : code));
        Pages->setCurrentIndex(2);
        return;
    }
    LitGraphique();
}

bool TVellamorForm::LitResultats(std::vector<std::string>& lignes) const {
    const QString chemin = QDir(Dossier()).filePath(QLatin1String(Vellamor::kSortie));
    if (Encodage::LitFichierTexte(chemin.toStdString(), lignes)) return true;
    Message(QStringLiteral("Le fichier %1 est introuvable").arg(chemin));
    return false;
}

void TVellamorForm::LitGraphique() {
    std::vector<std::string> lignes;
    if (!LitResultats(lignes)) return;
    const std::vector<Vellamor::TPoint> points = Vellamor::LitSortie(lignes);
    QList<QPointF> p1, p2;
    for (const Vellamor::TPoint& p : points) {
        p1.append({p.X, p.Y1});
        p2.append({p.X, p.Y2});
    }
    Series[0]->replace(p1);
    Series[1]->replace(p2);
    if (!points.empty()) {
        const auto [xmin, xmax] = std::minmax_element(points.begin(), points.end(), [](auto& a, auto& b) { return a.X < b.X; });
        double ymin = 0.0, ymax = 0.0;
        for (const Vellamor::TPoint& p : points) {
            ymin = std::min({ymin, p.Y1, p.Y2});
            ymax = std::max({ymax, p.Y1, p.Y2});
        }
        Series[0]->attachedAxes().at(0)->setRange(xmin->X, xmax->X);
        Series[0]->attachedAxes().at(1)->setRange(ymin, ymax > ymin ? ymax : ymin + 1.0);
    }
    Pages->setCurrentIndex(1);
}

void TVellamorForm::LitSortie() {
    std::vector<std::string> lignes;
    if (!LitResultats(lignes)) return;
    QString texte;
    for (const std::string& l : lignes) texte += Q(l) + QLatin1Char('\n');
    MemoSortie->setPlainText(texte);
    Pages->setCurrentIndex(2);
}
