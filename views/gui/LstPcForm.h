// "Liste des Vertex": every control point of every NURBS net in one grid,
// coordinates edited in place. The grid reads the document as it scrolls:
// nothing is copied per point.
#pragma once

#include <QAbstractTableModel>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "model/ObjCom.h"

class Document;
class TMainForm;

// The rows of the list over the document: one per control point.
class TModelePC : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TModelePC(Document& doc, QObject* parent = nullptr) : QAbstractTableModel(parent), doc_(doc) {}

    // The rows again from the document's nets.
    void Recharge();
    // After a change of the model: the same rows show their new values, other
    // rows are read again.
    void Actualise();
    const TPC& Point(int row) const { return lignes_[static_cast<std::size_t>(row)]; }
    bool Modifie() const { return modifie_; }
    void FixeModifie(bool m) { modifie_ = m; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // Empty when the text typed in that cell may be committed (a number the
    // point can take, the cell's own text, or an empty text or "-", which
    // write nothing); otherwise the message, the column's name included.
    QString Refus(const QModelIndex& index, const QString& texte) const;

    static constexpr int kColX = 4;  // X, Y, Z, W from here

private:
    Document& doc_;
    std::vector<TPC> lignes_;
    bool modifie_ = false;
};

// The grid of the list. A cell whose typed text is refused keeps its editor
// open on that text however it is left (Enter, Tab, a click on another cell,
// the window losing the activation): nothing is written and nothing is lost.
// Escape closes it on the point's own value.
class TGrillePC : public QTableView {
    Q_OBJECT

public:
    TGrillePC(TModelePC* modele, QWidget* parent);
    using QTableView::edit;

    // The editor kept open on a refused text, or none.
    QLineEdit* EditeurRefuse() const { return refuse_; }
    // The open editor's text committed and the editor closed; false when the
    // text is refused (the editor stays open).
    bool Valide();

signals:
    // A refused text, its editor kept open. parDesactivation: the window
    // losing the activation committed it, not the user.
    void refuse(const QModelIndex& cellule, const QString& texte, const QString& message, bool parDesactivation);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TModelePC* modele_;
    QPointer<QLineEdit> editeur_;  // the open editor and its cell
    // The same editor, as the filter sees it: compared only, never followed,
    // since the filter also sees it while it is being destroyed.
    const QObject* filtre_ = nullptr;
    QPersistentModelIndex cellule_;
    QPointer<QLineEdit> refuse_;
    // The editor's last loss of the focus came from the window losing the
    // activation.
    bool desactivation_ = false;
};

class TLstPcForm : public QWidget {
    Q_OBJECT

public:
    explicit TLstPcForm(TMainForm& main, QWidget* parent = nullptr);

    TModelePC* Modele() const { return modele_; }
    TGrillePC* Grille() const { return grille_; }
    // "Export": the list written to the file; false after the message.
    bool Exporter(const std::string& fichier);

protected:
    bool event(QEvent* e) override;
    // A text typed in a cell is applied, or refused with its message, before
    // the window goes: refused, the window stays.
    void closeEvent(QCloseEvent* e) override;

private:
    // Leaving the window: what was typed is evaluated and drawn.
    void Termine();
    // The surface column as wide as the longest name.
    void AjusteNoms();
    // The refused text's message, once the input that left the cell is
    // over; then the cell's editor has the focus again, its text selected.
    void SignaleRefus();

    struct TRefus {
        QPersistentModelIndex Cellule;
        QString Texte, Message;
        QPointer<QLineEdit> Editeur;
    };
    // The refusal to tell: other commits of the same text before the message
    // is closed (the focus leaving the editor, then the current cell
    // changing, or the message itself taking the activation) are that one.
    std::optional<TRefus> refus_;
    // The last refusal told. The window losing the activation commits again:
    // the same text in the same editor is then not told twice, which would
    // make the message and the activation chase each other. The user's own
    // Enter, Tab, click or Fermer is always told.
    std::optional<TRefus> dit_;

    TMainForm& main_;
    TModelePC* modele_;
    TGrillePC* grille_;
};
