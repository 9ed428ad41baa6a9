// "Liste des Vertex": every control point of every NURBS net in one grid,
// coordinates edited in place. The grid reads the document as it scrolls:
// nothing is copied per point.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "model/ObjCom.h"

class Document;
class QTableView;
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

    static constexpr int kColX = 4;  // X, Y, Z, W from here

signals:
    // A typed text was refused; nothing was written. Emitted from inside the
    // cell editor's commit: whoever tells the user waits until it is over.
    void refuse(int ligne, int colonne, const QString& texte, const QString& message);

private:
    Document& doc_;
    std::vector<TPC> lignes_;
    bool modifie_ = false;
};

class TLstPcForm : public QWidget {
    Q_OBJECT

public:
    explicit TLstPcForm(TMainForm& main, QWidget* parent = nullptr);

    TModelePC* Modele() const { return modele_; }
    QTableView* Grille() const { return grille_; }
    // "Export": the list written to the file; false after the message.
    bool Exporter(const std::string& fichier);

protected:
    bool event(QEvent* e) override;

private:
    // Leaving the window: what was typed is evaluated and drawn.
    void Termine();
    // The surface column as wide as the longest name.
    void AjusteNoms();
    // The refused text's message, once the cell's editor has closed; then
    // the cell is opened again.
    void SignaleRefus();
    // The cell whose text was refused, its editor open again on that text
    // and the focus in it (once per refusal).
    void RouvreCellule();

    // A refusal goes from waiting for its message, to the message shown, to
    // the cell to open again.
    enum class TEtape { Attente, Message, Rouvrir };
    struct TRefus {
        int Ligne, Colonne;
        QString Texte, Message;
        TEtape Etape;
    };
    std::optional<TRefus> refus_;
    // The last refusal told: the same text committed again in that cell
    // (Enter in the cell opened again, or the cell left as the window loses
    // the activation) is not told twice; the point keeps its value.
    std::optional<TRefus> dit_;
    // The window comes back from the refusal's message: the same editing
    // goes on, nothing is recorded again.
    bool retourMessage_ = false;

    TMainForm& main_;
    TModelePC* modele_;
    QTableView* grille_;
};
