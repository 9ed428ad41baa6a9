// Value records of the hull model and 4x4 homogeneous matrices.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

struct TVertex3f {
    double X = 0, Y = 0, Z = 0;
    friend bool operator==(const TVertex3f&, const TVertex3f&) = default;
};

// The largest coordinate the model takes in, in metres. The bounds of
// surfaces, views and grids are singles: the spread of two such coordinates,
// or a point and its mirror, must still be one.
inline constexpr double kPorteeMax = 1e37;
// Whether every coordinate is a number within ±kPorteeMax (false for NaN).
inline bool DansLaPortee(const TVertex3f& p) {
    return p.X >= -kPorteeMax && p.X <= kPorteeMax && p.Y >= -kPorteeMax && p.Y <= kPorteeMax &&
           p.Z >= -kPorteeMax && p.Z <= kPorteeMax;
}

struct TVertex4f {
    double X = 0, Y = 0, Z = 0, W = 0;
    friend bool operator==(const TVertex4f&, const TVertex4f&) = default;
};

struct TVertex2f {
    float X = 0, Y = 0;
    friend bool operator==(const TVertex2f&, const TVertex2f&) = default;
};

// A grid addressed [row][column] from 0, stored in one block. Resizing keeps
// the values that still fit. Evaluated surfaces, normals, mirror images and
// curvature are such grids.
template <class T>
class TGrid {
public:
    TGrid() = default;
    TGrid(int rows, int cols) { resize(rows, cols); }

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    bool empty() const { return rows_ == 0 || cols_ == 0; }

    T* operator[](int i) { return data_.data() + static_cast<std::size_t>(i) * cols_; }
    const T* operator[](int i) const { return data_.data() + static_cast<std::size_t>(i) * cols_; }
    T& at(int i, int j) { return (*this)[i][j]; }
    const T& at(int i, int j) const { return (*this)[i][j]; }
    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }

    void resize(int rows, int cols) {
        if (rows < 0) rows = 0;
        if (cols < 0) cols = 0;
        if (rows == rows_ && cols == cols_) return;
        std::vector<T> next(static_cast<std::size_t>(rows) * cols);
        const int keepR = rows < rows_ ? rows : rows_, keepC = cols < cols_ ? cols : cols_;
        for (int i = 0; i < keepR; ++i)
            for (int j = 0; j < keepC; ++j)
                next[static_cast<std::size_t>(i) * cols + j] = data_[static_cast<std::size_t>(i) * cols_ + j];
        data_.swap(next);
        rows_ = rows;
        cols_ = cols;
    }
    void clear() { data_.clear(); rows_ = cols_ = 0; }

    friend bool operator==(const TGrid&, const TGrid&) = default;

private:
    std::vector<T> data_;
    int rows_ = 0;
    int cols_ = 0;
};

using TArrayVertex3f = TGrid<TVertex3f>;
using TArrayDouble = TGrid<double>;

using TMatrice = std::array<std::array<double, 4>, 4>;

// Point <-> weighted point.
TVertex4f ToVertex4f(TVertex3f p);   // W = 1
TVertex3f ToVertex3f(TVertex4f q);   // W dropped, no division

namespace Matrice {
void InitMatrice(TMatrice& m);  // all zero, then [3][3] = 1
void CopieMatrice(const TMatrice& a, TMatrice& b);
void ProduitMatrice4(TMatrice a, TMatrice b, TMatrice& c);   // c = a * b
void Transformation3D(const TMatrice& m, TVertex3f p, TVertex3f& q);
void Transformation3D(const TMatrice& m, TVertex3f& p);
TVertex3f Transformed(const TMatrice& m, const TVertex3f& p);
void MatTranslation(TVertex3f t, TMatrice& m);
void Translation3D(TVertex3f t, TVertex3f& p);
void MatRotationX(TMatrice& m, double deg);
void MatRotationY(TMatrice& m, double deg);
void MatRotationZ(TMatrice& m, double deg);
void MatRotation3D(TVertex3f centre, TVertex3f angles, TMatrice& m);
void MatRotationInv3D(TVertex3f centre, TVertex3f angles, TMatrice& m);
void Rotation3D(TVertex3f centre, TVertex3f angles, TVertex3f& p);
void MatEchelle3D(TVertex3f f, TMatrice& m);
void MatHomothetie3D(TVertex3f f, TVertex3f centre, TMatrice& m);
TMatrice Identity();
}  // namespace Matrice
