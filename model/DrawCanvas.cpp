#include "model/DrawCanvas.h"

#include <algorithm>

TRecordingCanvas::Entry& TRecordingCanvas::Push(Op kind) {
    Entry& e = entries.emplace_back();
    e.Kind = kind;
    e.Pen = pen_;
    e.Brush = brush_;
    e.Font = font_;
    e.Tag = tag_;
    return e;
}

void TRecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Push(Op::Rectangle).Points = {{x1, y1}, {x2, y2}};
}

void TRecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Push(Op::Ellipse).Points = {{x1, y1}, {x2, y2}};
}

void TRecordingCanvas::Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
    Push(Op::Arc).Points = {{x1, y1}, {x2, y2}, {xs, ys}, {xe, ye}};
}

void TRecordingCanvas::Polyline(std::span<const TPoint> points) {
    Push(Op::Polyline).Points.assign(points.begin(), points.end());
}

void TRecordingCanvas::LineTo(int x, int y) {
    Push(Op::Line).Points = {pos_, {x, y}};
    pos_ = {x, y};
}

void TRecordingCanvas::TextOut(int x, int y, std::string_view text) {
    Entry& e = Push(Op::Text);
    e.Points = {{x, y}};
    e.Text = std::string(text);
}

void TRecordingCanvas::Draw(int x, int y, const TBitmapRef& bitmap) {
    Push(Op::Bitmap).Points = {{x, y}, {x + bitmap.Width, y + bitmap.Height}};
}

void TRecordingCanvas::StretchDraw(int x1, int y1, int x2, int y2, const TBitmapRef&) {
    Push(Op::Bitmap).Points = {{x1, y1}, {x2, y2}};
}

std::vector<std::string> TRecordingCanvas::Layers() const {
    std::vector<std::string> out;
    for (const Entry& e : entries)
        if (std::find(out.begin(), out.end(), e.Tag) == out.end()) out.push_back(e.Tag);
    return out;
}

std::vector<const TRecordingCanvas::Entry*> TRecordingCanvas::InLayer(std::string_view tag) const {
    std::vector<const Entry*> out;
    for (const Entry& e : entries)
        if (e.Tag == tag) out.push_back(&e);
    return out;
}
