// Fuzzes the EAN/UPC and ITF-14 renderers with arbitrary texts, digits, sizes, offsets and scales.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzCanvas.h"
#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"

namespace {

using quillmark::TRect;
using quillmark::fuzz::Check;
using quillmark::fuzz::FuzzCanvas;

std::string PickText(FuzzedDataProvider& in, const std::array<const char*, 7>& known) {
    if (in.ConsumeBool()) return known[in.ConsumeIntegralInRange<std::size_t>(0, known.size() - 1)];
    return in.ConsumeRandomLengthString(16);
}

double PickDouble(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return in.ConsumeFloatingPointInRange(-5.0, 40.0);
        case 1:
            return in.ConsumeFloatingPoint<double>();
        case 2: {
            constexpr std::array<double, 6> odd = {0.0, -0.0, INFINITY, -INFINITY, NAN, 1e-300};
            return odd[in.ConsumeIntegralInRange<std::size_t>(0, odd.size() - 1)];
        }
        default:
            return static_cast<double>(in.ConsumeIntegralInRange(-100, 1000));
    }
}

void MeasureThenDraw(const TRect& measured, const TRect& drawn, bool drawnRan) {
    if (drawnRan) Check(measured == drawn, "measure pass and draw pass disagree");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const bool itf = in.ConsumeBool();
    const auto sizePercent = in.ConsumeIntegral<unsigned short>();
    const double offsetX = PickDouble(in), offsetY = PickDouble(in);
    const double scaleX = PickDouble(in), scaleY = PickDouble(in);

    if (itf) {
        const bool fullBorder = in.ConsumeBool();
        const std::string digits = in.ConsumeRandomLengthString(20);
        if (std::getenv("QUILLMARK_FUZZ_PRINT"))
            std::fprintf(stderr, "ITF-14 size %u offsets %.17g %.17g scales %.17g %.17g full %d\n",
                         sizePercent, offsetX, offsetY, scaleX, scaleY, fullBorder);
        TRect measured{1, 2, 3, 4}, drawn{5, 6, 7, 8};
        quillmark::DrawITF14(digits, nullptr, sizePercent, offsetX, offsetY, scaleX, scaleY,
                             fullBorder, measured);
        const bool draw = quillmark::fuzz::SmallEnoughToDraw(measured);
        if (draw) {
            FuzzCanvas canvas(measured);
            quillmark::DrawITF14(digits, &canvas, sizePercent, offsetX, offsetY, scaleX, scaleY,
                                 fullBorder, drawn);
        }
        MeasureThenDraw(measured, drawn, draw);
        return 0;
    }

    const std::string codeType =
        PickText(in, {"EAN-13", "ISBN-13", "EAN-8", "UPC-A", "UPC-E", "ean-13", ""});
    const std::string addOnType =
        PickText(in, {"None", "2-Digit", "5-Digit", "2-digit", "", "5-Digit ", "None"});
    const std::string digits = in.ConsumeRemainingBytesAsString();
    if (std::getenv("QUILLMARK_FUZZ_PRINT"))
        std::fprintf(stderr, "%s/%s size %u offsets %.17g %.17g scales %.17g %.17g\n",
                     codeType.c_str(), addOnType.c_str(), sizePercent, offsetX, offsetY, scaleX,
                     scaleY);
    TRect measured{1, 2, 3, 4}, drawn{5, 6, 7, 8};
    quillmark::DrawEANUPC(codeType, addOnType, digits, nullptr, offsetX, offsetY, sizePercent,
                          scaleX, scaleY, measured);
    const bool draw = quillmark::fuzz::SmallEnoughToDraw(measured);
    if (draw) {
        FuzzCanvas canvas(measured);
        quillmark::DrawEANUPC(codeType, addOnType, digits, &canvas, offsetX, offsetY, sizePercent,
                              scaleX, scaleY, drawn);
    }
    MeasureThenDraw(measured, drawn, draw);
    return 0;
}
