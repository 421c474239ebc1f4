// libjpeg opened on first use: most pictures are PNG, and a process that writes one should not
// load libjpeg at start-up.
#include "output/JpegLibrary.h"

namespace quillmark {

const JpegCalls& Jpeg() {
    static const JpegCalls loaded = [] {
        static OnDemandLibrary library(QUILLMARK_JPEG_SONAME);
        JpegCalls calls;
        QUILLMARK_JPEG_CALLS(QUILLMARK_RESOLVE_CALL)
        calls.error = library.Error();
        return calls;
    }();
    return loaded;
}

}  // namespace quillmark
