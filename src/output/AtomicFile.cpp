// Checked, all-or-nothing file writes with POSIX calls: a temporary, fsync, rename; devices and
// open descriptors written in place.
#include "output/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>
#include <random>

namespace quillmark {
namespace {

// The longest part of the target's name carried into the temporary's name: with the dot before
// and the random suffix after it the name stays within NAME_MAX (255).
constexpr std::size_t kNameKept = 200;
// As many links as the kernel follows in one path.
constexpr int kMaxLinks = 40;
// A temporary this old, unlocked and empty is taken for a dead writer's even though it has no
// bytes yet (a live writer locks its temporary right after creating it).
constexpr std::time_t kEmptyTemporaryAge = 5;

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// The temporaries being written, for the signal handler: it may only read atomics and call
// unlink, so each slot keeps its own buffer and a state that says when the name in it is whole.
// More writes at once than slots simply go unguarded.
struct TemporarySlot {
    enum State { Free, Filling, Live };
    std::atomic<int> state{Free};
    char name[PATH_MAX]{};
};
std::array<TemporarySlot, 64> temporarySlots;

int GuardTemporary(const std::string& name) {
    if (name.size() >= PATH_MAX) return -1;
    for (std::size_t i = 0; i < temporarySlots.size(); ++i) {
        TemporarySlot& slot = temporarySlots[i];
        int expected = TemporarySlot::Free;
        if (!slot.state.compare_exchange_strong(expected, TemporarySlot::Filling)) continue;
        std::memcpy(slot.name, name.c_str(), name.size() + 1);
        slot.state.store(TemporarySlot::Live, std::memory_order_release);
        return static_cast<int>(i);
    }
    return -1;
}

void ReleaseTemporary(int slot) {
    if (slot >= 0)
        temporarySlots[static_cast<std::size_t>(slot)].state.store(TemporarySlot::Free,
                                                                   std::memory_order_release);
}

void RemoveTemporariesAndDie(int signal) {
    const int savedErrno = errno;
    for (TemporarySlot& slot : temporarySlots)
        if (slot.state.load(std::memory_order_acquire) == TemporarySlot::Live) unlink(slot.name);
    errno = savedErrno;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Creates the new file name exclusively, with the mode 0666 less the umask that open gives every
// new file (mkstemp's is 0600), and locks it: the lock tells other writers that its writer lives.
int CreateLocked(const std::string& name) {
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) flock(fd, LOCK_EX | LOCK_NB);
    return fd;
}

// The suffix a target's first temporary takes, the same in every run, so that a temporary left by
// a killed writer is found by name without listing the folder.
std::string UsualSuffix(const std::string& target) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : target) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    std::string suffix;
    for (int i = 0; i < 6; ++i, hash >>= 6) suffix += kLetters[hash % (sizeof kLetters - 1)];
    return suffix;
}

// Removes name when it is a temporary of ours whose writer is gone: a regular file of this user
// with one link that nobody holds locked. Anything else (a live writer's, another user's, a
// link) is left alone.
void RemoveIfAbandoned(const std::string& name) {
    const int fd = open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    const bool ours =
        fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() && st.st_nlink == 1;
    const bool old = st.st_size > 0 || std::time(nullptr) - st.st_mtime >= kEmptyTemporaryAge;
    if (ours && old && flock(fd, LOCK_EX | LOCK_NB) == 0) unlink(name.c_str());
    close(fd);
}

// Creates "<prefix><suffix>": first the usual suffix (clearing a dead writer's file of that name),
// then random ones. The descriptor, or -1 with errno set.
int CreateTemporary(std::string& name, const std::string& prefix, const std::string& target) {
    name = prefix + UsualSuffix(target);
    int fd = CreateLocked(name);
    if (fd >= 0 || errno != EEXIST) return fd;
    RemoveIfAbandoned(name);
    fd = CreateLocked(name);
    if (fd >= 0 || errno != EEXIST) return fd;
    thread_local std::mt19937_64 random{std::random_device{}() ^
                                        static_cast<std::uint64_t>(getpid()) << 32};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix;
        for (std::uint64_t bits = random(), i = 0; i < 6; ++i, bits >>= 6)
            name += kLetters[bits % (sizeof kLetters - 1)];
        fd = CreateLocked(name);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;  // errno is EEXIST
}

// The folder part of a path with its trailing slash; empty for a bare name.
std::string Folder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// What the kernel's protected_symlinks refuses: a link in a sticky world-writable folder whose
// owner is neither the user nor the folder's owner (another user's link planted in /tmp).
bool IsPlantedLink(const std::string& link, const struct stat& linkStat) {
    if (linkStat.st_uid == geteuid()) return false;
    const std::string folder = Folder(link);
    struct stat dir {};
    if (stat(folder.empty() ? "." : folder.c_str(), &dir) != 0) return false;
    return (dir.st_mode & S_ISVTX) != 0 && (dir.st_mode & S_IWOTH) != 0 &&
           linkStat.st_uid != dir.st_uid;
}

// The file a path names after its symbolic links (also one to a file not made yet), so that
// replacing it keeps the link. A loop of links is left as it is; stat then fails with ELOOP.
// Sets planted when a link on the way is one the kernel would refuse to follow.
std::string FollowLinks(std::string path, bool& planted) {
    for (int depth = 0; depth < kMaxLinks; ++depth) {
        struct stat link {};
        if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) break;
        if (IsPlantedLink(path, link)) {
            planted = true;
            break;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length <= 0) break;
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : Folder(path) + target;
    }
    return path;
}

// The descriptor a path names when it is one of the program's own: /dev/stdout, /dev/stderr,
// /dev/fd/N or /proc/self/fd/N. Opening such a path anew would start a regular file from the
// beginning and cannot reopen a pipe's end, so it is written through the descriptor itself.
std::optional<int> OwnDescriptor(const std::string& path) {
    if (path == "/dev/stdout") return STDOUT_FILENO;
    if (path == "/dev/stderr") return STDERR_FILENO;
    for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
        if (!path.starts_with(folder)) continue;
        const char* first = path.data() + folder.size();
        const char* last = path.data() + path.size();
        int fd = -1;
        const auto [end, error] = std::from_chars(first, last, fd);
        if (error == std::errc{} && end == last && first != last) return fd;
    }
    return std::nullopt;
}

// Sets handler for signal where the program left the default action; a signal the program (or
// whoever started it, such as nohup) ignores or handles itself keeps that.
void ReplaceDefaultAction(int signal, void (*handler)(int)) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) != 0) return;
    if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) return;
    struct sigaction replacement {};
    replacement.sa_handler = handler;
    sigemptyset(&replacement.sa_mask);
    sigaction(signal, &replacement, nullptr);
}

}  // namespace

void IgnoreFileSizeSignal() {
    ReplaceDefaultAction(SIGXFSZ, SIG_IGN);
}

void RemoveTemporariesOnSignals() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ReplaceDefaultAction(signal, RemoveTemporariesAndDie);
}

std::string CannotWrite(const std::string& path, std::string_view reason) {
    std::string message = "cannot write \"" + path + "\": ";
    message += reason;
    return message;
}

AtomicFile::AtomicFile(const std::string& path) : path_(path) {
    IgnoreFileSizeSignal();
    Open(path);
}

void AtomicFile::Open(const std::string& path) {
    if (path.empty()) return FailWithErrno(ENOENT);
    // The system reads a name up to its first NUL: "a\0.png" would write "a".
    if (path.find('\0') != std::string::npos) return Fail("the name holds a NUL character");
    if (const std::optional<int> fd = OwnDescriptor(path)) {
        const int copy = fcntl(*fd, F_DUPFD_CLOEXEC, 0);
        return copy >= 0 ? OpenInPlace(copy) : FailWithErrno(errno);
    }
    bool planted = false;
    target_ = FollowLinks(path, planted);
    if (planted)
        return Fail(
            "it is a symbolic link that another user made in a shared folder; it is not "
            "followed");
    struct stat existing {};
    if (stat(path.c_str(), &existing) != 0)
        return errno == ENOENT ? OpenTemporary(false, 0) : FailWithErrno(errno);
    if (S_ISDIR(existing.st_mode)) return FailWithErrno(EISDIR);
    if (S_ISBLK(existing.st_mode)) return Fail("it is a block device");
    if (!S_ISREG(existing.st_mode)) {
        // A device, FIFO or socket keeps its node: null and full devices and pipes work as they
        // do for every other program. A FIFO waits here for its reader, as they do.
        const int fd = open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        return fd >= 0 ? OpenInPlace(fd) : FailWithErrno(errno);
    }
    // A file its owner made read-only is not replaced behind its back.
    if (access(target_.c_str(), W_OK) != 0) return FailWithErrno(errno);
    OpenTemporary(true, existing.st_mode & 07777);
}

void AtomicFile::OpenInPlace(int fd) {
    fd_ = fd;
    inPlace_ = true;
}

void AtomicFile::OpenTemporary(bool replacing, unsigned existingMode) {
    const std::size_t slash = target_.rfind('/');
    const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    std::string temporary;
    const int fd = CreateTemporary(
        temporary, Folder(target_) + "." + name.substr(0, kNameKept) + ".", target_);
    if (fd < 0) return FailWithErrno(errno);
    fd_ = fd;
    temporary_ = std::move(temporary);
    slot_ = GuardTemporary(temporary_);
    // Where the file system has no permissions to set (FAT), the file keeps its defaults.
    if (replacing) fchmod(fd_, existingMode);
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
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
    ReleaseTemporary(slot_);
    slot_ = -1;
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

Result<void> AtomicFile::Commit() {
    if (!Ok()) return Failure{error_};
    // Some file systems write (and fail) only now: a full disk or a lost connection. Devices
    // and pipes cannot be synced (EINVAL, EROFS), and need not be.
    if (fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) {
        FailWithErrno(errno);
        return Failure{error_};
    }
    // The temporary is renamed while still locked, so that no other writer takes it for a dead
    // writer's in between.
    if (!inPlace_ && std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        FailWithErrno(errno);
        return Failure{error_};
    }
    temporary_.clear();
    ReleaseTemporary(slot_);
    slot_ = -1;
    const int closed = close(fd_);
    fd_ = -1;
    if (closed != 0 && errno != EINTR) {
        FailWithErrno(errno);
        return Failure{error_};
    }
    return {};
}

Result<void> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    file.Write(bytes);
    return file.Commit();
}

}  // namespace quillmark
