#include "views/GrilleSaisie.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/Debug.h"
#include "base/Format.h"
#include "base/Langue.h"
#include "model/Update.h"
#include "views/DrawAffiche.h"
#include "views/Saisie.h"

namespace GrilleSaisie {

namespace {

constexpr int kMin[4] = {1, 1, 1, 2};
constexpr int kMax[4] = {100, 100, 50, 100};
constexpr const char* kMessages[4] = {"rsErrConvSection", "rsErrConvLigneE", "rsErrConvLongit", "rsErrConvDiag"};

std::string Fixe(double v, int decimales) { return Format::Fixe(v, decimales, "0"); }

template <class G>
auto& Liste(G& g, int page) {
    switch (page) {
        case pgCouples: return g.Sec;
        case pgLignesEau: return g.LE;
        case pgLongitudinales: return g.Longit;
        default: return g.DiagPos;
    }
}

int Nombre(const TDefGrille& g, int page) {
    switch (page) {
        case pgCouples: return g.NbSecUtil();
        case pgLignesEau: return g.NbLEUtil();
        case pgLongitudinales: return g.NbLongitUtil();
        default: return g.NbDiagUtil();
    }
}

bool LitEntier(const std::string& texte, int& v) {
    double d = 0.0;
    if (!LitNombre(texte, d) || d != std::trunc(d) || std::fabs(d) > 1e9) return false;
    v = static_cast<int>(d);
    return true;
}

}  // namespace

int MinLignes(int page) { return kMin[std::clamp(page, 0, 3)]; }
int MaxLignes(int page) { return kMax[std::clamp(page, 0, 3)]; }
int BorneNombre(int page, int n) { return std::clamp(n, MinLignes(page), MaxLignes(page)); }
int BorneScinder(int scinder, int nbCouples) { return std::max(1, std::min(scinder, nbCouples)); }

std::string Format6(double v) { return Fixe(v, 6); }
std::string Format1(double v) { return Fixe(v, 1); }

bool LitNombre(const std::string& texte, double& v) {
    const auto debut = texte.find_first_not_of(" \t");
    if (debut == std::string::npos) return false;
    const auto fin = texte.find_last_not_of(" \t") + 1;
    const char* a = texte.data() + debut;
    const char* b = texte.data() + fin;
    if (*a == '+') ++a;
    double d = 0.0;
    const auto r = std::from_chars(a, b, d, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != b || !std::isfinite(d)) return false;
    v = d;
    return true;
}

TSaisie Depuis(const TDefGrille& g) {
    TSaisie s;
    for (int p = 0; p < 4; ++p) {
        TFamille& f = s.Pages[static_cast<std::size_t>(p)];
        const TListeGrille& l = Liste(g, p);
        for (int i = 1; i <= Nombre(g, p); ++i) {
            f.Valeurs.push_back(Format6(l.Val[static_cast<std::size_t>(i)]));
            if (p == pgDiagonales) f.Angles.push_back(Format6(g.DiagAngle.Val[static_cast<std::size_t>(i)]));
        }
    }
    s.Scinder = std::to_string(g.SecScind);
    return s;
}

std::optional<TErreur> Verifie(const TSaisie& s) {
    for (int p = 0; p < 4; ++p) {
        const TFamille& f = s.Pages[static_cast<std::size_t>(p)];
        const int n = static_cast<int>(f.Valeurs.size());
        if (n < MinLignes(p) || n > MaxLignes(p) || (p == pgDiagonales && f.Angles.size() != f.Valeurs.size()))
            return TErreur{p, 0, 1, "GrilleSaisie.Verifie " + std::to_string(p)};
        for (int i = 0; i < n; ++i) {
            double v = 0.0;
            for (int c = 1; c <= (p == pgDiagonales ? 2 : 1); ++c) {
                const std::string& t = c == 1 ? f.Valeurs[static_cast<std::size_t>(i)] : f.Angles[static_cast<std::size_t>(i)];
                if (!LitNombre(t, v)) return TErreur{p, i, c, t + " " + Langue::Txt(kMessages[p])};
                if (std::string r = Saisie::Refus(v, Saisie::dCoordonnee); !r.empty()) return TErreur{p, i, c, r + " : " + t};
            }
        }
    }
    int scinder = 0;
    if (!LitEntier(s.Scinder, scinder)) return TErreur{pgCouples, -1, 0, Langue::Txt("rsExceptConv") + s.Scinder};
    return std::nullopt;
}

std::optional<TErreur> Applique(Document& doc, const TSaisie& s) {
    DBG_SCOPE("TGrilleForm.BtnOKClick");
    if (auto e = Verifie(s)) return e;
    // Confirmed as shown: the positions keep every decimal, the document stays as saved.
    if (s == Depuis(doc.DefGrille)) return std::nullopt;
    // A new definition is built whole, then takes the old one's place.
    TDefGrille g = doc.DefGrille;
    for (int p = 0; p < 4; ++p) {
        const TFamille& f = s.Pages[static_cast<std::size_t>(p)];
        const int n = static_cast<int>(f.Valeurs.size());
        TListeGrille& l = Liste(g, p);
        for (int i = 1; i <= n; ++i) {
            LitNombre(f.Valeurs[static_cast<std::size_t>(i - 1)], l.Val[static_cast<std::size_t>(i)]);
            if (p == pgDiagonales) LitNombre(f.Angles[static_cast<std::size_t>(i - 1)], g.DiagAngle.Val[static_cast<std::size_t>(i)]);
        }
        switch (p) {
            case pgCouples: g.NbSec = n; break;
            case pgLignesEau: g.NbLE = n; break;
            case pgLongitudinales: g.NbLongit = n; break;
            default: g.NbDiag = n; break;
        }
    }
    for (int i = 1; i <= g.NbLongit; ++i) g.LongitNeg.Val[static_cast<std::size_t>(i)] = -g.Longit.Val[static_cast<std::size_t>(i)];
    int scinder = 0;
    LitEntier(s.Scinder, scinder);
    g.SecScind = BorneScinder(scinder, g.NbSec);
    Grille::MinMaxGrille(g);

    doc.DefGrille = g;
    for (auto& e : doc.Surfaces) {
        if (!e) continue;
        e->FreeTabCoupes();
        e->CreateTabCoupes(doc.DefGrille);
        e->SecFait = e->LEFait = e->LongFait = e->DiagFait = 0;
    }
    ObjCom::MajCoupesSurface(doc);
    doc.MarquerModifie();
    return std::nullopt;
}

double Genere(Document& doc, int page, int n, const TParametres& p, TFamille& f) {
    DBG_SCOPE("TGrilleForm.BtnCalculClick");
    n = std::clamp(n, 0, kMaxLignesGrille);
    std::array<double, kMaxLignesGrille + 1> pos{};
    std::array<double, kMaxLignesGrille + 1> ang{};
    double pas = 0.0;
    switch (p.M) {
        case mStandard: {
            const Grille::TEtendues x = Grille::EtenduesGrille(doc);
            double L = 0.0, m = 0.0;
            switch (page) {
                case pgCouples: L = x.LSec, m = x.mSec; break;
                case pgLignesEau: L = x.LLE, m = x.mLE; break;
                case pgLongitudinales: L = x.LLong, m = x.mLong; break;
                default: L = x.LDiag, m = x.mDiag; break;
            }
            if (page == pgDiagonales) {
                pas = n <= 0 ? 0.0 : L / n;
                Grille::PositionsStandardDiag(n, L, m, pos);
            } else {
                pas = n <= 1 ? 0.0 : L / (n - 1);
                Grille::PositionsStandard(n, L, m, pos);
            }
            break;
        }
        case mEspacement:
            pas = p.Espacement;
            Grille::PositionsEspacement(n, p.Base, p.Espacement, pos);
            break;
        case mDistance:
            pas = n < 2 ? 0.0 : std::fabs(p.Fin - p.Base2) / (n - 1);
            Grille::PositionsDistance(n, p.Base2, p.Fin, pos);
            break;
    }
    Grille::AnglesDiag(n, ang);
    f.Valeurs.clear();
    f.Angles.clear();
    for (int i = 1; i <= n; ++i) {
        f.Valeurs.push_back(Format6(pos[static_cast<std::size_t>(i)]));
        if (page == pgDiagonales) f.Angles.push_back(Format1(ang[static_cast<std::size_t>(i)]));
    }
    return pas;
}

}  // namespace GrilleSaisie
