// libjpeg's calls, opened on the first JPEG written or read: most pictures are PNG, and a process
// that writes one should not load libjpeg at start-up.
#pragma once

// jpeglib.h needs FILE and size_t declared first.
#include <cstddef>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "raster/OnDemandLibrary.h"

namespace quillmark {

// clang-format off
#define QUILLMARK_JPEG_CALLS(X)                                                            \
    X(jpeg_std_error) X(jpeg_CreateCompress) X(jpeg_mem_dest) X(jpeg_set_defaults)         \
    X(jpeg_set_quality) X(jpeg_start_compress) X(jpeg_write_scanlines)                     \
    X(jpeg_finish_compress) X(jpeg_destroy_compress) X(jpeg_CreateDecompress)              \
    X(jpeg_stdio_src) X(jpeg_read_header) X(jpeg_start_decompress) X(jpeg_read_scanlines)  \
    X(jpeg_finish_decompress) X(jpeg_destroy_decompress)
// clang-format on

// libjpeg, opened on the first call of Jpeg().
QUILLMARK_ON_DEMAND_CALLS(JpegCalls, Jpeg, QUILLMARK_JPEG_CALLS, QUILLMARK_JPEG_SONAME)

}  // namespace quillmark
