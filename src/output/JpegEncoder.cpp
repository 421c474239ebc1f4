// JPEG through libjpeg's own API: full-resolution colour, high quality, JFIF density in dots/cm.
#include <bit>
#include <csetjmp>
#include <cstdlib>

#include "output/JpegLibrary.h"
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
bool Compress(const JpegCalls& jpeg, JpegJob& job, const PictureRows& picture, int dotsPerCm) {
    job.info.err = jpeg.jpeg_std_error(&job.errors);
    job.errors.error_exit = JumpOnError;
    job.info.client_data = &job;
    if (setjmp(job.jump) != 0) {
        jpeg.jpeg_destroy_compress(&job.info);
        return false;
    }
    jpeg.jpeg_CreateCompress(&job.info, JPEG_LIB_VERSION, sizeof(job.info));
    jpeg.jpeg_mem_dest(&job.info, &job.output, &job.outputSize);
    job.info.image_width = static_cast<JDIMENSION>(picture.width);
    job.info.image_height = static_cast<JDIMENSION>(picture.height);
    job.info.input_components = 4;
    // The pixels are 0xffRRGGBB words: B, G, R, X in memory on little-endian machines. The rows
    // go to the encoder as they are, without a converted copy.
    job.info.in_color_space =
        std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg.jpeg_set_defaults(&job.info);
    jpeg.jpeg_set_quality(&job.info, kJpegQuality, TRUE);
    for (int c = 0; c < job.info.num_components; ++c) {
        job.info.comp_info[c].h_samp_factor = 1;
        job.info.comp_info[c].v_samp_factor = 1;
    }
    job.info.write_JFIF_header = TRUE;
    job.info.density_unit = 2;  // dots per centimetre
    job.info.X_density = static_cast<UINT16>(dotsPerCm);
    job.info.Y_density = static_cast<UINT16>(dotsPerCm);
    jpeg.jpeg_start_compress(&job.info, TRUE);
    while (job.info.next_scanline < job.info.image_height) {
        // libjpeg only reads the rows it is given.
        auto* row = reinterpret_cast<JSAMPROW>(
            const_cast<std::uint32_t*>(picture.Row(static_cast<int>(job.info.next_scanline))));
        jpeg.jpeg_write_scanlines(&job.info, &row, 1);
    }
    jpeg.jpeg_finish_compress(&job.info);
    jpeg.jpeg_destroy_compress(&job.info);
    return true;
}

}  // namespace

Result<std::string> EncodeJpeg(const PictureRows& picture, double dotsPerMm) {
    if (!picture.HasPixels()) return Failure{"there is no picture"};
    const JpegCalls& jpeg = Jpeg();
    if (!jpeg.error.empty()) return Failure{jpeg.error};
    JpegJob job;
    const bool ok = Compress(jpeg, job, picture, DotsPerCentimetre(dotsPerMm));
    std::string bytes;
    if (ok) bytes.assign(reinterpret_cast<const char*>(job.output), job.outputSize);
    std::free(job.output);
    if (!ok) return Failure{std::string("JPEG encoding failed: ") + job.message};
    return bytes;
}

}  // namespace quillmark
