// GS1's symbol size tables, as constant data, and the comparison with a symbol as drawn.
#include "check/SizeTableCheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>

#include "check/ModuleCheck.h"
#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "encoders/UCCEAN128.h"
#include "symbol/SymbolPair.h"
#include "symbol/Symbology.h"

namespace quillmark {
namespace {

// One row of a table. Bar heights of EAN/UPC grow with X: the table gives them for the target X
// (the nominal 0.330 mm) and they scale with it.
struct Row {
    Application application;
    Symbology symbology;
    double minX, targetX, maxX;  // mm
    double minHeightMm;          // at targetX where heightScales, else for every X
    bool heightScales;
    int quietLeft, quietRight;  // modules
};

constexpr double kNominalEANUPC = 0.330;

// GS1's published limits: general distribution (the rows for trade items scanned in general
// distribution, EAN/UPC on outer packaging), the retail point of sale (GS1's table 1) and
// regulated healthcare non-retail items (GS1's table 6, GS1-128 only).
// clang-format off
constexpr std::array kRows = {
    Row{Application::GeneralDistribution, Symbology::EAN13, 0.495, 0.660, 0.660, 22.85, true, 11, 7},
    Row{Application::GeneralDistribution, Symbology::ISBN13, 0.495, 0.660, 0.660, 22.85, true, 11, 7},
    Row{Application::GeneralDistribution, Symbology::EAN8, 0.495, 0.660, 0.660, 18.23, true, 7, 7},
    Row{Application::GeneralDistribution, Symbology::UPCA, 0.495, 0.660, 0.660, 22.85, true, 9, 9},
    Row{Application::GeneralDistribution, Symbology::UPCE, 0.495, 0.660, 0.660, 22.85, true, 9, 7},
    Row{Application::GeneralDistribution, Symbology::ITF14, 0.495, 0.495, 1.016, 31.75, false, 10, 10},
    Row{Application::GeneralDistribution, Symbology::UCCEAN128, 0.495, 0.495, 1.016, 31.75, false, 10, 10},
    Row{Application::RetailPOS, Symbology::EAN13, 0.264, 0.330, 0.660, 22.85, true, 11, 7},
    Row{Application::RetailPOS, Symbology::ISBN13, 0.264, 0.330, 0.660, 22.85, true, 11, 7},
    Row{Application::RetailPOS, Symbology::EAN8, 0.264, 0.330, 0.660, 18.23, true, 7, 7},
    Row{Application::RetailPOS, Symbology::UPCA, 0.264, 0.330, 0.660, 22.85, true, 9, 9},
    Row{Application::RetailPOS, Symbology::UPCE, 0.264, 0.330, 0.660, 22.85, true, 9, 7},
    Row{Application::HealthcareNonRetail, Symbology::UCCEAN128, 0.170, 0.495, 0.495, 12.70, false, 10, 10},
};

// The 2D rows: GS1 asks for 1.5 times the X-dimension of the linear symbols of the same table,
// since an imager needs more pixels per module than a laser needs per bar. A target of 0 means
// the table gives none. The Digital Link QR Code is a QR Code and takes its rows.
struct MatrixRow {
    Application application;
    Symbology symbology;
    double minX, targetX, maxX;  // mm
    int quiet;                   // modules, on every side
};

constexpr std::array kMatrixRows = {
    MatrixRow{Application::GeneralDistribution, Symbology::GS1DataMatrix, 0.743, 0.743, 1.500, 1},
    MatrixRow{Application::GeneralDistribution, Symbology::GS1QR, 0.743, 0.743, 1.500, 4},
    MatrixRow{Application::RetailPOS, Symbology::GS1DataMatrix, 0.396, 0.495, 0.990, 1},
    MatrixRow{Application::RetailPOS, Symbology::GS1QR, 0.396, 0.495, 0.990, 4},
    MatrixRow{Application::HealthcareNonRetail, Symbology::GS1DataMatrix, 0.254, 0, 0.615, 1},
};
// clang-format on

struct Name {
    Application application;
    std::string_view shortName, longName;
};
constexpr std::array kNames = {
    Name{Application::GeneralDistribution, "distribution", "general-distribution"},
    Name{Application::RetailPOS, "retail", "retail-pos"},
    Name{Application::HealthcareNonRetail, "healthcare", "healthcare-non-retail"},
};

const Row* FindRow(Application application, Symbology symbology) {
    for (const Row& row : kRows)
        if (row.application == application && row.symbology == symbology) return &row;
    return nullptr;
}

// The least whole magnification in range whose value (valueAt100 per 100 %) reaches needed.
unsigned short PercentReaching(double needed, double valueAt100, unsigned short lowest,
                               unsigned short highest) {
    // A hair below, so that 0.495 / 0.25 gives 198 and not 199 through rounding.
    const double percent = std::ceil(needed / valueAt100 * 100.0 - 1e-9);
    if (percent > highest) return 0;
    return static_cast<unsigned short>(std::max<double>(percent, lowest));
}

bool Near(double a, double b) {
    return std::fabs(a - b) < 0.0005;
}

const MatrixRow* FindMatrixRow(Application application, Symbology symbology) {
    if (symbology == Symbology::DigitalLinkQR) symbology = Symbology::GS1QR;
    for (const MatrixRow& row : kMatrixRows)
        if (row.application == application && row.symbology == symbology) return &row;
    return nullptr;
}

// A 2D symbol's module and quiet zone against its row; the module mends an X-dimension.
std::vector<SizeFinding> CheckMatrixSizeTable(const SymbolRequest& request, Application application,
                                              double drawnScale) {
    const MatrixRow* row = FindMatrixRow(application, request.symbology->id);
    if (row == nullptr) return {{SizeProblem::NotListed, Severity::Warning}};
    std::vector<SizeFinding> findings;
    const double x = request.moduleMm * drawnScale;
    const double target = row->targetX;
    const auto off = [&](SizeProblem problem, Severity severity, double expected, double mend) {
        SizeFinding f{problem, severity, expected, x};
        f.mendModuleMm = mend;
        findings.push_back(f);
    };
    if (x < row->minX && !Near(x, row->minX))
        off(SizeProblem::XBelowMinimum, Severity::Failure, row->minX,
            target > 0 ? target : row->minX);
    else if (x > row->maxX && !Near(x, row->maxX))
        off(SizeProblem::XAboveMaximum, Severity::Failure, row->maxX,
            target > 0 ? target : row->maxX);
    else if (target > 0 && std::fabs(x - target) > kTargetTolerance * target)
        off(SizeProblem::XOffTarget, Severity::Warning, target, target);
    const int quiet = MatrixQuietModules(request);
    if (quiet < row->quiet)
        findings.push_back(
            {SizeProblem::QuietZone, Severity::Failure, double(row->quiet), double(quiet)});
    return findings;
}

}  // namespace

std::optional<Application> ApplicationByName(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const Name& n : kNames)
        if (lower == n.shortName || lower == n.longName) return n.application;
    return std::nullopt;
}

std::string_view ApplicationName(Application application) {
    for (const Name& n : kNames)
        if (n.application == application) return n.longName;
    return {};
}

std::vector<SizeFinding> CheckSizeTable(const SymbolRequest& request, Application application,
                                        double drawnScale) {
    std::vector<SizeFinding> findings;
    const SymbologyInfo* info = request.symbology;
    if (info == nullptr) return findings;
    if (IsMatrix2D(info->id)) return CheckMatrixSizeTable(request, application, drawnScale);
    const bool ucc = info->id == Symbology::UCCEAN128;
    const unsigned short size = ucc ? request.gSizePercent : request.sizePercent;
    const std::optional<double> x = NominalModuleMm(info->id, size);
    const std::optional<DrawnGeometry> drawn =
        ucc                            ? UCCEAN128Geometry(request.vSizePercent)
        : info->id == Symbology::ITF14 ? ITF14Geometry(request.sizePercent)
                                       : EANUPCGeometry(info->name, request.sizePercent);
    const Row* row = FindRow(application, info->id);
    if (!x || !drawn) return findings;
    if (row == nullptr) return {{SizeProblem::NotListed, Severity::Warning}};

    const double xAt100 = *x * 100.0 / size;
    const auto horizontal = [&](double needed) {
        return PercentReaching(needed, xAt100, info->minPercent, info->maxPercent);
    };
    const auto minHeightAt = [&](double moduleMm) {
        return row->heightScales ? row->minHeightMm * moduleMm / kNominalEANUPC : row->minHeightMm;
    };
    // ITF-14's bars grow with its magnification: a target X its bars cannot stand at is no aim.
    const auto barsHoldAt = [&](unsigned short percent) {
        return ucc || drawn->barHeightMm * percent / size >= minHeightAt(xAt100 * percent / 100.0);
    };
    // Judged as drawn; the mends are magnifications to ask for, from the nominal sizes.
    const double drawnX = *x * drawnScale;
    const double drawnHeight = drawn->barHeightMm * drawnScale;
    if (drawnX < row->minX && !Near(drawnX, row->minX)) {
        findings.push_back({SizeProblem::XBelowMinimum, Severity::Failure, row->minX, drawnX,
                            horizontal(std::max(row->minX, row->targetX))});
    } else if (drawnX > row->maxX && !Near(drawnX, row->maxX)) {
        findings.push_back({SizeProblem::XAboveMaximum, Severity::Failure, row->maxX, drawnX,
                            horizontal(row->targetX)});
    } else if (std::fabs(drawnX - row->targetX) > kTargetTolerance * row->targetX) {
        const unsigned short target = horizontal(row->targetX);
        if (target > 0 && barsHoldAt(target))
            findings.push_back(
                {SizeProblem::XOffTarget, Severity::Warning, row->targetX, drawnX, target});
    }

    const double minHeight = minHeightAt(drawnX);
    if (drawnHeight < minHeight && !Near(drawnHeight, minHeight)) {
        SizeFinding bars{SizeProblem::BarsTooShort, Severity::Failure, minHeight, drawnHeight};
        const double heightAt100 =
            drawn->barHeightMm * 100.0 / (ucc ? request.vSizePercent : request.sizePercent);
        bars.vertical = ucc;
        bars.mendPercent = ucc ? PercentReaching(minHeight, heightAt100, 100, info->maxVPercent)
                               : horizontal(minHeight / heightAt100 * xAt100);
        findings.push_back(bars);
    }
    const int quietDrawn = std::min(drawn->quietLeftModules - row->quietLeft,
                                    drawn->quietRightModules - row->quietRight);
    if (quietDrawn < 0)
        findings.push_back({SizeProblem::QuietZone, Severity::Failure,
                            double(std::max(row->quietLeft, row->quietRight)),
                            double(std::min(drawn->quietLeftModules, drawn->quietRightModules))});
    return findings;
}

}  // namespace quillmark
