// GS1 DataMatrix and QR Code symbols encoded into their module matrices by libdmtx and libqrencode.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

// A 2D symbol's modules, row by row from the top, without its quiet zone.
struct ModuleMatrix {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> dark;  // width * height entries, 1 for a dark module

    bool At(int x, int y) const {
        return dark[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)] != 0;
    }
};

// QR Code's error correction levels, each recovering more damage than the one before.
enum class QRLevel { L, M, Q, H };

// The GS1 data of a field text (8-bit notation) as a reader transmits it: spaces and parentheses
// dropped, FNC1 as GS except before the first data character (there it only marks the symbol as
// GS1), the control-character notation as the control characters, characters that no code set
// holds and FNC2 to FNC4 left out.
std::string GS1DataOfFieldText(std::string_view fieldText);

// ECC 200 with FNC1 first: the smallest square symbol that holds gs1Data (GS separating the
// element strings), or the smallest rectangular one. nullopt when no symbol holds it.
std::optional<ModuleMatrix> EncodeGS1DataMatrix(std::string_view gs1Data, bool rectangular);

// The field text's element strings with every AI in square brackets (the notation of GS1's
// syntax tools), the special characters and spaces left out: its parentheses mark the AIs.
std::string BracketedElementString(std::string_view fieldText);

// QR Code in FNC1 first mode of a field text whose every AI is in parentheses; nullopt for
// another text or one no symbol holds. libqrencode 4.1 cannot write the FNC1 first mode
// indicator (QRinput_setFNC1First fails every symbol), so libzint's GS1 mode encodes it.
std::optional<ModuleMatrix> EncodeGS1QR(std::string_view fieldText, QRLevel level);

// QR Code of plain text (a Digital Link URI), its modes chosen by libqrencode.
std::optional<ModuleMatrix> EncodeTextQR(std::string_view text, QRLevel level);

// Why no 2D symbol can be encoded here (the encoders' libraries missing), worded for the user;
// empty when they can. Programs that link the libraries always can; quillmark-render loads them
// with a module on its first 2D symbol.
std::string MatrixEncodersProblem();

}  // namespace quillmark
