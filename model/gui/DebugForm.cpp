#include "model/gui/DebugForm.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTcpSocket>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "base/Debug.h"
#include "base/Encodage.h"

namespace {

QPointer<TDebugForm> g_debug;
// The window that receives the reports (in debug mode).
TDebugForm* g_cible = nullptr;

// What the socket holds at most before the queue keeps the rest.
constexpr qint64 kEnvoiMax = 64 * 1024;

void Puits(int type, const std::string& tag, int index, const std::vector<std::string>& values) {
    if (g_cible) g_cible->DbgSend(type, tag, index, values);
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TDebugForm* DebugForm() { return g_debug; }

TDebugForm* CreeDebugForm(bool modeDebug, int port, QWidget* principale) {
    if (!g_debug) g_debug = new TDebugForm(modeDebug, port, principale);
    return g_debug;
}

TDebugForm::TDebugForm(bool modeDebug, int port, QWidget* parent)
    : QDialog(parent, Qt::Tool), modeDebug_(modeDebug), port_(port) {
    DBG_SCOPE("TDebugForm.FormCreate");
    setObjectName(QStringLiteral("DebugForm"));
    setWindowTitle(Langue::QTxt("rsDebugFormCaption"));
    Debug::DbgReset();
    Debug::state().inHandler = false;

    auto* haut = new QVBoxLayout(this);
    haut->setContentsMargins(0, 0, 0, 0);
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* lp = new QHBoxLayout(panel);
    auto bouton = [&](const char* nom, const char* texte) {
        auto* b = new QToolButton(panel);
        b->setObjectName(QLatin1String(nom));
        b->setText(QString::fromUtf8(texte));
        b->setAutoRaise(true);
        lp->addWidget(b);
        return b;
    };
    BtnRAZ = bouton("BtnRAZ", "RAZ");
    SBTraceActives = bouton("SBTraceActives", "Traces actives");
    SBTraceActives->setCheckable(true);
    SBTraceActives->setChecked(true);
    SBExport = bouton("SBExport", "Enregistrer");
    SBConnexion = bouton("SBConnexion", "Connexion Debugger");
    lp->addStretch();
    haut->addWidget(panel);

    ListView = new QTreeWidget(this);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setRootIsDecorated(false);
    ListView->setUniformRowHeights(true);
    ListView->setHeaderLabels({QStringLiteral("Type Err"), QStringLiteral("Procédure"), QStringLiteral("Index"),
                               QStringLiteral("Val1"), QStringLiteral("Val2"), QStringLiteral("Val3"),
                               QStringLiteral("Val4")});
    const int largeurs[] = {70, 160, 50, 70, 70, 70, 70};
    for (int c = 0; c < 7; ++c) ListView->setColumnWidth(c, largeurs[c]);
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setFamilies({QStringLiteral("Courier New"), f.family()});
    ListView->setFont(f);
    haut->addWidget(ListView);
    auto* barre = new QStatusBar(this);
    barre->setObjectName(QStringLiteral("StatusBar"));
    barre->setSizeGripEnabled(false);
    statut_ = new QLabel(barre);
    barre->addWidget(statut_, 1);
    haut->addWidget(barre);
    resize(640, 300);

    for (QWidget* w : std::initializer_list<QWidget*>{BtnRAZ, SBTraceActives, SBExport, SBConnexion, statut_})
        Langue::DonneCle(w, "-");

    socket_ = new QTcpSocket(this);
    connect(socket_, &QTcpSocket::connected, this, [this] { MajEtat(QStringLiteral("Connecté")); });
    connect(socket_, &QTcpSocket::disconnected, this, [this] {
        file_.Vide();
        MajEtat(QStringLiteral("Non connecté"));
    });
    // A debugger that is not running is no error: the reports are only listed.
    connect(socket_, &QTcpSocket::errorOccurred, this, [this] {
        file_.Vide();
        MajEtat(QStringLiteral("Non connecté"));
    });
    connect(socket_, &QTcpSocket::bytesWritten, this, &TDebugForm::Envoie);
    connect(BtnRAZ, &QToolButton::clicked, this, &TDebugForm::BtnRAZClick);
    connect(SBExport, &QToolButton::clicked, this, &TDebugForm::SBExportClick);
    connect(SBConnexion, &QToolButton::clicked, this, &TDebugForm::SBConnexionClick);
    MajEtat(QStringLiteral("Non connecté"));

    if (modeDebug_) {
        g_cible = this;
        Debug::SetSink(&Puits);
        SBConnexionClick();
    }
}

TDebugForm::~TDebugForm() {
    DBG_SCOPE("TDebugForm.FormDestroy");
    if (g_cible == this) {
        g_cible = nullptr;
        Debug::SetSink(nullptr);
    }
    socket_->abort();
}

bool TDebugForm::Connecte() const { return socket_->state() == QAbstractSocket::ConnectedState; }

QString TDebugForm::Etat() const { return statut_->text(); }

void TDebugForm::MajEtat(const QString& etat) {
    etat_ = etat;
    QString t = etat;
    if (file_.Perdus() > 0) t += QStringLiteral(" - %1 rapports perdus").arg(file_.Perdus());
    statut_->setText(t);
}

void TDebugForm::SBConnexionClick() {
    DBG_SCOPE("TDebugForm.SBConnexionClick");
    socket_->abort();
    file_.Vide();
    MajEtat(QStringLiteral("Connexion en cours"));
    socket_->connectToHost(QStringLiteral("localhost"), static_cast<quint16>(port_));
}

void TDebugForm::DbgSend(int type, const std::string& tag, int index, const std::vector<std::string>& values) {
    if (!modeDebug_) return;
    const bool traces = SBTraceActives->isChecked();
    if (type == Debug::waTrace && !traces) return;
    if (Connecte()) {
        const std::size_t perdus = file_.Perdus();
        file_.Ajoute(DebugLink::Ligne(type, tag, index, values));
        if (file_.Perdus() != perdus) MajEtat(etat_);
        Envoie();
    }
    DbgAddItem(type, tag, index, values);
}

void TDebugForm::Envoie() {
    while (!file_.EstVide() && Connecte() && socket_->bytesToWrite() < kEnvoiMax) {
        const std::string t = file_.Prend(static_cast<std::size_t>(kEnvoiMax - socket_->bytesToWrite()));
        socket_->write(t.data(), static_cast<qint64>(t.size()));
    }
}

void TDebugForm::DbgAddItem(int type, const std::string& tag, int index, const std::vector<std::string>& values) {
    if (!modeDebug_ || !SBTraceActives->isChecked()) return;
    QStringList colonnes{Q(Debug::TypeName(type))};
    for (const std::string& s : DebugLink::SousItems(tag, index, values)) colonnes << Q(s);
    ListView->insertTopLevelItem(0, new QTreeWidgetItem(colonnes));
}

void TDebugForm::BtnRAZClick() {
    DBG_SCOPE("TDebugForm.BtnRAZClick");
    ListView->setUpdatesEnabled(false);
    ListView->clear();
    ListView->setUpdatesEnabled(true);
}

bool TDebugForm::SBExportClick() {
    DBG_SCOPE("TDebugForm.SBExportClick");
    std::vector<std::string> lignes;
    for (int i = 0; i < ListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = ListView->topLevelItem(i);
        std::vector<std::string> sous;
        for (int c = 1; c < it->columnCount(); ++c) sous.push_back(it->text(c).toStdString());
        lignes.push_back(DebugLink::LigneExport(sous));
    }
    std::string erreur;
    if (Encodage::EcritFichierTexte("CSDbg.txt", lignes, &erreur)) return true;
    MajEtat(etat_ + QStringLiteral(" - CSDbg.txt : ") + Q(erreur));
    return false;
}
