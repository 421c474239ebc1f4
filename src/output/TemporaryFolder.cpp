// The private temporary folder, checked with POSIX calls on a descriptor opened without following
// a symbolic link, so that what is checked is what is used.
#include "output/TemporaryFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace quillmark {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("TemporaryFolder", text);
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Creates folder with mode 0700 when missing; then checks and tightens it. The problem, or empty.
QString MakePrivateFolder(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    if (mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return Tr("Не удаётся создать папку: %1").arg(SystemReason(errno));
    struct stat link {};
    if (lstat(name.constData(), &link) != 0) return SystemReason(errno);
    if (S_ISLNK(link.st_mode))
        return Tr("Папка — символическая ссылка; в неё ничего не записывается.");
    if (!S_ISDIR(link.st_mode)) return Tr("Это не папка.");
    const int fd = open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP || errno == ENOTDIR)
            return Tr("Папка — символическая ссылка; в неё ничего не записывается.");
        return SystemReason(errno);
    }
    QString problem;
    struct stat status {};
    if (fstat(fd, &status) != 0)
        problem = SystemReason(errno);
    else if (!S_ISDIR(status.st_mode))
        problem = Tr("Это не папка.");
    else if (status.st_uid != geteuid())
        problem = Tr("Папка принадлежит другому пользователю; в неё ничего не записывается.");
    else if ((status.st_mode & 07777) != 0700 && fchmod(fd, 0700) != 0)
        problem =
            Tr("Не удаётся закрыть папку от других пользователей: %1").arg(SystemReason(errno));
    close(fd);
    return problem;
}

}  // namespace

TemporaryFolder WindowTemporaryFolder() {
    const QString temp = qEnvironmentVariable("TEMP");
    if (!temp.isEmpty()) return {QDir::cleanPath(temp), {}};
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString base;
    // A runtime folder that is set but missing (a session without one) falls back to the cache.
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir()) {
        base = QDir::cleanPath(runtime);
    } else {
        const QString home = QDir::homePath();
        base = QDir::cleanPath(home + QStringLiteral("/.cache"));
        // ~/.cache itself, when missing, is made the user's alone as well.
        if (mkdir(QFile::encodeName(base).constData(), 0700) != 0 && errno != EEXIST)
            return {base + QStringLiteral("/quillmark"),
                    Tr("Не удаётся создать папку %1: %2")
                        .arg(QDir::toNativeSeparators(base), SystemReason(errno))};
    }
    TemporaryFolder folder{base + QStringLiteral("/quillmark"), {}};
    folder.problem = MakePrivateFolder(folder.path);
    return folder;
}

QString ForeignFileProblem(const QString& path) {
    struct stat status {};
    if (lstat(QFile::encodeName(path).constData(), &status) != 0) return {};
    if (S_ISLNK(status.st_mode))
        return Tr(
            "На этом месте символическая ссылка; файл, на который она указывает, не "
            "заменяется.");
    if (!S_ISDIR(status.st_mode) && status.st_uid != geteuid())
        return Tr("Файл принадлежит другому пользователю.");
    return {};
}

}  // namespace quillmark
