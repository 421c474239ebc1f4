// Reading back the PNG, BMP and JPEG files this program writes, for --verify.
#pragma once

#include <string>

#include "cli/PictureOutput.h"
#include "raster/Raster.h"

namespace quillmark {

// Decodes the file at path, of a raster format, into picture (opaque pixels). Empty on success;
// otherwise why it cannot be read. BMP: uncompressed 24 or 32 bits per pixel, either row order.
std::string ReadPictureFile(const std::string& path, PictureFormat format, Raster& picture);

}  // namespace quillmark
