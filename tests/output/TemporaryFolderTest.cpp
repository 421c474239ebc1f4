// The window's temporary folder: where it is, that it is the user's alone, and what is refused.
#include "output/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace quillmark {
namespace {

mode_t ModeOf(const QString& path) {
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// Each case sets TEMP (nullptr: unset) and XDG_RUNTIME_DIR (empty: unset, for ~/.cache), plants
// what it needs at the private folder, and expects the folder with mode 0700 or a reason.
TEST(TemporaryFolder, PrivateFolderMadeOrRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid() && QDir().mkpath(dir.filePath("run")) &&
                QDir().mkpath(dir.filePath("home")));
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    qputenv("HOME", dir.filePath("home").toUtf8());
    const QString run = dir.filePath("run/quillmark"),
                  cache = dir.filePath("home/.cache/quillmark");
    struct Case {
        const char* name;
        const char* temp;
        QString runtime, expected;
        std::function<bool(const QString&)> plant;
        const char* reason;  // nullptr: accepted with mode 0700
    };
    const Case cases[] = {
        {"runtime folder", nullptr, dir.filePath("run"), run, {}, nullptr},
        {"empty TEMP, loose folder tightened", "", dir.filePath("run"), run,
         [](const QString& f) { return QDir().mkdir(f) && chmod(qPrintable(f), 0777) == 0; },
         nullptr},
        {"no runtime folder", nullptr, "", cache, {}, nullptr},
        {"a link", nullptr, dir.filePath("run"), run,
         [&](const QString& f) { return QFile::link(dir.path(), f); }, "символическая ссылка"},
        {"a file", nullptr, dir.filePath("run"), run,
         [](const QString& f) { return QFile(f).open(QIODevice::WriteOnly); }, "не папка"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.temp ? qputenv("TEMP", c.temp) : qunsetenv("TEMP");
        qputenv("XDG_RUNTIME_DIR", c.runtime.toUtf8());
        QFile::remove(c.expected);
        QDir(c.expected).removeRecursively();
        if (c.plant) {
            ASSERT_TRUE(c.plant(c.expected));
        }
        const TemporaryFolder folder = WindowTemporaryFolder();
        EXPECT_EQ(folder.path, c.expected);
        if (c.reason) {
            EXPECT_TRUE(folder.problem.contains(QString::fromUtf8(c.reason)))
                << folder.problem.toStdString();
            EXPECT_EQ(ModeOf(dir.path()), 0755u);  // what a link names is left alone
        } else {
            EXPECT_EQ(folder.problem.toStdString(), "");
            if (c.temp == nullptr || *c.temp == 0) {
                EXPECT_EQ(ModeOf(c.expected), 0700u);
            }
        }
    }
    qunsetenv("TEMP");
    qunsetenv("XDG_RUNTIME_DIR");
}

TEST(TemporaryFolder, AnotherUsersFolderRefused) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a folder to another user";
    QTemporaryDir dir;
    qunsetenv("TEMP");
    qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8());
    const QByteArray folder = QFile::encodeName(dir.filePath("quillmark"));
    ASSERT_TRUE(mkdir(folder.constData(), 0755) == 0 &&
                chown(folder.constData(), 65534, 65534) == 0);
    EXPECT_TRUE(
        WindowTemporaryFolder().problem.contains(QString::fromUtf8("другому пользователю")));
    EXPECT_EQ(ModeOf(QFile::decodeName(folder)), 0755u);  // not tightened: not the user's
    qunsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace quillmark
