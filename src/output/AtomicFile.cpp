// Checked, all-or-nothing file writes.
#include "output/AtomicFile.h"

#include <cerrno>
#include <cstring>

namespace quillmark {

std::string CannotWrite(const QString& path, const QString& reason) {
    return ("cannot write \"" + path + "\": " + reason).toStdString();
}

AtomicFile::AtomicFile(const QString& path) : path_(path), file_(path) {
    errno = 0;
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int systemError = errno;
        // QSaveFile names the temporary file in its own message; the user knows only the target.
        error_ =
            CannotWrite(path_, systemError != 0 ? QString::fromLocal8Bit(std::strerror(systemError))
                                                : file_.errorString());
    }
}

bool AtomicFile::Write(const char* data, qint64 size) {
    if (!Ok()) return false;
    while (size > 0) {
        errno = 0;
        const qint64 written = file_.write(data, size);
        if (written <= 0) {
            // Qt reports some write errors (a full disk, a file size limit) only as "Unknown
            // error"; the system's own reason tells the user what to do.
            const int systemError = errno;
            Fail(systemError != 0 ? QString::fromLocal8Bit(std::strerror(systemError))
                                  : file_.errorString());
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

void AtomicFile::Fail(const QString& reason) {
    if (!Ok()) return;
    error_ = CannotWrite(path_, reason);
    file_.cancelWriting();
}

std::string AtomicFile::Commit() {
    if (!Ok()) return error_;
    errno = 0;
    if (!file_.commit()) {
        const int systemError = errno;
        error_ =
            CannotWrite(path_, systemError != 0 ? QString::fromLocal8Bit(std::strerror(systemError))
                                                : file_.errorString());
    }
    return error_;
}

std::string WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    AtomicFile file(path);
    file.Write(bytes);
    return file.Commit();
}

}  // namespace quillmark
