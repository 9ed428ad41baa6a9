#include "views/gui/ImageFond.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <span>
#include <vector>

extern "C" {
#include <gif_lib.h>
#include <jpeglib.h>
#include <jerror.h>
}

#include "views/BitMFond.h"

namespace ImageFond {

namespace {

// A file larger than this is no picture we would show.
constexpr qint64 kFichierMax = 512LL * 1024 * 1024;

BitMFond::TEntete Entete(const QByteArray& o) {
    return BitMFond::LitEntete(std::span(reinterpret_cast<const std::uint8_t*>(o.constData()),
                                         static_cast<std::size_t>(o.size())));
}

// The bytes are of that format and claim a size we can build.
bool EnteteAcceptable(const QByteArray& octets, BitMFond::Format f, bool& tropGrand) {
    const BitMFond::TEntete e = Entete(octets);
    if (e.F != f) return false;
    if (BitMFond::TailleAcceptable(e.Largeur, e.Hauteur)) return true;
    tropGrand = tropGrand || (e.Largeur > 0 && e.Hauteur > 0);
    return false;
}

// ---- JPEG: libjpeg reports errors through a long jump back here.
struct ErreurJpeg {
    jpeg_error_mgr mgr;
    std::jmp_buf retour;
};

void SortieJpeg(j_common_ptr c) { std::longjmp(reinterpret_cast<ErreurJpeg*>(c->err)->retour, 1); }
void MessageJpeg(j_common_ptr) {}
// A stream that ends early is libjpeg's warning only (it fills the rest in
// grey); here it is a picture that cannot be read.
void AvertissementJpeg(j_common_ptr c, int niveau) {
    if (niveau < 0 && c->err->msg_code == JWRN_JPEG_EOF) SortieJpeg(c);
}

// Plain C state only between setjmp and longjmp: the rows go into a buffer
// sized once the header is checked.
bool LitJpeg(const unsigned char* data, unsigned long n, unsigned char** pixels, int* w, int* h, bool* tropGrand) {
    jpeg_decompress_struct cinfo;
    ErreurJpeg err;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = SortieJpeg;
    err.mgr.output_message = MessageJpeg;
    err.mgr.emit_message = AvertissementJpeg;
    *pixels = nullptr;
    if (setjmp(err.retour)) {
        jpeg_destroy_decompress(&cinfo);
        std::free(*pixels);
        *pixels = nullptr;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, n);
    jpeg_read_header(&cinfo, TRUE);
    if (!BitMFond::TailleAcceptable(cinfo.image_width, cinfo.image_height)) {
        *tropGrand = true;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const std::size_t ligne = static_cast<std::size_t>(cinfo.output_width) * 3;
    *pixels = static_cast<unsigned char*>(std::malloc(ligne * cinfo.output_height));
    if (!*pixels) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = *pixels + ligne * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    *w = static_cast<int>(cinfo.output_width);
    *h = static_cast<int>(cinfo.output_height);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// ---- GIF from memory.
struct SourceGif {
    const QByteArray* octets;
    qsizetype pos;
};

int LitGif(GifFileType* g, GifByteType* dest, int n) {
    auto* s = static_cast<SourceGif*>(g->UserData);
    const qsizetype k = std::min<qsizetype>(n, s->octets->size() - s->pos);
    if (k <= 0) return 0;
    std::memcpy(dest, s->octets->constData() + s->pos, static_cast<std::size_t>(k));
    s->pos += k;
    return static_cast<int>(k);
}

}  // namespace

QImage DecodeJpeg(const QByteArray& octets, bool& tropGrand) {
    if (Entete(octets).F != BitMFond::Format::Jpeg) return {};
    unsigned char* pixels = nullptr;
    int w = 0, h = 0;
    if (!LitJpeg(reinterpret_cast<const unsigned char*>(octets.constData()), static_cast<unsigned long>(octets.size()),
                 &pixels, &w, &h, &tropGrand))
        return {};
    QImage im(w, h, QImage::Format_RGB32);
    if (!im.isNull())
        for (int y = 0; y < h; ++y) {
            const unsigned char* src = pixels + static_cast<std::size_t>(y) * w * 3;
            auto* dst = reinterpret_cast<QRgb*>(im.scanLine(y));
            for (int x = 0; x < w; ++x) dst[x] = qRgb(src[3 * x], src[3 * x + 1], src[3 * x + 2]);
        }
    std::free(pixels);
    return im;
}

QImage DecodeBmp(const QByteArray& octets, bool& tropGrand) {
    if (!EnteteAcceptable(octets, BitMFond::Format::Bmp, tropGrand)) return {};
    QImage im;
    if (!im.loadFromData(octets, "BMP")) return {};
    return im.convertToFormat(QImage::Format_RGB32);
}

QImage DecodeGif(const QByteArray& octets, bool& tropGrand) {
    if (!EnteteAcceptable(octets, BitMFond::Format::Gif, tropGrand)) return {};
    SourceGif src{&octets, 0};
    int err = 0;
    GifFileType* g = DGifOpen(&src, LitGif, &err);
    if (!g) return {};
    QImage im;
    int transparent = -1;
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    while (im.isNull() && DGifGetRecordType(g, &type) == GIF_OK && type != TERMINATE_RECORD_TYPE) {
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* ext = nullptr;
            if (DGifGetExtension(g, &code, &ext) != GIF_OK) break;
            while (ext) {
                GraphicsControlBlock gcb;
                if (code == GRAPHICS_EXT_FUNC_CODE && DGifExtensionToGCB(ext[0], ext + 1, &gcb) == GIF_OK)
                    transparent = gcb.TransparentColor;
                if (DGifGetExtensionNext(g, &ext) != GIF_OK) ext = nullptr;
            }
        } else if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(g) != GIF_OK) break;
            const GifImageDesc& d = g->Image;
            const ColorMapObject* cmap = d.ColorMap ? d.ColorMap : g->SColorMap;
            // The first frame, within the logical screen.
            if (!cmap || d.Width <= 0 || d.Height <= 0 || d.Left < 0 || d.Top < 0 || d.Left + d.Width > g->SWidth ||
                d.Top + d.Height > g->SHeight)
                break;
            std::vector<GifPixelType> lignes(static_cast<std::size_t>(d.Width) * d.Height);
            bool ok = true;
            if (d.Interlace) {
                static const int debut[4] = {0, 4, 2, 1}, pas[4] = {8, 8, 4, 2};
                for (int passe = 0; passe < 4 && ok; ++passe)
                    for (int y = debut[passe]; y < d.Height && ok; y += pas[passe])
                        ok = DGifGetLine(g, &lignes[static_cast<std::size_t>(y) * d.Width], d.Width) == GIF_OK;
            } else {
                for (int y = 0; y < d.Height && ok; ++y)
                    ok = DGifGetLine(g, &lignes[static_cast<std::size_t>(y) * d.Width], d.Width) == GIF_OK;
            }
            if (!ok) break;
            QImage frame(g->SWidth, g->SHeight, QImage::Format_RGB32);
            if (frame.isNull()) break;
            frame.fill(Qt::white);
            for (int y = 0; y < d.Height; ++y) {
                auto* dst = reinterpret_cast<QRgb*>(frame.scanLine(d.Top + y)) + d.Left;
                for (int x = 0; x < d.Width; ++x) {
                    const int k = lignes[static_cast<std::size_t>(y) * d.Width + x];
                    if (k == transparent || k >= cmap->ColorCount) continue;
                    const GifColorType c = cmap->Colors[k];
                    dst[x] = qRgb(c.Red, c.Green, c.Blue);
                }
            }
            im = frame;
        }
    }
    DGifCloseFile(g, &err);
    return im;
}

Resultat Charge(const std::string& fichier, QImage& image) {
    image = QImage();
    QFile f(QString::fromStdString(fichier));
    if (fichier.empty() || !f.exists()) return Resultat::Absent;
    if (f.size() > kFichierMax) return Resultat::TropGrand;
    if (!f.open(QIODevice::ReadOnly)) return Resultat::Illisible;
    const QByteArray octets = f.readAll();
    bool tropGrand = false;
    // Each attempt on its own; the last format that reads the file wins.
    for (auto decode : {DecodeJpeg, DecodeBmp, DecodeGif}) {
        QImage im = decode(octets, tropGrand);
        if (!im.isNull()) image = std::move(im);
    }
    if (!image.isNull()) return Resultat::Ok;
    return tropGrand ? Resultat::TropGrand : Resultat::Illisible;
}

}  // namespace ImageFond
