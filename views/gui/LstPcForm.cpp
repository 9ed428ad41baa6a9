#include "views/gui/LstPcForm.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
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

QString TModelePC::Refus(const QModelIndex& index, const QString& texte) const {
    if (index.column() < kColX || texte == data(index, Qt::EditRole).toString()) return {};
    const std::string t = texte.toStdString();
    const std::string_view sans = Chaines::SansBlancs(t);
    if (sans.empty() || sans == "-") return {};
    double v = 0;
    std::string message = "Valeur numérique demandée";
    if (Chaines::TexteVersReel(sans, v))
        message = Saisie::Refus(v, index.column() - kColX == 3 ? Saisie::dPoidsPC : Saisie::dCoordonnee);
    if (message.empty()) return {};
    const QString colonne = headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString();
    return QString::fromStdString(message) + " : " + colonne;
}

bool TModelePC::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() < kColX) return false;
    // A cell confirmed as it shows keeps the point's own value, not its
    // three-decimal text.
    const QString texte = value.toString();
    if (texte == data(index, Qt::EditRole).toString()) return true;
    // Recorded at the first change since the window was activated, not at
    // the activation: a look at the list leaves Annuler as it was.
    const auto enregistre = [this] {
        if (!modifie_) doc_.RecordAction(TUndo::kGeometrie);
    };
    if (!Refus(index, texte).isEmpty() || !EditPC::EcritCellule(doc_, Point(index.row()), index.column() - kColX,
                                                                texte.toStdString(), nullptr, enregistre))
        return false;
    modifie_ = true;
    emit dataChanged(index, index);
    return true;
}

namespace {

// A text the user typed in a cell is not replaced by the rows being drawn
// again (the window's activation, a redraw) while its editor is open.
class TDeleguePC : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* e = qobject_cast<QLineEdit*>(editor); e && e->isModified()) return;
        QStyledItemDelegate::setEditorData(editor, index);
    }
};

}  // namespace

TGrillePC::TGrillePC(TModelePC* modele, QWidget* parent) : QTableView(parent), modele_(modele) {
    setModel(modele);
    setItemDelegate(new TDeleguePC(this));
}

bool TGrillePC::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!QTableView::edit(index, trigger, event)) return false;
    auto* e = qobject_cast<QLineEdit*>(indexWidget(index));
    if (e && e != editeur_) {
        editeur_ = e;
        filtre_ = e;
        cellule_ = index;
        // After the delegate's filter, so seen before it.
        e->installEventFilter(this);
    }
    return true;
}

bool TGrillePC::eventFilter(QObject* o, QEvent* e) {
    if (o == filtre_ && e->type() == QEvent::FocusOut)
        desactivation_ = static_cast<QFocusEvent*>(e)->reason() == Qt::ActiveWindowFocusReason;
    else if (o == filtre_ && e->type() == QEvent::KeyPress)
        desactivation_ = false;
    return QTableView::eventFilter(o, e);
}

void TGrillePC::commitData(QWidget* editor) {
    auto* e = qobject_cast<QLineEdit*>(editor);
    const bool parDesactivation = std::exchange(desactivation_, false);
    const QString message = e && e == editeur_ ? modele_->Refus(cellule_, e->text()) : QString();
    if (message.isEmpty()) {
        refuse_ = nullptr;
        QTableView::commitData(editor);
        return;
    }
    refuse_ = e;
    emit refuse(cellule_, e->text(), message, parDesactivation);
}

void TGrillePC::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Every way of leaving the cell commits first; only Escape closes an
    // editor whose text was refused.
    if (editor && editor == refuse_ && hint != QAbstractItemDelegate::RevertModelCache) return;
    if (editor == refuse_) refuse_ = nullptr;
    QTableView::closeEditor(editor, hint);
}

bool TGrillePC::Valide() {
    if (!editeur_ || indexWidget(cellule_) != editeur_) return true;
    QLineEdit* e = editeur_;
    desactivation_ = false;
    commitData(e);
    if (refuse_ == e) return false;
    closeEditor(e, QAbstractItemDelegate::SubmitModelCache);
    return true;
}

TLstPcForm::TLstPcForm(TMainForm& main, QWidget* parent) : QWidget(parent, Qt::Tool), main_(main) {
    setObjectName(QStringLiteral("LstPcForm"));
    setWindowTitle(Langue::QTxt("rsLstPcFormCaption"));
    resize(560, 480);
    modele_ = new TModelePC(main.Doc(), this);
    grille_ = new TGrillePC(modele_, this);
    grille_->setObjectName(QStringLiteral("SG_PC"));
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
    // Told once the input that left the cell is over: a message opened from
    // inside the editor's commit would interrupt the click or the key that
    // committed it.
    connect(grille_, &TGrillePC::refuse, this,
            [this](const QModelIndex& cellule, const QString& texte, const QString& message, bool parDesactivation) {
                QLineEdit* e = grille_->EditeurRefuse();
                if (refus_ || (parDesactivation && dit_ && dit_->Editeur == e && dit_->Texte == texte)) return;
                refus_ = TRefus{cellule, texte, message, e};
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
    if (!refus_) return;
    if (!isVisible()) {
        refus_.reset();
        return;
    }
    Ui::ui().msgDlg(refus_->Message.toStdString(), Ui::MsgType::Error, Ui::mbOK);
    dit_ = std::exchange(refus_, std::nullopt);
    if (!isVisible()) return;
    QLineEdit* e = grille_->EditeurRefuse();
    const QModelIndex i = dit_->Cellule;
    if (!i.isValid()) return;
    grille_->setCurrentIndex(i);
    if (!e) {
        // The rows were read again meanwhile: the cell opens again on the text.
        grille_->edit(i);
        e = qobject_cast<QLineEdit*>(grille_->indexWidget(i));
        if (!e) return;
        e->setText(dit_->Texte);
        e->setModified(true);
    }
    e->selectAll();
    e->setFocus();
    // Inactive, the window gives the focus to the editor on its activation.
    if (!isActiveWindow()) activateWindow();
}

bool TLstPcForm::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::WindowActivate: {
            // The rows follow the document; an editor open on unchanged rows
            // stays open.
            modele_->Actualise();
            modele_->FixeModifie(false);
            // A refused text waiting in its cell has the focus back, selected.
            if (QLineEdit* r = grille_->EditeurRefuse()) {
                r->setFocus();
                r->selectAll();
            }
            break;
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

void TLstPcForm::closeEvent(QCloseEvent* e) {
    if (grille_->Valide())
        QWidget::closeEvent(e);
    else
        e->ignore();
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
