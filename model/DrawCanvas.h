// The 2-D drawing surface of the views, the prints and the debug drawings.
//
// Every 2-D drawing of the program goes through ICanvas. Coordinates are
// pixels; colours are 0x00BBGGRR. Rectangles and ellipses take a bounding box
// whose right and bottom edges lie outside the figure: Rectangle(0, 0, 7, 7)
// covers the pixels 0..6 in each direction, a 7 x 7 square. A line drawn by
// LineTo or a polyline does not cover its last point, so that consecutive
// segments never cover a pixel twice (which matters in exclusive-or mode).
//
// The window layer draws on a picture in memory (QPainter on a QImage); the
// tests use TRecordingCanvas, which keeps every call.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Calcs.h"

using TColor = std::uint32_t;  // 0x00BBGGRR

constexpr TColor RGBColor(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int ColorR(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int ColorG(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int ColorB(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

enum class TPenStyle : std::uint8_t { Solid, Dot, DashDot };
// Copy paints the pen colour; Not inverts what is under the figure whatever
// the colour; Xor combines the colour with what is under it, so that drawing
// the same figure twice gives back the picture as it was.
enum class TPenMode : std::uint8_t { Copy, Not, Xor };
enum class TBrushStyle : std::uint8_t { Solid, Clear };

// The pen mode of a view record (kPenCopy, kPenXor) as a canvas mode.
constexpr TPenMode PenModeOf(std::uint8_t recordMode) {
    return recordMode == kPenXor ? TPenMode::Xor : TPenMode::Copy;
}

struct TPen {
    TColor Color = 0;
    int Width = 1;
    TPenStyle Style = TPenStyle::Solid;
    TPenMode Mode = TPenMode::Copy;
    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor Color = 0xFFFFFF;
    TBrushStyle Style = TBrushStyle::Solid;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

struct TFont {
    TColor Color = 0;
    int Size = 8;  // points
    friend bool operator==(const TFont&, const TFont&) = default;
};

// A picture handed to the canvas: 32-bit pixels 0xAARRGGBB (alpha ignored),
// rows of `stride` pixels.
struct TBitmapRef {
    const std::uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    int Stride = 0;
    bool empty() const { return Pixels == nullptr || Width <= 0 || Height <= 0; }
};

class ICanvas {
public:
    virtual ~ICanvas() = default;

    // Size of the drawing surface in pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Drawing state, kept until changed.
    virtual void SetPen(const TPen& pen) = 0;
    virtual void SetBrush(const TBrush& brush) = 0;
    virtual void SetFont(const TFont& font) = 0;
    virtual TPen Pen() const = 0;
    virtual TBrush Brush() const = 0;
    virtual TFont Font() const = 0;

    // Outline with the pen, inside filled with the brush unless it is clear;
    // (x2, y2) lies just outside.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Ellipse inscribed in the same kind of box.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Arc of the ellipse of the box, counter-clockwise on the screen from the
    // direction of (xs, ys) to the direction of (xe, ye), both seen from the
    // centre; equal directions give the whole ellipse.
    virtual void Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) = 0;
    // Lines through the points in order (nothing for fewer than two).
    virtual void Polyline(std::span<const TPoint> points) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Text in the font's colour with its top-left corner at (x, y); the
    // background is left as it is.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // The picture at (x, y), and stretched into a box whose right and bottom
    // edges lie outside.
    virtual void Draw(int x, int y, const TBitmapRef& bitmap) = 0;
    virtual void StretchDraw(int x1, int y1, int x2, int y2, const TBitmapRef& bitmap) = 0;

    // The redraw names each layer before drawing it; canvases that keep no
    // record ignore it.
    virtual void BeginLayer(const char* /*name*/) {}

    // Convenience on top of the state.
    void SetPenColor(TColor c) { TPen p = Pen(); p.Color = c; SetPen(p); }
    void SetPenMode(TPenMode m) { TPen p = Pen(); p.Mode = m; SetPen(p); }
    void SetBrushColor(TColor c) { TBrush b = Brush(); b.Color = c; SetBrush(b); }
    void SetBrushStyle(TBrushStyle s) { TBrush b = Brush(); b.Style = s; SetBrush(b); }
    void Line(int x1, int y1, int x2, int y2) { MoveTo(x1, y1); LineTo(x2, y2); }
};

// A canvas that keeps every drawing call with the state it was made in.
class TRecordingCanvas : public ICanvas {
public:
    enum class Op : std::uint8_t { Rectangle, Ellipse, Arc, Polyline, Line, Text, Bitmap };

    struct Entry {
        Op Kind = Op::Polyline;
        TPen Pen;
        TBrush Brush;
        TFont Font;
        std::vector<TPoint> Points;  // box corners, arc ends, line ends or polyline points
        std::string Text;
        std::string Tag;             // the layer being drawn when the call was made
    };

    explicit TRecordingCanvas(int width = 800, int height = 600) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetPen(const TPen& pen) override { pen_ = pen; }
    void SetBrush(const TBrush& brush) override { brush_ = brush; }
    void SetFont(const TFont& font) override { font_ = font; }
    TPen Pen() const override { return pen_; }
    TBrush Brush() const override { return brush_; }
    TFont Font() const override { return font_; }

    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) override;
    void Polyline(std::span<const TPoint> points) override;
    void MoveTo(int x, int y) override { pos_ = {x, y}; }
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, std::string_view text) override;
    void Draw(int x, int y, const TBitmapRef& bitmap) override;
    void StretchDraw(int x1, int y1, int x2, int y2, const TBitmapRef& bitmap) override;

    // Calls made from now on carry this tag (the redraw's layer names).
    void BeginLayer(const char* name) override { tag_ = name ? name : ""; }
    void SetTag(std::string tag) { tag_ = std::move(tag); }
    void Clear() { entries.clear(); }

    // The tags of the calls, each once, in the order they first appear.
    std::vector<std::string> Layers() const;
    // The calls made under one tag.
    std::vector<const Entry*> InLayer(std::string_view tag) const;

    std::vector<Entry> entries;

private:
    Entry& Push(Op kind);
    int width_, height_;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    TPoint pos_;
    std::string tag_;
};
