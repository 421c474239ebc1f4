// The 2D encoders' module entry: libdmtx, libqrencode and libzint are loaded by quillmark-render
// with its first 2D symbol, not at every start.
#pragma once

#include <optional>
#include <string>

#include "encoders/MatrixEncode.h"

namespace quillmark {

inline constexpr char kMatrixModuleFile[] = "quillmark-matrix.so";
inline constexpr char kMatrixEntry[] = "quillmark_encode_matrix";

enum class MatrixEncoder { GS1DataMatrix, GS1QR, TextQR };

// One encoding: data as the encoder takes it (GS1 data, a field text or a URI); rectangular
// applies to DataMatrix, level to QR Code.
struct MatrixOrder {
    MatrixEncoder encoder = MatrixEncoder::GS1DataMatrix;
    std::string data;
    bool rectangular = false;
    QRLevel level = QRLevel::M;
};

// *result = the encoder's matrix, nullopt when no symbol holds the data.
using MatrixEntry = void (*)(const MatrixOrder* order, std::optional<ModuleMatrix>* result);

}  // namespace quillmark
