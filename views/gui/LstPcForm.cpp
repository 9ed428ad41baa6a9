#include "views/gui/LstPcForm.h"

#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "base/Chaines.h"
#include "base/Encodage.h"
#include "base/Langue.h"
#include "model/Undo.h"
#include "model/Update.h"
#include "views/EditPC.h"
#include "views/Saisie.h"
#include "views/Selection.h"

void TModelePC::Recharge() {
    beginResetModel();
    lignes_ = EditPC::Lignes(doc_);
    endResetModel();
}

void TModelePC::Actualise() {
    if (EditPC::Lignes(doc_) != lignes_) {
        Recharge();
        return;
    }
    if (!lignes_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int TModelePC::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

int TModelePC::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 8; }

QVariant TModelePC::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const TPC& pc = Point(index.row());
    switch (index.column()) {
        case 0: {
            const TEntity* s = doc_.Surface(pc.Surf);
            return s ? QString::fromStdString(s->Nom) : QString();
        }
        case 1: return pc.Surf;
        case 2: return pc.I;
        case 3: return pc.J;
        default: {
            const TVertex4f* p = Selection::Point(doc_, pc);
            if (!p) return {};
            const double v[4] = {p->X, p->Y, p->Z, p->W};
            return QString::fromStdString(Chaines::FormatFixe(v[index.column() - kColX], 3));
        }
    }
}

QVariant TModelePC::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Vertical) return section + 1;
    static const char* const cles[4] = {"rsSurface", "rsNumero", "rsLigne", "rsColonne"};
    static const char* const xyzw[4] = {"X", "Y", "Z", "W"};
    return section < kColX ? Langue::QTxt(cles[section]) : QString::fromLatin1(xyzw[section - kColX]);
}

Qt::ItemFlags TModelePC::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() >= kColX) f |= Qt::ItemIsEditable;
    return f;
}

bool TModelePC::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() < kColX) return false;
    // A cell confirmed as it shows keeps the point's own value, not its
    // three-decimal text.
    if (value.toString() == data(index, Qt::EditRole).toString()) return true;
    const int k = index.column() - kColX;
    const std::string texte = value.toString().toStdString();
    bool refus = false;
    double v = 0;
    std::string message = "Valeur numérique demandée";
    if (Chaines::TexteVersReel(texte, v)) {
        message = Saisie::Refus(v, k == 3 ? Saisie::dPoidsPC : Saisie::dCoordonnee);
        refus = !message.empty();
    }
    // Recorded at the first change since the window was activated, not at
    // the activation: a look at the list leaves Annuler as it was.
    const auto enregistre = [this] {
        if (!modifie_) doc_.RecordAction(TUndo::kGeometrie);
    };
    if (refus || !EditPC::EcritCellule(doc_, Point(index.row()), k, texte, &refus, enregistre)) {
        const QString label = headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString();
        if (refus) emit refuse(index.row(), index.column(), value.toString(), QString::fromStdString(message) + " : " + label);
        return false;
    }
    modifie_ = true;
    emit dataChanged(index, index);
    return true;
}

TLstPcForm::TLstPcForm(TMainForm& main, QWidget* parent) : QWidget(parent, Qt::Tool), main_(main) {
    setObjectName(QStringLiteral("LstPcForm"));
    setWindowTitle(Langue::QTxt("rsLstPcFormCaption"));
    resize(560, 480);
    modele_ = new TModelePC(main.Doc(), this);
    grille_ = new QTableView(this);
    grille_->setObjectName(QStringLiteral("SG_PC"));
    grille_->setModel(modele_);
    grille_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grille_->verticalHeader()->setDefaultSectionSize(20);
    grille_->horizontalHeader()->setDefaultSectionSize(60);
    grille_->setColumnWidth(0, 90);
    for (int c = 1; c < 4; ++c) grille_->setColumnWidth(c, 50);
    grille_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    auto* exporter = new QPushButton(QStringLiteral("Export..."), this);
    exporter->setObjectName(QStringLiteral("BtnExport"));
    connect(exporter, &QPushButton::clicked, this, [this] {
        const QString f =
            QFileDialog::getSaveFileName(this, QString(), QString(), Langue::FiltreDialogue("rsTXTFilter"));
        if (!f.isEmpty()) Exporter(f.toStdString());
    });
    auto* fermer = new QPushButton(Langue::QTxt("rsBtnFermer"), this);
    fermer->setObjectName(QStringLiteral("BtnFermer"));
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    connect(&main_, &TMainForm::fenetresPC, this, [this] {
        if (isVisible()) modele_->Recharge();
    });
    // Every change of the model ends with a redraw: the list follows it.
    connect(&main_, &TMainForm::redessiner, this, [this] {
        if (isVisible()) modele_->Actualise();
    });
    connect(modele_, &QAbstractItemModel::modelReset, this, &TLstPcForm::AjusteNoms);
    // A value written: a refusal told before may be told again.
    connect(modele_, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& a, const QModelIndex& b) {
        if (a == b) dit_.reset();
    });
    // The refusal comes from inside the editor's commit: a message opened
    // there would run while the editor is still committing, and whatever the
    // window does meanwhile (the focus leaving it commits again, an
    // activation reloads the rows) would reach an editor already gone. The
    // message waits until the editor has closed; the same text committed
    // twice on its way out (Enter, then the focus leaving) is told once.
    connect(modele_, &TModelePC::refuse, this,
            [this](int ligne, int colonne, const QString& texte, const QString& message) {
                if (refus_) return;
                if (dit_ && dit_->Ligne == ligne && dit_->Colonne == colonne && dit_->Texte == texte) return;
                refus_ = TRefus{ligne, colonne, texte, message, TEtape::Attente};
                QMetaObject::invokeMethod(this, &TLstPcForm::SignaleRefus, Qt::QueuedConnection);
            });
    auto* v = new QVBoxLayout(this);
    v->addWidget(grille_);
    auto* h = new QHBoxLayout;
    h->addWidget(exporter);
    h->addStretch();
    h->addWidget(fermer);
    v->addLayout(h);
    Langue::DialogueFichier(this, "rsTXTFilter", true);
    Langue::AppliqueLangue(this);
}

void TLstPcForm::AjusteNoms() {
    int largeur = 90;
    const QFontMetrics fm = grille_->fontMetrics();
    for (const auto& s : main_.Doc().Surfaces)
        if (s) largeur = std::max(largeur, fm.horizontalAdvance(QString::fromStdString(s->Nom)) + 16);
    grille_->setColumnWidth(0, largeur);
    // Every column shows: the grid is never narrower than they are.
    int total = grille_->verticalHeader()->sizeHint().width() + 2 * grille_->frameWidth() +
                grille_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < modele_->columnCount(); ++c) total += grille_->columnWidth(c);
    grille_->setMinimumWidth(total);
}

bool TLstPcForm::Exporter(const std::string& fichier) {
    std::string erreur;
    if (Encodage::EcritFichierTexte(fichier, EditPC::TexteListe(main_.Doc()), &erreur)) return true;
    Ui::ui().msgDlg("Enregistrement impossible : " + fichier + "\n" + erreur, Ui::MsgType::Error, Ui::mbOK);
    return false;
}

void TLstPcForm::SignaleRefus() {
    if (!refus_ || refus_->Etape != TEtape::Attente) return;
    if (!isVisible()) {
        refus_.reset();
        return;
    }
    refus_->Etape = TEtape::Message;
    dit_ = refus_;
    retourMessage_ = true;
    Ui::ui().msgDlg(refus_->Message.toStdString(), Ui::MsgType::Error, Ui::mbOK);
    if (!refus_ || !isVisible()) {
        refus_.reset();
        retourMessage_ = false;
        return;
    }
    refus_->Etape = TEtape::Rouvrir;
    // The window and the cell take the focus back; a window that must be
    // activated first opens the cell on its activation.
    if (isActiveWindow()) {
        retourMessage_ = false;
        RouvreCellule();
    } else {
        activateWindow();
    }
}

void TLstPcForm::RouvreCellule() {
    if (!refus_ || refus_->Etape != TEtape::Rouvrir) return;
    const TRefus r = *std::exchange(refus_, std::nullopt);
    const QModelIndex i = modele_->index(r.Ligne, r.Colonne);
    if (!i.isValid()) return;
    grille_->setFocus();
    grille_->setCurrentIndex(i);
    grille_->edit(i);
    if (auto* e = qobject_cast<QLineEdit*>(grille_->indexWidget(i))) {
        e->setText(r.Texte);
        e->selectAll();
        e->setFocus();
    }
}

bool TLstPcForm::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::WindowActivate: {
            if (!std::exchange(retourMessage_, false)) {
                // The rows follow the document; an editor open on unchanged
                // rows stays open.
                modele_->Actualise();
                modele_->FixeModifie(false);
            }
            const bool r = QWidget::event(e);
            RouvreCellule();
            return r;
        }
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            Termine();
            break;
        default:
            break;
    }
    return QWidget::event(e);
}

void TLstPcForm::Termine() {
    if (!modele_->Modifie()) return;
    modele_->FixeModifie(false);
    Document& doc = main_.Doc();
    ObjCom::MajSurface(doc, false, -1);
    ObjCom::MajCoupesSurface(doc);
    main_.MarquerModifie();
    main_.Redessine(false);
}
