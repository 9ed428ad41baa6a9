// The program's message box, and the plain one.
//
// Questions and warnings go through csMessage::MsgDlg: a modal box whose title
// and button captions come from the text table, so they follow the interface
// language. It returns the modal result of the button pressed (Ui::mrYes 6,
// Ui::mrNo 7, Ui::mrOk 1, Ui::mrCancel 2 ...); closing the box otherwise
// answers Ui::mrCancel. Impossible cases and reading errors use the plain box
// (csMessage::ShowMessage): the text and an OK button.
//
// The main window's user-interface port answers the core's Ui::ui().msgDlg and
// showMessage with these two functions.
#pragma once

#include <QDialog>
#include <QFontMetrics>
#include <QString>
#include <string_view>

#include "model/UiPort.h"

class QLabel;
class QPushButton;

class TfmMessageDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfmMessageDlg(QWidget* parent = nullptr);

    // Sets text, title, icon and buttons and lays the box out; shows nothing.
    void Prepare(const QString& texte, Ui::MsgType type, unsigned boutons);
    // Prepares, shows modally and returns the result.
    int Execute(const QString& texte, Ui::MsgType type, unsigned boutons);

    // Title of a dialog type from the text table ("" for other types).
    static QString Titre(Ui::MsgType type);

    QLabel* lbMsg;
    QLabel* ImageType;
    QPushButton* btYes;
    QPushButton* btNo;
    QPushButton* btOk;
    QPushButton* btCancel;
    QPushButton* btHelp;
    QPushButton* btAbort;
    QPushButton* btRetry;
    QPushButton* btIgnore;
    QPushButton* btAll;

    // The prepared buttons in the order they stand, left to right.
    const QList<QPushButton*>& BoutonsPrepares() const { return prepares_; }

    static constexpr int kLargeurMin = 200;
    static constexpr int kLargeurMax = 730;
    static constexpr int kHauteurClient = 83;
    static constexpr int kLargeurCoupure = 700;

private:
    // Gives the button its caption and puts it next in line.
    QPushButton* CreeBouton(QPushButton* bouton, const QString& texte);
    void FixeLargeur(int largeur);

    QList<QPushButton*> prepares_;
    int largeur_ = 120;
};

namespace csMessage {

// Shows the program's message box (type 0..4, a set of Ui::mb* buttons) and
// returns the modal result.
int MsgDlg(const QString& texte, Ui::MsgType type, unsigned boutons, QWidget* parent = nullptr);
int MsgDlg(std::string_view texteUtf8, Ui::MsgType type, unsigned boutons, QWidget* parent = nullptr);

// The plain message box: the text and OK, under the program's name.
void ShowMessage(const QString& texte, QWidget* parent = nullptr);
void ShowMessage(std::string_view texteUtf8, QWidget* parent = nullptr);

// Inserts one line break into a text wider than the limit: after the first
// blank at or after the middle character (the blank ends the first line).
// Returns the text unchanged when it is not wider or has no such blank.
QString CoupeTexte(const QString& texte, int largeurTexte, int limite = TfmMessageDlg::kLargeurCoupure);
// The text where a run of characters without a blank (a long path) wider
// than `largeur` may also break: an invisible break point after each of its
// characters, so that the wrapped label keeps it inside its edge.
QString CoupuresLibres(const QString& texte, const QFontMetrics& fm, int largeur);

}  // namespace csMessage
