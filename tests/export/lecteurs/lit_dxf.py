# An independent reader for the tests of the DXF export: ezdxf reads each file
# named on the command line and audits it; for each entity of the model space
# one line is printed:
#   E <type> <layer> <vertices> <flags> <m> <n> <x0> <y0> <z0> <x1> <y1> <z1> <vertex layers>
# with the first and last vertex of a POLYLINE (m, n for a mesh), the two ends
# of a LINE, the location (twice) of a POINT; a file starts with
#   FICHIER <name> <version> <audit errors>
import sys
import ezdxf

for nom in sys.argv[1:]:
    doc = ezdxf.readfile(nom)
    audit = doc.audit()
    print("FICHIER", nom, doc.dxfversion, len(audit.errors))
    for e in doc.modelspace():
        t = e.dxftype()
        m = n = 0
        calques = "-"
        if t == "POLYLINE":
            vs = list(e.vertices)
            pts = [v.dxf.location for v in vs]
            if e.is_polygon_mesh:
                m, n = e.dxf.m_count, e.dxf.n_count
            calques = ",".join(sorted({v.dxf.layer for v in vs}))
            a, b, flags = pts[0], pts[-1], e.dxf.flags
        elif t == "LINE":
            a, b, flags, pts = e.dxf.start, e.dxf.end, 0, [0, 0]
        else:
            a = b = e.dxf.location
            flags, pts = 0, [0]
        print("E", t, e.dxf.layer, len(pts), flags, m, n,
              "%.9f %.9f %.9f %.9f %.9f %.9f" % (a[0], a[1], a[2], b[0], b[1], b[2]), calques)
