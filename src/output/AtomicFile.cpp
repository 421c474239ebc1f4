// Checked, all-or-nothing file writes with POSIX calls: a temporary, fsync, rename.
#include "output/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>

namespace quillmark {
namespace {

// The longest part of the target's name carried into the temporary's name: with the dot before
// and the random suffix after it the name stays within NAME_MAX (255).
constexpr std::size_t kNameKept = 200;
// As many links as the kernel follows in one path.
constexpr int kMaxLinks = 40;

// Creates a new file "<prefix>XXXXXX" with a random suffix, as mkstemp does, but with the mode
// 0666 less the umask that open gives every new file (mkstemp's is 0600): a new target gets the
// permissions any other program's new file would. The descriptor, or -1 with errno set.
int CreateTemporary(std::string& name, const std::string& prefix) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}() ^
                                        static_cast<std::uint64_t>(getpid()) << 32};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix;
        for (std::uint64_t bits = random(), i = 0; i < 6; ++i, bits >>= 6)
            name += kLetters[bits % (sizeof kLetters - 1)];
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;  // errno is EEXIST
}

// The folder part of a path with its trailing slash; empty for a bare name.
std::string Folder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a path names after its symbolic links (also one to a file not made yet), so that
// replacing it keeps the link. A loop of links is left as it is; stat then fails with ELOOP.
std::string FollowLinks(std::string path) {
    for (int depth = 0; depth < kMaxLinks; ++depth) {
        struct stat link {};
        if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) break;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length <= 0) break;
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : Folder(path) + target;
    }
    return path;
}

}  // namespace

void IgnoreFileSizeSignal() {
    struct sigaction current {};
    if (sigaction(SIGXFSZ, nullptr, &current) != 0) return;
    if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) return;
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, nullptr);
}

std::string CannotWrite(const std::string& path, std::string_view reason) {
    std::string message = "cannot write \"" + path + "\": ";
    message += reason;
    return message;
}

AtomicFile::AtomicFile(const std::string& path) : path_(path), target_(FollowLinks(path)) {
    IgnoreFileSizeSignal();
    if (path.empty()) {
        FailWithErrno(ENOENT);
        return;
    }
    struct stat existing {};
    bool replacing = false;
    if (stat(target_.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) {
            FailWithErrno(EISDIR);
            return;
        }
        // A file its owner made read-only is not replaced behind its back.
        if (access(target_.c_str(), W_OK) != 0) {
            FailWithErrno(errno);
            return;
        }
        replacing = true;
    } else if (errno != ENOENT) {
        FailWithErrno(errno);
        return;
    }
    const std::size_t slash = target_.rfind('/');
    const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    std::string temporary;
    const int fd =
        CreateTemporary(temporary, Folder(target_) + "." + name.substr(0, kNameKept) + ".");
    if (fd < 0) {
        FailWithErrno(errno);
        return;
    }
    fd_ = fd;
    temporary_ = std::move(temporary);
    // Where the file system has no permissions to set (FAT), the file keeps its defaults.
    if (replacing) fchmod(fd_, existing.st_mode & 07777);
}

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::Write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (Ok() && size > 0) {
        const ssize_t written = ::write(fd_, bytes, std::min<std::size_t>(size, SSIZE_MAX));
        if (written < 0 && errno == EINTR) continue;
        // A write that takes nothing, without a reason, is a full disk.
        if (written <= 0) {
            FailWithErrno(written < 0 ? errno : ENOSPC);
            break;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return Ok();
}

void AtomicFile::Fail(std::string_view reason) {
    if (!Ok()) return;
    error_ = CannotWrite(path_, reason);
    Discard();
}

void AtomicFile::FailWithErrno(int systemError) {
    Fail(std::strerror(systemError));
}

void AtomicFile::Discard() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
}

std::string AtomicFile::Commit() {
    if (!Ok()) return error_;
    // Some file systems write (and fail) only now: a full disk or a lost connection.
    if (fsync(fd_) != 0 && errno != EINVAL) {
        FailWithErrno(errno);
        return error_;
    }
    const int closed = close(fd_);
    fd_ = -1;
    if (closed != 0 && errno != EINTR) {
        FailWithErrno(errno);
        return error_;
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        FailWithErrno(errno);
        return error_;
    }
    temporary_.clear();
    return error_;
}

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    file.Write(bytes);
    return file.Commit();
}

}  // namespace quillmark
