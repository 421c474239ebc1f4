// Reads a symbol's picture back as a scanner would and compares it with the data intended.
#include "verify/ScanBack.h"

// text() as UTF-8, as ZXing 1.4 offers it.
#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace quillmark {

namespace {

// White border around the picture: the symbols carry their own quiet zones, the border keeps the
// decoder's edge handling away from them.
constexpr int kMargin = 16;
constexpr int kMaxRows = 400;

// The red channel of the picture, inside a white border, as the decoder's grey image.
class RedLight {
public:
    // The bars stand upright, so rows beyond kMaxRows tell the decoder nothing new: every
    // step-th row is taken, which keeps the horizontal structure exact and the decoding time low
    // on pictures of many thousand rows.
    explicit RedLight(const PixelView& picture) {
        const int step = std::max(1, (picture.height + kMaxRows - 1) / kMaxRows);
        const int rows = (picture.height + step - 1) / step;
        width_ = picture.width + 2 * kMargin;
        height_ = rows + 2 * kMargin;
        pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 255);
        for (int row = 0; row < rows; ++row) {
            const std::uint32_t* line = picture.Row(row * step);
            std::uint8_t* out = &pixels_[Index(kMargin, row + kMargin)];
            for (int x = 0; x < picture.width; ++x)
                out[x] = static_cast<std::uint8_t>(line[x] >> 16);  // 0xFFRRGGBB
        }
    }

    ZXing::ImageView View() const {
        return {pixels_.data(), width_, height_, ZXing::ImageFormat::Lum, width_};
    }

    // ZXing 1.4 looks for an add-on no further than about 10.5 modules past the main symbol,
    // while a UPC-A add-on stands 11 modules away as GS1 allows (9 to 12). The same picture with
    // the widest light run between bars on the middle row, the add-on gap, narrowed to 9/11 of
    // its width; nullopt when there is no such gap.
    std::optional<RedLight> WithAddOnGapNarrowed() const {
        const int y = height_ / 2;
        auto dark = [&](int x) { return pixels_[Index(x, y)] < 128; };
        int gapStart = -1, gapWidth = 0, lastDark = -1;
        for (int x = 0; x < width_; ++x) {
            if (!dark(x)) continue;
            if (lastDark >= 0 && x - lastDark - 1 > gapWidth) {
                gapWidth = x - lastDark - 1;
                gapStart = lastDark + 1;
            }
            lastDark = x;
        }
        const int cut = gapWidth - (gapWidth * 9 + 5) / 11;
        if (gapStart < 0 || cut <= 0) return std::nullopt;
        RedLight narrowed;
        narrowed.width_ = width_ - cut;
        narrowed.height_ = height_;
        narrowed.pixels_.reserve(static_cast<std::size_t>(narrowed.width_) *
                                 static_cast<std::size_t>(height_));
        for (int row = 0; row < height_; ++row) {
            const auto line = pixels_.begin() + static_cast<std::ptrdiff_t>(Index(0, row));
            narrowed.pixels_.insert(narrowed.pixels_.end(), line, line + gapStart);
            narrowed.pixels_.insert(narrowed.pixels_.end(), line + gapStart + cut, line + width_);
        }
        return narrowed;
    }

private:
    RedLight() = default;

    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0, height_ = 0;
    std::vector<std::uint8_t> pixels_;
};

ZXing::BarcodeFormat FormatOf(Symbology symbology) {
    switch (symbology) {
        case Symbology::EAN13:
        case Symbology::ISBN13:
            return ZXing::BarcodeFormat::EAN13;
        case Symbology::EAN8:
            return ZXing::BarcodeFormat::EAN8;
        case Symbology::UPCA:
            return ZXing::BarcodeFormat::UPCA;
        case Symbology::UPCE:
            return ZXing::BarcodeFormat::UPCE;
        case Symbology::ITF14:
            return ZXing::BarcodeFormat::ITF;
        case Symbology::GS1DataMatrix:
            return ZXing::BarcodeFormat::DataMatrix;
        case Symbology::GS1QR:
        case Symbology::DigitalLinkQR:
            return ZXing::BarcodeFormat::QRCode;
        case Symbology::UCCEAN128:
            break;
    }
    return ZXing::BarcodeFormat::Code128;
}

ZXing::Result Read(const ZXing::ImageView& view, ZXing::BarcodeFormat format,
                   ZXing::EanAddOnSymbol addOn) {
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setEanAddOnSymbol(addOn);
    hints.setTryRotate(false);  // the bars stand upright in every picture drawn here
    return ZXing::ReadBarcode(view, hints);
}

ScanResult Compare(const ZXing::Result& read, const ScanExpectation& expected) {
    ScanResult r;
    if (!read.isValid()) return r;
    r.text = read.text();
    r.symbologyIdentifier = read.symbologyIdentifier();
    // EAN/UPC readings with an add-on come as "main add-on".
    const std::size_t space = r.text.find(' ');
    if (IsEANUPC(expected.symbology) && space != std::string::npos) {
        r.addOn = r.text.substr(space + 1);
        r.text.resize(space);
    }
    const std::string_view gs1Identifier = GS1SymbologyIdentifier(expected.symbology);
    const bool gs1 = gs1Identifier.empty() || r.symbologyIdentifier == gs1Identifier;
    const bool same = gs1 && r.text == expected.text && r.addOn == expected.addOn;
    r.outcome = same ? ScanOutcome::Read : ScanOutcome::ReadOther;
    r.severity = same ? Severity::Pass : Severity::Failure;
    return r;
}

// The part of picture the expectation's area covers.
PixelView AreaOf(const PixelView& picture, const ScanExpectation& expected) {
    const auto at = [](double fraction, int size) {
        return std::clamp(static_cast<int>(std::lround(fraction * size)), 0, size);
    };
    const int left = at(expected.areaLeft, picture.width);
    const int top = at(expected.areaTop, picture.height);
    return {at(expected.areaRight, picture.width) - left,
            at(expected.areaBottom, picture.height) - top, picture.stride,
            picture.pixels == nullptr ? nullptr : picture.Row(top) + left};
}

}  // namespace

ScanResult ScanBack(const PixelView& whole, const ScanExpectation& expected) {
    const PixelView picture = AreaOf(whole, expected);
    if (picture.pixels == nullptr || picture.width <= 0 || picture.height <= 0) return {};
    RedLight light(picture);
    const ZXing::BarcodeFormat format = FormatOf(expected.symbology);
    if (expected.addOn.empty()) {
        return Compare(Read(light.View(), format, ZXing::EanAddOnSymbol::Read), expected);
    }
    ZXing::Result read = Read(light.View(), format, ZXing::EanAddOnSymbol::Require);
    if (!read.isValid() && expected.symbology == Symbology::UPCA) {
        if (const std::optional<RedLight> narrowed = light.WithAddOnGapNarrowed())
            read = Read(narrowed->View(), format, ZXing::EanAddOnSymbol::Require);
    }
    // Without its add-on at least the main number tells what the scanner sees.
    if (!read.isValid()) read = Read(light.View(), format, ZXing::EanAddOnSymbol::Ignore);
    return Compare(read, expected);
}

}  // namespace quillmark
