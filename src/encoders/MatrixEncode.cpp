// GS1 DataMatrix and QR Code symbols encoded into their module matrices by libdmtx and libqrencode.
#include "encoders/MatrixEncode.h"

#include <dmtx.h>
#include <qrencode.h>
#include <zint.h>

#include <memory>

#include "ai/FieldCharacters.h"

namespace quillmark {

namespace {

QRecLevel LibraryLevel(QRLevel level) {
    switch (level) {
        case QRLevel::L:
            return QR_ECLEVEL_L;
        case QRLevel::Q:
            return QR_ECLEVEL_Q;
        case QRLevel::H:
            return QR_ECLEVEL_H;
        case QRLevel::M:
            break;
    }
    return QR_ECLEVEL_M;
}

std::optional<ModuleMatrix> MatrixOfQR(QRcode* code) {
    if (code == nullptr) return std::nullopt;
    ModuleMatrix m;
    m.width = m.height = code->width;
    const std::size_t n =
        static_cast<std::size_t>(code->width) * static_cast<std::size_t>(code->width);
    m.dark.resize(n);
    for (std::size_t i = 0; i < n; ++i) m.dark[i] = code->data[i] & 1;
    QRcode_free(code);
    return m;
}

// The modules of a symbol libdmtx has placed: the solid finder edges and the dotted timing edges
// of each data region, and between them the mapping matrix's data modules. libdmtx's
// dmtxSymbolModuleStatus gives the same one module at a time, looking up four of the symbol's
// attributes at every call: most of an encoding's time.
ModuleMatrix DataMatrixModules(const DmtxMessage& message, int sizeIdx) {
    const int regionRows = dmtxGetSymbolAttribute(DmtxSymAttribDataRegionRows, sizeIdx) + 2;
    const int regionCols = dmtxGetSymbolAttribute(DmtxSymAttribDataRegionCols, sizeIdx) + 2;
    const int mappingCols = dmtxGetSymbolAttribute(DmtxSymAttribMappingMatrixCols, sizeIdx);
    ModuleMatrix m;
    m.width = dmtxGetSymbolAttribute(DmtxSymAttribSymbolCols, sizeIdx);
    m.height = dmtxGetSymbolAttribute(DmtxSymAttribSymbolRows, sizeIdx);
    m.dark.resize(static_cast<std::size_t>(m.width) * static_cast<std::size_t>(m.height));
    for (int y = 0; y < m.height; ++y) {
        // libdmtx counts rows from the bottom, where the solid finder edge is row 0.
        const int row = m.height - 1 - y;
        const int mappingRow = y - 1 - 2 * (y / regionRows);
        for (int x = 0; x < m.width; ++x) {
            bool dark = false;
            if (row % regionRows == 0 || x % regionCols == 0)
                dark = true;
            else if ((row + 1) % regionRows == 0)
                dark = x % 2 == 0;
            else if ((x + 1) % regionCols == 0)
                dark = row % 2 == 0;
            else
                dark = (message.array[mappingRow * mappingCols + x - 1 - 2 * (x / regionCols)] &
                        DmtxModuleOnRGB) != 0;
            m.dark[static_cast<std::size_t>(y * m.width + x)] = dark;
        }
    }
    return m;
}

}  // namespace

std::optional<ModuleMatrix> EncodeGS1DataMatrix(std::string_view gs1Data, bool rectangular) {
    if (gs1Data.empty()) return std::nullopt;
    const std::unique_ptr<DmtxEncode, void (*)(DmtxEncode*)> encode(
        dmtxEncodeCreate(), [](DmtxEncode* e) { dmtxEncodeDestroy(&e); });
    if (!encode) return std::nullopt;
    // GS stands for FNC1 in the input: the leading one marks the symbol as GS1, the others
    // separate element strings. ASCII encodation packs digit pairs, and GS1 data is mostly digits.
    dmtxEncodeSetProp(encode.get(), DmtxPropFnc1, kGroupSeparator);
    dmtxEncodeSetProp(encode.get(), DmtxPropScheme, DmtxSchemeAscii);
    dmtxEncodeSetProp(encode.get(), DmtxPropSizeRequest,
                      rectangular ? DmtxSymbolRectAuto : DmtxSymbolSquareAuto);
    dmtxEncodeSetProp(encode.get(), DmtxPropMarginSize, 0);
    dmtxEncodeSetProp(encode.get(), DmtxPropModuleSize, 1);
    // libdmtx also paints the symbol into a picture of its own, which is not used: one grey
    // channel costs a third of its three colour channels.
    dmtxEncodeSetProp(encode.get(), DmtxPropPixelPacking, DmtxPack8bppK);
    std::string input(1, kGroupSeparator);
    input += gs1Data;
    if (dmtxEncodeDataMatrix(encode.get(), static_cast<int>(input.size()),
                             reinterpret_cast<unsigned char*>(input.data())) != DmtxPass)
        return std::nullopt;
    return DataMatrixModules(*encode->message, encode->region.sizeIdx);
}

std::optional<ModuleMatrix> EncodeGS1QR(std::string_view fieldText, QRLevel level) {
    const std::string bracketed = BracketedElementString(fieldText);
    if (bracketed.empty() || bracketed.front() != '[') return std::nullopt;
    const std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(),
                                                                      ZBarcode_Delete);
    if (!symbol) return std::nullopt;
    symbol->symbology = BARCODE_QRCODE;
    // The dictionary's checks are the program's own (they run on every symbol): zint only encodes.
    symbol->input_mode = GS1_MODE | GS1NOCHECK_MODE;
    symbol->option_1 = static_cast<int>(level) + 1;  // 1 = L to 4 = H
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(bracketed.data()),
                        static_cast<int>(bracketed.size())) >= ZINT_ERROR)
        return std::nullopt;
    ModuleMatrix m;
    m.width = symbol->width;
    m.height = symbol->rows;
    m.dark.resize(static_cast<std::size_t>(m.width) * static_cast<std::size_t>(m.height));
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            m.dark[static_cast<std::size_t>(y * m.width + x)] =
                (symbol->encoded_data[y][x >> 3] >> (x & 7)) & 1;
    return m;
}

std::optional<ModuleMatrix> EncodeTextQR(std::string_view text, QRLevel level) {
    if (text.empty()) return std::nullopt;
    const std::string terminated(text);
    return MatrixOfQR(
        QRcode_encodeString(terminated.c_str(), 0, LibraryLevel(level), QR_MODE_8, 1));
}

std::string MatrixEncodersProblem() {
    return {};
}

}  // namespace quillmark
