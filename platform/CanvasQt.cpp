#include "platform/CanvasQt.h"

#include <QFontMetrics>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QPainter::CompositionMode ModeQt(TPenMode m) {
    switch (m) {
        case TPenMode::Xor: return QPainter::RasterOp_SourceXorDestination;
        case TPenMode::Not: return QPainter::RasterOp_NotDestination;
        case TPenMode::Copy: break;
    }
    return QPainter::CompositionMode_SourceOver;
}

Qt::PenStyle StyleQt(TPenStyle s) {
    switch (s) {
        case TPenStyle::Dot: return Qt::DotLine;
        case TPenStyle::DashDot: return Qt::DashDotLine;
        case TPenStyle::Solid: break;
    }
    return Qt::SolidLine;
}

QImage Vue(const TBitmapRef& b) {
    return QImage(reinterpret_cast<const uchar*>(b.Pixels), b.Width, b.Height, b.Stride * 4, QImage::Format_RGB32);
}

}  // namespace

TQtCanvas::TQtCanvas(QPaintDevice& device) : device_(device), painter_(&device) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    SetFont(font_);
}

TQtCanvas::~TQtCanvas() { painter_.end(); }

void TQtCanvas::SetPen(const TPen& pen) {
    if (pen == pen_) return;
    pen_ = pen;
    sale_ = true;
}

void TQtCanvas::SetBrush(const TBrush& brush) {
    if (brush == brush_) return;
    brush_ = brush;
    sale_ = true;
}

void TQtCanvas::SetFont(const TFont& font) {
    font_ = font;
    QFont f = painter_.font();
    f.setPointSize(std::max(1, font.Size));
    painter_.setFont(f);
    ascent_ = QFontMetrics(f, &device_).ascent();
    sale_ = true;
}

void TQtCanvas::Applique(bool brosse) {
    if (!sale_) {
        // The brush is switched per figure: lines never fill.
        painter_.setBrush(brosse && brush_.Style == TBrushStyle::Solid ? QBrush(Couleur(brush_.Color)) : Qt::NoBrush);
        return;
    }
    QPen p(Trait(pen_.Color));
    p.setWidth(std::max(1, pen_.Width));
    p.setStyle(StyleQt(pen_.Style));
    if (pen_.Style != TPenStyle::Solid && motifs_ != 1.0) {
        // The pattern, in units of the pen's width, stretched to screen pixels.
        QList<qreal> motif = p.dashPattern();
        for (qreal& d : motif) d *= motifs_;
        p.setDashPattern(motif);
    }
    // A flat end leaves out the last point of a line, as the canvas promises.
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(p);
    painter_.setCompositionMode(ModeQt(pen_.Mode));
    painter_.setBrush(brosse && brush_.Style == TBrushStyle::Solid ? QBrush(Couleur(brush_.Color)) : Qt::NoBrush);
    sale_ = false;
}

void TQtCanvas::ModeCopie() {
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    sale_ = true;
}

void TQtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    Applique(true);
    if (pen_.Style != TPenStyle::Solid || pen_.Width > 1) {
        painter_.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
        return;
    }
    // Outline and inside as bands that never overlap, so that every pixel
    // is painted once (exclusive-or included).
    const QColor c = Trait(pen_.Color);
    const int w = x2 - x1, h = y2 - y1;
    painter_.fillRect(QRect(x1, y1, w, 1), c);
    if (h > 1) painter_.fillRect(QRect(x1, y2 - 1, w, 1), c);
    if (h > 2) {
        painter_.fillRect(QRect(x1, y1 + 1, 1, h - 2), c);
        if (w > 1) painter_.fillRect(QRect(x2 - 1, y1 + 1, 1, h - 2), c);
        if (brush_.Style == TBrushStyle::Solid && w > 2)
            painter_.fillRect(QRect(x1 + 1, y1 + 1, w - 2, h - 2), Couleur(brush_.Color));
    }
}

void TQtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    Applique(true);
    painter_.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void TQtCanvas::Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    Applique(false);
    const double cx = (x1 + x2 - 1) / 2.0, cy = (y1 + y2 - 1) / 2.0;
    // Angles counter-clockwise on the screen, in degrees.
    const double a0 = std::atan2(cy - ys, xs - cx) * 180.0 / std::numbers::pi;
    const double a1 = std::atan2(cy - ye, xe - cx) * 180.0 / std::numbers::pi;
    double span = a1 - a0;
    while (span <= 0.0) span += 360.0;
    while (span > 360.0) span -= 360.0;
    painter_.drawArc(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), static_cast<int>(std::lround(a0 * 16.0)),
                     static_cast<int>(std::lround(span * 16.0)));
}

void TQtCanvas::Polyline(std::span<const TPoint> points) {
    if (points.size() < 2) return;
    Applique(false);
    static_assert(sizeof(TPoint) == sizeof(QPoint), "a pixel is two ints");
    painter_.drawPolyline(reinterpret_cast<const QPoint*>(points.data()), static_cast<int>(points.size()));
}

void TQtCanvas::LineTo(int x, int y) {
    Applique(false);
    painter_.drawLine(pos_.X, pos_.Y, x, y);
    pos_ = {x, y};
}

void TQtCanvas::TextOut(int x, int y, std::string_view text) {
    if (text.empty()) return;
    ModeCopie();
    painter_.setPen(Trait(font_.Color));
    painter_.drawText(QPoint(x, y + ascent_), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    sale_ = true;
}

void TQtCanvas::Draw(int x, int y, const TBitmapRef& bitmap) {
    if (bitmap.empty()) return;
    ModeCopie();
    painter_.drawImage(QPoint(x, y), Vue(bitmap));
}

void TQtCanvas::StretchDraw(int x1, int y1, int x2, int y2, const TBitmapRef& bitmap) {
    if (bitmap.empty() || x2 <= x1 || y2 <= y1) return;
    ModeCopie();
    painter_.drawImage(QRect(x1, y1, x2 - x1, y2 - y1), Vue(bitmap));
}
