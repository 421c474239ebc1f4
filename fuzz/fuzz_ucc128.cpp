// Fuzzes the UCC/EAN-128 encoder and renderer with arbitrary field texts and magnifications.
#include <fuzzer/FuzzedDataProvider.h>

#include <memory>
#include <string>

#include "FuzzCanvas.h"
#include "encoders/UCCEAN128.h"

namespace {

using quillmark::Code128Codes;
using quillmark::kCodesEnd;
using quillmark::TRect;
using quillmark::fuzz::Check;
using quillmark::fuzz::FuzzCanvas;

// Returns the number of codewords before the terminator, after checking the array's form.
std::size_t CheckCodes(const Code128Codes& codes) {
    std::size_t n = 0;
    while (n < codes.size() && codes[n] != kCodesEnd) {
        Check(codes[n] <= 105, "codeword outside 0 to 105");
        ++n;
    }
    Check(n < codes.size(), "no terminator within the 256 entries");
    Check(n >= 3, "fewer than start, FNC1 and check character");
    Check(codes[0] >= 103 && codes[0] <= 105, "first codeword is not a start character");
    Check(codes[1] == 102, "FNC1 does not follow the start character");
    for (std::size_t i = 1; i + 1 < n; ++i) Check(codes[i] < 103, "start character inside data");
    std::uint32_t sum = codes[0];
    for (std::size_t i = 1; i + 1 < n; ++i) sum += static_cast<std::uint32_t>(i) * codes[i];
    Check(codes[n - 1] == sum % 103, "wrong check character");
    return n;
}

// The line shows exactly the encoded part of the text, without the special characters.
void CheckLine(const std::string& text, const std::string& hr, std::size_t encodedChars) {
    std::string expected;
    for (unsigned char c : text.substr(0, encodedChars))
        if (c >= 32 && c < 128) expected += static_cast<char>(c);
    Check(hr == expected, "line differs from the encoded text without special characters");
}

TRect Draw(const Code128Codes& codes, const std::string& hr, bool withCanvas, const TRect& extent,
           double ox, double oy, unsigned short g, unsigned short v, double sx, double sy,
           long long* ops) {
    TRect bounds{9, 9, 9, 9};
    if (!withCanvas) {
        quillmark::DrawUCCEAN128(codes, hr, nullptr, ox, oy, g, v, sx, sy, bounds);
        return bounds;
    }
    FuzzCanvas canvas(extent);
    quillmark::DrawUCCEAN128(codes, hr, &canvas, ox, oy, g, v, sx, sy, bounds);
    *ops = canvas.ops;
    return bounds;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto g = in.ConsumeIntegral<unsigned short>();
    const auto v = in.ConsumeIntegral<unsigned short>();
    const double sx = in.ConsumeFloatingPointInRange(-1.0, 30.0);
    const double sy = in.ConsumeFloatingPointInRange(-1.0, 30.0);
    const std::string text = in.ConsumeRemainingBytesAsString();

    // On the heap and exactly 256 entries, so that any read past the array is caught.
    auto codes = std::make_unique<Code128Codes>();
    codes->fill(0x7777);
    std::string hr = "stale";
    const auto result = quillmark::EncodeUCCEAN128(text, *codes, hr);
    const std::size_t n = CheckCodes(*codes);
    Check(result.encodedChars <= text.size(), "more characters encoded than given");
    Check(result.truncated == (result.encodedChars < text.size()), "truncation flag is wrong");
    CheckLine(text, hr, result.encodedChars);

    const TRect measured = Draw(*codes, hr, false, {}, 0, 0, g, v, sx, sy, nullptr);
    if (!quillmark::fuzz::SmallEnoughToDraw(measured)) return 0;
    long long opsGarbage = 0, opsClean = 0;
    const TRect drawn = Draw(*codes, hr, true, measured, 0, 0, g, v, sx, sy, &opsGarbage);
    Check(drawn == measured, "measure pass and draw pass disagree");
    // Whatever follows the terminator must not change what is drawn.
    for (std::size_t i = n + 1; i < codes->size(); ++i) (*codes)[i] = kCodesEnd;
    Draw(*codes, hr, true, measured, 0, 0, g, v, sx, sy, &opsClean);
    Check(opsGarbage == opsClean, "entries after the terminator changed the drawing");
    return 0;
}
