// quillmark-render's 2D encoders: the module's, loaded with the first 2D symbol, so that a linear
// symbol starts without libdmtx, libqrencode and libzint.
#include "cli/ModuleLoader.h"
#include "encoders/MatrixModule.h"

namespace quillmark {

namespace {

const ModuleEntry& MatrixModule() {
    return LoadModuleEntry(kMatrixModuleFile, kMatrixEntry, "cannot make 2D symbols");
}

std::optional<ModuleMatrix> Encode(MatrixOrder order) {
    std::optional<ModuleMatrix> result;
    if (const auto entry = reinterpret_cast<MatrixEntry>(MatrixModule().address))
        entry(&order, &result);
    return result;
}

}  // namespace

std::string MatrixEncodersProblem() {
    return MatrixModule().error;
}

std::optional<ModuleMatrix> EncodeGS1DataMatrix(std::string_view gs1Data, bool rectangular) {
    return Encode({MatrixEncoder::GS1DataMatrix, std::string(gs1Data), rectangular, QRLevel::M});
}

std::optional<ModuleMatrix> EncodeGS1QR(std::string_view fieldText, QRLevel level) {
    return Encode({MatrixEncoder::GS1QR, std::string(fieldText), false, level});
}

std::optional<ModuleMatrix> EncodeTextQR(std::string_view text, QRLevel level) {
    return Encode({MatrixEncoder::TextQR, std::string(text), false, level});
}

}  // namespace quillmark
