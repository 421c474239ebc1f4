// The symbols the output tests write and read back, and readers of the files' density fields.
#pragma once

#include <ZXing/BarcodeFormat.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "canvas/SymbolImage.h"
#include "symbol/SymbolRequest.h"

namespace quillmark::test {

struct OutputSymbol {
    const char* name;
    SymbolRequest symbol;
    ZXing::BarcodeFormat format;
    std::string text;  // what the decoder reads
};

inline std::vector<OutputSymbol> OutputSymbols() {
    const auto request = [](Symbology id, std::string data) {
        SymbolRequest r;
        r.symbology = &SymbologyOf(id);
        (id == Symbology::UCCEAN128 || IsMatrix2D(id) ? r.fieldText : r.digits) = std::move(data);
        return r;
    };
    SymbolRequest dataMatrix = request(Symbology::GS1DataMatrix, "(01)09501101530008(17)251231");
    dataMatrix.moduleMm = 0.4;
    SymbolRequest itf = request(Symbology::ITF14, "15400141288763");
    itf.sizePercent = 50;
    return {
        {"EAN-13", request(Symbology::EAN13, "4006381333931"), ZXing::BarcodeFormat::EAN13,
         "4006381333931"},
        {"UPC-E", request(Symbology::UPCE, "04252614"), ZXing::BarcodeFormat::UPCE, "04252614"},
        {"ITF-14", itf, ZXing::BarcodeFormat::ITF, "15400141288763"},
        // \xE0 is FNC1 in the field's notation: the separator after a variable-length AI.
        {"UCC/EAN-128", request(Symbology::UCCEAN128, "(01)09501101530008(10)AB12\xE0(17)251231"),
         ZXing::BarcodeFormat::Code128,
         "010950110153000810AB12\x1d"
         "17251231"},
        {"GS1 DataMatrix", dataMatrix, ZXing::BarcodeFormat::DataMatrix,
         "010950110153000817251231"},
    };
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline std::uint32_t LE(const QByteArray& b, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

inline std::uint32_t BE(const QByteArray& b, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

struct Density {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    int unit = -1;         // PNG: 1 = metre; JFIF: 2 = centimetre; BMP: always metres
    int bitsPerPixel = 0;  // BMP only
};

// The density a file records, read from its bytes: BMP info header, JFIF APP0 or PNG pHYs.
inline Density ReadDensity(const QByteArray& b) {
    Density d;
    if (b.startsWith("BM") && b.size() >= 54) {
        d.bitsPerPixel = static_cast<int>(LE(b, 28, 2));
        d.x = LE(b, 38, 4);
        d.y = LE(b, 42, 4);
        d.unit = 1;
    } else if (b.startsWith("\xFF\xD8\xFF\xE0") && b.size() >= 18 && b.mid(6, 4) == "JFIF" &&
               b[10] == 0) {
        d.unit = static_cast<unsigned char>(b[13]);
        d.x = BE(b, 14, 2);
        d.y = BE(b, 16, 2);
    } else if (const qsizetype at = b.indexOf("pHYs"); b.startsWith("\x89PNG") && at > 0) {
        d.x = BE(b, at + 4, 4);
        d.y = BE(b, at + 8, 4);
        d.unit = static_cast<unsigned char>(b[at + 12]);
    }
    return d;
}

struct JpegCoding {
    std::vector<int> sampling;      // per component: horizontal x 16 + vertical factor
    int largestLuminanceStep = -1;  // the largest entry of the first quantisation table
};

// The frame's sampling factors and the first quantisation table's largest step, read from the
// markers before the scan.
inline JpegCoding ReadJpegCoding(const QByteArray& b) {
    JpegCoding coding;
    qsizetype at = 2;
    while (at + 4 <= b.size() && static_cast<unsigned char>(b[at]) == 0xFF) {
        const int marker = static_cast<unsigned char>(b[at + 1]);
        const auto length = static_cast<qsizetype>(BE(b, at + 2, 2));
        if (marker == 0xDA || at + 2 + length > b.size()) break;  // start of scan
        if (marker == 0xDB && coding.largestLuminanceStep < 0) {
            const bool sixteenBit = (static_cast<unsigned char>(b[at + 4]) >> 4) != 0;
            for (int i = 0; i < 64; ++i)
                coding.largestLuminanceStep = std::max<int>(
                    coding.largestLuminanceStep,
                    static_cast<int>(sixteenBit ? BE(b, at + 5 + 2 * i, 2) : BE(b, at + 5 + i, 1)));
        }
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
            const int components = static_cast<unsigned char>(b[at + 9]);
            for (int c = 0; c < components; ++c)
                coding.sampling.push_back(static_cast<unsigned char>(b[at + 11 + 3 * c]));
        }
        at += 2 + length;
    }
    return coding;
}

}  // namespace quillmark::test
