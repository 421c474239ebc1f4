// The module of the 2D encoders: their libraries behind one C entry.
#include "encoders/MatrixModule.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) void quillmark_encode_matrix(
    const quillmark::MatrixOrder* order, std::optional<quillmark::ModuleMatrix>* result) {
    using quillmark::MatrixEncoder;
    switch (order->encoder) {
        case MatrixEncoder::GS1DataMatrix:
            *result = quillmark::EncodeGS1DataMatrix(order->data, order->rectangular);
            return;
        case MatrixEncoder::GS1QR:
            *result = quillmark::EncodeGS1QR(order->data, order->level);
            return;
        case MatrixEncoder::TextQR:
            *result = quillmark::EncodeTextQR(order->data, order->level);
            return;
    }
    result->reset();
}

static_assert(std::is_same_v<decltype(&quillmark_encode_matrix), quillmark::MatrixEntry>);
