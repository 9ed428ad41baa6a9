#include "app/doc/DocWriter.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <system_error>
#include <unordered_map>

#include "app/doc/DocFormat.h"
#include "base/Chaines.h"
#include "base/Debug.h"
#include "base/Encodage.h"
#include "base/FichierAtomique.h"
#include "model/Document.h"

namespace DocWriter {

namespace {

using DocFormat::Booleen;
using DocFormat::Entier;

// "dd/mm/yyyy": the date part of the trace's "dd/mm/yyyy hh:mm:ss".
std::string DateDuJour() { return Debug::NowText().substr(0, 10); }

// Lines of one document, with the key/value helpers of the format, handed
// one by one to the output. A real that is not finite cannot be read back:
// the key that would hold it stops the writing, naming where it stands.
// Without an output the reals are only checked, and nothing is formatted.
class Texte {
public:
    explicit Texte(const std::function<void(std::string_view)>& sortie) : sortie_(sortie), verifie_(!sortie) {}
    // A section: its header, and what a message calls it.
    void Ouvre(std::string_view nom, std::string ou = {}) {
        Crochets(nom);
        ou_ = ou.empty() ? "section " + std::string(nom) : std::move(ou);
    }
    void Fin() { Sortie("[END]"); }
    void Cle(std::string_view cle, std::string valeur) {
        if (nonFini_)
            throw TValeurNonFinie("valeur non finie (infinie ou NaN) : " + ou_ + ", champ " + std::string(cle) +
                                  " ; rien n'a été écrit");
        Crochets(cle);
        Sortie(valeur);
    }
    std::string R(double v) { return Verifie(std::isfinite(v), verifie_ ? std::string() : DocFormat::Reel(v)); }
    std::string F(float v) { return Verifie(std::isfinite(v), verifie_ ? std::string() : DocFormat::Simple(v)); }
    void Ligne(std::string_view l) { Sortie(l); }

private:
    void Sortie(std::string_view l) {
        if (!verifie_) sortie_(l);
    }
    void Crochets(std::string_view nom) {
        if (verifie_) return;
        std::string l;
        l.reserve(nom.size() + 2);
        l += '[';
        l += nom;
        l += ']';
        sortie_(l);
    }
    std::string Verifie(bool fini, std::string texte) {
        nonFini_ = nonFini_ || !fini;
        return texte;
    }
    const std::function<void(std::string_view)>& sortie_;
    const bool verifie_;
    std::string ou_;
    bool nonFini_ = false;
};

// A list value: every field followed by ";".
class Liste {
public:
    explicit Liste(Texte& t) : t_(t) {}
    Liste& operator<<(const std::string& champ) {
        s_ += champ;
        s_ += ';';
        return *this;
    }
    Liste& R(double v) { return *this << t_.R(v); }
    Liste& F(float v) { return *this << t_.F(v); }
    Liste& I(long long v) { return *this << Entier(v); }
    Liste& T(std::string_view t) { return *this << DocFormat::TexteVersChamp(t); }
    std::string Prend() {
        // An empty list is one empty field: the value line must not be empty.
        return s_.empty() ? std::string(";") : std::move(s_);
    }

private:
    Texte& t_;
    std::string s_;
};

void EcritMain(Texte& t, const TPropFich& p) {
    t.Ouvre("MAIN");
    t.Cle("Titre", DocFormat::TexteVersLigne(p.Titre));
    t.Cle("Type", DocFormat::TexteVersLigne(p.Type));
    t.Cle("Archi", DocFormat::TexteVersLigne(p.Archi));
    t.Cle("Societe", DocFormat::TexteVersLigne(p.Societe));
    t.Cle("Version", DocFormat::TexteVersLigne(p.Version));
    t.Cle("Date", DocFormat::TexteVersLigne(p.Date));
    // A "¤" inside a line would split it in two when read back: it is kept as
    // "?", the mark the file's code page gives a character it cannot hold.
    std::string c;
    for (const std::string& l : p.Comment) {
        c += Chaines::RemplaceCar(l, Chaines::kSeparateurCommentaire, "?");
        c += Chaines::kSeparateurCommentaire;
    }
    t.Cle("Comment", DocFormat::TexteVersLigne(c));
    t.Fin();
}

void EcritSurface(Texte& t, const TEntity& s, int n) {
    const auto* nurbs = dynamic_cast<const TSurface*>(&s);
    t.Ouvre("SURF" + std::to_string(n), "surface « " + s.Nom + " » (SURF" + std::to_string(n) + ")");
    t.Cle("Type", nurbs ? "SNURBS" : "MESH");
    t.Cle("Nom", DocFormat::TexteVersLigne(s.Nom));
    t.Cle("Num", Entier(n));
    t.Cle("Coul", Entier(s.Couleur));
    t.Cle("Alpha", t.R(s.Alpha));
    t.Cle("Ambient", t.F(s.Ambient));
    t.Cle("Specular", t.F(s.Specular));
    t.Cle("Shininess", t.F(s.Shininess));
    t.Cle("Emission", t.F(s.Emission));
    t.Cle("Orientation", Booleen(s.Orientation != 0));
    t.Cle("JonctionSym", Booleen(s.Jonction != 0));
    t.Cle("CG", Booleen(s.CG != 0));
    t.Cle("TypePoids", Entier(s.TypePoids));
    t.Cle("Epaisseur", t.R(s.Epaisseur));
    t.Cle("Densite", t.R(s.Densite));
    t.Cle("PoidsParM2", t.R(s.PoidsParM2));
    t.Cle("Poids", t.R(s.Poids.Masse));
    if (nurbs) {
        // An empty net (no row or no column) is written as it is; one the
        // reader would refuse (neither rows nor columns) is kept as its first
        // point, so that the surfaces after it still read.
        const TNet& net = nurbs->Net;
        const bool illisible = (net.NbL < 1 && net.NbC < 1) || net.NbL < 0 || net.NbC < 0;
        const int nbl = illisible ? 1 : std::min(net.NbL, kMaxNetSize);
        const int nbc = illisible ? 1 : std::min(net.NbC, kMaxNetSize);
        t.Cle("NbL", Entier(nbl));
        t.Cle("NbC", Entier(nbc));
        for (int i = 0; i < nbl; ++i)
            for (int j = 0; j < nbc; ++j) {
                const TVertex4f& p = net.TabPC[i][j];
                t.Cle("V_" + std::to_string(i) + "_" + std::to_string(j),
                      Liste(t).R(p.X).R(p.Y).R(p.Z).R(p.W).Prend());
            }
        t.Cle("LFlex", Entier(net.LFlex));
        t.Cle("CFlex", Entier(net.CFlex));
    } else {
        // A grid always has a point: an empty one is written as one point at the origin.
        const TArrayVertex3f& g = s.Points;
        const int nr = std::max(g.rows(), 1), nc = std::max(g.cols(), 1);
        t.Cle("NbL", Entier(nr - 1));
        t.Cle("NbC", Entier(nc - 1));
        for (int i = 0; i < nr; ++i)
            for (int j = 0; j < nc; ++j) {
                const TVertex3f p = i < g.rows() && j < g.cols() ? g[i][j] : TVertex3f{};
                t.Cle("V_" + std::to_string(i) + "_" + std::to_string(j), Liste(t).R(p.X).R(p.Y).R(p.Z).Prend());
            }
    }
    t.Cle("Visible", Booleen(s.Visible != 0));
    t.Cle("Verrou", Booleen(s.Verrou != 0));
    t.Cle("Sym", Booleen(s.Sym != 0));
    t.Cle("Calc", Booleen(s.Calc != 0));
    t.Cle("Voile", Booleen(s.Voile != 0));
    const TPlanSym& f = s.PlanSym;
    Liste l(t);
    for (const TVertex3f* v : {&f.Origin, &f.Axis1, &f.Axis2, &f.Axis3}) l.R(v->X).R(v->Y).R(v->Z);
    t.Cle("PlanS", l.Prend());
    t.Fin();
}

// Whether a welded point names a control point of a written NURBS surface.
bool PointValide(const Document& doc, const TPC& pc) {
    const TSurface* s = doc.SurfaceNurbs(pc.Surf);
    return s && pc.I >= 0 && pc.J >= 0 && pc.I < s->Net.NbL && pc.J < s->Net.NbC;
}

void EcritSoudures(Texte& t, const Document& doc, const std::unordered_map<int, int>& nouvel) {
    std::vector<TListPC> groupes;
    for (const TListPC& g : doc.ListSoudures) {
        TListPC r;
        for (const TPC& pc : g) {
            const auto it = nouvel.find(pc.Surf);
            if (it == nouvel.end() || !PointValide(doc, pc)) continue;
            r.Add({it->second, pc.I, pc.J});
        }
        if (r.Count() == g.Count() ? r.Count() > 0 : r.Count() > 1) groupes.push_back(std::move(r));
    }
    t.Ouvre("SOUDES");
    t.Cle("NbGp", Entier(static_cast<long long>(groupes.size())));
    for (std::size_t k = 0; k < groupes.size(); ++k) {
        const std::string ks = std::to_string(k);
        t.Cle("GpS_" + ks, Entier(groupes[k].Count()));
        for (int m = 0; m < groupes[k].Count(); ++m) {
            const TPC& pc = groupes[k][m];
            t.Cle("V_" + ks + "_" + std::to_string(m), Liste(t).I(pc.Surf).I(pc.I).I(pc.J).Prend());
        }
    }
    t.Fin();
}

void EcritVues(Texte& t, const TStockFen& f) {
    const auto& v = f.Vues;
    t.Ouvre("VUES");
    const char* cles[] = {"Se", "Pl", "Pf"};
    for (int k = 0; k < 3; ++k) t.Cle(cles[k], Liste(t).I(v[k].OrigX).I(v[k].OrigY).F(v[k].Echelle).Prend());
    for (int k : {TStockFen::Perspective, TStockFen::Studio})
        t.Cle(k == TStockFen::Perspective ? "Pe" : "St", Liste(t)
                                                            .I(v[k].OrigX)
                                                            .I(v[k].OrigY)
                                                            .F(v[k].Echelle)
                                                            .F(v[k].Angle1)
                                                            .F(v[k].Angle2)
                                                            .F(v[k].Autre)
                                                            .Prend());
    t.Fin();
}

std::string ListeGrille(Texte& t, const TListeGrille& l, int n) {
    Liste s(t);
    for (int i = 1; i <= n; ++i) s.R(l.Val[static_cast<std::size_t>(i)]);
    return s.Prend();
}

void EcritGrille(Texte& t, const TDefGrille& g) {
    t.Ouvre("GRILLE");
    t.Cle("NumSc", Entier(g.SecScind));
    t.Cle("LSe", ListeGrille(t, g.Sec, g.NbSecUtil()));
    t.Cle("LLe", ListeGrille(t, g.LE, g.NbLEUtil()));
    t.Cle("LLg", ListeGrille(t, g.Longit, g.NbLongitUtil()));
    t.Cle("LDg", ListeGrille(t, g.DiagPos, g.NbDiagUtil()));
    t.Cle("LDgA", ListeGrille(t, g.DiagAngle, g.NbDiagUtil()));
    t.Fin();
}

void EcritOptions(Texte& t, const Document& doc) {
    t.Ouvre("OPTIONS");
    const char* images[] = {"ImSe", "ImPl", "ImPf", "ImPe"};
    for (int k = 0; k < 4; ++k) {
        const TFondFichier& f = doc.StockFen.Vues[static_cast<std::size_t>(k)].Fond;
        t.Cle(images[k], Liste(t).T(f.Fichier).I(f.Ajuste).I(f.Largeur).I(f.Hauteur).Prend());
    }
    for (int k = 0; k < 4; ++k) {
        const TVueSauvee& v = doc.VuesSauvees[static_cast<std::size_t>(k)];
        if (!v.Sauvee) continue;
        t.Cle("VueP" + std::to_string(k), Liste(t).I(v.OrigX).I(v.OrigY).F(v.Echelle).F(v.Angle1).F(v.Angle2).Prend());
    }
    t.Fin();
}

const char* NomVue(int v) {
    switch (v) {
        case 1:
            return "Plan";
        case 2:
            return "Profile";
        default:
            return "Section";
    }
}

void EcritCotes(Texte& t, const Document& doc) {
    t.Ouvre("COTES");
    int k = 0;
    for (const TCote& c : doc.ListCotes) {
        const TMesure& m = c.Mesure;
        Liste l(t);
        l.T(c.Kind).T(c.Text) << NomVue(m.View);
        for (const TVertex3f* p : {&m.P1, &m.P3, &m.P2}) l.R(p->X).R(p->Y).R(p->Z);
        t.Cle("Ct_" + std::to_string(++k), l.Prend());
    }
    t.Fin();
}

// The reader skips a weight named "TOTAL" (the computed total): a weight of
// the user's so named keeps it with a blank after it.
std::string NomPoids(const std::string& nom) { return nom == "TOTAL" ? nom + " " : nom; }

void EcritPoids(Texte& t, const Document& doc, const std::unordered_map<int, int>& nouvel) {
    t.Ouvre("BALLAST");
    int k = 0;
    for (const TPoids& p : doc.ListPoids) {
        int surf = -1;
        if (const auto it = nouvel.find(p.Surf); it != nouvel.end()) surf = it->second;
        t.Cle("Bl_" + std::to_string(++k),
              Liste(t).T(NomPoids(p.Nom)).R(p.Masse).R(p.X).R(p.Y).R(p.Z).I(surf).Prend());
    }
    t.Fin();
}

template <class R>
void EcritReperes(Texte& t, const char* section, const std::vector<R>& liste) {
    t.Ouvre(section);
    int k = 0;
    for (const R& r : liste)
        t.Cle("Rep_" + std::to_string(++k), Liste(t).T(r.Nom).R(r.X).R(r.Y).R(r.Z).Prend());
    t.Fin();
}

void VerifieIndices(const Document& doc, const std::vector<int>& surfaces) {
    std::vector<bool> vu(static_cast<std::size_t>(doc.NbSurf()), false);
    for (int i : surfaces) {
        if (i < 0 || i >= doc.NbSurf()) throw std::invalid_argument("surface " + std::to_string(i) + " inexistante");
        if (vu[static_cast<std::size_t>(i)]) throw std::invalid_argument("surface " + std::to_string(i) + " en double");
        vu[static_cast<std::size_t>(i)] = true;
    }
}

}  // namespace

std::vector<int> ToutesLesSurfaces(const Document& doc) {
    std::vector<int> r;
    for (int i = 0; i < doc.NbSurf(); ++i) r.push_back(i);
    return r;
}

std::vector<int> IndicesDepuisTextes(const Document& doc, const std::vector<std::string>& textes) {
    std::vector<int> r;
    for (const std::string& s : textes) {
        int i = 0;
        if (!DocFormat::LitEntier(s, i)) throw std::invalid_argument("indice de surface illisible : " + s);
        r.push_back(i);
    }
    VerifieIndices(doc, r);
    return r;
}

namespace {

// Every line of the document, in order, to the output.
void ProduitLignes(const Document& doc, const std::vector<int>& surfaces, const TOptionsEcriture& options,
                   const std::function<void(std::string_view)>& sortie) {
    DBG_SCOPE("DocWriter.ProduitLignes");
    VerifieIndices(doc, surfaces);
    std::unordered_map<int, int> nouvel;  // index in the document -> index in the file
    for (std::size_t n = 0; n < surfaces.size(); ++n) nouvel[surfaces[n]] = static_cast<int>(n);

    Texte t(sortie);
    const std::string date = options.Date.empty() ? DateDuJour() : options.Date;
    t.Ouvre("HEADER");
    t.Cle("Version", std::string(kVersionFichier));
    t.Cle("DateC", DocFormat::TexteVersLigne(date));
    t.Cle("DateMod", DocFormat::TexteVersLigne(date));
    t.Fin();
    EcritMain(t, doc.PropFich);
    for (std::size_t n = 0; n < surfaces.size(); ++n)
        EcritSurface(t, *doc.Surface(surfaces[n]), static_cast<int>(n));
    EcritSoudures(t, doc, nouvel);
    EcritVues(t, doc.StockFen);
    EcritGrille(t, doc.DefGrille);
    EcritOptions(t, doc);
    EcritCotes(t, doc);
    EcritPoids(t, doc, nouvel);
    EcritReperes(t, "REPERES", doc.ListReperes);
    EcritReperes(t, "ENVAHISEMENT", doc.ListReperesEnv);
}

// The bytes of the file, a line at a time: Windows-1252, CR LF after every
// line. Nothing larger than a line is held.
void ProduitOctets(const Document& doc, const std::vector<int>& surfaces, const TOptionsEcriture& options,
                   const FichierAtomique::Sortie& sortie) {
    bool ascii = true, utf8 = true;
    std::string octets;
    ProduitLignes(doc, surfaces, options, [&](std::string_view ligne) {
        octets = Encodage::Utf8VersWindows1252(ligne);
        octets += "\r\n";
        for (char c : octets) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        // A line end never falls inside a character: the text is valid
        // UTF-8 when every line is.
        utf8 = utf8 && Encodage::EstUtf8Valide(octets);
        sortie(octets);
    });
    // The reader takes a file that is valid UTF-8 as UTF-8: Windows-1252 text
    // that happens to look like it (as "Ã©" does) gets a last line, outside
    // every section, that UTF-8 cannot hold.
    if (!ascii && utf8) sortie("Windows-1252 \xA4\r\n");
}

}  // namespace

std::vector<std::string> LignesDocument(const Document& doc, const std::vector<int>& surfaces,
                                        const TOptionsEcriture& options) {
    std::vector<std::string> lignes;
    ProduitLignes(doc, surfaces, options, [&lignes](std::string_view l) { lignes.emplace_back(l); });
    return lignes;
}

std::string OctetsDocument(const Document& doc, const std::vector<int>& surfaces, const TOptionsEcriture& options) {
    DBG_SCOPE("DocWriter.OctetsDocument");
    std::string octets;
    ProduitOctets(doc, surfaces, options, [&octets](std::string_view o) { octets += o; });
    return octets;
}

void EcritDocument(const Document& doc, const std::vector<int>& surfaces, const std::string& fichier,
                   const TOptionsEcriture& options) {
    DBG_SCOPE("DocWriter.EcritDocument");
    if (fichier.empty()) throw TErreurEcriture(fichier, "le document n'a pas de nom de fichier");
    // Written as it is made, so that saving needs no memory of the size of
    // the document (the recovery save runs when memory has run out). A first
    // pass that formats and keeps nothing finds a value the file cannot hold
    // before the file is touched.
    try {
        ProduitLignes(doc, surfaces, options, {});
        FichierAtomique::EcritFlux(
            fichier, [&](const FichierAtomique::Sortie& sortie) { ProduitOctets(doc, surfaces, options, sortie); });
    } catch (const TValeurNonFinie& e) {
        throw TErreurEcriture(fichier, e.what());
    }
}

void EcritDocument(const Document& doc, const std::vector<std::string>& surfaces, const std::string& fichier,
                   const TOptionsEcriture& options) {
    EcritDocument(doc, IndicesDepuisTextes(doc, surfaces), fichier, options);
}

void EcritFichierAtomique(const std::string& fichier, std::string_view octets) {
    DBG_SCOPE("DocWriter.EcritFichierAtomique");
    if (fichier.empty()) throw TErreurEcriture(fichier, "le document n'a pas de nom de fichier");
    FichierAtomique::Ecrit(fichier, octets);
}

}  // namespace DocWriter
