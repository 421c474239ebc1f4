// JPEG through libjpeg's own API: full-resolution colour, high quality, JFIF density in dots/cm.
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>

#include <jpeglib.h>

#include "output/PictureWriter.h"

namespace quillmark {
namespace {

// libjpeg reports errors through error_exit, which must not return; the default one ends the
// process. Ours jumps back to the encoder with the message.
struct JpegJob {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    auto* job = static_cast<JpegJob*>(info->client_data);
    (*info->err->format_message)(info, job->message);
    std::longjmp(job->jump, 1);
}

// Kept free of objects with destructors: a longjmp out of libjpeg skips them.
bool Compress(JpegJob& job, const QImage& rgb32, int dotsPerCm) {
    job.info.err = jpeg_std_error(&job.errors);
    job.errors.error_exit = JumpOnError;
    job.info.client_data = &job;
    if (setjmp(job.jump) != 0) {
        jpeg_destroy_compress(&job.info);
        return false;
    }
    jpeg_create_compress(&job.info);
    jpeg_mem_dest(&job.info, &job.output, &job.outputSize);
    job.info.image_width = static_cast<JDIMENSION>(rgb32.width());
    job.info.image_height = static_cast<JDIMENSION>(rgb32.height());
    job.info.input_components = 4;
    // RGB32 holds 0xffRRGGBB words: B, G, R, X in memory on little-endian machines. The scan
    // lines go to the encoder as they are, without a converted copy.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    job.info.in_color_space = JCS_EXT_BGRX;
#else
    job.info.in_color_space = JCS_EXT_XRGB;
#endif
    jpeg_set_defaults(&job.info);
    jpeg_set_quality(&job.info, kJpegQuality, TRUE);
    for (int c = 0; c < job.info.num_components; ++c) {
        job.info.comp_info[c].h_samp_factor = 1;
        job.info.comp_info[c].v_samp_factor = 1;
    }
    job.info.write_JFIF_header = TRUE;
    job.info.density_unit = 2;  // dots per centimetre
    job.info.X_density = static_cast<UINT16>(dotsPerCm);
    job.info.Y_density = static_cast<UINT16>(dotsPerCm);
    jpeg_start_compress(&job.info, TRUE);
    while (job.info.next_scanline < job.info.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(rgb32.constScanLine(static_cast<int>(job.info.next_scanline)));
        jpeg_write_scanlines(&job.info, &row, 1);
    }
    jpeg_finish_compress(&job.info);
    jpeg_destroy_compress(&job.info);
    return true;
}

}  // namespace

std::string EncodeJpeg(const QImage& image, double dotsPerMm, QByteArray& jpeg) {
    jpeg.clear();
    if (image.isNull()) return "there is no picture";
    const QImage rgb32 = image.format() == QImage::Format_RGB32
                             ? image
                             : image.convertToFormat(QImage::Format_RGB32);
    JpegJob job;
    const bool ok = Compress(job, rgb32, DotsPerCentimetre(dotsPerMm));
    if (ok)
        jpeg = QByteArray(reinterpret_cast<const char*>(job.output),
                          static_cast<qsizetype>(job.outputSize));
    std::free(job.output);
    if (!ok) return std::string("JPEG encoding failed: ") + job.message;
    return {};
}

}  // namespace quillmark
