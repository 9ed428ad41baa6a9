// A cut written as its polylines of points.
#pragma once

#include <initializer_list>

#include "model/Coupe.h"

inline TCoupe Coupe(std::initializer_list<std::initializer_list<TVertex3f>> lignes) {
    TCoupe c;
    for (const auto& l : lignes) {
        TListPt3D pts;
        for (const TVertex3f& p : l) pts.Add(p);
        c.Add(std::move(pts));
    }
    return c;
}
