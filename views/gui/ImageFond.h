// Decoding of the background pictures: the file is read as a JPEG picture
// (libjpeg), as a Windows bitmap (Qt's reader) and as a GIF picture
// (giflib), each attempt on its own; the last that reads the file wins.
// Every attempt checks the size its header claims before anything is
// allocated for the pixels.
#pragma once

#include <QImage>
#include <string>

namespace ImageFond {

enum class Resultat { Ok, Absent, Illisible, TropGrand };

// The picture of the file in `image` (RGB32) when Ok; a null image otherwise.
Resultat Charge(const std::string& fichier, QImage& image);

// The attempts one by one, on the bytes of a file (null when they fail).
QImage DecodeJpeg(const QByteArray& octets, bool& tropGrand);
QImage DecodeBmp(const QByteArray& octets, bool& tropGrand);
QImage DecodeGif(const QByteArray& octets, bool& tropGrand);

}  // namespace ImageFond
