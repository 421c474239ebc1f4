// Files written through a temporary that replaces the target only when every byte reached the disk.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <string>

namespace quillmark {

// The message of every failed write: the file named and the system's reason.
std::string CannotWrite(const QString& path, const QString& reason);

// Wraps QSaveFile without write buffering, so that every write reaches the system at once and a
// failure (a full disk, a file size limit) is seen with the system's own reason. After the first
// failure further writes are ignored and Commit() reports it; the target stays as it was.
class AtomicFile {
public:
    explicit AtomicFile(const QString& path);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool Ok() const { return error_.empty(); }
    bool Write(const char* data, qint64 size);
    bool Write(const QByteArray& bytes) { return Write(bytes.constData(), bytes.size()); }
    // Records a failure of the caller's own (an encoder's) so that nothing is committed.
    void Fail(const QString& reason);
    // Replaces the target with what was written. Empty on success; otherwise the message.
    std::string Commit();

private:
    QString path_;
    QSaveFile file_;
    std::string error_;
};

// Writes bytes to path in one piece through AtomicFile. Empty on success; otherwise the message.
std::string WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace quillmark
