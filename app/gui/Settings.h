// The user's settings: one INI file "Corvane Shaper/Corvane Shaper.ini" in
// the user's configuration folder, with the sections and value names the
// program has always used ("Environement", "Colors", "Files", "Conf",
// "PosFen", "PosLight", "System", "Poids", "Studio", "Courbure", ...).
//
// Every reader falls back to the value's default when the value is missing
// or does not convert; nothing here throws.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QSettings;
class QWidget;

namespace Settings {

// The settings file of the current user (created on first write).
std::unique_ptr<QSettings> Ouvrir();
QString CheminFichier();

// The fifteen drawing colours, 0x00BBGGRR.
struct TCouleurs {
    std::int32_t Arp = 0x000000;
    std::int32_t ArpStudio = 0x000000;
    std::int32_t Axes = 0x0000FF;
    std::int32_t AxesPlanSym = 0x0000FF;
    std::int32_t Grille = 0x93FFFF;
    std::int32_t Mesure = 0x00FFFF;
    std::int32_t ResVertex = 0xFF0000;
    std::int32_t Vertex = 0x0000FF;
    std::int32_t SelVertex = 0x00FF00;
    std::int32_t SoudeVertex = 0xB5CA00;
    std::int32_t BordSf = 0xFF9B00;
    std::int32_t Sec = 0xFFFFFF;
    std::int32_t LE = 0xFFFFFF;
    std::int32_t Longit = 0xFFFFFF;
    std::int32_t Diag = 0xFFFFFF;
    friend bool operator==(const TCouleurs&, const TCouleurs&) = default;
};

// Options read when the main window is created ("Environement", "Colors",
// "System", "Poids", "Studio", "Courbure").
struct TOptions {
    bool MultiFen = false;
    bool SplineTR = false;
    bool SavConfig = false;
    bool PosFen = false;
    bool OptAxesPlanSym = false;
    bool PosLight = true;
    bool OptNetVxStudio = false;
    double OptTailleReperesStudio = 0.02;
    TCouleurs Couleurs;
    int ZoomMax = 2500;
    int RatioVect = 1000;
    int PolyFactor = 0;
    int PolyUnits = 0;
    double LongRayon = 1.0;  // stored x5000 as an integer, 10 .. 25000; 1 draws the true curvature
    int TypeRayon = 0;
    int OrientationRayon = 0;
    friend bool operator==(const TOptions&, const TOptions&) = default;
};

// "Environement"/"Language".
QString LireLangue(QSettings& s);
void EcrireLangue(QSettings& s, const QString& language);

// Reads every option with its default; "System"/"ZOOMMAX" is written back
// at once so that it exists after the first run.
void LireOptions(QSettings& s, TOptions& o);
// Writes every option (the options dialog does this on confirmation).
void EcrireOptions(QSettings& s, const TOptions& o);

// Recent files: "Files"/"File1", "File2", ... until a missing value.
QStringList LireFichiersRecents(QSettings& s);
// The section is erased first, then every entry written in list order.
void EcrireFichiersRecents(QSettings& s, const QStringList& files);

// Display switches kept in "Conf" while "SavConfig" is on.
struct TConf {
    bool AffCarene = true;
    bool AffNet = true;
    bool AffBasePlanSym = false;
    bool AffMoitie = false;
    bool AffScinder = false;
    bool AffSections = false;
    bool AffLignesE = false;
    bool AffLongits = false;
    bool AffDiags = false;
    bool AffSurfParam = false;
    bool AffGrille = false;
    bool AffOrientSurf = false;
    bool AffHerisson = false;
    bool AffAxes = true;
    bool AffReperes = true;
    bool AffReperesEnv = true;
    bool AffPoids = true;
    bool AffCentreVoil = true;
    bool AffCotes = true;
    bool AffImages = true;
    bool VoirFenSel = false;
    bool AffPlanEau = true;
    QString Precision = QStringLiteral("Moyenne");
    friend bool operator==(const TConf&, const TConf&) = default;
};
// "AffCarene" and "AffNet" are written but never read: both start on.
void LireConf(QSettings& s, TConf& c);
void EcrireConf(QSettings& s, const TConf& c);

// Window placement in "PosFen": N+"Top", N+"Left", N+"Height", N+"Width",
// N+"WinState" ("Normal", "Maximized", "Minimized") and N+"Visible". A
// window maximised or minimised also keeps the bounds it goes back to:
// N+"NormalTop", N+"NormalLeft", N+"NormalHeight", N+"NormalWidth" (absent
// from older files, whose such windows keep their current bounds).
struct TPlacement {
    int Top = 0, Left = 0, Height = 0, Width = 0;
    QString WinState = QStringLiteral("Normal");
    bool Visible = false;
    int NormalTop = 0, NormalLeft = 0, NormalHeight = 0, NormalWidth = 0;  // 0 x 0: none
};
TPlacement PlacementDe(const QWidget& w);
// A child window does not give back the bounds it had before it was
// maximised: from now on they are kept for PlacementDe.
void SuitBornesNormales(QWidget& w);
void EcrirePlacement(QSettings& s, const QString& name, const TPlacement& p);
// Reads over `p` (its values are the defaults); false when nothing usable.
bool LirePlacement(QSettings& s, const QString& name, TPlacement& p);
// Applies a placement read from the file to a window: "Normal" sets the
// bounds, "Maximized"/"Minimized" the state, after the bounds it goes back
// to when the placement has them; the visibility only for
// windows that are neither the main window nor a child window.
void AppliquePlacement(QWidget& w, const TPlacement& p, bool setVisible);
void EffacePlacements(QSettings& s);

// The eight studio lights of "PosLight".
struct TLumieres {
    std::array<bool, 8> Visible{true, true, true, true, false, false, false, false};
    std::array<double, 8> Dist{4, 4, 4, 4, 4, 4, 4, 4};
    std::array<double, 8> RX{60, -60, 60, -60, 60, 60, 60, 60};
    std::array<double, 8> RY{60, 60, -60, -60, 60, 60, 60, 60};
    friend bool operator==(const TLumieres&, const TLumieres&) = default;
};
// The 24 floats are read as one block: when any one is missing or does not
// convert, all eight lights take the defaults.
void LireLumieres(QSettings& s, TLumieres& l);
void EcrireLumieres(QSettings& s, const TLumieres& l);

// "Vellamor"/"Enabled".
bool LireVellamor(QSettings& s);
// "Vellamor"/"Programme": the hull-analysis program to run (empty when none).
QString LireProgrammeVellamor(QSettings& s);

// Number text with "." whatever the locale (shortest form that reads back
// to the same double), and its strict reader.
QString TexteReel(double v);
bool LitReel(const QString& text, double& v);

}  // namespace Settings
