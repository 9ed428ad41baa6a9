// The window that shows the program's picture, name, version and subtitle:
// the splash while the program starts (with the date of the program file),
// and, prepared anew, the about box.
//
// The version is the project's, given by the build (CORVANE_VERSION): the
// splash shows its first two fields, the about box the whole of it.
#pragma once

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

class TSplashForm : public QDialog {
    Q_OBJECT
public:
    // The splash: no title bar, no OK button.
    explicit TSplashForm(QWidget* parent = nullptr);
    ~TSplashForm() override;
    // Turns it into the about box: title bar, taller, the whole version, OK.
    void PrepareAPropos();

    // The build's version, and its major.minor part.
    static QString Version();
    static QString VersionCourte(const QString& version);
    // The subtitle for a language: the English one for a language whose
    // name contains "English", else the text table's.
    static QString SousTitre(const QString& langue);

    QFrame* PanelCadre = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* LabelComment = nullptr;
    QLabel* LabelDate = nullptr;
    QPushButton* BtnOK = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
};

namespace Splash {
// The about box of the command "A propos": created, shown modally, freed.
void APropos(QWidget* parent);

// The splash of the start while it exists, else null.
TSplashForm* Courant();

// A message box shown while the program starts is above the splash, which
// stays on top of every window: for the box's life the splash steps aside,
// and comes back when the box closes.
class Retrait {
public:
    Retrait();
    ~Retrait();
    Retrait(const Retrait&) = delete;
    Retrait& operator=(const Retrait&) = delete;

private:
    TSplashForm* splash_ = nullptr;
};
}  // namespace Splash
