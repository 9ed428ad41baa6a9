#include "model/Document.h"

#include <utility>

#include "base/Debug.h"
#include "model/UiPort.h"
#include "model/Update.h"

// ---- TMinMax -------------------------------------------------------------------

void TMinMax::Elargit(const TVertex3f& p) {
    if (p.X < Min.X) Min.X = p.X;
    if (p.Y < Min.Y) Min.Y = p.Y;
    if (p.Z < Min.Z) Min.Z = p.Z;
    if (p.X > Max.X) Max.X = p.X;
    if (p.Y > Max.Y) Max.Y = p.Y;
    if (p.Z > Max.Z) Max.Z = p.Z;
}

// ---- TPCSoudes -----------------------------------------------------------------

std::size_t TPCSoudes::Hash::operator()(const TPC& pc) const noexcept {
    std::size_t h = static_cast<std::size_t>(static_cast<unsigned>(pc.Surf));
    h = h * 1000003u ^ static_cast<std::size_t>(static_cast<unsigned>(pc.I));
    h = h * 1000003u ^ static_cast<std::size_t>(static_cast<unsigned>(pc.J));
    return h;
}

bool TPCSoudes::Add(const TPC& pc) {
    if (!set_.insert(pc).second) return false;
    list_.Add(pc);
    return true;
}

void TPCSoudes::Clear() {
    list_.Clear();
    set_.clear();
}

void TPCSoudes::Reconstruit(const std::vector<TListPC>& groupes) {
    DBG_SCOPE("TPCSoudes.Reconstruit");
    Clear();
    for (auto g = groupes.rbegin(); g != groupes.rend(); ++g)
        for (const TPC& pc : *g) Add(pc);
}

// ---- Document ------------------------------------------------------------------

Document Document::Defaut() {
    DBG_SCOPE("Document.Defaut");
    Document doc;
    if (TSurface* s = doc.NouvelleSurface("Surface1")) s->Net.Initialise(0);
    ObjCom::ChangeCurrentPC(doc, 0, 0, 0);
    ObjCom::MajMinMaxAllNet(doc, false);
    return doc;
}

TEntity* Document::Surface(int i) {
    if (i < 0 || i >= NbSurf()) return nullptr;
    return Surfaces[static_cast<std::size_t>(i)].get();
}

const TEntity* Document::Surface(int i) const {
    if (i < 0 || i >= NbSurf()) return nullptr;
    return Surfaces[static_cast<std::size_t>(i)].get();
}

TSurface* Document::SurfaceNurbs(int i) { return dynamic_cast<TSurface*>(Surface(i)); }

const TSurface* Document::SurfaceNurbs(int i) const { return dynamic_cast<const TSurface*>(Surface(i)); }

int Document::AjouteSurface(std::unique_ptr<TEntity> surf) {
    DBG_SCOPE("Document.AjouteSurface");
    if (!surf || NbSurf() >= kMaxSurfaces) return -1;
    const int index = NbSurf();
    surf->Index = index;
    if (auto* n = dynamic_cast<TSurface*>(surf.get())) n->Net.owner = index;
    Surfaces.push_back(std::move(surf));
    return index;
}

TSurface* Document::NouvelleSurface(const std::string& nom) {
    DBG_SCOPE("Document.NouvelleSurface");
    if (NbSurf() >= kMaxSurfaces) return nullptr;
    auto s = std::make_unique<TSurface>(NbSurf(), Precision, DefGrille);
    s->SetNom(nom);
    TSurface* raw = s.get();
    AjouteSurface(std::move(s));
    return raw;
}

void Document::Decalcule() {
    for (auto& s : Surfaces) s->Calculee = 0;
}

void Document::AjouteSoudure(const TListPC& groupe) {
    DBG_SCOPE("Document.AjouteSoudure");
    ListSoudures.push_back(groupe);
    for (const TPC& pc : groupe) ListPCSoudes.Add(pc);
}

void Document::MarquerModifie() {
    enregistre_ = false;
    Ui::ui().markModified();
}

void Document::RecordAction(int kind) const {
    if (Hooks.RecordAction) Hooks.RecordAction(kind);
}

void Document::FinAction() const {
    if (Hooks.FinAction) Hooks.FinAction();
}

void Document::Fermer() {
    DBG_SCOPE("Document.Fermer");
    Surfaces.clear();
    ListSoudures.clear();
    ListPCSoudes.Clear();
    ListCotes.clear();
    ListPoids.clear();
    ObjCom::MajTotalPoids(*this);
    ListReperes.clear();
    ListReperesEnv.clear();
    PropFich.Clear();
    MarquerEnregistre();
    NomFichier.clear();
    for (int v = 0; v < 4; ++v) StockFen.Vues[static_cast<std::size_t>(v)].Fond.Fichier.clear();
    // The saved views were the closed document's: the next one has its own.
    VuesSauvees = {};
}

TOptionsCoupes Document::OptionsCoupes() const {
    TOptionsCoupes o;
    o.SplineTR = Options.SplineTR;
    o.CourbureSections = Aff.MeHerisson;
    o.CourbureRacine = Options.CourbureRacine;
    o.Courbure = Options.Courbure;
    return o;
}
