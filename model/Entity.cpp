#include "model/Entity.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/Debug.h"
#include "model/Face.h"
#include "model/UiPort.h"

namespace {

// Progress bar and status panels of an evaluation, put back even when the
// evaluation throws.
class ProgressionCalcul {
public:
    explicit ProgressionCalcul(const std::string& nom) {
        Ui::IUserInterface& ui = Ui::ui();
        ui.progressSet(0, 100);
        ui.progressShow();
        ui.writeStatusBar(3, nom);
        ui.writeStatusBar(4, "");
    }
    ~ProgressionCalcul() {
        Ui::IUserInterface& ui = Ui::ui();
        ui.progressSet(0, 100);
        ui.progressHide();
        ui.writeStatusBar(3, "");
    }
    ProgressionCalcul(const ProgressionCalcul&) = delete;
    ProgressionCalcul& operator=(const ProgressionCalcul&) = delete;
};

// The hourglass for a family of cuts, unless surfaces are evaluated in real time.
class Sablier {
public:
    explicit Sablier(bool splineTR) {
        if (!splineTR) Ui::ui().setHourglass(true);
    }
    ~Sablier() {
        Ui::ui().setHourglass(false);
        Ui::ui().writeStatusBar(3, "");
    }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;
};

std::string Entier(int i) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, i);
    return std::string(buf, r.ptr);
}

}  // namespace


// ---- TTabCoupes -------------------------------------------------------------

void TTabCoupes::Reset(int n) {
    coupes_.clear();
    coupes_.resize(static_cast<std::size_t>(std::max(0, n)));
}

// ---- TEntity ----------------------------------------------------------------

TEntity::TEntity(int index, int rows, int cols, const TDefGrille& grille) : TEntityA(index) {
    DBG_SCOPE("TEntity.Create");
    PlanSym.MajEquation();
    Points.resize(rows, cols);
    PointsSym.resize(rows, cols);
    Normales.resize(rows, cols);
    NormalesSym.resize(rows, cols);
    DernLigne = rows - 1;
    DernCol = cols - 1;
    CreateTabCoupes(grille);
    Poids.Masse = 0.0;
}

void TEntity::ResizeGrilles(int rows, int cols) {
    DBG_SCOPE("TEntity.ResizeGrilles");
    Points.resize(rows, cols);
    PointsSym.resize(rows, cols);
    Normales.resize(rows, cols);
    NormalesSym.resize(rows, cols);
    DernLigne = rows - 1;
    DernCol = cols - 1;
    Calculee = 0;
}

void TEntity::CreateTabCoupes(const TDefGrille& grille) {
    DBG_SCOPE("TEntity.CreateTabCoupes");
    Sec.Reset(grille.NbSecUtil());
    SecSym.Reset(grille.NbSecUtil());
    LE.Reset(grille.NbLEUtil());
    LESym.Reset(grille.NbLEUtil());
    Long.Reset(grille.NbLongitUtil());
    LongSym.Reset(grille.NbLongitUtil());
    Diag.Reset(grille.NbDiagUtil());
    DiagSym.Reset(grille.NbDiagUtil());
}

void TEntity::FreeTabCoupes() {
    DBG_SCOPE("TEntity.FreeTabCoupes");
    for (TTabCoupes* t : {&Sec, &LE, &Long, &Diag, &SecSym, &LESym, &LongSym, &DiagSym}) t->Clear();
}

void TEntity::CalcSurface(bool) {
    DBG_SCOPE("TEntity.CalcSurface");
    if (Calculee) Ui::ui().showMessage("Surface deja calculee... Correction !");
    SetMinMax();
    Calculee = 1;
    SecFait = LEFait = LongFait = DiagFait = 0;
}

void TEntity::Transformation(const TMatrice&) { DBG_SCOPE("TEntity.Transformation"); }

void TEntity::SetMinMax() {
    DBG_SCOPE("TEntity.SetMinMax");
    PtMinX = {10000, 0, 0};
    PtMaxX = {-10000, 0, 0};
    PtMinY = {0, 10000, 0};
    PtMaxY = {0, -10000, 0};
    PtMinZ = {0, 0, 10000};
    PtMaxZ = {0, 0, -10000};
    auto widen = [this](const TVertex3f& p) {
        if (p.X < PtMinX.X) PtMinX = p;
        if (p.X > PtMaxX.X) PtMaxX = p;
        if (p.Y < PtMinY.Y) PtMinY = p;
        if (p.Y > PtMaxY.Y) PtMaxY = p;
        if (p.Z < PtMinZ.Z) PtMinZ = p;
        if (p.Z > PtMaxZ.Z) PtMaxZ = p;
    };
    const bool sym = Sym && PointsSym.rows() == Points.rows() && PointsSym.cols() == Points.cols();
    for (int i = 0; i < Points.rows(); ++i) {
        for (int j = 0; j < Points.cols(); ++j) {
            widen(Points[i][j]);
            if (sym) widen(PointsSym[i][j]);
        }
    }
}

void TEntity::CalcMiroirs() {
    DBG_SCOPE("TEntity.CalcMiroirs");
    const int rows = Points.rows(), cols = Points.cols();
    PointsSym.resize(rows, cols);
    NormalesSym.resize(rows, cols);
    // Normals are directions: they are mirrored in the symmetry plane moved
    // to the origin, so that its offset does not shift them.
    const TVertex3f n = PlanSym.Normal;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            Calcs::CalcSym(Points[i][j], n, PlanSym.D, PointsSym[rows - 1 - i][j]);
            Calcs::CalcSym(Normales[i][j], n, 0.0, NormalesSym[rows - 1 - i][j]);
        }
    }
}

// ---- Cuts -------------------------------------------------------------------

void TEntity::CalcAllSec(const TDefGrille& grille, const TOptionsCoupes& options) {
    DBG_SCOPE("TEntity.CalcAllSec");
    CalcAllFamille(fSec, grille, options);
}

void TEntity::CalcAllLgE(const TDefGrille& grille, const TOptionsCoupes& options) {
    DBG_SCOPE("TEntity.CalcAllLgE");
    CalcAllFamille(fLE, grille, options);
}

void TEntity::CalcAllLong(const TDefGrille& grille, const TOptionsCoupes& options) {
    DBG_SCOPE("TEntity.CalcAllLong");
    CalcAllFamille(fLong, grille, options);
}

void TEntity::CalcAllDiag(const TDefGrille& grille, const TOptionsCoupes& options) {
    DBG_SCOPE("TEntity.CalcAllDiag");
    CalcAllFamille(fDiag, grille, options);
}

void TEntity::CalcAllFamille(Famille f, const TDefGrille& grille, const TOptionsCoupes& options) {
    Sablier sablier(options.SplineTR);
    std::uint8_t* fait = nullptr;
    TTabCoupes* tab = nullptr;
    TTabCoupes* tabSym = nullptr;
    const char* libelle = "";
    int n = 0;
    switch (f) {
        case fSec:
            fait = &SecFait, tab = &Sec, tabSym = &SecSym, libelle = "Couple ", n = grille.NbSecUtil();
            break;
        case fLE:
            fait = &LEFait, tab = &LE, tabSym = &LESym, libelle = "Ligne d'eau ", n = grille.NbLEUtil();
            break;
        case fLong:
            fait = &LongFait, tab = &Long, tabSym = &LongSym, libelle = "Longitudinale ", n = grille.NbLongitUtil();
            break;
        case fDiag:
            fait = &DiagFait, tab = &Diag, tabSym = &DiagSym, libelle = "Diagonale ", n = grille.NbDiagUtil();
            break;
    }
    if (*fait) return;

    // The tables follow the grid even when it changed since they were made.
    tab->Reset(n);
    tabSym->Reset(n);
    if (n > 0) {
        const bool sym = Sym && !PointsSym.empty();
        for (int i = 1; i <= n; ++i) {
            Ui::ui().writeStatusBar(3, libelle + Entier(i) + " - " + Nom);
            auto couper = [&](const TArrayVertex3f& g, TCoupe& coupe) {
                switch (f) {
                    case fSec:
                        ObjCom::CalcSecMesh(g, DernLigne, DernCol, coupe, grille.Sec.Val[i]);
                        break;
                    case fLE:
                        ObjCom::CalcLEMesh(g, DernLigne, DernCol, coupe, grille.LE.Val[i]);
                        break;
                    case fLong:
                        TMesh::CalcLong(g, DernLigne, DernCol, coupe, grille.Longit.Val[i]);
                        break;
                    case fDiag: {
                        double a = 0, b = 0;
                        if (grille.CoeffsDiag(i, a, b)) TMesh::CalcDiag(g, DernLigne, DernCol, coupe, a, b);
                        break;
                    }
                }
            };
            couper(Points, (*tab)[i]);
            if (sym) couper(PointsSym, (*tabSym)[i]);
            if (f == fSec && options.CourbureSections) CalcCourbureCoupe((*tab)[i], options);
        }
    }
    *fait = 1;
}

void TEntity::CalcCourbureCoupe(TCoupe& coupe, const TOptionsCoupes& options) {
    DBG_SCOPE("TEntity.CalcCourbureCoupe");
    for (TListPt3D& ligne : coupe) {
        const int n = ligne.Count();
        if (n < 3) continue;
        for (int k = 1; k <= n - 2; ++k) {
            TPeigne peigne;
            Calcs::Courbure(ligne[k - 1].P, ligne[k].P, ligne[k + 1].P, peigne, options.CourbureRacine,
                            options.Courbure);
            ligne[k].V = peigne.V;
        }
    }
}

// ---- Areas, volumes, weight -------------------------------------------------

void TEntity::CentreBorde(TVertex3f& centre, double& aire) const {
    DBG_SCOPE("TEntity.CentreBorde");
    // Summed as the facets are made: the weights of every surface are
    // brought up to date after each change, so no facet list is kept.
    TSommeFaces sommes;
    Face::BuildSimpleFaceList(*this, sommes);
    sommes.CentreAire(centre, aire);
}

void TEntity::MajCentreBorde() {
    DBG_SCOPE("TEntity.MajCentreBorde");
    CentreBorde(CentreBordeVal, Aire);
}

void TEntity::MajVolumes() {
    DBG_SCOPE("TEntity.MajVolumes");
    TSommeFaces sommes(0.0);
    Face::BuildFaceListFull(*this, sommes, false);
    sommes.CentreVolume(CentreVolume, Volume);
    sommes.Reset(0.0);
    Face::BuildFaceListFull(*this, sommes, true);
    sommes.CentreVolume(CentreImmerge, VolumeImmerge);
}

void TEntity::MajBarycentre() {
    DBG_SCOPE("TEntity.MajBarycentre");
    Poids.Nom = Nom;
    auto placeBorde = [this] {
        Poids.X = CentreBordeVal.X;
        Poids.Y = CentreBordeVal.Y;
        Poids.Z = CentreBordeVal.Z;
    };
    auto placeVolume = [this] {
        Poids.X = CentreVolume.X;
        Poids.Y = CentreVolume.Y;
        Poids.Z = CentreVolume.Z;
    };
    // A mass computed from the surface needs its points (a hidden NURBS
    // surface is not evaluated) and a finite result; otherwise the mass it
    // has is kept.
    const bool points = Calculee != 0 || dynamic_cast<const TSurface*>(this) == nullptr;
    auto masse = [this, points](double m) {
        if (points && std::isfinite(m)) Poids.Masse = m;
    };
    switch (TypePoids) {
        case tpEpaisseur:
            MajCentreBorde();
            placeBorde();
            masse(Aire * Epaisseur * Densite * 1000.0);
            break;
        case tpFixe:
            if (Poids.Masse != 0.0) MajCentreBorde();
            placeBorde();
            break;
        case tpParM2:
            MajCentreBorde();
            placeBorde();
            masse(Aire * PoidsParM2);
            break;
        case tpFixeVolume:
            MajVolumes();
            placeVolume();
            break;
        case tpVolume:
            MajVolumes();
            placeVolume();
            masse(Volume * Densite * 1000.0);
            break;
        default:
            break;
    }
}

// ---- TSurface ---------------------------------------------------------------

TSurface::TSurface(int index, int precision, const TDefGrille& grille)
    : TEntity(index, precision + 1, precision + 1, grille), Net(index) {
    DBG_SCOPE("TSurface.Create");
}

void TSurface::CalcSurface(bool courbure) {
    DBG_SCOPE("TSurface.CalcSurface");
    const int nU = Points.rows() - 1, nV = Points.cols() - 1;
    std::string erreur = nurbs::CheckNet(Net, std::max(nU, nV));
    if (erreur.empty() && std::min(nU, nV) < 1) erreur = "Précision hors limites (1 à 200)";
    if (!erreur.empty()) throw NurbsError(erreur);

    ProgressionCalcul progression(Nom);
    Calc_VecteursNoeud();
    MyNurbs2SNurbs();
    if (courbure) {
        nurbs::EvalGaussWholeSurface(Nurbs, nU, nV, Courbure, Normales, Points, 1.0, false);
        CouleursCourbure.resize(Courbure.rows(), Courbure.cols());
        CouleursAJour = false;
    } else {
        nurbs::EvalWholeSurface(Nurbs, nU, nV, Normales, Points, 1.0, false);
    }
    Spline::Denormalise(Points, Normales);
    CalcMiroirs();
    TEntity::CalcSurface();
}

void TSurface::Transformation(const TMatrice& m) {
    DBG_SCOPE("TSurface.Transformation");
    for (int i = 0; i < Net.NbL && i < kMaxNetSize; ++i) {
        for (int j = 0; j < Net.NbC && j < kMaxNetSize; ++j) {
            TVertex4f& pc = Net.TabPC[i][j];
            TVertex3f p{pc.X, pc.Y, pc.Z};
            Matrice::Transformation3D(m, p);
            pc.X = p.X;
            pc.Y = p.Y;
            pc.Z = p.Z;
        }
    }
    Calculee = 0;
}

// ---- TDXFSurface ------------------------------------------------------------

TDXFSurface::TDXFSurface(int index, int rows, int cols, const TDefGrille& grille)
    : TEntity(index, rows, cols, grille) {
    DBG_SCOPE("TDXFSurface.Create");
}

void TDXFSurface::CalcSurface(bool) {
    DBG_SCOPE("TDXFEntity.CalcSurface");
    ProgressionCalcul progression(Nom);
    ObjCom::MeshNormales(Points, Normales);
    if (Sym) CalcMiroirs();
    TEntity::CalcSurface();
}

void TDXFSurface::Transformation(const TMatrice& m) {
    DBG_SCOPE("TDXFSurface.Transformation");
    for (int i = 0; i < Points.rows(); ++i)
        for (int j = 0; j < Points.cols(); ++j) Matrice::Transformation3D(m, Points[i][j]);
    Calculee = 0;
}
