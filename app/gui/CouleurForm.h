// The program's colour chooser, used by the options and the surface
// properties: three track bars (red, green, blue), 16 base colours, 16 custom
// colours kept in the settings file (section "Palette", values "1" .. "16"),
// and a colour picture. Dragging the preview onto a custom colour sets it;
// the custom colours are stored on OK only.
//
// Colours are 0x00BBGGRR, as everywhere in the program.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QImage>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QMimeData;
class QSettings;
class QSlider;

namespace Couleur {

// Shows the chooser on the colour (0x00BBGGRR); on OK writes the chosen colour
// back and returns true, on Cancel leaves it and returns false.
bool Choisir(QWidget* parent, std::uint32_t& couleur);

// The 16 custom colours of the settings file (white where none is stored).
std::array<std::uint32_t, 16> LirePalette(QSettings& s);
void EcrirePalette(QSettings& s, const std::array<std::uint32_t, 16>& couleurs);

// 0x00BBGGRR to and from Qt's colour.
QColor VersQColor(std::uint32_t c);
std::uint32_t DeQColor(const QColor& c);

// The mime type of a dragged colour (its decimal value).
inline constexpr const char* kMimeCouleur = "application/x-corvane-couleur";

}  // namespace Couleur

// One colour panel: shows its colour; a click chooses it; a custom one also
// takes a colour dropped on it.
class TPanneauCouleur : public QFrame {
    Q_OBJECT
public:
    TPanneauCouleur(QWidget* parent, bool accepteDepot);
    std::uint32_t Valeur() const { return couleur_; }
    void FixeValeur(std::uint32_t c);

signals:
    void clique(std::uint32_t couleur);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    std::uint32_t couleur_ = 0;
};

class TCouleurForm : public QDialog {
    Q_OBJECT
public:
    explicit TCouleurForm(QWidget* parent = nullptr);

    // Shows the window modally on the colour; true after OK (the chosen
    // colour is then Resultat()).
    bool Execute(std::uint32_t couleur);
    // What Execute does before showing: the custom colours from the settings
    // file, the current colour.
    void Prepare(std::uint32_t couleur);
    std::uint32_t Resultat() const { return resultat_; }
    std::uint32_t Courante() const;
    // Sets the current colour: track bars, their labels, the value, the preview.
    void FixeCouleur(std::uint32_t c);

    // The data a drag of the preview carries.
    QMimeData* DonneesGlisser() const;

    std::array<QSlider*, 3> TrackBars{};  // TrackBarR, TrackBarV, TrackBarB
    std::array<QLabel*, 3> Comps{};       // CompR, CompV, CompB
    QLineEdit* EditCouleur = nullptr;
    QWidget* ShapeRef = nullptr;
    QLabel* ImageArcCiel = nullptr;
    std::array<TPanneauCouleur*, 32> Panels{};  // Panel1 .. Panel32

    static const std::array<std::uint32_t, 16> kCouleursBase;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void MajValeur();
    void BtnOKClick();

    std::uint32_t resultat_ = 0;
    QImage arcCiel_;
    QPoint departGlisser_;
    bool glisser_ = false;
};

// The chooser of the running program, created once (nullptr before).
TCouleurForm* CouleurForm();
TCouleurForm* CreeCouleurForm(QWidget* principale);
