// Atomic writes: the replaced file keeps its permissions and links, and nothing is left behind.
#include "output/AtomicFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace quillmark {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/quillmark-atomic-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        dir_ = folder;
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    static void Put(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static mode_t Mode(const fs::path& path) {
        struct stat st {};
        return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    std::size_t Entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    fs::path dir_;
};

TEST_F(AtomicFileTest, ReplacedFilesKeepTheirPermissionsAndNewOnesFollowTheUmask) {
    const struct {
        const char* name;
        mode_t existing;  // 0: no file yet
        mode_t umask;
        mode_t expected;
    } cases[] = {
        {"private", 0600, 022, 0600},     {"group readable", 0640, 077, 0640},
        {"executable", 0755, 077, 0755},  {"new, umask 022", 0, 022, 0644},
        {"new, umask 027", 0, 027, 0640},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = dir_ / c.name;
        if (c.existing != 0) {
            Put(path, "old");
            ASSERT_EQ(chmod(path.c_str(), c.existing), 0);
        }
        const mode_t saved = umask(c.umask);
        const std::string error = WriteFileAtomically(path, "new contents").error();
        umask(saved);
        EXPECT_EQ(error, "");
        EXPECT_EQ(Read(path), "new contents");
        EXPECT_EQ(Mode(path), c.expected) << std::oct << Mode(path);
    }
}

// A target that is a symbolic link stays one: the file it names is replaced, also through a
// relative link and a link to a file not made yet.
TEST_F(AtomicFileTest, WritingThroughALinkReplacesTheFileItNames) {
    fs::create_directory(dir_ / "labels");
    Put(dir_ / "labels" / "real.png", "old");
    fs::create_symlink("labels/real.png", dir_ / "relative.png");
    fs::create_symlink(dir_ / "labels" / "later.png", dir_ / "dangling.png");
    for (const char* link : {"relative.png", "dangling.png"}) {
        SCOPED_TRACE(link);
        EXPECT_EQ(WriteFileAtomically(dir_ / link, link).error(), "");
        EXPECT_TRUE(fs::is_symlink(dir_ / link));
        EXPECT_EQ(Read(dir_ / link), link);
    }
    EXPECT_EQ(Read(dir_ / "labels" / "real.png"), "relative.png");
    EXPECT_EQ(Read(dir_ / "labels" / "later.png"), "dangling.png");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "labels"), {}), 2);
}

// A write given up (an encoder's failure, or the object dropped before Commit) removes its
// temporary and leaves the target as it was; the message names the file.
TEST_F(AtomicFileTest, AbandonedWritesLeaveNoTemporaryAndTheTargetUntouched) {
    const fs::path path = dir_ / "label.png";
    Put(path, "yesterday");
    {
        AtomicFile file(path);
        ASSERT_TRUE(file.Write("half a pic"));
        EXPECT_EQ(Entries(), 2u);  // the temporary, next to the target
        file.Fail("the encoder gave up");
        EXPECT_FALSE(file.Write("more"));
        EXPECT_EQ(file.Commit().error(),
                  "cannot write \"" + path.string() + "\": the encoder gave up");
    }
    {
        AtomicFile file(path);
        ASSERT_TRUE(file.Write("never committed"));
    }
    EXPECT_EQ(Read(path), "yesterday");
    EXPECT_EQ(Entries(), 1u);
    // A folder in the target's place is refused before anything is written.
    fs::create_directory(dir_ / "folder.png");
    EXPECT_EQ(WriteFileAtomically(dir_ / "folder.png", "x").error(),
              "cannot write \"" + (dir_ / "folder.png").string() + "\": " + std::strerror(EISDIR));
    EXPECT_EQ(Entries(), 2u);
}

// Another user's link in a sticky world-writable folder (a link planted in /tmp) is refused, as
// the kernel refuses it, and the file it names is left as it was; every other link is followed.
TEST_F(AtomicFileTest, LinksAnotherUserPlantedInASharedFolderAreRefused) {
    if (geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
    constexpr uid_t kOther = 4242;
    const struct {
        const char* name;
        mode_t folderMode;
        uid_t folderOwner;
        uid_t linkOwner;
        bool refused;
    } cases[] = {
        {"another user's link in /tmp", 01777, 0, kOther, true},
        {"the user's own link in /tmp", 01777, 0, 0, false},
        {"another user's link in a folder that is not sticky", 0777, 0, kOther, false},
        {"the folder owner's link in a sticky folder", 01777, kOther, kOther, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path shared = dir_ / "shared";
        const fs::path victim = dir_ / "victim";
        fs::remove_all(shared);
        Put(victim, "the victim's own");
        fs::create_directory(shared);
        ASSERT_EQ(chmod(shared.c_str(), c.folderMode), 0);
        ASSERT_EQ(chown(shared.c_str(), c.folderOwner, 0), 0);
        fs::create_symlink(victim, shared / "label.png");
        ASSERT_EQ(lchown((shared / "label.png").c_str(), c.linkOwner, 0), 0);
        const std::string error = WriteFileAtomically(shared / "label.png", "a picture").error();
        EXPECT_EQ(error.empty(), !c.refused) << error;
        EXPECT_EQ(Read(victim), c.refused ? "the victim's own" : "a picture");
        if (c.refused) {
            EXPECT_NE(error.find("another user"), std::string::npos) << error;
        }
        EXPECT_EQ(Entries(), 2u);  // no temporary left beside the victim
        EXPECT_EQ(std::distance(fs::directory_iterator(shared), {}), 1);
    }
}

// Devices and pipes keep their nodes and behave as for every other program: the null device
// takes everything, the full device's "no space" is reported, a FIFO's reader gets the bytes.
TEST_F(AtomicFileTest, DevicesAndPipesAreWrittenInPlace) {
    const struct {
        const char* name;
        dev_t device;  // 0: a FIFO
        int error;
    } cases[] = {{"null", makedev(1, 3), 0}, {"full", makedev(1, 7), ENOSPC}, {"fifo", 0, 0}};
    std::size_t nodes = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path node = dir_ / c.name;
        const int made = c.device != 0 ? mknod(node.c_str(), S_IFCHR | 0666, c.device)
                                       : mkfifo(node.c_str(), 0666);
        if (made != 0 && c.device != 0) {
            std::cout << "skipped: mknod " << c.name << ": " << std::strerror(errno) << '\n';
            continue;
        }
        ASSERT_EQ(made, 0);
        ++nodes;
        std::string received;
        std::thread reader;
        if (c.device == 0) reader = std::thread([&] { received = Read(node); });
        const std::string error = WriteFileAtomically(node, "picture bytes").error();
        if (reader.joinable()) reader.join();
        EXPECT_EQ(error, c.error == 0 ? "" : CannotWrite(node, std::strerror(c.error)));
        if (c.device == 0) {
            EXPECT_EQ(received, "picture bytes");
        }
        EXPECT_EQ(fs::status(node).type(),
                  c.device != 0 ? fs::file_type::character : fs::file_type::fifo);
    }
    EXPECT_EQ(Entries(), nodes);  // no regular file or temporary beside the nodes
}

// /dev/fd/N and /proc/self/fd/N are the program's open descriptors, written as they were opened:
// a pipe's end (which cannot be opened anew), a file opened to append (which must keep its start).
TEST_F(AtomicFileTest, OwnDescriptorsAreWrittenAsOpened) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    EXPECT_EQ(WriteFileAtomically("/dev/fd/" + std::to_string(ends[1]), "through the pipe").error(),
              "");
    close(ends[1]);
    char received[64] = {};
    EXPECT_EQ(read(ends[0], received, sizeof received), 16);
    close(ends[0]);
    EXPECT_STREQ(received, "through the pipe");

    Put(dir_ / "log", "earlier lines\n");
    const int appending = open((dir_ / "log").c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(appending, 0);
    EXPECT_EQ(
        WriteFileAtomically("/proc/self/fd/" + std::to_string(appending), "a picture").error(), "");
    close(appending);
    EXPECT_EQ(Read(dir_ / "log"), "earlier lines\na picture");
    EXPECT_EQ(WriteFileAtomically("/dev/fd/" + std::to_string(appending), "x").error(),
              CannotWrite("/dev/fd/" + std::to_string(appending), std::strerror(EBADF)));
    EXPECT_EQ(Entries(), 1u);
}

// A temporary left by a killed writer is removed when the same file is written again; one that
// a live writer holds is left alone, and both writes complete.
TEST_F(AtomicFileTest, AKilledWritersTemporaryIsClearedAndALiveOneKept) {
    const fs::path path = dir_ / "label.png";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicFile file(path);
        file.Write("half");
        _exit(0);  // as if killed: no destructor removes the temporary
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(Entries(), 1u);  // the dead writer's temporary
    {
        AtomicFile live(path);
        ASSERT_TRUE(live.Write("the live writer's"));
        EXPECT_EQ(WriteFileAtomically(path, "written again").error(), "");
        EXPECT_EQ(Read(path), "written again");
        EXPECT_EQ(Entries(), 2u);  // the target and the live writer's temporary
        EXPECT_EQ(live.Commit().error(), "");
    }
    EXPECT_EQ(Read(path), "the live writer's");
    EXPECT_EQ(Entries(), 1u);
}

// SIGTERM (and SIGINT, SIGHUP) in the middle of a write removes its temporary and still ends the
// process by the signal; a name with a NUL is refused rather than cut at it.
TEST_F(AtomicFileTest, SignalsRemoveTemporariesAndNamesWithNulAreRefused) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RemoveTemporariesOnSignals();
        AtomicFile file(dir_ / "label.png");
        file.Write("half");
        std::raise(SIGTERM);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_EQ(Entries(), 0u);

    const std::string withNul((dir_ / "nul3").string() + std::string(1, '\0') + ".png");
    EXPECT_EQ(WriteFileAtomically(withNul, "x").error(),
              CannotWrite(withNul, "the name holds a NUL character"));
    EXPECT_EQ(Entries(), 0u);
}

}  // namespace
}  // namespace quillmark
