// Opening then saving, through the core, large or unusual but legal
// documents: each with its keys in file order and in reverse order (or with
// everything on one line), so that a reading that is not linear shows. The
// files are made by the benchmark in a scratch folder that goes at exit.
// Targets: the 24.6 MB mesh in reverse order under 2 s, every other case
// within twice its time in file order, the 100 MB file under 1 GB of memory,
// the 40 MB file of separate lines not read within a small multiple of its size.
//
// Counter "pic_Mo": the peak resident memory (getrusage, through wait4) of a
// child process that opens and saves the file once.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/doc/DocFormat.h"
#include "app/doc/DocWriter.h"
#include "app/doc/GestFich.h"
#include "base/Encodage.h"
#include "model/Document.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/TestFiles.h"

namespace {

const std::string& Dossier() {
    struct Scratch {
        std::string chemin;
        Scratch() {
            std::string modele = (std::filesystem::temp_directory_path() / "corvane-lecture-XXXXXX").string();
            chemin = ::mkdtemp(modele.data());
        }
        ~Scratch() {
            std::error_code ec;
            std::filesystem::remove_all(chemin, ec);
        }
    };
    static const Scratch s;
    return s.chemin;
}

void Ecrit(const Document& doc, const std::string& chemin) {
    DocWriter::EcritDocument(doc, DocWriter::ToutesLesSurfaces(doc), chemin);
}

// The file written by `ecrit`, then the key and value pairs of one of its
// sections put in reverse order.
void Inverse(const std::function<void(const std::string&)>& ecrit, const std::string& entete,
             const std::string& chemin) {
    ecrit(chemin);
    std::vector<std::string> l;
    Encodage::LitFichierTexte(chemin, l);
    const auto h = std::find(l.begin(), l.end(), entete);
    testfiles::InversePaires(h + 1, std::find(h, l.end(), "[END]"));
    Encodage::EcritFichierTexte(chemin, l);
}

// One mesh surface of n x n points.
void Maillage(int n, const std::string& chemin) {
    Document doc;
    auto s = std::make_unique<TDXFSurface>(0, n, n, doc.DefGrille);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) s->Points[i][j] = {1.0 * i, 1.0 * j, ((i * j) % 7) / 4.0};
    s->SetNom("Maillage");
    doc.AjouteSurface(std::move(s));
    Ecrit(doc, chemin);
}

void Cotes(int n, const std::string& chemin) {
    Document doc;
    for (int k = 0; k < n; ++k) {
        TCote c;
        c.Kind = "Metre";
        c.Text = "1.234 m";
        c.Mesure = TMetre();
        c.Mesure.P1 = {k / 1000.0, 1.5, -0.25};
        c.Mesure.P2 = {1.0 + k / 1000.0, 2.5, 0.75};
        doc.ListCotes.push_back(c);
    }
    Ecrit(doc, chemin);
}

void Charges(int n, const std::string& chemin) {
    Document doc;
    for (int k = 0; k < n; ++k) doc.ListPoids.push_back({"Charge" + std::to_string(k), 12.5, k / 10.0, 1.0, -0.5, -1});
    Ecrit(doc, chemin);
}

// n welded points in groups of two, on the points of one 31 x 31 net.
void Soudures(int n, const std::string& chemin) {
    Document doc;
    TSurface* s = doc.NouvelleSurface("Coque");
    s->Net.NbL = s->Net.NbC = kMaxNetSize;
    for (int i = 0; i < kMaxNetSize; ++i)
        for (int j = 0; j < kMaxNetSize; ++j) s->Net.TabPC[i][j] = {0.1 * i, 0.2 * j, 0.0, 1.0};
    for (int k = 0; k < n / 2; ++k) {
        TListPC g;
        g.Add({0, k % kMaxNetSize, (k / kMaxNetSize) % kMaxNetSize});
        g.Add({0, (k + 7) % kMaxNetSize, (k / kMaxNetSize + 3) % kMaxNetSize});
        doc.ListSoudures.push_back(g);
    }
    Ecrit(doc, chemin);
}

const std::string kEntete = "[HEADER]\r\n[Version]\r\n1.10\r\n[END]\r\n";

// The weights of Charges(n), every record on the one value line of "Bl_1".
void LigneCharges(int n, const std::string& chemin) {
    std::ofstream f(chemin, std::ios::binary);
    f << kEntete << "[BALLAST]\r\n[Bl_1]\r\n";
    for (int k = 0; k < n; ++k) f << "Charge" << k << ";12.5;" << DocFormat::Reel(k / 10.0) << ";1;-0.5;-1;";
    f << "\r\n[END]\r\n";
}

// A comment of `octets` separators "¤" (Windows-1252).
void CommentaireSeparateurs(std::size_t octets, const std::string& chemin) {
    std::ofstream(chemin, std::ios::binary) << kEntete << "[MAIN]\r\n[Titre]\r\nT\r\n[Comment]\r\n"
                                            << std::string(octets, '\xA4') << "\r\n[END]\r\n";
}

// `octets` bytes of empty lines between a key of "MAIN" and its value.
void LignesVides(std::size_t octets, const std::string& chemin) {
    std::ofstream f(chemin, std::ios::binary);
    f << kEntete << "[MAIN]\r\n[Titre]\r\n";
    const std::string bloc(1 << 20, '\n');
    for (std::size_t n = 0; n < octets; n += bloc.size()) f << bloc;
    f << "Titre\r\n[END]\r\n";
}

// Lines that no key takes, each alone between empty lines: as many separate
// runs of lines not read as the file holds lines "z", `octets` bytes in all.
void NonLues(std::size_t octets, const std::string& chemin) {
    std::ofstream f(chemin, std::ios::binary);
    f << kEntete << "[MAIN]\r\n[Titre]\r\nT\r\n";
    const std::string bloc = [] {
        std::string b;
        for (int k = 0; k < 100000; ++k) b += "z\n\n";
        return b;
    }();
    for (std::size_t n = 0; n < octets; n += bloc.size()) f << bloc;
    f << "[END]\r\n";
}

void OuvreEtEnregistre(const std::string& fichier) {
    Document doc;
    doc.FormeAffichee = false;  // the reading, not the evaluation
    const GestFich::TResultatLecture r = GestFich::OuvrirFichier(doc, fichier);
    if (!r.Charge) throw std::runtime_error("not read");
    DocWriter::EcritDocument(doc, DocWriter::ToutesLesSurfaces(doc), fichier + ".copie");
}

// Runs f in a child process; its peak resident memory (MB) as getrusage
// gives it to wait4, or -1 when the child failed.
double DansUnEnfant(const std::function<void()>& f) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        try {
            f();
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int statut = 0;
    struct rusage ru {};
    if (pid < 0 || ::wait4(pid, &statut, 0, &ru) != pid || statut != 0) return -1.0;
    return static_cast<double>(ru.ru_maxrss) / 1024.0;
}

struct Cas {
    const char* nom;
    const char* fichier;
    std::function<void(const std::string&)> ecrit;
    std::string chemin() const { return Dossier() + "/" + fichier; }
};

const std::vector<Cas>& TousLesCas() {
    using S = const std::string&;
    static const std::vector<Cas> cas = {
        {"Maillage301/ordre", "m301.cse", [](S f) { Maillage(301, f); }},
        {"Maillage301/inverse", "m301-inv.cse", [](S f) { Inverse([](S g) { Maillage(301, g); }, "[SURF0]", f); }},
        {"Maillage1000/ordre", "m1000.cse", [](S f) { Maillage(1000, f); }},
        {"Maillage1000/inverse", "m1000-inv.cse",
         [](S f) { Inverse([](S g) { Maillage(1000, g); }, "[SURF0]", f); }},
        {"Cotes200k/ordre", "cotes.cse", [](S f) { Cotes(200000, f); }},
        {"Cotes200k/inverse", "cotes-inv.cse", [](S f) { Inverse([](S g) { Cotes(200000, g); }, "[COTES]", f); }},
        {"Charges200k/ordre", "charges.cse", [](S f) { Charges(200000, f); }},
        {"Charges200k/inverse", "charges-inv.cse",
         [](S f) { Inverse([](S g) { Charges(200000, g); }, "[BALLAST]", f); }},
        {"Soudures200k/ordre", "soudures.cse", [](S f) { Soudures(200000, f); }},
        {"Soudures200k/inverse", "soudures-inv.cse",
         [](S f) { Inverse([](S g) { Soudures(200000, g); }, "[SOUDES]", f); }},
        {"Charges200k/une_ligne", "ligne200k.cse", [](S f) { LigneCharges(200000, f); }},
        {"Charges20k/une_ligne", "ligne20k.cse", [](S f) { LigneCharges(20000, f); }},
        {"Commentaire1Mo", "commentaire.cse", [](S f) { CommentaireSeparateurs(1000000, f); }},
        {"LignesVides100Mo", "vides.cse", [](S f) { LignesVides(100000000, f); }},
        {"NonLues40Mo", "nonlues.cse", [](S f) { NonLues(40000000, f); }},
    };
    return cas;
}

// Peak memory of each case, measured before any timing (see main).
std::vector<double>& Pics() {
    static std::vector<double> p(TousLesCas().size(), -1.0);
    return p;
}

void Lecture(benchmark::State& state, std::size_t k) {
    RecordingScope ui;  // no window: messages are recorded
    const std::string fichier = TousLesCas()[k].chemin();
    for (auto _ : state) OuvreEtEnregistre(fichier);
    state.counters["Mo"] = static_cast<double>(std::filesystem::file_size(fichier)) / 1e6;
    state.counters["pic_Mo"] = Pics()[k];
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // The files are made and the peaks measured by children, so that this
    // process stays small: a child starts with the resident memory of its
    // parent, which would otherwise count in its peak.
    const auto& cas = TousLesCas();
    for (std::size_t k = 0; k < cas.size(); ++k) {
        const std::string f = cas[k].chemin();
        if (DansUnEnfant([&] { cas[k].ecrit(f); }) < 0) return 1;
        Pics()[k] = DansUnEnfant([&] {
            RecordingScope ui;
            OuvreEtEnregistre(f);
        });
        benchmark::RegisterBenchmark(cas[k].nom, [k](benchmark::State& s) { Lecture(s, k); })
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.5);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
