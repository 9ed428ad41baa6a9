#include "calc/DevisPoids.h"

#include <algorithm>

#include "base/Chaines.h"
#include "model/Document.h"
#include "model/Entity.h"
#include "model/Update.h"

namespace DevisPoids {

namespace {

std::string F3(double v) { return Chaines::FormatFixe(v, 3); }

TLigne Ligne(const TPoids& p, const std::string& surface) {
    return {p.Nom, F3(p.Masse), F3(p.X), F3(p.Y), F3(p.Z), surface};
}

// Cuts the text at the next ";": the field before it, or the whole rest.
std::string Champ(std::string& reste, bool dernier = false) {
    std::string tete;
    if (dernier && reste.find(';') == std::string::npos) {
        tete = reste;
        reste.clear();
        return tete;
    }
    Chaines::ExtraitAvant(";", reste, tete);
    return tete;
}

}  // namespace

std::vector<TLigne> LignesPoids(const Document& doc) {
    std::vector<TLigne> r;
    for (const TPoids& p : doc.ListPoids) {
        const TEntity* s = p.Surf >= 0 ? doc.Surface(p.Surf) : nullptr;
        r.push_back(Ligne(p, s ? s->Nom : std::string()));
    }
    if (r.empty()) r.push_back({"", F3(0), F3(0), F3(0), F3(0), ""});
    return r;
}

std::vector<TLigne> LignesSurfaces(const Document& doc) {
    std::vector<TLigne> r;
    for (const auto& s : doc.Surfaces) {
        TLigne l = Ligne(s->Poids, s->Nom);
        l.Nom = s->Nom;
        r.push_back(l);
    }
    return r;
}

TLigne LigneTotal(const Document& doc) { return Ligne(doc.PoidsTotal, ""); }

TLigne LigneTotal(const Document& doc, const TListPoids& poids) { return Ligne(ObjCom::SommePoids(doc, poids), ""); }

bool LitNombre(const std::string& texte, double& v, Saisie::TDomaine d) {
    double lu = 0.0;
    if (!Chaines::TexteVersReel(Chaines::RemplaceCar(texte, ',', '.'), lu) || !Saisie::Refus(lu, d).empty())
        return false;
    v = lu;
    return true;
}

bool GrilleVide(const std::vector<TLigne>& lignes) {
    if (lignes.size() != 1) return false;
    const TLigne& l = lignes[0];
    if (!l.Nom.empty()) return false;
    for (const std::string* c : {&l.Masse, &l.X, &l.Y, &l.Z}) {
        double v = 0.0;
        if (!Chaines::SansBlancs(*c).empty() && !(LitNombre(*c, v) && v == 0.0)) return false;
    }
    return true;
}

bool LitLignes(const Document& doc, const std::vector<TLigne>& lignes, TListPoids& poids, int& ligneErr,
               int& colonneErr) {
    TListPoids r;
    const TListPoids& avant = doc.ListPoids;
    if (!GrilleVide(lignes)) {
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            const TLigne& l = lignes[i];
            TPoids p;
            p.Nom = l.Nom;
            double* dest[4] = {&p.Masse, &p.X, &p.Y, &p.Z};
            const std::string* src[4] = {&l.Masse, &l.X, &l.Y, &l.Z};
            // A cell still showing its weight's value keeps that value whole,
            // not the three decimals of its text.
            const TPoids* ancien = i < avant.size() ? &avant[i] : nullptr;
            const double anciens[4] = {ancien ? ancien->Masse : 0.0, ancien ? ancien->X : 0.0,
                                       ancien ? ancien->Y : 0.0, ancien ? ancien->Z : 0.0};
            for (int k = 0; k < 4; ++k) {
                if (ancien && *src[k] == F3(anciens[k])) {
                    *dest[k] = anciens[k];
                    continue;
                }
                if (!LitNombre(*src[k], *dest[k], k == 0 ? Saisie::dMasseSignee : Saisie::dCoordonnee)) {
                    ligneErr = static_cast<int>(i);
                    colonneErr = 2 + k;
                    return false;
                }
            }
            p.Surf = l.Surface.empty() ? -1 : ObjCom::SurfNom2Num(doc, l.Surface);
            r.push_back(p);
        }
    }
    poids = std::move(r);
    return true;
}

std::vector<std::string> TexteFichier(const std::vector<TLigne>& surfaces, const std::vector<TLigne>& poids) {
    std::vector<std::string> r;
    auto ajoute = [&r](const TLigne& l) {
        r.push_back(l.Nom + ";" + l.Masse + ";" + l.X + ";" + l.Y + ";" + l.Z + ";" + l.Surface);
    };
    for (const TLigne& l : surfaces) ajoute(l);
    r.emplace_back();
    for (const TLigne& l : poids) ajoute(l);
    return r;
}

std::vector<TLigne> Importe(const std::vector<std::string>& lignes) {
    struct TLue {
        TLigne l;
        bool vide = false, surface = false;
    };
    std::vector<TLue> lues;
    for (const std::string& ligne : lignes) {
        TLue lue;
        std::string reste = Chaines::RemplaceCar(Chaines::SansBlancs(ligne), ',', '.');
        lue.vide = reste.empty();
        TLigne& l = lue.l;
        l.Nom = Champ(reste);
        l.Masse = Champ(reste);
        l.X = Champ(reste);
        l.Y = Champ(reste);
        const bool six = reste.find(';') != std::string::npos;
        l.Z = Champ(reste, true);
        l.Surface = Champ(reste, true);
        lue.surface = six && l.Surface == l.Nom;
        lues.push_back(lue);
    }
    // A saved file: a row per surface (six fields, named as its surface), an
    // empty line, the weights. Only there are the first rows left out.
    const auto vide = std::find_if(lues.begin(), lues.end(), [](const TLue& l) { return l.vide; });
    const bool sauve = std::all_of(lues.begin(), vide, [](const TLue& l) { return l.surface; }) &&
                       std::any_of(vide, lues.end(), [](const TLue& l) { return !l.vide; });
    std::vector<TLigne> r;
    for (auto it = sauve ? vide : lues.begin(); it != lues.end(); ++it)
        if (!it->vide) r.push_back(it->l);
    return r;
}

}  // namespace DevisPoids
