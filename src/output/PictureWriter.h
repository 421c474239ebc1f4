// Picture files (BMP, JPEG, PNG) that record their true density and never cost the user a file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <string>

namespace quillmark {

// JPEG quality: high enough, with full-resolution colour, that bar edges stay sharp.
inline constexpr int kJpegQuality = 95;

// Dots per metre and per centimetre for a density in dots per millimetre, rounded.
int DotsPerMetre(double dotsPerMm);
int DotsPerCentimetre(double dotsPerMm);

// "BMP", "JPEG" or "PNG" for a file name's extension (.bmp, .jpg, .jpeg, .png in any case);
// nullptr for any other name.
const char* PictureFormatForPath(const QString& path);

// Writes image, drawn at dotsPerMm on both axes, in format ("BMP", "JPEG" or "PNG") so that it
// imports at physical size:
// - BMP: 24 bits per pixel, pixels per metre = dotsPerMm x 1000, rows written straight from the
//   image's scan lines;
// - JPEG: libjpeg, quality kJpegQuality, no chroma subsampling, JFIF density in dots per
//   centimetre = dotsPerMm x 10;
// - PNG: a pHYs chunk of dotsPerMm x 1000 pixels per metre.
// The file is written through a temporary that replaces path only when complete, so a failure
// never leaves a partial file and keeps an existing one byte-identical. Empty on success;
// otherwise a message naming the file and the system's reason.
std::string SavePicture(const QImage& image, const QString& path, const char* format,
                        double dotsPerMm);

// The image as PNG bytes carrying a pHYs chunk of dotsPerMm; empty when encoding failed.
QByteArray EncodePng(const QImage& image, double dotsPerMm);

// The image as a baseline JFIF file as SavePicture writes it. Empty on success; otherwise
// libjpeg's message.
std::string EncodeJpeg(const QImage& image, double dotsPerMm, QByteArray& jpeg);

}  // namespace quillmark
