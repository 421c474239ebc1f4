// Label sheets from the command line: listing, sheets filled from a start with copies, serial
// runs read back label by label, refusals that write nothing, and the calibration page.
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "output/PdfTools.h"
#include "support/CliRun.h"

namespace quillmark {
namespace {

using test::Args;
using test::RunCli;

TEST(SheetCommand, ListsSheetsBySearchText) {
    const test::CliRun all = RunCli({"--list-sheets"});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_NE(all.out.find("Avery L7160: 21 labels 63.5 x 38.1 mm on A4 (210 x 297 mm)"),
              std::string::npos)
        << all.out;
    const test::CliRun thermal = RunCli({"--list-sheets", "thermal"});
    ASSERT_EQ(thermal.status, 0);
    EXPECT_EQ(std::count(thermal.out.begin(), thermal.out.end(), '\n'), 3) << thermal.out;
    EXPECT_EQ(RunCli({"--list-sheets", "no such maker"}).out, "");
}

// Every run's exit status and, for a made one, the pages it fills; a refused run writes nothing.
TEST(SheetCommand, FillsSheetsOrRefusesWithTheReason) {
    const Args ean{"--type", "EAN-13", "--data", "400638133393"};
    const Args sscc{"--type", "GS1-128", "--data", "(00)106141411234567897"};
    const auto with = [](Args base, const Args& more) {
        base.insert(base.end(), more.begin(), more.end());
        return base;
    };
    const struct {
        const char* name;
        Args args;
        int status;
        int pages;            // of the PDF written; 0 for none
        const char* message;  // on standard error
    } cases[] = {
        {"one label", with(ean, {"--sheet", "avery l7160"}), 0, 1, ""},
        {"start 8, copies 14",
         with(ean, {"--sheet", "Avery L7160", "--start", "8", "--copies", "14"}), 0, 1, ""},
        {"start 8, copies 15",
         with(ean, {"--sheet", "Avery L7160", "--start", "8", "--copies", "15"}), 0, 2, ""},
        {"serial run read back",
         with(sscc, {"--sheet", "Thermal 100x150", "--serial", "0000001:30", "--verify",
                     "--printer-dpi", "203"}),
         0, 30, ""},
        {"serial overflow", with(sscc, {"--sheet", "Thermal 100x150", "--serial", "999:2"}), 2, 0,
         "--serial \"999:2\" would outgrow its 3 digits"},
        {"EAN serial run", with(ean, {"--sheet", "Avery L7160", "--serial", "1:2"}), 0, 1, ""},
        {"unknown sheet", with(ean, {"--sheet", "Acme 1"}), 2, 0,
         "no label sheet is named \"Acme 1\""},
        {"start without sheet", with(ean, {"--start", "3"}), 2, 0,
         "--start applies to --sheet only"},
        {"start out of range", with(ean, {"--sheet", "Avery L7160", "--start", "0"}), 2, 0,
         "--start \"0\" is not a whole number from 1"},
        {"bad offset", with(ean, {"--sheet", "Avery L7160", "--offset", "1"}), 2, 0,
         "--offset \"1\" is not two distances"},
        {"reduced bars read back",
         with(ean, {"--sheet", "Thermal 58x40", "--printer-dpi", "203", "--bwr", "125",
                    "--quiet-zone-marks", "--verify"}),
         0, 1, ""},
        {"reduction too large", with(ean, {"--sheet", "Thermal 58x40", "--bwr", "500"}), 2, 0,
         "--bwr 500 is above 200 micrometres"},
        {"no whole dots", with(ean, {"--sheet", "Avery L7160", "--printer-dpi", "25"}), 2, 0,
         "no whole number of dots"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const std::string pdf = dir.filePath(QStringLiteral("sheets.pdf")).toStdString();
        Args args = c.args;
        if (std::string(c.name) != "start without sheet") args.insert(args.end(), {"-o", pdf});
        const test::CliRun run = RunCli(args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(QFile::exists(QString::fromStdString(pdf)), c.pages > 0);
        if (c.pages > 0) {
            EXPECT_EQ(test::PdfPageCount(QString::fromStdString(pdf)), c.pages);
        }
    }
}

TEST(SheetCommand, BatchRowsFillTheSheetsAndBadRowsAreNamed) {
    QTemporaryDir dir;
    QFile csv(dir.filePath(QStringLiteral("rows.csv")));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(
        "type,data\nEAN-13,400638133393\nEAN-8,9638507\nEAN-13,4006381333932\nUPC-A,03600029145\n");
    csv.close();
    const std::string pdf = dir.filePath(QStringLiteral("rows.pdf")).toStdString();
    const test::CliRun run = RunCli({"--batch", csv.fileName().toStdString(), "--sheet",
                                     "Thermal 58x40", "--copies", "2", "-o", pdf});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("row 4: check digit of 4006381333932 should be 1, not 2"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(test::PdfPageCount(QString::fromStdString(pdf)), 6);
}

}  // namespace
}  // namespace quillmark
