#include "app/gui/Settings.h"

#include <QEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <charconv>
#include <cmath>
#include <cstring>

#include "app/Options.h"
#include "app/gui/FenetresFlottantes.h"
#include "base/Debug.h"

namespace Settings {

namespace {

const QString kOrg = QStringLiteral("Corvane Shaper");
const QString kApp = QStringLiteral("Corvane Shaper");

QString Cle(const char* section, const QString& name) { return QLatin1String(section) + QLatin1Char('/') + name; }
QString Cle(const char* section, const char* name) { return Cle(section, QLatin1String(name)); }

bool LitBool(QSettings& s, const QString& key, bool def) {
    const QVariant v = s.value(key);
    if (!v.isValid()) return def;
    const QString t = v.toString().trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1")) return true;
    if (t == QLatin1String("false") || t == QLatin1String("0")) return false;
    return def;
}

int LitEntier(QSettings& s, const QString& key, int def) {
    const QVariant v = s.value(key);
    if (!v.isValid()) return def;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? n : def;
}

QString LitChaine(QSettings& s, const QString& key, const QString& def) {
    const QVariant v = s.value(key);
    return v.isValid() ? v.toString() : def;
}

void Bool(QSettings& s, const char* section, const char* name, bool& v) { v = LitBool(s, Cle(section, name), v); }
void Entier(QSettings& s, const char* section, const char* name, int& v) { v = LitEntier(s, Cle(section, name), v); }
void Couleur(QSettings& s, const char* name, std::int32_t& v) { v = LitEntier(s, Cle("Colors", name), v); }

// The colours in the order the file has always listed them.
template <class F>
void PourChaqueCouleur(TCouleurs& c, F f) {
    f("Arp", c.Arp);
    f("ArpStudio", c.ArpStudio);
    f("Axes", c.Axes);
    f("AxesPlanSym", c.AxesPlanSym);
    f("Grille", c.Grille);
    f("Mesure", c.Mesure);
    f("ResVertex", c.ResVertex);
    f("Vertex", c.Vertex);
    f("SelVertex", c.SelVertex);
    f("SoudeVertex", c.SoudeVertex);
    f("BordSf", c.BordSf);
    f("Sec", c.Sec);
    f("LE", c.LE);
    f("Longit", c.Longit);
    f("Diag", c.Diag);
}

template <class C, class F>
void PourChaqueInterrupteur(C& c, F f) {
    f("AffBasePlanSym", c.AffBasePlanSym);
    f("AffMoitie", c.AffMoitie);
    f("AffScinder", c.AffScinder);
    f("AffSections", c.AffSections);
    f("AffLignesE", c.AffLignesE);
    f("AffLongits", c.AffLongits);
    f("AffDiags", c.AffDiags);
    f("AffSurfParam", c.AffSurfParam);
    f("AffGrille", c.AffGrille);
    f("AffOrientSurf", c.AffOrientSurf);
    f("AffHerisson", c.AffHerisson);
    f("AffAxes", c.AffAxes);
    f("AffReperes", c.AffReperes);
    f("AffReperesEnv", c.AffReperesEnv);
    f("AffPoids", c.AffPoids);
    f("AffCentreVoil", c.AffCentreVoil);
    f("AffCotes", c.AffCotes);
    f("AffImages", c.AffImages);
    f("VoirFenSel", c.VoirFenSel);
    f("AffPlanEau", c.AffPlanEau);
}

// Light 0's values carry "Lz" where the others carry their number.
QString NomLumiere(int i, const char* what) {
    return (i == 0 ? QStringLiteral("Lz") : QStringLiteral("L%1").arg(i)) + QLatin1String(what);
}

}  // namespace

std::unique_ptr<QSettings> Ouvrir() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kOrg, kApp);
}

QString CheminFichier() { return Ouvrir()->fileName(); }

QString TexteReel(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, static_cast<int>(r.ptr - buf));
}

bool LitReel(const QString& text, double& v) {
    QByteArray b = text.trimmed().toLatin1();
    b.replace(',', '.');
    if (b.isEmpty()) return false;
    const char* first = b.constData();
    const char* last = first + b.size();
    if (*first == '+') ++first;
    double x = 0;
    auto r = std::from_chars(first, last, x);
    if (r.ec != std::errc() || r.ptr != last || !std::isfinite(x)) return false;
    v = x;
    return true;
}

QString LireLangue(QSettings& s) { return LitChaine(s, Cle("Environement", "Language"), QString()); }

void EcrireLangue(QSettings& s, const QString& language) { s.setValue(Cle("Environement", "Language"), language); }

void LireOptions(QSettings& s, TOptions& o) {
    DBG_SCOPE("Settings.LireOptions");
    TCouleurs& c = o.Couleurs;
    PourChaqueCouleur(c, [&](const char* name, std::int32_t& v) { Couleur(s, name, v); });

    Bool(s, "Environement", "MultiFen", o.MultiFen);
    Bool(s, "Environement", "SplineTR", o.SplineTR);
    Bool(s, "Environement", "SavConfig", o.SavConfig);
    Bool(s, "Environement", "PosFen", o.PosFen);
    Bool(s, "Environement", "OptAxesPlanSym", o.OptAxesPlanSym);
    Bool(s, "Environement", "PosLight", o.PosLight);
    Bool(s, "Environement", "OptNetVxStudio", o.OptNetVxStudio);
    double taille = o.OptTailleReperesStudio;
    if (LitReel(LitChaine(s, Cle("Environement", "OptTailleReperesStudio"), QStringLiteral("0.02")), taille))
        o.OptTailleReperesStudio = taille;

    // A ceiling of zero or less would make every view unusable.
    int zoom = LitEntier(s, Cle("System", "ZOOMMAX"), 2500);
    if (zoom <= 0) zoom = 2500;
    o.ZoomMax = zoom;
    s.setValue(Cle("System", "ZOOMMAX"), o.ZoomMax);

    // The values of the options dialog's track bars and radio groups are
    // brought into their ranges: what the dialog shows is what it stores.
    Entier(s, "Poids", "RatioVect", o.RatioVect);
    o.RatioVect = Options::Borne(o.RatioVect, Options::kRatioVectMin, Options::kRatioVectMax);
    Entier(s, "Studio", "PolyFactor", o.PolyFactor);
    o.PolyFactor = Options::Borne(o.PolyFactor, Options::kPolyMin, Options::kPolyMax);
    Entier(s, "Studio", "PolyUnits", o.PolyUnits);
    o.PolyUnits = Options::Borne(o.PolyUnits, Options::kPolyMin, Options::kPolyMax);
    o.LongRayon = Options::LongRayonDe(Options::PositionLongRayon(
        Options::LongRayonDe(LitEntier(s, Cle("Courbure", "LongRayon"), Options::kLongRayonDefaut))));
    Entier(s, "Courbure", "TypeRayon", o.TypeRayon);
    o.TypeRayon = Options::Borne(o.TypeRayon, 0, 1);
    Entier(s, "Courbure", "OrientationRayon", o.OrientationRayon);
    o.OrientationRayon = Options::Borne(o.OrientationRayon, 0, 1);
}

void EcrireOptions(QSettings& s, const TOptions& o) {
    DBG_SCOPE("Settings.EcrireOptions");
    TCouleurs c = o.Couleurs;
    PourChaqueCouleur(c, [&](const char* name, std::int32_t& v) { s.setValue(Cle("Colors", name), v); });
    s.setValue(Cle("Environement", "MultiFen"), o.MultiFen);
    s.setValue(Cle("Environement", "SplineTR"), o.SplineTR);
    s.setValue(Cle("Environement", "SavConfig"), o.SavConfig);
    s.setValue(Cle("Environement", "PosFen"), o.PosFen);
    s.setValue(Cle("Environement", "OptAxesPlanSym"), o.OptAxesPlanSym);
    s.setValue(Cle("Environement", "PosLight"), o.PosLight);
    s.setValue(Cle("Environement", "OptNetVxStudio"), o.OptNetVxStudio);
    s.setValue(Cle("Environement", "OptTailleReperesStudio"), TexteReel(o.OptTailleReperesStudio));
    s.setValue(Cle("System", "ZOOMMAX"), o.ZoomMax);
    s.setValue(Cle("Poids", "RatioVect"), o.RatioVect);
    s.setValue(Cle("Studio", "PolyFactor"), o.PolyFactor);
    s.setValue(Cle("Studio", "PolyUnits"), o.PolyUnits);
    s.setValue(Cle("Courbure", "LongRayon"), Options::PositionLongRayon(o.LongRayon));
    s.setValue(Cle("Courbure", "TypeRayon"), o.TypeRayon);
    s.setValue(Cle("Courbure", "OrientationRayon"), o.OrientationRayon);
}

QStringList LireFichiersRecents(QSettings& s) {
    DBG_SCOPE("Settings.LireFichiersRecents");
    QStringList files;
    for (int i = 1;; ++i) {
        const QString v = LitChaine(s, Cle("Files", QStringLiteral("File%1").arg(i)), QStringLiteral("ERROR"));
        if (v == QLatin1String("ERROR")) break;
        files.append(v);
    }
    return files;
}

void EcrireFichiersRecents(QSettings& s, const QStringList& files) {
    DBG_SCOPE("Settings.EcrireFichiersRecents");
    s.remove(QStringLiteral("Files"));
    for (int i = 0; i < files.size(); ++i) s.setValue(Cle("Files", QStringLiteral("File%1").arg(i + 1)), files[i]);
}

void LireConf(QSettings& s, TConf& c) {
    DBG_SCOPE("Settings.LireConf");
    PourChaqueInterrupteur(c, [&](const char* name, bool& v) { Bool(s, "Conf", name, v); });
    c.Precision = LitChaine(s, Cle("Conf", "Precision"), QStringLiteral("Moyenne"));
}

void EcrireConf(QSettings& s, const TConf& c) {
    DBG_SCOPE("Settings.EcrireConf");
    s.remove(QStringLiteral("Conf"));
    s.setValue(Cle("Conf", "AffCarene"), c.AffCarene);
    s.setValue(Cle("Conf", "AffNet"), c.AffNet);
    PourChaqueInterrupteur(c, [&](const char* name, const bool& v) { s.setValue(Cle("Conf", name), v); });
    s.setValue(Cle("Conf", "Precision"), c.Precision);
}

namespace {

const char* const kBornesNormales = "corvaneBornesNormales";

class SuiviBornes : public QObject {
public:
    explicit SuiviBornes(QWidget& w) : QObject(&w) { w.installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if ((e->type() == QEvent::Move || e->type() == QEvent::Resize) && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (!(w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
                w->setProperty(kBornesNormales, w->geometry());
        }
        return false;
    }
};

}  // namespace

void SuitBornesNormales(QWidget& w) {
    new SuiviBornes(w);
    if (!(w.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))) w.setProperty(kBornesNormales, w.geometry());
}

TPlacement PlacementDe(const QWidget& w) {
    TPlacement p;
    p.Top = w.y();
    p.Left = w.x();
    p.Height = w.height();
    p.Width = w.width();
    if (w.isMaximized())
        p.WinState = QStringLiteral("Maximized");
    else if (w.isMinimized())
        p.WinState = QStringLiteral("Minimized");
    else
        p.WinState = QStringLiteral("Normal");
    p.Visible = w.isVisible();
    if (p.WinState != QLatin1String("Normal")) {
        // The bounds it goes back to, the frame's corner as Top and Left.
        QRect normale = w.property(kBornesNormales).toRect();
        if (w.isWindow()) {
            normale = w.normalGeometry();
            const QMargins m = w.windowHandle() ? w.windowHandle()->frameMargins() : QMargins();
            normale.translate(-m.left(), -m.top());
        }
        if (normale.width() > 0 && normale.height() > 0) {
            p.NormalTop = normale.y();
            p.NormalLeft = normale.x();
            p.NormalHeight = normale.height();
            p.NormalWidth = normale.width();
        }
    }
    return p;
}

void EcrirePlacement(QSettings& s, const QString& name, const TPlacement& p) {
    const QString base = QStringLiteral("PosFen/") + name;
    s.setValue(base + QLatin1String("Top"), p.Top);
    s.setValue(base + QLatin1String("Left"), p.Left);
    s.setValue(base + QLatin1String("Height"), p.Height);
    s.setValue(base + QLatin1String("Width"), p.Width);
    s.setValue(base + QLatin1String("WinState"), p.WinState);
    s.setValue(base + QLatin1String("Visible"), p.Visible);
    if (p.NormalWidth > 0 && p.NormalHeight > 0) {
        s.setValue(base + QLatin1String("NormalTop"), p.NormalTop);
        s.setValue(base + QLatin1String("NormalLeft"), p.NormalLeft);
        s.setValue(base + QLatin1String("NormalHeight"), p.NormalHeight);
        s.setValue(base + QLatin1String("NormalWidth"), p.NormalWidth);
    }
}

bool LirePlacement(QSettings& s, const QString& name, TPlacement& p) {
    const QString base = QStringLiteral("PosFen/") + name;
    p.WinState = LitChaine(s, base + QLatin1String("WinState"), QStringLiteral("Normal"));
    p.Top = LitEntier(s, base + QLatin1String("Top"), p.Top);
    p.Left = LitEntier(s, base + QLatin1String("Left"), p.Left);
    p.Height = LitEntier(s, base + QLatin1String("Height"), p.Height);
    p.Width = LitEntier(s, base + QLatin1String("Width"), p.Width);
    p.Visible = LitBool(s, base + QLatin1String("Visible"), false);
    p.NormalTop = LitEntier(s, base + QLatin1String("NormalTop"), 0);
    p.NormalLeft = LitEntier(s, base + QLatin1String("NormalLeft"), 0);
    p.NormalHeight = LitEntier(s, base + QLatin1String("NormalHeight"), 0);
    p.NormalWidth = LitEntier(s, base + QLatin1String("NormalWidth"), 0);
    return s.contains(base + QLatin1String("WinState")) || s.contains(base + QLatin1String("Top"));
}

void AppliquePlacement(QWidget& w, const TPlacement& p, bool setVisible) {
    // A window never comes back smaller than usable. Top and Left are those
    // of the frame (what x() and y() give back), the sizes those inside it.
    const auto bornes = [&w](int left, int top, int width, int height) {
        if (width <= 0 || height <= 0) return;
        // Wholly on the screen, whatever screen it was kept on.
        const QMargins m = w.windowHandle() ? w.windowHandle()->frameMargins() : QMargins();
        QRect cadre(left, top, width + m.left() + m.right(), height + m.top() + m.bottom());
        if (w.isWindow() && w.screen()) cadre = FenetresFlottantes::DansEcran(cadre, w.screen()->availableGeometry());
        w.resize(cadre.width() - m.left() - m.right(), cadre.height() - m.top() - m.bottom());
        FenetresFlottantes::PlaceCadre(w, cadre.topLeft());
    };
    const Qt::WindowStates sansEtat = w.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized);
    if (p.WinState == QLatin1String("Normal")) {
        w.setWindowState(sansEtat);
        bornes(p.Left, p.Top, p.Width, p.Height);
    } else if (p.WinState == QLatin1String("Maximized") || p.WinState == QLatin1String("Minimized")) {
        // The bounds it goes back to first: the window keeps them as it
        // takes the state.
        if (p.NormalWidth > 0 && p.NormalHeight > 0) {
            w.setWindowState(sansEtat);
            bornes(p.NormalLeft, p.NormalTop, p.NormalWidth, p.NormalHeight);
        }
        w.setWindowState(sansEtat | (p.WinState == QLatin1String("Maximized") ? Qt::WindowMaximized : Qt::WindowMinimized));
    }
    if (setVisible) w.setVisible(p.Visible);
}

void EffacePlacements(QSettings& s) { s.remove(QStringLiteral("PosFen")); }

void LireLumieres(QSettings& s, TLumieres& l) {
    DBG_SCOPE("Settings.LireLumieres");
    const TLumieres defauts;
    for (int i = 0; i < 8; ++i)
        l.Visible[i] = LitBool(s, Cle("PosLight", QStringLiteral("L%1Visible").arg(i)), defauts.Visible[i]);
    std::array<double, 8> dist{}, rx{}, ry{};
    bool ok = true;
    for (int i = 0; i < 8 && ok; ++i) {
        ok = LitReel(s.value(Cle("PosLight", NomLumiere(i, "Dist"))).toString(), dist[i]) &&
             LitReel(s.value(Cle("PosLight", NomLumiere(i, "RX"))).toString(), rx[i]) &&
             LitReel(s.value(Cle("PosLight", NomLumiere(i, "RY"))).toString(), ry[i]);
    }
    if (ok) {
        l.Dist = dist;
        l.RX = rx;
        l.RY = ry;
    } else {
        l.Dist = defauts.Dist;
        l.RX = defauts.RX;
        l.RY = defauts.RY;
    }
}

void EcrireLumieres(QSettings& s, const TLumieres& l) {
    DBG_SCOPE("Settings.EcrireLumieres");
    for (int i = 0; i < 8; ++i) s.setValue(Cle("PosLight", QStringLiteral("L%1Visible").arg(i)), l.Visible[i]);
    for (int i = 0; i < 8; ++i) {
        s.setValue(Cle("PosLight", NomLumiere(i, "Dist")), TexteReel(l.Dist[i]));
        s.setValue(Cle("PosLight", NomLumiere(i, "RX")), TexteReel(l.RX[i]));
        s.setValue(Cle("PosLight", NomLumiere(i, "RY")), TexteReel(l.RY[i]));
    }
}

bool LireVellamor(QSettings& s) { return LitBool(s, Cle("Vellamor", "Enabled"), false); }

QString LireProgrammeVellamor(QSettings& s) { return s.value(Cle("Vellamor", "Programme")).toString().trimmed(); }

}  // namespace Settings
