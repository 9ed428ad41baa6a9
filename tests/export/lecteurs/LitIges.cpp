// An independent reader for the tests of the IGES export: OpenCASCADE reads
// the file, transfers every entity, and the points it evaluates on each
// transferred surface and curve are printed, one line each:
//   FICHIER <the file name of the global section>
//   ENTITES <count of entities 126 and 128 in the file> TRANSFEREES <faces + free edges>
//   SURFACE <poles u> <poles v> <degree u> <degree v> <rational 0/1>
//   COURBE <poles> <degree> <rational 0/1>
//   P <u> <v> <x> <y> <z>        (for a curve, v is 0)
// Each surface is evaluated at an n x n grid of its parameter range, each
// curve at n parameters. Exit status 1 when the file cannot be read.
#include <BRep_Tool.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_BSplineSurface.hxx>
#include <Geom_RectangularTrimmedSurface.hxx>
#include <Geom_TrimmedCurve.hxx>
#include <IGESControl_Reader.hxx>
#include <IGESData_IGESEntity.hxx>
#include <IGESData_IGESModel.hxx>
#include <Interface_Static.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>

#include <cstdio>
#include <cstdlib>

static void Point(double u, double v, const gp_Pnt& p) {
    std::printf("P %.17g %.17g %.17g %.17g %.17g\n", u, v, p.X(), p.Y(), p.Z());
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const int n = argc > 2 ? std::atoi(argv[2]) : 7;
    IGESControl_Reader reader;
    // Metres as in the file, and the surfaces as they are (no splitting at
    // their C0 knots).
    Interface_Static::SetCVal("xstep.cascade.unit", "M");
    Interface_Static::SetIVal("read.iges.bspline.continuity", 0);
    if (reader.ReadFile(argv[1]) != IFSelect_RetDone) return 1;
    Handle(IGESData_IGESModel) model = reader.IGESModel();
    Handle(TCollection_HAsciiString) nom = model->GlobalSection().FileName();
    std::printf("FICHIER %s\n", nom.IsNull() ? "" : nom->ToCString());
    int entites = 0;
    for (int i = 1; i <= model->NbEntities(); ++i) {
        const int t = model->Entity(i)->TypeNumber();
        entites += (t == 126 || t == 128);
    }
    reader.TransferRoots();
    int transferees = 0;
    for (int s = 1; s <= reader.NbShapes(); ++s) {
        const TopoDS_Shape sh = reader.Shape(s);
        bool face = false;
        for (TopExp_Explorer ex(sh, TopAbs_FACE); ex.More(); ex.Next()) {
            face = true;
            ++transferees;
            Handle(Geom_Surface) g = BRep_Tool::Surface(TopoDS::Face(ex.Current()));
            if (auto t = Handle(Geom_RectangularTrimmedSurface)::DownCast(g)) g = t->BasisSurface();
            auto b = Handle(Geom_BSplineSurface)::DownCast(g);
            if (b.IsNull()) {
                std::printf("SURFACE 0 0 0 0 0\n");
                continue;
            }
            std::printf("SURFACE %d %d %d %d %d\n", b->NbUPoles(), b->NbVPoles(), b->UDegree(), b->VDegree(),
                        int(b->IsURational() || b->IsVRational()));
            double u0, u1, v0, v1;
            b->Bounds(u0, u1, v0, v1);
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) {
                    const double u = u0 + (u1 - u0) * i / (n - 1), v = v0 + (v1 - v0) * j / (n - 1);
                    Point(u, v, b->Value(u, v));
                }
        }
        if (face) continue;
        for (TopExp_Explorer ex(sh, TopAbs_EDGE); ex.More(); ex.Next()) {
            ++transferees;
            double t0, t1;
            Handle(Geom_Curve) g = BRep_Tool::Curve(TopoDS::Edge(ex.Current()), t0, t1);
            if (auto t = Handle(Geom_TrimmedCurve)::DownCast(g)) g = t->BasisCurve();
            auto b = Handle(Geom_BSplineCurve)::DownCast(g);
            if (b.IsNull()) {
                std::printf("COURBE 0 0 0\n");
                continue;
            }
            std::printf("COURBE %d %d %d\n", b->NbPoles(), b->Degree(), int(b->IsRational()));
            for (int i = 0; i < n; ++i) {
                const double u = b->FirstParameter() + (b->LastParameter() - b->FirstParameter()) * i / (n - 1);
                Point(u, 0.0, b->Value(u));
            }
        }
    }
    std::printf("ENTITES %d TRANSFEREES %d\n", entites, transferees);
    return 0;
}
