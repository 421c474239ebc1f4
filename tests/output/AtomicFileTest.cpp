// Atomic writes: the replaced file keeps its permissions and links, and nothing is left behind.
#include "output/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

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
        const std::string error = WriteFileAtomically(path, "new contents");
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
        EXPECT_EQ(WriteFileAtomically(dir_ / link, link), "");
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
        EXPECT_EQ(file.Commit(), "cannot write \"" + path.string() + "\": the encoder gave up");
    }
    {
        AtomicFile file(path);
        ASSERT_TRUE(file.Write("never committed"));
    }
    EXPECT_EQ(Read(path), "yesterday");
    EXPECT_EQ(Entries(), 1u);
    // A folder in the target's place is refused before anything is written.
    fs::create_directory(dir_ / "folder.png");
    EXPECT_EQ(WriteFileAtomically(dir_ / "folder.png", "x"),
              "cannot write \"" + (dir_ / "folder.png").string() + "\": " + std::strerror(EISDIR));
    EXPECT_EQ(Entries(), 2u);
}

}  // namespace
}  // namespace quillmark
