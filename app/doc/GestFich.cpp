#include "app/doc/GestFich.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <memory>
#include <string_view>
#include <system_error>

#include "app/doc/DocFormat.h"
#include "app/doc/FichierStr.h"
#include "base/Chaines.h"
#include "base/Debug.h"
#include "model/Document.h"
#include "model/Draw.h"
#include "model/Nurbs.h"
#include "model/UiPort.h"
#include "model/Update.h"

namespace GestFich {

namespace {

namespace fs = std::filesystem;

TFenetres& FenetresMut() {
    static TFenetres f;
    return f;
}

std::string Titre(const std::string& fichier) {
    return fichier.empty() ? std::string("Corvane Shaper")
                           : "Corvane Shaper - " + fs::path(fichier).filename().string();
}

void Caption(const std::string& fichier) {
    if (Fenetres().Caption) Fenetres().Caption(Titre(fichier));
}

std::string CheminAbsolu(const std::string& nom) {
    std::error_code ec;
    const fs::path p = fs::absolute(nom, ec);
    return ec ? nom : p.lexically_normal().string();
}

void Statut(std::string_view texte) { Ui::ui().writeStatusBar(3, texte); }

class Sablier {
public:
    Sablier() { Ui::ui().setHourglass(true); }
    ~Sablier() { Ui::ui().setHourglass(false); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;
};

// While it lives, the plain messages are kept in a list instead of shown;
// everything else goes to the user interface as before.
class MessagesRetenus : public Ui::IUserInterface {
public:
    explicit MessagesRetenus(std::vector<std::string>& messages)
        : ui_(Ui::ui()), messages_(messages), garde_(this) {}
    void writeStatusBar(int panel, std::string_view text) override { ui_.writeStatusBar(panel, text); }
    void progressShow() override { ui_.progressShow(); }
    void progressSet(int done, int total) override { ui_.progressSet(done, total); }
    void progressHide() override { ui_.progressHide(); }
    void showMessage(std::string_view text) override { messages_.emplace_back(text); }
    int msgDlg(std::string_view text, Ui::MsgType type, unsigned buttons) override {
        return ui_.msgDlg(text, type, buttons);
    }
    void setHourglass(bool on) override { ui_.setHourglass(on); }
    void markModified() override { ui_.markModified(); }
    void requestRedraw(bool all) override { ui_.requestRedraw(all); }
    Ui::KeyState keyState() override { return ui_.keyState(); }
    void processEvents() override { ui_.processEvents(); }

private:
    Ui::IUserInterface& ui_;
    std::vector<std::string>& messages_;
    Ui::ScopedUi garde_;
};

// Thrown to end the reading at once (the message is already given).
struct Interruption {};

// At most this many reading errors are listed in the message of a reading.
constexpr std::size_t kMessagesMax = 10;

// A text of the file as an error quotes it: its first 80 characters, a
// control character shown as "?".
std::string Cite(std::string_view texte) {
    constexpr std::size_t kMax = 80;
    std::size_t n = 0, i = 0;
    for (; i < texte.size(); ++i)
        if ((static_cast<unsigned char>(texte[i]) & 0xC0) != 0x80 && n++ == kMax) break;
    std::string r(texte.substr(0, i));
    for (char& c : r)
        if (static_cast<unsigned char>(c) < ' ' && c != '\t') c = '?';
    return i == texte.size() ? r : r + "…";
}

// A section found in the file: its name, first line and line count.
struct Sect {
    std::string nom;
    int p = 0;
    int n = 0;
};

class Lecteur {
public:
    Lecteur(Document& doc, bool auDemarrage) : doc_(doc), auDemarrage_(auDemarrage) {}
    TResultatLecture Lit(const std::string& nom);

private:
    // ---- Reports -------------------------------------------------------------
    // The errors of one reading are shown together once it is over, the
    // first kMessagesMax of them; each goes to the debug link at once.
    // perte: something the file holds was not taken in as it stands (a
    // message about what the file lacks loses nothing).
    void Erreur(const std::string& message, int code, std::string_view valeur, bool perte = true) {
        ++erreurs_;
        if (perte) ++pertes_;
        Debug::DbgMsgStr(Debug::erFichier, "OuvrirFichier", code, {Cite(valeur)});
        if (messages_.size() < kMessagesMax) messages_.push_back(message);
    }
    void MontreErreurs() {
        if (messages_.empty() && bilan_.empty() && evaluation_.empty()) return;
        std::string texte = bilan_;
        auto ajoute = [&texte](const std::string& m) { texte += (texte.empty() ? "" : "\n") + m; };
        for (const std::string& m : messages_) ajoute(m);
        if (erreurs_ > static_cast<int>(messages_.size()))
            ajoute("… et " + std::to_string(erreurs_ - static_cast<int>(messages_.size())) +
                   " autre(s) erreur(s) de lecture");
        for (const std::string& m : evaluation_) ajoute(m);
        messages_.clear();
        evaluation_.clear();
        Ui::ui().showMessage(texte);
    }
    [[noreturn]] void Interrompt(const std::string& message, int code, std::string_view valeur) {
        Erreur(message, code, valeur);
        throw Interruption{};
    }

    // ---- Typed reads of one key ------------------------------------------------
    bool Section(std::string_view nom, Sect& s) const {
        s.nom = nom;
        return f_.ChercheSection(nom, s.p, s.n);
    }
    // The section was read to its end: its lines are accounted for at the end.
    void Lue(const Sect& s) { sectionsLues_.push_back(s.p); }
    // A section of the format that this reading leaves aside on purpose.
    void Passe(std::string_view nom) {
        Sect s;
        if (Section(nom, s)) sectionsPassees_.push_back(s.p);
    }
    std::string Val(std::string_view cle, const Sect& s, std::string_view defaut = {}) {
        return f_.LitValeur(cle, defaut, s.p, s.n);
    }
    // A typed value: the default when the key is absent; a value that does not
    // convert is reported and the default stands.
    template <class T, class Conversion>
    T Lit(std::string_view cle, T defaut, const Sect& s, Conversion conversion) {
        const std::string v = Val(cle, s);
        T r = defaut;
        if (f_.LigneDerniereValeur() == 0 || conversion(std::string_view(v), r)) return r;
        Erreur("Erreur de lecture du fichier : " + s.nom + "/" + std::string(cle) + " - Str = " + Cite(v), 42, v);
        return defaut;
    }
    int Ent(std::string_view cle, int defaut, const Sect& s) { return Lit(cle, defaut, s, DocFormat::LitEntier); }
    double Re(std::string_view cle, double defaut, const Sect& s) { return Lit(cle, defaut, s, DocFormat::LitReel); }
    float Si(std::string_view cle, float defaut, const Sect& s) { return Lit(cle, defaut, s, DocFormat::LitSimple); }
    bool Bool(std::string_view cle, bool defaut, const Sect& s) {
        return Lit(cle, defaut, s, [](std::string_view v, bool& b) {
            v = Chaines::SansBlancs(v);
            b = v == "1";
            return v == "1" || v == "0";
        });
    }
    // Files of the format written today are held to every line; older ones
    // are read as they always were.
    bool FormatActuel() const { return Version(">", "1.08"); }
    bool Version(std::string_view op, std::string_view v) const {
        const int c = DocFormat::CompareVersion(version_, v);
        if (op == "<") return c < 0;
        if (op == "<=") return c <= 0;
        if (op == ">=") return c >= 0;
        return c > 0;
    }
    bool ACle(std::string_view cle, const Sect& s) const { return f_.ContientCle(cle, s.p, s.n); }

    // ---- Sections --------------------------------------------------------------
    void LitEntete();
    void LitMain();
    void LitSurfaces();
    bool LitSurface(int n, const Sect& s);
    void LitPoint(std::string_view cle, const Sect& s, int champs, double* v);
    bool PointsFinis(const TSurface& s);
    void LitSoudures();
    void LitVues();
    void LitVue(std::string_view cle, int vue, int champs, const Sect& s, int code, bool message);
    void LitGrille();
    int LitListe(std::string_view cle, std::string_view libelle, TListeGrille& l, const Sect& s, int code);
    void LitOptions();
    void LitCotes();
    void LitCharges();
    template <class R>
    void LitReperes(std::string_view section, std::string_view libelle, std::vector<R>& liste);
    void Inventaire();
    void Evalue();

    Document& doc_;
    bool auDemarrage_;
    TfichierStr f_;
    std::string version_;
    bool enteteFermee_ = false;  // the section HEADER was read whole
    bool vide_ = true;    // the document held no surface: it takes the file's name, properties, grid, views
    int base_ = 0;        // index of the first surface of the file in the document
    int lues_ = 0;        // surfaces of the file taken in
    std::string surfaceEnCours_;  // the surface being read, named, until it is taken in
    std::string bilan_;           // what a partial reading kept and refused, shown with the errors
    bool coupe_ = false;  // surfaces of the file were left out
    bool grilleParDefaut_ = false;  // no grid in the file: the default one over its extent
    int erreurs_ = 0;
    int pertes_ = 0;
    std::vector<std::string> messages_;  // the errors not shown yet
    std::vector<std::string> evaluation_;  // what the evaluation of the surfaces read said
    std::vector<int> sectionsLues_;      // first lines of the sections read to their end
    std::vector<int> sectionsPassees_;   // first lines of the sections left aside on purpose
    SNURBS eval_;                        // scratch evaluation of the nets read
    TArrayVertex3f points_, normales_;
};

}  // namespace

std::string TPlaces::Liste() const {
    std::string r;
    for (const auto& [ligne, texte] : gardees_) r += (r.empty() ? "" : ", ") + texte;
    return nombre_ > gardees_.size() ? r + ", …" : r;
}

namespace {

TResultatLecture Lecteur::Lit(const std::string& nom) {
    DBG_SCOPE("GestFich.OuvrirFichier");
    Sablier sablier;
    TResultatLecture r;
    Statut("Ouverture du fichier");
    if (!f_.ChargeFichier(nom)) {
        Statut("");
        return r;
    }
    if (doc_.NbSurf() >= kMaxSurfaces) {
        Ui::ui().showMessage("Nombre maximum de Surfaces ouvertes atteint");
        Statut("");
        return r;
    }
    r.Charge = true;
    vide_ = doc_.NbSurf() == 0;
    base_ = doc_.NbSurf();
    if (vide_) {
        doc_.NomFichier = CheminAbsolu(nom);
        Caption(doc_.NomFichier);
    }

    // A file without a single section of a document (a picture, a text
    // opened by mistake) is not taken as an empty document under its name.
    const bool aucuneSection = f_.IndexSections().empty();
    bool interrompu = aucuneSection;
    if (aucuneSection) {
        Erreur("Erreur de lecture du fichier : " + nom +
                   " ne contient aucune section d'un document Corvane Shaper, rien n'a été lu",
               97, nom);
    } else {
        try {
            LitEntete();
            LitMain();
            LitSurfaces();
            LitSoudures();
            LitVues();
            LitGrille();
            LitOptions();
            LitCotes();
            f_.AjouteSection("");
            LitCharges();
            f_.AjouteSection("");
            LitReperes("REPERES", "REPERES", doc_.ListReperes);
            f_.AjouteSection("");
            LitReperes("ENVAHISEMENT", "POINTS_ENV", doc_.ListReperesEnv);
        } catch (const Interruption&) {
            interrompu = true;
        } catch (const std::exception& e) {
            interrompu = true;
            Erreur(std::string("Erreur de lecture du fichier : ") + e.what(), 99, nom);
        }
        Inventaire();
    }
    Statut("Fin Fichier");
    f_ = TfichierStr();

    // Whatever was reported was not taken in as the file holds it.
    r.Complet = vide_ && !interrompu && !coupe_ && pertes_ == 0;
    r.Erreurs = erreurs_;
    if (r.Complet) {
        doc_.MarquerEnregistre();
        doc_.PeutFermer = true;
    } else {
        if (vide_) {
            // What was read must not replace the file under its name.
            doc_.NomFichier.clear();
            Caption(doc_.NomFichier);
        }
        if (aucuneSection) {
            if (vide_) doc_.MarquerEnregistre();  // nothing was read: an empty, untitled document
        } else {
            if (vide_) {
                // One message: what was kept, what was refused, then the errors.
                std::string bilan = "La lecture du fichier " + nom + " n'a pas pu reprendre tout le dessin. " +
                                    std::to_string(doc_.NbSurf()) + " surface(s) gardée(s)";
                if (!surfaceEnCours_.empty()) bilan += " ; la surface " + surfaceEnCours_ + " n'a pas été reprise";
                if (interrompu) bilan += " ; la suite du fichier n'a pas été lue";
                bilan += ". Ce qui a été lu est ouvert sans nom, pour que l'enregistrement ne remplace pas le "
                         "fichier : utilisez « Enregistrer sous » pour le garder.";
                bilan_ = bilan;
            }
            doc_.MarquerModifie();
        }
    }
    {
        // What the evaluation of the surfaces read has to say joins the
        // reading's message: one message per opening.
        MessagesRetenus retenus(evaluation_);
        try {
            Evalue();
            if (grilleParDefaut_) Grille::GrilleParDefaut(doc_);
        } catch (const std::exception& e) {
            Debug::DbgMsgStr(Debug::erDivers, "GestFich.OuvrirFichier", 100, {e.what()});
        }
    }
    MontreErreurs();
    if (r.Complet) AddRecentFile(doc_);
    Statut("");
    return r;
}

void Lecteur::Inventaire() {
    DBG_SCOPE("GestFich.Inventaire");
    // What was not read comes first in the message, before the errors met.
    std::vector<std::string> erreursLues = std::move(messages_);
    messages_.clear();
    auto parmi = [](const std::vector<int>& l, int p) { return std::find(l.begin(), l.end(), p) != l.end(); };
    auto ligne = [](long long i) { return "ligne " + std::to_string(i + 1); };
    TPlaces sections, lignes, ouvertes;
    const bool actuel = FormatActuel();
    for (const TfichierStr::TEntree& e : f_.Sections()) {
        auto nom = [&e] { return Cite(e.entete); };
        const bool lue = parmi(sectionsLues_, e.premiere);
        // A section that runs to the end of the file: the file was cut. Older
        // versions are read as they always were, once their header is whole.
        if ((lue || e.nombre < 2) && !f_.Fermee(e.premiere, e.nombre) && (actuel || !enteteFermee_))
            ouvertes.Ajoute(e.premiere, [&] { return nom() + " " + ligne(e.premiere - 1) + " sans [END]"; });

        // A section with no line holds nothing to read.
        if (e.nombre < 2 || parmi(sectionsPassees_, e.premiere)) continue;
        if (!lue) {
            sections.Ajoute(e.premiere - 1, [&] { return nom() + " " + ligne(e.premiere - 1); });
            continue;
        }
        if (!actuel) continue;
        // Runs of lines not read, each quoted by its first line.
        f_.PlagesNonLues(e.premiere, e.nombre, [&](int a, int b) {
            lignes.Ajoute(a, [&] {
                return nom() + " " +
                       (b > a ? "lignes " + std::to_string(a + 1) + " à " + std::to_string(b + 1) : ligne(a)) + " « " +
                       Cite(f_.Ligne(a)) + " »";
            });
        });
    }
    f_.CrochetsHorsSections([&](int i) { sections.Ajoute(i, [&] { return Cite(f_.Ligne(i)) + " " + ligne(i); }); });
    if (!sections.empty())
        Erreur("Erreur de lecture du fichier : section(s) non lue(s) : " + sections.Liste(), 95, sections.Premiere());
    if (!ouvertes.empty())
        Erreur("Erreur de lecture du fichier : le fichier est incomplet : " + ouvertes.Liste(), 94,
               ouvertes.Premiere());
    if (!lignes.empty())
        Erreur("Erreur de lecture du fichier : ligne(s) non lue(s) : " + lignes.Liste(), 96, lignes.Premiere());
    // Today's writer writes every section: one missing, the file was cut
    // (between two sections, every one read is whole).
    std::string absentes;
    for (const char* n : {"MAIN", "SOUDES", "VUES", "GRILLE", "OPTIONS", "COTES", "BALLAST", "REPERES", "ENVAHISEMENT"})
        if (actuel && !f_.ASection(n)) absentes += (absentes.empty() ? "[" : ", [") + std::string(n) + "]";
    if (!absentes.empty())
        Erreur("Erreur de lecture du fichier : le fichier est incomplet, section(s) absente(s) : " + absentes, 93,
               absentes);
    messages_.insert(messages_.end(), erreursLues.begin(), erreursLues.end());
    if (messages_.size() > kMessagesMax) messages_.resize(kMessagesMax);
}

void Lecteur::Evalue() {
    DBG_SCOPE("GestFich.Evalue");
    // What keeps a surface read from being evaluated is said with the reading,
    // also at start-up, when the evaluation comes later.
    for (int i = base_; i < doc_.NbSurf(); ++i) {
        ObjCom::OublieRefus(*doc_.Surface(i));
        if (const TSurface* n = doc_.SurfaceNurbs(i))
            if (const std::string pourquoi = nurbs::CheckNet(n->Net, doc_.Precision); !pourquoi.empty())
                ObjCom::SignaleRefus(*n, pourquoi);
    }
    ObjCom::MajSurface(doc_, false, -1);
    ObjCom::MajCoupesSurface(doc_);
    for (int i = 0; i < doc_.NbSurf(); ++i)
        if (TSurface* s = doc_.SurfaceNurbs(i)) {
            s->Net.AffLignes = true;
            s->Net.AffColonnes = true;
            s->Net.LigneAffichee = -1;
            s->Net.ColonneAffichee = -1;
        }
    if (doc_.Aff.MeCarene && !auDemarrage_ && Fenetres().ReinitialisePointsActifs)
        Fenetres().ReinitialisePointsActifs();
    // A surface without a point cannot hold the current one.
    for (int i = 0; i < doc_.NbSurf(); ++i) {
        const TEntity* s = doc_.Surface(i);
        const TSurface* n = doc_.SurfaceNurbs(i);
        if (s->Visible != 0 && s->Verrou == 0 && (!n || (n->Net.NbL > 0 && n->Net.NbC > 0))) {
            ObjCom::ChangeCurrentPC(doc_, i, 0, 0);
            break;
        }
    }
    if (!auDemarrage_) ObjCom::MajFenetresPC(doc_);
    Statut("Maj Min / Max");
    ObjCom::MajMinMaxAllNet(doc_, false);
}

// ---- HEADER, MAIN ------------------------------------------------------------------

void Lecteur::LitEntete() {
    DBG_SCOPE("GestFich.LitEntete");
    Statut("Lecture du header");
    Sect s;
    if (!Section("HEADER", s)) return;
    enteteFermee_ = f_.Fermee(s.p, s.n);
    version_ = Val("Version", s);
    Val("DateC", s);
    Val("DateMod", s);
    if (version_ == "1.01" || version_ == "1.02") f_.VirguleEnPoint();
    Lue(s);
}

void Lecteur::LitMain() {
    DBG_SCOPE("GestFich.LitMain");
    Sect s;
    if (!vide_) return Passe("MAIN");
    if (!Section("MAIN", s)) return;
    TPropFich& p = doc_.PropFich;
    auto texte = [&](std::string_view cle, std::size_t n) {
        return ObjCom::Tronque(DocFormat::LigneVersTexte(Val(cle, s)), n);
    };
    p.Titre = texte("Titre", TPropFich::kLongTitre);
    p.Type = texte("Type", TPropFich::kLongTitre);
    p.Archi = texte("Archi", TPropFich::kLongTitre);
    if (Version(">", "1.08"))
        p.Societe = texte("Societe", TPropFich::kLongTitre);
    else
        p.Societe.clear();
    p.Version = texte("Version", TPropFich::kLongVersion);
    p.Date = texte("Date", TPropFich::kLongDate);
    p.Comment.clear();
    const std::string_view sep = Version(">", "1.08") ? Chaines::kSeparateurCommentaire : std::string_view(";");
    const std::string c = DocFormat::LigneVersTexte(Val("Comment", s));
    std::size_t debut = 0;
    for (std::size_t k = c.find(sep); k != std::string::npos; k = c.find(sep, debut)) {
        p.Comment.push_back(c.substr(debut, k - debut));
        debut = k + sep.size();
    }
    Lue(s);
}

// ---- Surfaces ----------------------------------------------------------------------

void Lecteur::LitSurfaces() {
    DBG_SCOPE("GestFich.LitSurfaces");
    for (int n = 0;; ++n) {
        Sect s;
        if (!Section("SURF" + std::to_string(n), s)) break;
        if (doc_.NbSurf() >= kMaxSurfaces) {
            Erreur("Nombre maximum de Surfaces ouvertes atteint", 3, std::to_string(n));
            coupe_ = true;
            break;
        }
        if (!LitSurface(n, s)) {
            coupe_ = true;
            break;
        }
        Lue(s);
        surfaceEnCours_.clear();
        ++lues_;
    }
    if (doc_.FormeAffichee && Fenetres().RafraichirListePC) Fenetres().RafraichirListePC();
}

void Lecteur::LitPoint(std::string_view cle, const Sect& s, int champs, double* v) {
    const std::string valeur = Val(cle, s);
    const int ligne = f_.LigneDerniereValeur();
    std::string_view reste = valeur, champ;
    for (int k = 0; k < champs; ++k)
        if (!DocFormat::ProchainChamp(reste, champ) || !DocFormat::LitReel(champ, v[k]))
            Interrompt("Erreur de lecture du fichier : surface " + surfaceEnCours_ + ", vertex " + std::string(cle) +
                           (ligne > 0 ? " (ligne " + std::to_string(ligne) + ") illisible : \"" + Cite(valeur) + "\""
                                      : " absent"),
                       1, std::string(cle));
}

// Whether the net evaluates to points within reach at the surface's own
// precision (coordinates near the largest reals overflow on the way).
bool Lecteur::PointsFinis(const TSurface& s) {
    if (s.Net.NbL < 1 || s.Net.NbC < 1) return true;
    nurbs::NetToSNurbs(s.Net, eval_);
    const int nU = std::clamp(s.Points.rows() - 1, 1, kMaxPrecision);
    const int nV = std::clamp(s.Points.cols() - 1, 1, kMaxPrecision);
    nurbs::EvalWholeSurface(eval_, nU, nV, normales_, points_, 1.0, false);
    for (int i = 0; i <= nU; ++i)
        for (int j = 0; j <= nV; ++j)
            if (!DansLaPortee(points_[i][j])) return false;
    return true;
}

bool Lecteur::LitSurface(int n, const Sect& s) {
    DBG_SCOPE("GestFich.LitSurface");
    const std::string ns = std::to_string(n);
    Statut("Lecture de la surface " + ns);
    Debug::DbgMsgI(Debug::waTrace, "OuvrirFichier", n, {s.p, s.n});
    const int index = doc_.NbSurf();

    const std::string type = Version(">=", "1.07") ? Val("Type", s, "SNURBS") : std::string("SNURBS");
    const std::string nom = ObjCom::Tronque(DocFormat::LigneVersTexte(Val("Nom", s)), kLongNomSurface);
    surfaceEnCours_ = "\"" + nom + "\" (SURF" + ns + ")";
    Val("Num", s);
    auto refuse = [&](const std::string& pourquoi) {
        Erreur("Erreur de lecture du fichier; " + pourquoi + " - Surf" + ns + " (" + nom + ")", 0, pourquoi);
        return false;
    };

    std::unique_ptr<TEntity> e;
    TSurface* nurbs = nullptr;
    int nbl = 0, nbc = 0;
    if (type == "SNURBS") {
        auto t = std::make_unique<TSurface>(index, doc_.Precision, doc_.DefGrille);
        nurbs = t.get();
        e = std::move(t);
    } else if (type == "MESH") {
        nbl = Ent("NbL", 0, s);
        nbc = Ent("NbC", 0, s);
        if (nbl < 0 || nbc < 0 || nbl >= kMaxCoteMaillage || nbc >= kMaxCoteMaillage)
            return refuse("NbL = " + std::to_string(nbl) + ", NbC = " + std::to_string(nbc) +
                          " hors limites pour une surface MESH (0 à " + std::to_string(kMaxCoteMaillage - 1) + ")");
        // The grid takes its size once its points are read: a size the file
        // does not back with points costs nothing.
        e = std::make_unique<TDXFSurface>(index, 1, 1, doc_.DefGrille);
    } else {
        return refuse("Type de surface inconnu \"" + Cite(type) + "\"");
    }
    e->SetNom(nom);
    e->Calculee = 0;

    e->Couleur = Ent("Coul", 0, s);
    e->Alpha = Re("Alpha", 1.0, s);
    e->Ambient = Si("Ambient", 0.0f, s);
    e->Specular = Si("Specular", 0.0f, s);
    e->Shininess = Si("Shininess", 0.0f, s);
    e->Emission = Si("Emission", 0.0f, s);
    if (Version("<=", "1.07"))
        e->Orientation = Bool("StabNeg", e->Orientation == 0, s) ? 0 : 1;
    else
        e->Orientation = Bool("Orientation", true, s) ? 1 : 0;
    e->Jonction = Bool("JonctionSym", true, s) ? 1 : 0;
    Bool("CG", true, s);
    e->TypePoids = Ent("TypePoids", tpFixe, s);
    if (e->TypePoids < tpEpaisseur || e->TypePoids > tpVolume) {
        Erreur("Erreur de lecture du fichier : SURF" + ns + "/TypePoids - Str = " + Cite(f_.DerniereValeur()), 3,
               f_.DerniereValeur());
        e->TypePoids = tpFixe;
    }
    e->Epaisseur = Re("Epaisseur", 0.0, s);
    e->Densite = Re("Densite", 0.0, s);
    e->PoidsParM2 = Re("PoidsParM2", 0.0, s);
    e->Poids.Masse = Re("Poids", 0.0, s);

    if (nurbs) {
        TNet& net = nurbs->Net;
        const int l = Ent("NbL", 0, s), c = Ent("NbC", 0, s);
        if (l < 1 && c < 1) {
            Erreur("Erreur de lecture du fichier; NbVxi & NbVxj <=0 - Surf" + ns, 0, ns);
            return false;
        }
        // No row or no column (but not both): an empty net, read as such.
        if (l < 0 || c < 0 || l > kMaxNetSize || c > kMaxNetSize)
            return refuse("NbL = " + std::to_string(l) + ", NbC = " + std::to_string(c) + " hors limites (0 à " +
                          std::to_string(kMaxNetSize) + ")");
        net.NbL = l;
        net.NbC = c;
        for (int i = 0; i < l; ++i)
            for (int j = 0; j < c; ++j) {
                const std::string cle = "V_" + std::to_string(i) + "_" + std::to_string(j);
                double v[4];
                LitPoint(cle, s, 4, v);
                // A weight of 0 or below makes every evaluated point infinite or meaningless.
                if (!(v[3] > 0.0))
                    return refuse("poids de " + cle + " = " + Cite(DocFormat::Reel(v[3])) +
                                  " : les poids doivent être positifs");
                net.TabPC[i][j] = {v[0], v[1], v[2], v[3]};
            }
        // Orders the evaluation accepts: 2 .. 7, within the knots of the points.
        const int lf = Ent("LFlex", 3, s), cf = Ent("CFlex", 3, s);
        const int lfc = std::clamp(lf, 2, nurbs::OrdreMaxi(l));
        const int cfc = std::clamp(cf, 2, nurbs::OrdreMaxi(c));
        if (lfc != lf || cfc != cf)
            Erreur("Erreur de lecture du fichier; ordres LFlex = " + std::to_string(lf) + ", CFlex = " +
                       std::to_string(cf) + " ramenés à " + std::to_string(lfc) + ", " + std::to_string(cfc) +
                       " - Surf" + ns + " (" + nom + ")",
                   3, ns);
        net.LFlex = lfc;
        net.CFlex = cfc;
        if (!PointsFinis(*nurbs))
            return refuse("les points calculés de la surface ne sont pas tous finis ou dépassent ±1e37 "
                          "(coordonnées ou poids trop grands)");
    } else {
        std::vector<TVertex3f> points;
        for (int i = 0; i <= nbl; ++i)
            for (int j = 0; j <= nbc; ++j) {
                const std::string cle = "V_" + std::to_string(i) + "_" + std::to_string(j);
                double v[3];
                LitPoint(cle, s, 3, v);
                points.push_back({v[0], v[1], v[2]});
                if (!DansLaPortee(points.back())) return refuse("le point " + cle + " dépasse ±1e37");
            }
        e->ResizeGrilles(nbl + 1, nbc + 1);
        std::copy(points.begin(), points.end(), e->Points.data());
    }

    e->Visible = Bool("Visible", true, s) ? 1 : 0;
    e->Verrou = Bool("Verrou", false, s) ? 1 : 0;
    e->Sym = Bool("Sym", true, s) ? 1 : 0;
    e->Calc = Bool("Calc", true, s) ? 1 : 0;
    e->Voile = Bool("Voile", false, s) ? 1 : 0;

    TPlanSym& f = e->PlanSym;
    f.RAZ();
    const std::string plan = Val("PlanS", s);
    std::string_view reste = plan, champ;
    double v[12];
    bool ok = true;
    for (double& x : v) ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitReel(champ, x);
    if (ok) {
        f.Origin = {v[0], v[1], v[2]};
        f.Axis1 = {v[3], v[4], v[5]};
        f.Axis2 = {v[6], v[7], v[8]};
        f.Axis3 = {v[9], v[10], v[11]};
    } else {
        Erreur("Erreur de lecture du fichier SURF/PlanS - Str =" + Cite(plan), 2, plan, f_.LigneDerniereValeur() > 0);
        f.RAZ();
    }
    f.MajEquation();

    doc_.AjouteSurface(std::move(e));
    return true;
}

// ---- Welds -------------------------------------------------------------------------

void Lecteur::LitSoudures() {
    DBG_SCOPE("GestFich.LitSoudures");
    Statut("Lecture des soudures");
    Sect s;
    if (!Section("SOUDES", s)) return;
    // Each group and each point takes at least one line of the section.
    const int nbGp = std::clamp(Ent("NbGp", 0, s), 0, s.n);
    int ignores = 0;
    for (int k = 0; k < nbGp; ++k) {
        const std::string ks = std::to_string(k);
        if (!ACle("GpS_" + ks, s)) continue;
        const int nb = std::clamp(Ent("GpS_" + ks, 0, s), 0, s.n);
        TListPC groupe;
        for (int m = 0; m < nb; ++m) {
            const std::string v = Val("V_" + ks + "_" + std::to_string(m), s);
            std::string_view reste = v, champ;
            int t[3];
            bool ok = true;
            for (int& x : t) ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitEntier(champ, x);
            if (!ok) {
                Erreur("Erreur de lecture du fichier : SOUDES - Str =" + Cite(v), 4, v);
                break;
            }
            const int surf = t[0], i = std::max(t[1], 0), j = std::max(t[2], 0);
            const TSurface* n = surf >= 0 && surf < lues_ ? doc_.SurfaceNurbs(base_ + surf) : nullptr;
            if (!n || i >= n->Net.NbL || j >= n->Net.NbC) {
                ++ignores;
                continue;
            }
            groupe.Add({base_ + surf, i, j});
        }
        if (!groupe.empty()) doc_.AjouteSoudure(groupe);
    }
    if (ignores > 0)
        Erreur("Erreur de lecture du fichier : SOUDES - " + std::to_string(ignores) +
                   " point(s) soudé(s) sur une surface, une ligne ou une colonne inexistante, ignoré(s)",
               5, std::to_string(ignores));
    Lue(s);
}

// ---- Views, grid, options --------------------------------------------------------------

void Lecteur::LitVue(std::string_view cle, int vue, int champs, const Sect& s, int code, bool message) {
    const std::string v = Val(cle, s);
    std::string_view reste = v, champ;
    int ix[2] = {0, 0};
    float fx[4] = {0, 0, 0, 0};
    bool ok = true;
    for (int& x : ix) ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitEntier(champ, x);
    for (int k = 0; k < champs - 2; ++k)
        ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitSimple(champ, fx[k]);
    TStockValues& sv = doc_.StockFen.Vues[static_cast<std::size_t>(vue)];
    if (!ok) {
        // An absent key takes the reset values without a message.
        if (message && !v.empty())
            Erreur("Erreur de lecture du fichier : VUES/" + std::string(cle) + " - Str = " + Cite(v), code, v);
        else
            Debug::DbgMsgStr(Debug::erFichier, "OuvrirFichier", code, {Cite(v)});
        ix[0] = ix[1] = 0;
        fx[0] = vue == TStockFen::Studio ? 10.0f : 100.0f;
        fx[1] = fx[2] = fx[3] = 0.0f;
    }
    sv.OrigX = ix[0];
    sv.OrigY = ix[1];
    sv.Echelle = fx[0];
    if (champs == 6) {
        sv.Angle1 = fx[1];
        sv.Angle2 = fx[2];
        sv.Autre = fx[3];
    }
}

void Lecteur::LitVues() {
    DBG_SCOPE("GestFich.LitVues");
    Statut("Lecture des vues");
    Sect s;
    if (!vide_) return Passe("VUES");
    doc_.SansVues = !Section("VUES", s);
    if (doc_.SansVues) return;
    LitVue("Se", TStockFen::Section, 3, s, 6, true);
    LitVue("Pl", TStockFen::Plan, 3, s, 8, true);
    LitVue("Pf", TStockFen::Profil, 3, s, 10, true);
    LitVue("Pe", TStockFen::Perspective, 6, s, 12, true);
    LitVue("St", TStockFen::Studio, 6, s, 14, false);
    Lue(s);
    if (!auDemarrage_ && Fenetres().AppliqueVues) Fenetres().AppliqueVues();
}

int Lecteur::LitListe(std::string_view cle, std::string_view libelle, TListeGrille& l, const Sect& s, int code) {
    const std::string v = Val(cle, s);
    std::string_view reste = v, champ;
    int n = 0;
    while (DocFormat::ProchainChamp(reste, champ) && !champ.empty()) {
        if (n == kMaxLignesGrille) {
            Erreur("Erreur de lecture du fichier : " + std::string(libelle) + " - plus de " +
                       std::to_string(kMaxLignesGrille) + " valeurs, les suivantes sont ignorées",
                   code, v);
            break;
        }
        double x = 0.0;
        if (!DocFormat::LitReel(champ, x)) {
            Erreur("Erreur de lecture du fichier : " + std::string(libelle) + " - Str = " + Cite(v), code, v);
            break;
        }
        l.Val[static_cast<std::size_t>(++n)] = x;
    }
    return n;
}

void Lecteur::LitGrille() {
    DBG_SCOPE("GestFich.LitGrille");
    Statut("Lecture de la grille");
    Sect s;
    if (!vide_) return Passe("GRILLE");
    if (!Section("GRILLE", s)) {
        // The default lines over this document's own extent, once it is evaluated.
        doc_.DefGrille = TDefGrille{};
        grilleParDefaut_ = true;
        return;
    }
    TDefGrille& g = doc_.DefGrille;
    g.SecScind = std::clamp(Ent("NumSc", g.SecScind, s), 0, kMaxLignesGrille);
    g.NbSec = LitListe("LSe", "GRILLE/LSE", g.Sec, s, 16);
    g.NbLE = LitListe("LLe", "GRILLE/LLE", g.LE, s, 18);
    g.NbLongit = LitListe("LLg", "GRILLE/LLg", g.Longit, s, 20);
    const int nd = LitListe("LDg", "GRILLE/LDg", g.DiagPos, s, 22);
    const int na = LitListe("LDgA", "GRILLE/LDgA", g.DiagAngle, s, 24);
    g.NbDiag = std::min(nd, na);
    if (nd != na)
        Erreur("Erreur de lecture du fichier : GRILLE - " + std::to_string(nd) + " positions de diagonales (LDg) et " +
                   std::to_string(na) + " angles (LDgA) : " + std::to_string(g.NbDiag) + " diagonale(s) gardée(s)",
               24, std::to_string(nd));
    for (int i = 1; i <= g.NbLongit; ++i)
        g.LongitNeg.Val[static_cast<std::size_t>(i)] = -g.Longit.Val[static_cast<std::size_t>(i)];
    Grille::MinMaxGrille(g);
    // The surfaces were made before the grid was known: their cut tables follow it now.
    for (auto& e : doc_.Surfaces) {
        e->CreateTabCoupes(g);
        e->SecFait = e->LEFait = e->LongFait = e->DiagFait = 0;
    }
    Lue(s);
}

void Lecteur::LitOptions() {
    DBG_SCOPE("GestFich.LitOptions");
    Statut("Lecture des options");
    Sect s;
    if (!vide_) return Passe("OPTIONS");
    if (!Section("OPTIONS", s)) return;
    static constexpr const char* cles[] = {"ImSe", "ImPl", "ImPf", "ImPe"};
    static constexpr const char* messages[] = {"Erreur de lecture ImSe - Str = ", "Erreur de lecture ImPl - Str = ",
                                               "Erreur de lecture ImpPf - Str = ", "Erreur de lecture ImpPe - Str = "};
    bool image = false;
    for (int k = 0; k < 4; ++k) {
        TFondFichier& f = doc_.StockFen.Vues[static_cast<std::size_t>(k)].Fond;
        const std::string v = Val(cles[k], s);
        f = TFondFichier{};
        if (v.empty()) {
            // No key: no picture.
        } else if (version_ == "1.01") {
            f.Fichier = v;
        } else {
            std::string_view reste = v, champ;
            int a = 0, x = 0, y = 0;
            bool ok = DocFormat::ProchainChamp(reste, champ);
            if (ok) f.Fichier = DocFormat::ChampVersTexte(champ);
            ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitEntier(champ, a) && a >= 0 && a <= 255;
            if (ok) f.Ajuste = static_cast<std::uint8_t>(a);
            ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitEntier(champ, x);
            if (ok) f.Largeur = x;
            ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitEntier(champ, y);
            if (ok) f.Hauteur = y;
            if (!ok) Erreur(messages[k] + Cite(v), 26 + 2 * k, v);
        }
        image = image || !f.Fichier.empty();
    }
    if (!auDemarrage_ && Fenetres().AppliqueFonds) Fenetres().AppliqueFonds();
    if (image && Fenetres().ActiveFonds) Fenetres().ActiveFonds();

    for (int k = 0; k < 4; ++k) {
        const std::string cle = "VueP" + std::to_string(k);
        const std::string v = Val(cle, s);
        if (v.empty()) continue;
        TVueSauvee& vs = doc_.VuesSauvees[static_cast<std::size_t>(k)];
        std::string_view reste = v, champ;
        bool ok = DocFormat::ProchainChamp(reste, champ) && DocFormat::LitEntier(champ, vs.OrigX);
        ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitEntier(champ, vs.OrigY);
        ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitSimple(champ, vs.Echelle);
        ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitSimple(champ, vs.Angle1);
        ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitSimple(champ, vs.Angle2);
        if (ok)
            vs.Sauvee = true;
        else
            Erreur("Erreur de lecture du fichier : OPTIONS/" + cle + " - Str = " + Cite(v), 34, v);
    }
    Lue(s);
}

// ---- Dimensions ---------------------------------------------------------------------------

void Lecteur::LitCotes() {
    DBG_SCOPE("GestFich.LitCotes");
    Sect s;
    if (!Section("COTES", s)) return;
    Statut("Lecture des cotes");
    for (int k = 1; k <= s.n; ++k) {
        const std::string v = Val("Ct_" + std::to_string(k), s);
        if (v.empty()) break;
        std::string_view reste = v, champ;
        if (!DocFormat::ProchainChamp(reste, champ)) {
            Erreur("Erreur de lecture du fichier : COTES - Str = " + Cite(v), 36, v);
            continue;
        }
        TCote c;
        c.Kind = DocFormat::ChampVersTexte(champ);
        if (c.Kind == "Metre" || c.Kind == "Mètre") {
            c.Mesure = TMetre();
        } else if (c.Kind == "Rayon") {
            c.Mesure = TMetreCercle();
        } else if (c.Kind == "Angle") {
            c.Mesure = TMetreAngle();
            c.Mesure.NbPts = 2;
        } else {
            // "Mesure" is a kind the program does not keep; any other word is a damaged one.
            if (c.Kind != "Mesure") Erreur("Erreur de lecture du fichier : COTES - Str = " + Cite(v), 36, v);
            continue;
        }
        bool ok = DocFormat::ProchainChamp(reste, champ);
        if (ok) c.Text = DocFormat::ChampVersTexte(champ);
        ok = ok && DocFormat::ProchainChamp(reste, champ);
        if (ok) c.Mesure.View = champ == "Plan" ? 1 : champ == "Profile" ? 2 : 0;
        for (TVertex3f* p : {&c.Mesure.P1, &c.Mesure.P3, &c.Mesure.P2})
            for (double* x : {&p->X, &p->Y, &p->Z})
                ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitReel(champ, *x);
        if (!ok) {
            Erreur("Erreur de lecture du fichier : COTES - Str = " + Cite(v), 36, v);
            continue;
        }
        doc_.ListCotes.push_back(std::move(c));
    }
    Lue(s);
}

// ---- Weights, marks, flooding points -------------------------------------------------------

void Lecteur::LitCharges() {
    DBG_SCOPE("GestFich.LitCharges");
    Statut("Lecture des charges");
    Sect s;
    if (!Section("BALLAST", s)) return;
    int detaches = 0;
    for (int k = 1; k <= s.n / 2; ++k) {
        const std::string cle = "Bl_" + std::to_string(k);
        if (!ACle(cle, s)) continue;
        const std::string v = Val(cle, s);
        std::string_view reste = v, champ;
        while (DocFormat::AUnChamp(reste)) {
            TPoids p;
            bool ok = DocFormat::ProchainChamp(reste, champ);
            if (ok) p.Nom = DocFormat::ChampVersTexte(champ);
            for (double* x : {&p.Masse, &p.X, &p.Y, &p.Z})
                ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitReel(champ, *x);
            ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitEntier(champ, p.Surf);
            if (!ok) Interrompt("Erreur de lecture du fichier : BALLAST - Str = " + Cite(v), 38, v);
            if (p.Nom == "TOTAL") continue;
            if (p.Surf != -1) {
                if (p.Surf >= 0 && p.Surf < lues_) {
                    p.Surf += base_;
                } else {
                    p.Surf = -1;
                    ++detaches;
                }
            }
            doc_.ListPoids.push_back(std::move(p));
        }
    }
    if (detaches > 0)
        Erreur("Erreur de lecture du fichier : BALLAST - " + std::to_string(detaches) +
                   " charge(s) attachée(s) à une surface inexistante, gardée(s) sans surface",
               38, std::to_string(detaches));
    Lue(s);
}

template <class R>
void Lecteur::LitReperes(std::string_view section, std::string_view libelle, std::vector<R>& liste) {
    DBG_SCOPE("GestFich.LitReperes");
    Statut(section == "REPERES" ? "Lecture des repères" : "Lecture des points d'envahissement");
    Sect s;
    if (!Section(section, s)) return;
    for (int k = 1; k <= s.n / 2; ++k) {
        const std::string cle = "Rep_" + std::to_string(k);
        if (!ACle(cle, s)) continue;
        const std::string v = Val(cle, s);
        std::string_view reste = v, champ;
        while (DocFormat::AUnChamp(reste)) {
            R r;
            bool ok = DocFormat::ProchainChamp(reste, champ);
            if (ok) r.Nom = DocFormat::ChampVersTexte(champ);
            for (double* x : {&r.X, &r.Y, &r.Z})
                ok = ok && DocFormat::ProchainChamp(reste, champ) && DocFormat::LitReel(champ, *x);
            if (!ok) Interrompt("Erreur de lecture du fichier : " + std::string(libelle) + " - Str = " + Cite(v), 40, v);
            liste.push_back(std::move(r));
        }
    }
    Lue(s);
}

}  // namespace

void InstalleFenetres(TFenetres fenetres) { FenetresMut() = std::move(fenetres); }
const TFenetres& Fenetres() { return FenetresMut(); }

TResultatLecture OuvrirFichier(Document& doc, const std::string& nom, bool auDemarrage) {
    try {
        Lecteur l(doc, auDemarrage);
        return l.Lit(nom);
    } catch (const std::exception& e) {
        // Nothing above lets an error out; this is the last guard.
        Debug::DbgMsgStr(Debug::erFichier, "OuvrirFichier", 101, {e.what()});
        Ui::ui().showMessage(std::string("Erreur de lecture du fichier : ") + e.what());
        return {};
    }
}

// ---- Saving -------------------------------------------------------------------------------

std::string EnregistrerFichierAll(Document& doc, int mode) {
    DBG_SCOPE("GestFich.EnregistrerFichierAll");
    const std::vector<int> surfaces = DocWriter::ToutesLesSurfaces(doc);
    if (mode == 1) {
        // The document keeps its name and saved flag: only a copy is written.
        try {
            DocWriter::EcritDocument(doc, surfaces, kNomRecuperation);
            return CheminAbsolu(kNomRecuperation);
        } catch (const DocWriter::TErreurEcriture& e) {
            const std::string repli = (fs::path(Debug::UserDataDir()) / kNomRecuperation).string();
            try {
                DocWriter::EcritDocument(doc, surfaces, repli);
                return repli;
            } catch (const DocWriter::TErreurEcriture& e2) {
                throw DocWriter::TErreurEcriture(kNomRecuperation, e.Raison() + " ; " + repli + " : " + e2.Raison());
            }
        }
    }
    if (doc.NomFichier.empty()) throw DocWriter::TErreurEcriture("", "le document n'a pas de nom de fichier");
    DocWriter::EcritDocument(doc, surfaces, doc.NomFichier);
    doc.MarquerEnregistre();
    doc.PeutFermer = true;
    return doc.NomFichier;
}

// ---- Recent files --------------------------------------------------------------------------

TRecentFiles& RecentFiles() {
    static TRecentFiles liste;
    return liste;
}

void AddRecentFile(const Document& doc) {
    DBG_SCOPE("GestFich.AddRecentFile");
    Statut("Derniers fichiers ouverts");
    if (doc.NomFichier.empty()) return;
    RecentFiles().Ajoute(doc.NomFichier);
    UpdateRecentFilesMenu(doc);
}

void UpdateRecentFilesMenu(const Document& doc) {
    DBG_SCOPE("GestFich.UpdateRecentFilesMenu");
    if (!doc.FormeAffichee || !Fenetres().MenuRecents) return;
    try {
        Fenetres().MenuRecents(RecentFiles().Menu());
    } catch (...) {
        // The menu stays as far as it got.
    }
}

}  // namespace GestFich
