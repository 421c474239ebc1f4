// Files written through a temporary that replaces the target only when every byte reached the disk.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "output/Result.h"

namespace quillmark {

// Past the file size limit the kernel sends SIGXFSZ, whose default action ends the process; with
// it ignored the write fails with EFBIG and is reported like a full disk. Leaves a handler of the
// program's own alone. AtomicFile calls it; writers that write files of their own call it first.
void IgnoreFileSizeSignal();

// On SIGINT, SIGTERM and SIGHUP the temporaries of unfinished writes are removed before the
// signal ends the process as it would have. A signal the program ignores or handles itself is
// left alone. Programs call it once at start.
void RemoveTemporariesOnSignals();

// The message of every failed write: the file named and the system's reason.
std::string CannotWrite(const std::string& path, std::string_view reason);

// Writes one file as every Unix tool would, without losing what was there before it is complete.
// A regular file (or a new one) is written to a temporary ".NAME.XXXXXX" next to it (the same
// file system, so that renaming it over the target replaces the target in one step); Commit()
// syncs it to the disk and renames it over the target. A target that is a symbolic link has the
// file it names replaced, except a link another user made in a sticky world-writable folder such
// as /tmp, which is refused as the kernel's protected_symlinks would (the program follows links
// itself, so the kernel's guard never applies). A character device, FIFO or socket is written in
// place, and /dev/stdout, /dev/stderr, /dev/fd/N and /proc/self/fd/N are the program's own open
// descriptor, written as it was opened (appending where it appends).
//
// Every write goes to the system at once and is checked: a failure (a full disk, the file size
// limit) is seen with the system's own reason; after the first failure further writes are ignored
// and Commit() reports it. An existing target's permissions are kept; a new file gets 0666 less
// the umask. Until Commit() succeeds the target stays as it was, and the temporary is removed on
// failure or when the object goes away uncommitted. A temporary left by a process that was killed
// is removed the next time the same file is written.
class AtomicFile {
public:
    explicit AtomicFile(const std::string& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool Ok() const { return error_.empty(); }
    bool Write(const void* data, std::size_t size);
    bool Write(std::string_view bytes) { return Write(bytes.data(), bytes.size()); }
    // Records a failure of the caller's own (an encoder's) so that nothing is committed.
    void Fail(std::string_view reason);
    // Replaces the target with what was written.
    Result<void> Commit();

private:
    void Open(const std::string& path);
    void FailWithErrno(int systemError);
    void OpenInPlace(int fd);
    void OpenTemporary(bool replacing, unsigned existingMode);
    void Discard();

    std::string path_;    // as the caller named it, for the messages
    std::string target_;  // the file replaced: path_ with symbolic links followed
    std::string temporary_;
    int fd_ = -1;
    int slot_ = -1;         // the temporary's place among those removed on a signal
    bool inPlace_ = false;  // written straight to the target, with no temporary
    std::string error_;
};

// Writes bytes to path in one piece through AtomicFile.
Result<void> WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace quillmark
