// The linear symbol of a 2D symbol's GTIN and the layout of the two side by side.
#include "symbol/SymbolPair.h"

#include <algorithm>

#include "ai/FieldCharacters.h"
#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "encoders/Matrix2D.h"

namespace quillmark {

namespace {

constexpr char kFNC1 = static_cast<char>(kNotationFnc1);

// The data after the first "(01)" up to the next AI, FNC1 or the end, spaces left out as the
// symbol leaves them out; nullopt without one.
std::optional<std::string> GTINData(std::string_view fieldText) {
    for (std::size_t open = fieldText.find('('); open != std::string_view::npos;
         open = fieldText.find('(', open + 1)) {
        const std::size_t close = fieldText.find(')', open);
        if (close == std::string_view::npos) return std::nullopt;
        std::string ai;
        for (const char c : fieldText.substr(open + 1, close - open - 1))
            if (c != ' ') ai += c;
        if (ai != "01") continue;
        std::string data;
        for (std::size_t i = close + 1;
             i < fieldText.size() && fieldText[i] != '(' && fieldText[i] != kFNC1; ++i)
            if (fieldText[i] != ' ') data += fieldText[i];
        return data;
    }
    return std::nullopt;
}

// The linear symbol's box, the light space right of its last dark element that belongs to its
// box, and its quiet zone, in millimetres.
struct LinearSide {
    SymbolBox box;
    double lightRightMm = 0;
    double quietMm = 0;
};

std::optional<LinearSide> LinearSideOf(const SymbolRequest& linear) {
    if (linear.Is(Symbology::ITF14)) {
        // The bearers close the box on the right (with top and bottom bearers only, those run to
        // its edge), so the quiet zone inside them does not count towards the gap.
        return LinearSide{ITF14Box(linear.sizePercent), 0,
                          ITF14Geometry(linear.sizePercent).quietRightModules * kITF14NarrowMm *
                              linear.sizePercent / 100.0};
    }
    if (linear.symbology == nullptr || !IsEANUPC(linear.symbology->id)) return std::nullopt;
    const std::optional<SymbolBox> box = EANUPCBox(linear.symbology->name, linear.sizePercent);
    const std::optional<DrawnGeometry> drawn =
        EANUPCGeometry(linear.symbology->name, linear.sizePercent);
    if (!box || !drawn) return std::nullopt;
    const double quiet = drawn->quietRightModules * kEANUPCModuleMm * linear.sizePercent / 100.0;
    return LinearSide{*box, quiet, quiet};
}

}  // namespace

PairedLinear LinearOfGTIN(std::string_view fieldText) {
    PairedLinear paired;
    const std::optional<std::string> gtin = GTINData(fieldText);
    if (!gtin) {
        paired.problem = PairProblem::NoGTIN;
        return paired;
    }
    paired.gtin = *gtin;
    if (gtin->size() != 14 ||
        !std::all_of(gtin->begin(), gtin->end(), [](char c) { return c >= '0' && c <= '9'; })) {
        paired.problem = PairProblem::GTINNotDigits;
        return paired;
    }
    Symbology id = Symbology::ITF14;
    std::size_t leading = 0;
    if (gtin->starts_with("000000")) {
        id = Symbology::EAN8;
        leading = 6;
    } else if (gtin->starts_with("00")) {
        id = Symbology::UPCA;
        leading = 2;
    } else if (gtin->starts_with("0")) {
        id = Symbology::EAN13;
        leading = 1;
    } else if (gtin->starts_with("9")) {
        paired.problem = PairProblem::VariableMeasure;
        return paired;
    }
    paired.symbology = &SymbologyOf(id);
    paired.digits = gtin->substr(leading);
    paired.check = CheckMainDigits(*paired.symbology, paired.digits);
    if (!paired.check.ok()) paired.problem = PairProblem::WrongCheckDigit;
    return paired;
}

int MatrixQuietModules(const SymbolRequest& request) {
    return request.Is(Symbology::GS1DataMatrix) ? kDataMatrixQuietModules : kQRQuietModules;
}

std::optional<PairLayout> LayOutPair(const SymbolRequest& pair, const ModuleMatrix& matrix) {
    const std::optional<LinearSide> linear = LinearSideOf(LinearOfPair(pair));
    if (!linear) return std::nullopt;
    const double matrixQuietMm = MatrixQuietModules(pair) * pair.moduleMm;
    const double gapMm = std::max(linear->quietMm, matrixQuietMm);
    const double modulesBottomMm = matrixQuietMm + matrix.height * pair.moduleMm;
    PairLayout layout;
    layout.matrixX = linear->box.widthMm - linear->lightRightMm + gapMm - matrixQuietMm;
    layout.linearY = std::max(0.0, modulesBottomMm - linear->box.barsBottomMm);
    layout.matrixY = std::max(0.0, linear->box.barsBottomMm - modulesBottomMm);
    return layout;
}

SymbolRequest LinearOfPair(const SymbolRequest& pair) {
    SymbolRequest linear;
    linear.symbology = pair.pairedLinear;
    linear.digits = pair.digits;
    linear.sizePercent = pair.sizePercent;
    linear.fullBorder = pair.fullBorder;
    linear.barReductionDots = pair.barReductionDots;
    linear.quietZoneMarks = pair.quietZoneMarks;
    return linear;
}

SymbolRequest MatrixOfPair(const SymbolRequest& pair) {
    SymbolRequest matrix = pair;
    matrix.pairedLinear = nullptr;
    return matrix;
}

std::vector<SymbolArea> SymbolAreas(const SymbolRequest& request) {
    if (request.pairedLinear == nullptr) return {SymbolArea{}};
    const std::vector<SymbolArea> whole(2);
    const std::optional<ModuleMatrix> matrix =
        request.matrix ? request.matrix : EncodeMatrix(request);
    const std::optional<PairLayout> layout = matrix ? LayOutPair(request, *matrix) : std::nullopt;
    if (!layout) return whole;
    // Measured finely enough that a pixel of any picture is many of these.
    constexpr double kScale = 100;
    TRect picture, linear, twoD;
    RenderSymbol(request, nullptr, 0, 0, kScale, kScale, picture);
    RenderSymbol(LinearOfPair(request), nullptr, layout->linearX, layout->linearY, kScale, kScale,
                 linear);
    RenderSymbol(MatrixOfPair(request), nullptr, layout->matrixX, layout->matrixY, kScale, kScale,
                 twoD);
    const double width = static_cast<double>(picture.Right) - picture.Left;
    const double height = static_cast<double>(picture.Bottom) - picture.Top;
    if (width <= 0 || height <= 0) return whole;
    const auto area = [&](const TRect& r) {
        return SymbolArea{(r.Left - picture.Left) / width, (r.Top - picture.Top) / height,
                          (r.Right - picture.Left) / width, (r.Bottom - picture.Top) / height};
    };
    return {area(linear), area(twoD)};
}

std::vector<SymbolRequest> SymbolsOf(const SymbolRequest& request) {
    if (request.pairedLinear == nullptr) return {request};
    return {LinearOfPair(request), MatrixOfPair(request)};
}

}  // namespace quillmark
