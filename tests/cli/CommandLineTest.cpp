// quillmark-render's forgiving inputs, its picture formats read back, batches and exit statuses.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/BatchFile.h"
#include "cli/RenderCommand.h"
#include "cli/SymbolInput.h"
#include "support/CliRun.h"

namespace quillmark {
namespace {

using test::Args;
using test::CliRun;
using test::RunCli;

std::string Dump(const Args& args) {
    Args withDump = args;
    withDump.push_back("--dump");
    const CliRun run = RunCli(withDump);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

// Each spelling must give exactly the dump of the canonical input.
TEST(CommandLine, ForgivingNamesAndCheckDigitsGiveTheSameSymbol) {
    struct Case {
        Args given;
        Args canonical;
    };
    const Case cases[] = {
        {{"--type", "ean13", "--data", "4006381333931"},
         {"--type", "EAN-13", "--data", "4006381333931"}},
        {{"--type", "Ean 13", "--data", "400638133393"},
         {"--type", "EAN-13", "--data", "4006381333931"}},
        {{"--type", "isbn", "--data", "978030640615"},
         {"--type", "ISBN-13", "--data", "9780306406157"}},
        {{"--type", "ean8", "--data", "9638507"}, {"--type", "EAN-8", "--data", "96385074"}},
        {{"--type", "UPC", "--data", "03600029145"}, {"--type", "UPC-A", "--data", "036000291452"}},
        // UPC-E takes the check digit of its UPC-A expansion 04252000001 (the direct rule gives 8).
        {{"--type", "upc-e", "--data", "0425261"}, {"--type", "UPC-E", "--data", "04252614"}},
        {{"--type", "ITF14", "--data", "1234567890123"},
         {"--type", "ITF-14", "--data", "12345678901231"}},
        {{"--type", "GS1-128", "--data", "[01]09501101530008[10]ABC"},
         {"--type", "UCC/EAN-128", "--data", "(01)09501101530008(10)ABC"}},
        {{"--type", "ean128", "--data", "[17]251231[10]A{FNC1}[21]7"},
         {"--type", "UCC/EAN-128", "--data", "(17)251231(10)A{FNC1}(21)7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given[1] + " " + c.given[3]);
        EXPECT_EQ(Dump(c.given), Dump(c.canonical));
    }
}

TEST(CommandLine, RefusesOtherToolsEscapesAndNamesTheRightCheckDigit) {
    const std::pair<Args, std::string> cases[] = {
        {{"--type", "GS1-128", "--data", "]C101095011015300"}, "\"]C1\" at position 1"},
        {{"--type", "GS1-128", "--data", "(10)A^FNC1(21)7"}, "\"^FNC1\" at position 6"},
        {{"--type", "GS1-128", "--data", "(10)A<fnc1>(21)7"}, "\"<fnc1>\""},
        {{"--type", "GS1-128", "--data", "(10)A\\F(21)7"}, "\"\\F\""},
        {{"--type", "UPC-E", "--data", "04252618"}, "check digit of 04252618 should be 4, not 8"},
        {{"--type", "ITF-14", "--data", "12345678901230"}, "should be 1, not 0"},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(message);
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, kExitBadInput);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        if (args[1] == "GS1-128") {
            EXPECT_NE(run.err.find("{FNC1}"), std::string::npos);
        }
    }
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double Number(const QByteArray& text, const QString& pattern) {
    const QRegularExpressionMatch match =
        QRegularExpression(pattern).match(QString::fromLatin1(text));
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

// Every format through the command line: the picture's size and density read back, and standard
// output carrying the same bytes as the file.
TEST(CommandLine, EveryFormatRecordsThePhysicalSize) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Args symbol = {"--type", "EAN-13", "--data", "4006381333931", "--scale", "10"};
    const CliRun png = RunCli({"--type", "EAN-13", "--data", "4006381333931", "--scale", "10", "-o",
                               dir.filePath("s.png").toStdString()});
    ASSERT_EQ(png.status, 0) << png.err;
    const QImage reference(dir.filePath("s.png"));
    const double widthMm = reference.width() / 10.0;
    const double heightMm = reference.height() / 10.0;
    for (const char* extension : {"png", "PNG", "bmp", "jpg", "JPEG"}) {
        SCOPED_TRACE(extension);
        const QString path = dir.filePath(QString("r.") + extension);
        Args args = symbol;
        args.insert(args.end(), {"-o", path.toStdString(), "--verify"});
        ASSERT_EQ(RunCli(args).status, 0);
        const QImage picture(path);
        EXPECT_EQ(picture.size(), reference.size());
        EXPECT_EQ(picture.dotsPerMeterX(), 10000);
        EXPECT_EQ(picture.dotsPerMeterY(), 10000);
    }
    for (const char* format : {"svg", "pdf", "png", "bmp"}) {
        SCOPED_TRACE(format);
        const QString path = dir.filePath(QString("v.") + format);
        Args toFile = symbol;
        toFile.insert(toFile.end(), {"-o", path.toStdString()});
        ASSERT_EQ(RunCli(toFile).status, 0);
        const QByteArray bytes = ReadFile(path);
        Args toStdout = symbol;
        toStdout.insert(toStdout.end(), {"-o", "-", "--format", format});
        const CliRun run = RunCli(toStdout);
        ASSERT_EQ(run.status, 0) << run.err;
        if (std::string(format) != "pdf") {  // a PDF carries its creation time
            EXPECT_EQ(QByteArray::fromStdString(run.out), bytes);
        }
        if (std::string(format) == "svg") {
            EXPECT_NEAR(Number(bytes, R"(width="([0-9.]+)mm")"), widthMm, 0.001);
            EXPECT_NEAR(Number(bytes, R"(height="([0-9.]+)mm")"), heightMm, 0.001);
        } else if (std::string(format) == "pdf") {
            EXPECT_TRUE(bytes.startsWith("%PDF"));
            // The page in points, 72 to the inch, rounded up to whole points.
            const QString box = R"(/MediaBox \[\s*0 0 ([0-9.]+) ([0-9.]+)\s*\])";
            const QRegularExpressionMatch match =
                QRegularExpression(box).match(QString::fromLatin1(bytes));
            ASSERT_TRUE(match.hasMatch());
            for (const auto& [points, mm] : {std::pair{match.captured(1).toDouble(), widthMm},
                                             std::pair{match.captured(2).toDouble(), heightMm}}) {
                EXPECT_GE(points, mm * 72 / 25.4 - 0.01);
                EXPECT_LT(points, mm * 72 / 25.4 + 1);
            }
        }
    }
}

TEST(CommandLine, ColoursAndDpiReachThePicture) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("c.png");
    const CliRun run =
        RunCli({"--type", "ITF-14", "--data", "1234567890123", "--dpi", "254", "--line-color",
                "navy", "--background", "#FFFFF0", "-o", path.toStdString(), "--verify"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage picture(path);
    EXPECT_EQ(picture.dotsPerMeterX(), 10000);
    EXPECT_EQ(picture.pixel(0, 0) & 0xFFFFFF, 0x000080u);  // the bearer bar's corner
    EXPECT_EQ(picture.pixel(picture.width() / 2, 0) & 0xFFFFFF, 0x000080u);
    int background = 0;
    for (int x = 0; x < picture.width(); ++x)
        background += (picture.pixel(x, picture.height() / 2) & 0xFFFFFF) == 0xFFFFF0u;
    EXPECT_GT(background, 0);
}

TEST(CommandLine, AMissingFontIsNamedAndReplaced) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("f.png").toStdString();
    const CliRun run = RunCli({"--type", "EAN-8", "--data", "9638507", "--font", "No Such Family",
                               "-o", path, "--verify"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.starts_with(
        "quillmark-render: font \"No Such Family\" is not installed; the text is drawn in \""))
        << run.err;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path)));
}

// Modules of 1.5 pixels on average drawn as 1 or 2 whole pixels: widths the decoder cannot
// tell apart. The picture is made, but the run fails with status 3 naming the file.
TEST(CommandLine, VerifyCatchesASymbolThatDoesNotScan) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("small.png").toStdString();
    const Args args = {"--type", "EAN-13", "--data", "4006381333931", "--scale", "1.5", "-o", path};
    EXPECT_EQ(RunCli(args).status, 0);  // without --verify nothing is read back
    Args verify = args;
    verify.push_back("--verify");
    const CliRun run = RunCli(verify);
    EXPECT_EQ(run.status, kExitUnverified);
    EXPECT_NE(run.err.find(path + " does not scan as its data"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("nothing read (expected 4006381333931)"), std::string::npos) << run.err;
}

std::string WriteFile(const std::string& path, const std::string& body) {
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(body.data(), static_cast<qint64>(body.size()));
    return path;
}

std::string BatchFile(const QTemporaryDir& dir, const std::string& body) {
    return WriteFile(dir.filePath("rows.csv").toStdString(), body);
}

// Good, bad and quoted rows: the bad ones are reported by row number and the others still made.
TEST(CommandLine, BatchMakesTheGoodRowsAndReportsTheBadOnes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string csv =
        "\xEF\xBB\xBF"
        "Data,Output,type\r\n"                       // row 1, BOM and any case
        "400638133393,a.png,\r\n"                    // row 2: --type, check digit
        "\"(10)A,B\"\"C\",\"b, c.svg\",GS1-128\r\n"  // row 3: comma and quote
        "4006381333932,c.png,\r\n"                   // row 4: wrong check digit
        "96385074,\"d\ne.bmp\",EAN-8\r\n"            // row 5: line break in a name
        "96385074,a.png,EAN-8\r\n"                   // row 6: a.png again
        "9638507,f.jpg\r\n"                          // row 7: too few fields
        "9638507,g.jpg,ean8\r\n";                    // row 8
    const CliRun run = RunCli({"--batch", BatchFile(dir, csv), "--type", "EAN-13", "--verify"});
    EXPECT_EQ(run.status, kExitRowsFailed);
    EXPECT_EQ(run.out, "");
    const std::string expected[] = {
        "quillmark-render: row 4: check digit of 4006381333932 should be 1, not 2\n",
        "quillmark-render: row 5: output \"d\\x0Ae.bmp\" holds a control character at position "
        "2\n",
        "quillmark-render: row 6: output \"a.png\" is also the output of row 2\n",
        "quillmark-render: row 7: has 2 fields; the header has 3\n",
    };
    std::string reported;
    for (const std::string& line : expected) reported += line;
    EXPECT_TRUE(run.err.starts_with(reported)) << run.err;
    EXPECT_NE(run.err.find("quillmark-render: 3 made, 4 failed, "), std::string::npos) << run.err;
    for (const char* made : {"a.png", "b, c.svg", "g.jpg"})
        EXPECT_TRUE(QFile::exists(dir.filePath(made))) << made;
    for (const char* refused : {"c.png", "d\ne.bmp", "f.jpg"})
        EXPECT_FALSE(QFile::exists(dir.filePath(refused)));
    // The comma and the quote reached the symbol's text.
    EXPECT_TRUE(ReadFile(dir.filePath("b, c.svg")).contains("(10)A,B&quot;C"));
}

TEST(CommandLine, BatchExitStatuses) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        std::string csv;
        Args extra;
        int status;
        std::string message;
    } cases[] = {
        {"type,data,output\nEAN-8,9638507,ok.png\n", {}, kExitMade, "1 made, 0 failed"},
        {"type,data,output\nEAN-8,9638507,s.png\n",
         {"--scale", "1.2", "--verify"},
         kExitUnverified,
         "does not scan as its data"},
        {"type,data,adon,output\n", {}, kExitBadInput, "column \"adon\" is none of"},
        {"type,data,output\nEAN-8,\"9638507,x.png\n", {}, kExitBadInput, "not valid CSV"},
        {"", {}, kExitBadInput, "has no header row"},
        {"type,data\nEAN-8,9638507\n", {}, kExitRowsFailed, "row 2: no output file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.csv);
        Args args = {"--batch", BatchFile(dir, c.csv)};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

// GS1 and colour failures are warned of on every run; --check lists every finding and fails
// with 4, in a batch as well, while the pictures are still made.
TEST(CommandLine, ChecksAndWarnings) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string d = dir.path().toStdString() + "/";
    const std::string warning = "quillmark-render: warning: ";
    const struct {
        Args args;
        int status;
        std::string err;  // empty: nothing on stderr
        std::vector<std::string> out;
    } cases[] = {
        {{"--type", "GS1-128", "--data", "(10)ABC(21)12", "-o", d + "a.png"},
         kExitMade,
         warning + "AI (10): no {FNC1} before (21); a reader takes (21) as data of AI (10)\n",
         {}},
        {{"--type", "GS1-128", "--data", "(10)ABC{FNC1}(21)12", "-o", d + "b.png", "--check",
          "--application", "healthcare"},
         kExitMade,
         "",
         {"pass: scan-back: reads 10ABC{FNC1}2112",
          "pass: colours: symbol contrast under red "
          "light 100 %, grade A",
          "pass: module: 3.00 dots",
          "warning: size table (healthcare-non-retail): X-dimension 0.250 mm is away from the "
          "target 0.495 mm; --gsize 198 meets it"}},
        {{"--type", "GS1-128", "--data", "(01)12345678901234", "--dump", "--check"},
         kExitCheckFailed,
         warning + "AI (01): check digit should be 1, not 4\n",
         {"failure: AI (01): check digit should be 1, not 4", "pass: scan-back"}},
        // The data as GS1 judges it: month 13 fails, the missing item AI is a warning only.
        {{"--type", "GS1-128", "--data", "(17)251340", "--check", "-o", d + "i.png"},
         kExitCheckFailed,
         warning + "AI (17): invalid month 13 (yymmd0)\n",
         {"failure: AI (17): invalid month 13 (yymmd0)\n",
          "warning: AI (17) needs AI (01) or (02) or (255) or (8006) or (8026) in this symbol or "
          "another symbol of the same label\n"}},
        {{"--type", "GS1-128", "--data", "(01)09501101530003(17)251231(10)ABC", "--check", "-o",
          d + "j.png", "--gsize", "200"},
         kExitMade,
         "",
         {"pass: scan-back: reads 01095011015300031725123110ABC\n"}},
        {{"--type", "EAN-8", "--data", "9638507", "--line-color", "red", "-o", d + "c.png"},
         kExitMade,
         warning + "colours: symbol contrast under red light 0 %, grade F",
         {}},
        {{"--type", "EAN-8", "--data", "9638507", "--line-color", "red", "-o", d + "d.png",
          "--check"},
         kExitCheckFailed,
         "grade F",
         {"failure: scan-back: nothing read",
          "failure: colours: symbol contrast under red light "
          "0 %, grade F"}},
        {{"--type", "EAN-13", "--data", "400638133393", "--scale", "1", "-o", d + "e.png",
          "--check"},
         kExitCheckFailed,
         "",
         {"failure: module: 0.33 dots at 1.00 dots/mm", "failure: scan-back"}},
        {{"--type", "EAN-13", "--data", "400638133393", "--scale", "5", "-o", d + "f.png",
          "--check", "--application", "retail"},
         kExitMade,
         "",
         {"warning: module: 1.65 dots at 5.00 dots/mm", "pass: scan-back"}},
        {{"--batch",
          BatchFile(dir, "type,data,output\nEAN-8,9638507,g.png\nGS1-128,(10)A(21)1,h.png\n"),
          "--check"},
         kExitCheckFailed,
         "quillmark-render: row 3: warning: AI (10): no {FNC1}",
         {"row 2: pass: scan-back: reads 96385074",
          "row 3: failure: AI (10): no {FNC1} before (21)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[1]);
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (c.err.empty()) {
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        }
        for (const std::string& line : c.out)
            EXPECT_NE(run.out.find(line), std::string::npos) << run.out;
        const bool checked = std::find(c.args.begin(), c.args.end(), "--check") != c.args.end();
        if (!checked) {
            EXPECT_EQ(run.out, "");
        }
    }
    // The pictures are made whatever the checks say.
    for (const char* made : {"a.png", "d.png", "e.png", "g.png", "h.png", "i.png"})
        EXPECT_TRUE(QFile::exists(dir.filePath(made))) << made;
}

// Output cells are taken from the batch file's folder, not the current one, and may not leave it
// or hide a control character in a name.
TEST(CommandLine, BatchOutputsStayInTheBatchFilesFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string root = dir.path().toStdString() + "/";
    ASSERT_TRUE(QDir(dir.path()).mkpath("csv/x"));
    ASSERT_EQ(symlink("csv", (root + "linked").c_str()), 0);
    const struct {
        std::string cell;
        Args extra;
        std::string refusal;  // what row 2's message says; empty when the picture is made
        std::string file;     // from root: the file the row makes, or must not make
    } cases[] = {
        {"a.png", {}, "", "csv/a.png"},
        {"x/../b.png", {}, "", "csv/b.png"},
        {"../up.png", {}, "output \"../up.png\" climbs out of the batch file's folder", "up.png"},
        {"x/../../up.png", {"--allow-outside"}, "", "up.png"},
        {root + "abs.png",
         {},
         "output " + Quoted(root + "abs.png") + " is an absolute path outside the batch file's",
         "abs.png"},
        {root + "abs.png", {"--allow-outside"}, "", "abs.png"},
        {root + "csv/x/../in.png", {}, "", "csv/in.png"},
        {root + "linked/in2.png", {}, "", "csv/in2.png"},  // linked is a link to csv
        {std::string("nul3\0.png", 9),
         {},
         "output \"nul3\\x00.png\" holds a control character at position 5",
         "csv/nul3"},
        {"esc\x1B[2J.png",
         {},
         "output \"esc\\x1B[2J.png\" holds a control character at position 4",
         "csv/esc\x1B[2J.png"},
        {"c1\xC2\x9B"
         "2J.png",
         {},
         "output \"c1\\u009B2J.png\" holds a control character at position 3",
         "csv/c1\xC2\x9B"
         "2J.png"},
        {"x/..", {}, "output \"x/..\" names a folder, not a file", "csv/x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Quoted(c.cell) + (c.extra.empty() ? "" : " " + c.extra[0]));
        QFile::remove(QString::fromStdString(root + c.file));
        Args args = {"--batch", WriteFile(root + "csv/rows.csv",
                                          "type,data,output\nEAN-8,9638507,\"" + c.cell + "\"\n")};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const CliRun run = RunCli(args);
        if (c.refusal.empty()) {
            EXPECT_EQ(run.status, kExitMade) << run.err;
            EXPECT_TRUE(QFileInfo(QString::fromStdString(root + c.file)).isFile());
        } else {
            EXPECT_EQ(run.status, kExitRowsFailed);
            EXPECT_NE(run.err.find("quillmark-render: row 2: " + c.refusal), std::string::npos)
                << run.err;
            EXPECT_FALSE(QFileInfo(QString::fromStdString(root + c.file)).isFile());
        }
    }
}

// Two rows naming one file by different paths: the later one is refused and the earlier one's
// picture is the file left.
TEST(CommandLine, BatchRefusesASecondRowWritingTheSameFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string root = dir.path().toStdString() + "/";
    const std::string reference = root + "reference.png";
    ASSERT_EQ(RunCli({"--type", "EAN-8", "--data", "9638507", "-o", reference}).status, kExitMade);
    const QByteArray picture = ReadFile(QString::fromStdString(reference));
    ASSERT_FALSE(picture.isEmpty());
    const struct {
        std::string first;
        std::string second;
    } cases[] = {
        {"real/a.png", "link/a.png"},  // link is a link to the folder real
        {"b.png", "./x/../b.png"},
        {"old.png", "hard.png"},  // a hard link to old.png
        {"old.png", "soft.png"},  // a symbolic link to old.png
    };
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first + " " + c.second);
        const std::string folder = root + std::to_string(++index) + "/";
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder + "real")));
        ASSERT_EQ(symlink("real", (folder + "link").c_str()), 0);
        ASSERT_EQ(RunCli({"--type", "EAN-8", "--data", "1234565", "-o", folder + "old.png"}).status,
                  kExitMade);
        ASSERT_EQ(link((folder + "old.png").c_str(), (folder + "hard.png").c_str()), 0);
        ASSERT_EQ(symlink("old.png", (folder + "soft.png").c_str()), 0);
        const CliRun run =
            RunCli({"--batch",
                    WriteFile(folder + "rows.csv", "type,data,output\nEAN-8,9638507," + c.first +
                                                       "\nEAN-8,5512345," + c.second + "\n")});
        EXPECT_EQ(run.status, kExitRowsFailed);
        EXPECT_NE(
            run.err.find("row 3: output " + Quoted(c.second) + " is also the output of row 2"),
            std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("1 made, 1 failed"), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(QString::fromStdString(folder + c.first)), picture);
    }
}

// A batch replaces an existing file only with a picture of the format its name says.
TEST(CommandLine, BatchReplacesOnlyPicturesUnlessForced) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray kept = "keep me\n";
    const struct {
        std::string existing;  // made first, holding kept
        std::string cell;      // a link to existing when different
        Args extra;
        bool replaced;
    } cases[] = {
        {".bashrc", ".bashrc", {"--format", "png"}, false},
        {"notes.txt", "notes.txt", {"--format", "png"}, false},
        {"notes.txt", "notes.txt", {"--format", "png", "--force"}, true},
        {"old.PNG", "old.PNG", {}, true},
        {"old.jpeg", "old.jpeg", {"--format", "jpg"}, true},
        {"doc.txt", "pic.png", {}, false},  // pic.png is a link to doc.txt
        {"pic.svg", "pic.png", {}, false},  // a PNG would go into pic.svg
        {"doc.txt", "pic.png", {"--force"}, true},
    };
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell + (c.extra.empty() ? "" : " " + c.extra.back()));
        const std::string folder = dir.path().toStdString() + "/" + std::to_string(++index) + "/";
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
        WriteFile(folder + c.existing, kept.toStdString());
        if (c.cell != c.existing) {
            ASSERT_EQ(symlink(c.existing.c_str(), (folder + c.cell).c_str()), 0);
        }
        Args args = {"--batch", WriteFile(folder + "rows.csv",
                                          "type,data,output\nEAN-8,9638507," + c.cell + "\n")};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const CliRun run = RunCli(args);
        const QByteArray after = ReadFile(QString::fromStdString(folder + c.existing));
        if (c.replaced) {
            EXPECT_EQ(run.status, kExitMade) << run.err;
            EXPECT_NE(after, kept);
        } else {
            EXPECT_EQ(run.status, kExitRowsFailed);
            EXPECT_NE(run.err.find("row 2: output " + Quoted(c.cell) +
                                   " exists and is not a picture of its format"),
                      std::string::npos)
                << run.err;
            EXPECT_EQ(after, kept);
        }
    }
}

// Messages show the first 40 characters of a value and its length, never the whole of it.
TEST(CommandLine, QuotedValuesAreCut) {
    const std::string cyrillic = "\xD0\xAF";  // one character, two bytes
    std::string forty;
    for (int i = 0; i < 40; ++i) forty += cyrillic;
    const std::pair<std::string, std::string> cases[] = {
        {"", "\"\""},
        {std::string(40, 'A'), "\"" + std::string(40, 'A') + "\""},
        {std::string(41, 'A'), "\"" + std::string(40, 'A') + "\u2026\" (41 characters)"},
        {std::string(131072, 'A'), "\"" + std::string(40, 'A') + "\u2026\" (131072 characters)"},
        {forty, "\"" + forty + "\""},
        {forty + "!", "\"" + forty + "\u2026\" (41 characters)"},
        {std::string("a\0b\n", 4), "\"a\\x00b\\x0A\""},
        {"\xC2\x9B"
         "2J\xC2\xA0",
         "\"\\u009B2J\xC2\xA0\""},  // CSI escaped, a no-break space kept
    };
    for (const auto& [text, quoted] : cases) EXPECT_EQ(Quoted(text), quoted) << text.size();
}

// A row longer than the limit refuses the whole file at once; a long cell within it is quoted
// cut in its row's message.
TEST(CommandLine, BatchRefusesRowsOverTheLimit) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::string lines;  // a quoted cell of short lines, longer than a row may be
    while (lines.size() <= kMaxBatchRowBytes) lines += std::string(39, 'L') + "\n";
    const struct {
        std::string csv;
        int status;
        std::string message;
    } cases[] = {
        {"type,data,output\nEAN-8," + std::string(kMaxBatchRowBytes, 'A') + ",a.png\n",
         kExitBadInput, "rows.csv\" is refused: row 2 is longer than 64 KiB\n"},
        {"type,data,output\nEAN-8,9638507,a.png\n\nEAN-8,\"" + lines + "\",b.png\n", kExitBadInput,
         "row 3 is longer than 64 KiB"},
        {"type,output," + std::string(kMaxBatchRowBytes, ',') + "\n", kExitBadInput,
         "row 1 is longer than 64 KiB"},
        {"type,data,output\nEAN-8," + std::string(60000, 'A') + ",a.png\n", kExitRowsFailed,
         "row 2: --data \"" + std::string(40, 'A') + "\u2026\" (60000 characters) holds"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CliRun run = RunCli({"--batch", BatchFile(dir, c.csv)});
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_LT(run.err.size(), 400u) << run.err;
        for (const char* refused : {"a.png", "b.png"})
            EXPECT_FALSE(QFile::exists(dir.filePath(refused)));
    }
}

#if defined(__SANITIZE_ADDRESS__)
constexpr double kSlowdown = 5;  // AddressSanitizer's checks and start-up
#else
constexpr double kSlowdown = 1;
#endif

struct ProgramRun {
    int status = -1;
    long peakKiB = 0;
    double seconds = 0;
    std::string err;
};

// The built quillmark-render itself on a batch file, timed and its peak memory taken from the
// kernel's account of it, through cli_peak_memory.
ProgramRun RunBatchProgram(const std::string& csv, const QTemporaryDir& dir) {
    const std::string errors = dir.filePath("err.txt").toStdString();
    const std::string command = std::string(QUILLMARK_PEAK_MEMORY) + " '" + errors + "' '" +
                                QUILLMARK_RENDER_PROGRAM + "' --batch '" + csv + "'";
    ProgramRun run;
    std::FILE* report = popen(command.c_str(), "r");
    if (report == nullptr) return run;
    if (std::fscanf(report, "%d %ld %lf", &run.status, &run.peakKiB, &run.seconds) != 3)
        run.status = -1;
    pclose(report);
    run.err = ReadFile(QString::fromStdString(errors)).toStdString();
    return run;
}

// One line of 100 MiB, in a plain field, as empty fields and inside quotes: refused at once,
// in little memory, with a short message.
TEST(CommandLine, BatchRefusesAHugeLineQuicklyInLittleMemory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string csv = dir.filePath("huge.csv").toStdString();
    const std::pair<std::string, char> lines[] = {{"type,data,output\nEAN-8,", 'A'},
                                                  {"type,data,output\n", ','},
                                                  {"type,data,output\n\"", '"'}};
    for (const auto& [start, filler] : lines) {
        SCOPED_TRACE(filler);
        {
            std::ofstream file(csv, std::ios::binary);
            file << start;
            const std::string piece(1 << 20, filler);
            for (int i = 0; i < 100; ++i) file << piece;
            file << "\n";
            ASSERT_TRUE(file.good());
        }
        const ProgramRun run = RunBatchProgram(csv, dir);
        EXPECT_EQ(run.status, kExitBadInput) << run.err;
        EXPECT_NE(run.err.find("is refused: row 2 is longer than 64 KiB\n"), std::string::npos)
            << run.err;
        EXPECT_LT(run.err.size(), 200u);
        EXPECT_LT(run.seconds, 1.0 * kSlowdown) << run.seconds;
        EXPECT_LT(run.peakKiB, 100 * 1024) << run.peakKiB;
    }
}

}  // namespace
}  // namespace quillmark
