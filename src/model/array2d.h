#pragma once
// A two-dimensional table indexed (x, y) with inclusive upper bounds, as the
// grids are dimensioned: x 0..ubX, y 0..ubY.
#include <cassert>
#include <cstdint>
#include <vector>

#include "platform/numeric.h"

template <typename T>
class Array2D {
public:
    Array2D() = default;
    Array2D(int ubX, int ubY) { Redim(ubX, ubY); }

    // Makes the table anew, every entry default-valued.
    void Redim(int ubX, int ubY)
    {
        ubX_ = ubX < 0 ? -1 : ubX;
        ubY_ = ubY < 0 ? -1 : ubY;
        width_ = ubX_ + 1;
        height_ = ubY_ + 1;
        cells_.assign(static_cast<size_t>(Width()) * static_cast<size_t>(Height()), T{});
    }

    // Resizes and keeps the entries that exist in both the old and the new table.
    void RedimPreserve(int ubX, int ubY)
    {
        Array2D<T> next(ubX, ubY);
        for (int x = 0; x <= ubX_ && x <= next.ubX_; ++x)
            for (int y = 0; y <= ubY_ && y <= next.ubY_; ++y)
                next(x, y) = (*this)(x, y);
        *this = std::move(next);
    }

    int UBoundX() const { return ubX_; }
    int UBoundY() const { return ubY_; }
    // One unsigned comparison per axis also rules out negative indices.
    bool Contains(int x, int y) const
    {
        return static_cast<unsigned>(x) < static_cast<unsigned>(Width())
            && static_cast<unsigned>(y) < static_cast<unsigned>(Height());
    }
    bool empty() const { return cells_.empty(); }

    T& operator()(int x, int y)
    {
        assert(Contains(x, y));
        return cells_[Index(x, y)];
    }
    const T& operator()(int x, int y) const
    {
        assert(Contains(x, y));
        return cells_[Index(x, y)];
    }

    // Checked access: an index outside the bounds is a subscript error.
    T& at(int x, int y)
    {
        if (!Contains(x, y))
            throw RuntimeError(kErrSubscript, "Subscript out of range");
        return cells_[Index(x, y)];
    }
    const T& at(int x, int y) const
    {
        if (!Contains(x, y))
            throw RuntimeError(kErrSubscript, "Subscript out of range");
        return cells_[Index(x, y)];
    }

    bool operator==(const Array2D& o) const = default;

private:
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Row by row: signals mostly travel along rows, and neighbours in a row
    // then share cache lines.
    size_t Index(int x, int y) const
    {
        return static_cast<size_t>(y) * static_cast<size_t>(Width()) + static_cast<size_t>(x);
    }

    int ubX_ = -1;
    int ubY_ = -1;
    // The bounds plus one, kept for the index arithmetic.
    int width_ = 0;
    int height_ = 0;
    std::vector<T> cells_;
};
