// The window's temporary folder: where it is, that it is the user's alone, and what is refused.
#include "output/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <vector>

namespace quillmark {
namespace {

// An id other than the one running the tests, to own what another user would.
constexpr uid_t kOtherUser = 65534;

mode_t ModeOf(const QString& path) {
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777
                                                                    : mode_t(-1);
}

void SetOrUnset(const char* name, const std::optional<QString>& value) {
    if (value)
        qputenv(name, value->toUtf8());
    else
        qunsetenv(name);
}

// The environment as a case wants it, restored afterwards.
class TemporaryFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"TEMP", "XDG_RUNTIME_DIR", "HOME"})
            saved_.emplace_back(name, qEnvironmentVariableIsSet(name)
                                          ? std::optional<QString>(qEnvironmentVariable(name))
                                          : std::nullopt);
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) SetOrUnset(name, value);
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    std::vector<std::pair<const char*, std::optional<QString>>> saved_;
};

// Where the folder is, and that a private one is made or tightened to 0700.
TEST_F(TemporaryFolderTest, FolderFollowsTheEnvironment) {
    struct Case {
        const char* name;
        std::optional<QString> temp, runtime;
        QString expected;
        std::optional<mode_t> existingMode;  // the folder made beforehand with this mode
    };
    ASSERT_TRUE(QDir().mkpath(Path("run")) && QDir().mkpath(Path("home")));
    const Case cases[] = {
        {"TEMP as set", Path("t/"), Path("run"), Path("t"), std::nullopt},
        {"runtime folder", std::nullopt, Path("run"), Path("run/quillmark"), std::nullopt},
        {"empty TEMP", QString(), Path("run"), Path("run/quillmark"), std::nullopt},
        {"loose folder tightened", std::nullopt, Path("run"), Path("run/quillmark"), 0777},
        {"no runtime folder", std::nullopt, std::nullopt, Path("home/.cache/quillmark"),
         std::nullopt},
        {"runtime folder missing", std::nullopt, Path("gone"), Path("home/.cache/quillmark"), 0755},
    };
    qputenv("HOME", Path("home").toUtf8());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetOrUnset("TEMP", c.temp);
        SetOrUnset("XDG_RUNTIME_DIR", c.runtime);
        QDir(c.expected).removeRecursively();
        if (c.existingMode) {
            ASSERT_TRUE(QDir().mkpath(c.expected));
            chmod(QFile::encodeName(c.expected).constData(), *c.existingMode);
        }
        const TemporaryFolder folder = WindowTemporaryFolder();
        EXPECT_EQ(folder.path, c.expected);
        EXPECT_EQ(folder.problem, QString());
        if (!c.temp || c.temp->isEmpty()) {
            EXPECT_EQ(ModeOf(c.expected), 0700u);
        }
    }
    EXPECT_EQ(ModeOf(Path("home/.cache")), 0700u);
}

// A private folder that is a link, not a folder, or another user's is refused and left alone.
TEST_F(TemporaryFolderTest, ForeignFolderRefused) {
    qunsetenv("TEMP");
    qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8());
    const QString folder = Path("quillmark");
    ASSERT_TRUE(QDir().mkpath(Path("elsewhere")));
    chmod(QFile::encodeName(Path("elsewhere")).constData(), 0755);
    struct Case {
        const char* name;
        std::function<bool()> plant;
        const char* reason;
    };
    const Case cases[] = {
        {"symbolic link", [&] { return QFile::link(Path("elsewhere"), folder); },
         "символическая ссылка"},
        {"plain file", [&] { return QFile(folder).open(QIODevice::WriteOnly); }, "не папка"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(folder);
        QDir(folder).removeRecursively();
        ASSERT_TRUE(c.plant());
        const mode_t before = ModeOf(folder);
        const TemporaryFolder result = WindowTemporaryFolder();
        EXPECT_EQ(result.path, folder);
        EXPECT_TRUE(result.problem.contains(QString::fromUtf8(c.reason)))
            << result.problem.toStdString();
        EXPECT_EQ(ModeOf(folder), before);
        EXPECT_EQ(ModeOf(Path("elsewhere")), 0755u);
    }
}

TEST_F(TemporaryFolderTest, AnotherUsersFolderRefused) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a folder to another user";
    qunsetenv("TEMP");
    qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8());
    const QString folder = Path("quillmark");
    ASSERT_TRUE(QDir().mkdir(folder));
    chmod(QFile::encodeName(folder).constData(), 0755);
    ASSERT_EQ(chown(QFile::encodeName(folder).constData(), kOtherUser, kOtherUser), 0);
    const TemporaryFolder result = WindowTemporaryFolder();
    EXPECT_TRUE(result.problem.contains(QString::fromUtf8("другому пользователю")))
        << result.problem.toStdString();
    EXPECT_EQ(ModeOf(folder), 0755u);  // not tightened: it is not ours
}

TEST_F(TemporaryFolderTest, ForeignFileProblem) {
    QFile own(Path("own"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.close();
    ASSERT_TRUE(QFile::link(Path("own"), Path("link")));
    ASSERT_TRUE(QFile::link(Path("nowhere"), Path("dangling")));
    EXPECT_EQ(ForeignFileProblem(Path("own")), QString());
    EXPECT_EQ(ForeignFileProblem(Path("missing")), QString());
    EXPECT_TRUE(ForeignFileProblem(Path("link")).contains(QString::fromUtf8("символическая")));
    EXPECT_TRUE(ForeignFileProblem(Path("dangling")).contains(QString::fromUtf8("символическая")));
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    ASSERT_EQ(chown(QFile::encodeName(Path("own")).constData(), kOtherUser, kOtherUser), 0);
    EXPECT_TRUE(
        ForeignFileProblem(Path("own")).contains(QString::fromUtf8("другому пользователю")));
}

}  // namespace
}  // namespace quillmark
