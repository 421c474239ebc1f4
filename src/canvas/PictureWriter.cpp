// Saving pictures through a temporary file that replaces the target only when complete.
#include "canvas/PictureWriter.h"

#include <cerrno>
#include <cstring>

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <QSaveFile>

namespace quillmark {

// The picture is encoded in memory first and then written in one piece, checking that every
// byte reached the disk before the old file is replaced: a write that fails part way (a full
// disk) must never leave a truncated picture in its place.
std::string SavePicture(const QImage& image, const QString& path, const char* format) {
    const auto failure = [&path](const QString& reason) {
        return ("cannot write \"" + path + "\": " + reason).toStdString();
    };
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) return failure(writer.errorString());

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return failure(file.errorString());
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // Qt reports some write errors (a full disk, a file size limit) only as "Unknown error";
        // the system's own reason tells the user what to do.
        const int systemError = errno;
        const QString reason = systemError != 0 ? QString::fromLocal8Bit(std::strerror(systemError))
                                                : file.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit()) return failure(file.errorString());
    return {};
}

}  // namespace quillmark
