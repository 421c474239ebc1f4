// Draws a symbol once and hands it to the writer for its format: the raster and SVG writers in
// this program, PDF in the module that holds Qt.
#include "cli/PictureOutput.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

#include "check/WholeDots.h"
#include "cli/PdfLoader.h"
#include "output/AtomicFile.h"
#include "output/PictureWriter.h"
#include "output/SvgPicture.h"
#include "raster/Fonts.h"

namespace quillmark {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

const char* RasterName(PictureFormat format) {
    switch (format) {
        case PictureFormat::BMP:
            return "BMP";
        case PictureFormat::JPEG:
            return "JPEG";
        default:
            return "PNG";
    }
}

std::string PictureProblemText(PictureProblem problem, const TRect& extent) {
    const std::string size =
        std::to_string(static_cast<long long>(extent.Right) - extent.Left) + " x " +
        std::to_string(static_cast<long long>(extent.Bottom) - extent.Top) + " pixels";
    switch (problem) {
        case PictureProblem::NoArea:
            return "the symbol cannot be laid out at this scale (" + size + ")";
        case PictureProblem::SideTooLong:
            return "the picture would be " + size + "; at most " +
                   std::to_string(kMaxSymbolImageSide) + " pixels a side are supported";
        case PictureProblem::TooManyPixels:
            return "the picture would be " + size + "; at most " +
                   std::to_string(kMaxSymbolImagePixels) + " pixels in all are supported";
        case PictureProblem::OutOfMemory:
            return "the picture of " + size + " could not be made (out of memory)";
        case PictureProblem::None:
            break;
    }
    return {};
}

// Why no picture of symbol is drawn at these settings before drawing it: no whole-dot module.
std::string DrawingRefusal(const SymbolRequest& symbol, const PictureSettings& settings) {
    return settings.wholeDots ? WholeDotRefusal(symbol, settings.dotsPerMm) : std::string();
}

// Draws the raster picture every format starts from; error set when it cannot be made.
PictureResult Draw(const SymbolRequest& symbol, const PictureSettings& settings) {
    if (std::string refusal = DrawingRefusal(symbol, settings); !refusal.empty())
        return {std::move(refusal), {}};
    RasterPicture picture = RenderSymbolRaster(BindPicture(symbol, settings), settings.style);
    if (picture.problem != PictureProblem::None)
        return {PictureProblemText(picture.problem, picture.extent), {}};
    return {{}, std::move(picture.raster)};
}

// A BMP, JPEG or PNG file drawn a band of rows at a time: the writer reads the file back when it
// checks it, so the picture is never needed whole.
std::string WriteBandedFile(const SymbolRequest& symbol, const PictureSettings& settings,
                            PictureFormat format, const std::string& path) {
    if (std::string refusal = DrawingRefusal(symbol, settings); !refusal.empty()) return refusal;
    const SymbolRows picture = RenderSymbolRows(BindPicture(symbol, settings), settings.style);
    if (picture.problem != PictureProblem::None)
        return PictureProblemText(picture.problem, picture.extent);
    return SavePicture(picture.rows, path, RasterName(format), settings.dotsPerMm).error();
}

// The PDF's bytes from the module; the error when the module is missing.
std::string MakePdf(const SymbolRequest& symbol, const PictureSettings& settings,
                    std::string& bytes) {
    std::string error;
    const SymbolPdfEntry entry = LoadPdfModule(error);
    if (entry == nullptr) return error;
    if (!entry(&symbol, &settings.style, settings.dotsPerMm, settings.wholeDots, &bytes))
        return "the picture could not be encoded";
    return {};
}

}  // namespace

SymbolRenderer BindPicture(const SymbolRequest& symbol, const PictureSettings& settings) {
    return BindAtResolution(symbol, settings.dotsPerMm, settings.wholeDots);
}

std::string WholeDotRefusal(const SymbolRequest& symbol, double dotsPerMm) {
    if (!symbol.symbology || WholeDotModuleOf(symbol, dotsPerMm)) return {};
    char dpi[32];
    std::snprintf(dpi, sizeof dpi, "%g", dotsPerMm * 25.4);
    return std::string("at ") + dpi + " dpi no whole number of dots gives " +
           std::string(symbol.symbology->name) + " a module within its sizes";
}

std::optional<PictureFormat> FormatByName(const std::string& name) {
    const std::string lower = Lower(name);
    if (lower == "png") return PictureFormat::PNG;
    if (lower == "bmp") return PictureFormat::BMP;
    if (lower == "jpg" || lower == "jpeg") return PictureFormat::JPEG;
    if (lower == "svg") return PictureFormat::SVG;
    if (lower == "pdf") return PictureFormat::PDF;
    return std::nullopt;
}

std::optional<PictureFormat> FormatForPath(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::nullopt;
    return FormatByName(path.substr(dot + 1));
}

PictureResult WriteSymbolPicture(const SymbolRequest& symbol, const PictureSettings& settings,
                                 PictureFormat format, const std::string& path) {
    if (settings.inBands && format != PictureFormat::SVG && format != PictureFormat::PDF)
        return {WriteBandedFile(symbol, settings, format, path), {}};
    PictureResult result = Draw(symbol, settings);
    if (!result.error.empty()) return result;
    if (format == PictureFormat::SVG) {
        result.error =
            SaveSvg(BindPicture(symbol, settings), settings.style, settings.dotsPerMm, path)
                .error();
    } else if (format == PictureFormat::PDF) {
        std::string pdf;
        result.error = MakePdf(symbol, settings, pdf);
        if (result.error.empty()) result.error = WriteFileAtomically(path, pdf).error();
    } else {
        result.error =
            SavePicture(result.raster.View(), path, RasterName(format), settings.dotsPerMm).error();
    }
    return result;
}

PictureResult EncodeSymbolPicture(const SymbolRequest& symbol, const PictureSettings& settings,
                                  PictureFormat format, std::string& bytes) {
    PictureResult result = Draw(symbol, settings);
    if (!result.error.empty()) return result;
    const double dpmm = settings.dotsPerMm;
    const PixelView pixels = result.raster.View();
    switch (format) {
        case PictureFormat::PNG:
            bytes = EncodePng(pixels, dpmm).value_or({});
            break;
        case PictureFormat::JPEG: {
            Result<std::string> jpeg = EncodeJpeg(pixels, dpmm);
            result.error = jpeg.error();
            bytes = std::move(jpeg).value_or({});
            break;
        }
        case PictureFormat::BMP:
            bytes = EncodeBmp(pixels, dpmm).value_or({});
            break;
        case PictureFormat::SVG:
            bytes = SymbolSvg(BindPicture(symbol, settings), settings.style, dpmm).value_or({});
            break;
        case PictureFormat::PDF:
            result.error = MakePdf(symbol, settings, bytes);
            break;
    }
    if (result.error.empty() && bytes.empty()) result.error = "the picture could not be encoded";
    return result;
}

void KeepGlyphStore() {
    for (const GlyphStoreFile& file : PendingGlyphStore()) {
        const std::filesystem::path folder = std::filesystem::path(file.path).parent_path();
        mkdir(folder.parent_path().c_str(), 0700);
        mkdir(folder.c_str(), 0700);
        (void)WriteFileAtomically(file.path, file.bytes);
    }
}

}  // namespace quillmark
