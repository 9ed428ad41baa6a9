// The drawing canvas on any paint device: a picture in memory (QImage, 32
// bits a pixel) for the views, a printer for the prints, where the figures
// stay vectors.
//
// Figures are drawn without smoothing. The exclusive-or and not modes use
// the raster operations of the painter, so an exclusive-or figure drawn twice
// gives back the picture exactly. Text and pictures are always copied, as
// the pen mode does not apply to them.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>

#include "model/DrawCanvas.h"

class TQtCanvas : public ICanvas {
public:
    // Paints on the device for the life of the canvas.
    explicit TQtCanvas(QPaintDevice& device);
    ~TQtCanvas() override;
    TQtCanvas(const TQtCanvas&) = delete;
    TQtCanvas& operator=(const TQtCanvas&) = delete;

    int Width() const override { return device_.width(); }
    int Height() const override { return device_.height(); }
    void SetPen(const TPen& pen) override;
    void SetBrush(const TBrush& brush) override;
    void SetFont(const TFont& font) override;
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

    // Whether the device could be painted on (a printer that cannot print
    // cannot).
    bool Actif() const { return painter_.isActive(); }
    // Nothing is drawn outside this rectangle from now on (a printer's
    // printable area).
    void Decoupe(int x1, int y1, int x2, int y2) { painter_.setClipRect(x1, y1, x2 - x1, y2 - y1); }

    // Device pixels one screen pixel of a dotted or dash-dot pattern takes:
    // on a printer, its resolution over the screen's, so that the dashes
    // have the length they have on the screen.
    void EchelleMotifs(double f) {
        motifs_ = f > 0 ? f : 1.0;
        sale_ = true;
    }

    // Drawing on white paper: a pen or text in white, the colour that
    // stands out on the screen's black, draws black; every other colour is
    // drawn as it is.
    void SurPapier() {
        papier_ = true;
        sale_ = true;
    }

    static QColor Couleur(TColor c) { return QColor(ColorR(c), ColorG(c), ColorB(c)); }

private:
    // Brings the painter's pen, brush and mode to the canvas state.
    void Applique(bool brosse);
    void ModeCopie();
    // The colour a pen or a text of colour c draws in.
    QColor Trait(TColor c) const { return papier_ && (c & 0xFFFFFFu) == 0xFFFFFFu ? QColor(Qt::black) : Couleur(c); }

    QPaintDevice& device_;
    QPainter painter_;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    TPoint pos_;
    bool sale_ = true;
    double motifs_ = 1.0;
    bool papier_ = false;
    int ascent_ = 0;
};
