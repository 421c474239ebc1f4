// Picture files (BMP, JPEG, PNG) that record their true density and never cost the user a file.
#pragma once

#include <string>

#include "output/Result.h"
#include "raster/Raster.h"

namespace quillmark {

// JPEG quality: high enough, with full-resolution colour, that bar edges stay sharp.
inline constexpr int kJpegQuality = 95;

// Dots per metre and per centimetre for a density in dots per millimetre, rounded.
int DotsPerMetre(double dotsPerMm);
int DotsPerCentimetre(double dotsPerMm);

// "BMP", "JPEG" or "PNG" for a file name's extension (.bmp, .jpg, .jpeg, .png in any case);
// nullptr for any other name.
const char* PictureFormatForPath(const std::string& path);

// Writes picture, drawn at dotsPerMm on both axes, in format ("BMP", "JPEG" or "PNG") so that it
// imports at physical size:
// - BMP: 24 bits per pixel, pixels per metre = dotsPerMm x 1000, rows written straight from the
//   picture's rows;
// - JPEG: libjpeg, quality kJpegQuality, no chroma subsampling, JFIF density in dots per
//   centimetre = dotsPerMm x 10;
// - PNG: a pHYs chunk of dotsPerMm x 1000 pixels per metre.
// The file is written through AtomicFile: a failure never leaves a partial file and keeps an
// existing one byte-identical.
Result<void> SavePicture(const PictureRows& picture, const std::string& path, const char* format,
                         double dotsPerMm);

// The picture as PNG bytes carrying a pHYs chunk of dotsPerMm. A picture of at most 256 colours (a
// symbol: bars, background and the grey edges of its text) is written as a palette picture, any
// other as 8-bit RGB; decoding gives the same pixels back.
Result<std::string> EncodePng(const PictureRows& picture, double dotsPerMm);

// The picture as a baseline JFIF file as SavePicture writes it; a failure gives libjpeg's message.
Result<std::string> EncodeJpeg(const PictureRows& picture, double dotsPerMm);

// The picture as the BMP file SavePicture writes; it fails when the picture has no pixels or is
// too large for the format (4 GiB).
Result<std::string> EncodeBmp(const PictureRows& picture, double dotsPerMm);

}  // namespace quillmark
