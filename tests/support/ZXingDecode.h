// Decoding of symbol pictures with ZXing-C++ for the round-trip tests.
#pragma once

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include <QImage>
#include <QPainter>

#include <cctype>
#include <cstdio>
#include <string>

namespace quillmark::test {

// White border added around the picture; the symbols carry their own quiet zones, the margin
// only keeps the decoder's edge handling out of the way.
constexpr int kMargin = 16;

struct Reading {
    bool valid = false;
    ZXing::BarcodeFormat format = ZXing::BarcodeFormat::None;
    std::string text;
    std::string symbology;
};

// What ZXing reads in the picture as it stands, with the hints given.
inline ZXing::Result Read(const QImage& picture, const ZXing::DecodeHints& hints) {
    const QImage gray = picture.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(gray.bytesPerLine()));
    return ZXing::ReadBarcode(view, hints);
}

inline Reading Decode(const QImage& symbol, ZXing::BarcodeFormats formats,
                      ZXing::EanAddOnSymbol addOn = ZXing::EanAddOnSymbol::Ignore) {
    QImage padded(symbol.width() + 2 * kMargin, symbol.height() + 2 * kMargin,
                  QImage::Format_RGB32);
    padded.fill(Qt::white);
    {
        QPainter painter(&padded);
        painter.drawImage(kMargin, kMargin, symbol);
    }
    ZXing::DecodeHints hints;
    hints.setFormats(formats);
    hints.setEanAddOnSymbol(addOn);
    const ZXing::Result result = Read(padded, hints);
    Reading reading;
    reading.valid = result.isValid();
    reading.format = result.format();
    reading.text = result.text();
    reading.symbology = result.symbologyIdentifier();
    return reading;
}

// Control characters and GS become visible in failure messages.
inline std::string Visible(const std::string& s) {
    std::string out;
    for (const unsigned char c : s) {
        if (c < 32 || c >= 127) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "<%02X>", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

inline std::string Name(std::string s) {
    for (char& c : s)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return s;
}

}  // namespace quillmark::test
