// Label sheet templates: units, aliases, layouts, malformed files, and Debian's whole set.
#include "sheets/SheetTemplates.h"

#include <gtest/gtest.h>

#include <QDir>
#include <cmath>

namespace quillmark {
namespace {

TEST(SheetTemplates, LengthsInEveryUnit) {
    const struct {
        const char* text;
        std::optional<double> mm;
    } cases[] = {
        {"72pt", 25.4},
        {"1in", 25.4},
        {"25.4mm", 25.4},
        {"2.54cm", 25.4},
        {"6pc", 25.4},
        {"72", 25.4},
        {" 1.5 mm ", 1.5},
        {".5in", 12.7},
        {"1e1mm", 10},
        {"0", 0},
        {"", std::nullopt},
        {"mm", std::nullopt},
        {"1km", std::nullopt},
        {"1,5mm", std::nullopt},
        {"1e999mm", std::nullopt},
        {"12 mm mm", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<double> mm = LengthInMm(QString::fromUtf8(c.text));
        ASSERT_EQ(mm.has_value(), c.mm.has_value()) << c.text;
        if (mm) {
            EXPECT_NEAR(*mm, *c.mm, 1e-9) << c.text;
        }
    }
}

const char kTemplates[] = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Acme" part="A2" equiv="A1"/>
  <Template brand="Acme" part="A1" size="A4" _description="Two grids">
    <Meta category="label"/>
    <Label-rectangle id="0" width="1in" height="36pt" round="1mm" x_waste="2pt" y_waste="0">
      <Markup-margin size="1mm"/>
      <Layout nx="2" ny="2" x0="10mm" y0="100mm" dx="30mm" dy="20mm"/>
      <Layout nx="1" ny="3" x0="150mm" y0="10mm" dy="50mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="R1" size="Other" width="100mm" height="80mm" description="Round">
    <Label-round id="0" radius="0.5in" waste="1mm">
      <Layout nx="1" ny="1" x0="5mm" y0="5mm"/>
    </Label-round>
  </Template>
  <Template brand="Acme" part="CD" size="US-Letter">
    <Label-cd id="0" radius="58.5mm" hole="20.5mm" waste="0">
      <Layout nx="1" ny="2" x0="49mm" y0="10mm" dy="130mm"/>
    </Label-cd>
  </Template>
  <Template brand="Acme" part="BAD-UNIT" size="A4">
    <Label-rectangle id="0" width="1furlong" height="1in">
      <Layout nx="1" ny="1"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="BAD-PAPER" size="Papyrus">
    <Label-rectangle id="0" width="1in" height="1in"><Layout nx="1" ny="1"/></Label-rectangle>
  </Template>
  <Template brand="Acme" part="HUGE" size="A4">
    <Label-rectangle id="0" width="1mm" height="1mm"><Layout nx="5000" ny="5000"/></Label-rectangle>
  </Template>
  <Template brand="Acme" part="ORPHAN" equiv="NONE"/>
</Glabels-templates>
)";

TEST(SheetTemplates, DefinitionsAliasesAndPassedOverTemplates) {
    SheetLibrary library;
    ReadTemplateFile(kTemplates, QStringLiteral("acme.xml"), library);
    ASSERT_EQ(library.sheets.size(), 4u);
    EXPECT_EQ(library.aliases, 1);

    const LabelSheet* alias = FindSheet(library.sheets, "acme a2");
    ASSERT_NE(alias, nullptr);
    EXPECT_EQ(alias->description, "Two grids");
    EXPECT_NEAR(alias->labelWidth, 25.4, 1e-9);
    EXPECT_NEAR(alias->labelHeight, 12.7, 1e-9);
    EXPECT_NEAR(alias->xWaste, 25.4 / 36, 1e-9);
    EXPECT_EQ(alias->paperWidth, 210);
    // Both grids' cells in reading order: the right-hand column's first two rows come first.
    const std::vector<CellRect> cells = SheetCells(*alias);
    const double expected[][2] = {{150, 10},  {150, 60}, {10, 100}, {40, 100},
                                  {150, 110}, {10, 120}, {40, 120}};
    ASSERT_EQ(cells.size(), std::size(expected));
    for (size_t i = 0; i < cells.size(); ++i) {
        EXPECT_NEAR(cells[i].x, expected[i][0], 1e-9) << i;
        EXPECT_NEAR(cells[i].y, expected[i][1], 1e-9) << i;
    }

    const LabelSheet* round = FindSheet(library.sheets, "Acme R1");
    ASSERT_NE(round, nullptr);
    EXPECT_EQ(round->shape, LabelShape::Round);
    EXPECT_NEAR(round->labelWidth, 25.4, 1e-9);
    EXPECT_EQ(round->paperHeight, 80);
    EXPECT_EQ(round->description, "Round");
    const LabelSheet* cd = FindSheet(library.sheets, "ACME-CD");
    ASSERT_NE(cd, nullptr);
    EXPECT_EQ(cd->shape, LabelShape::Cd);
    EXPECT_NEAR(cd->paperWidth, 215.9, 1e-9);
    EXPECT_EQ(SheetCells(*cd).size(), 2u);

    // Each template passed over is named by its line, and the rest of the file is kept.
    std::vector<std::pair<qint64, QString>> problems;
    for (const TemplateProblem& p : library.problems) {
        EXPECT_EQ(p.file, QStringLiteral("acme.xml"));
        problems.emplace_back(p.line, p.message);
    }
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].first, 22);
    EXPECT_TRUE(problems[0].second.contains(QStringLiteral("1furlong")));
    EXPECT_EQ(problems[1].first, 27);
    EXPECT_TRUE(problems[1].second.contains(QStringLiteral("Papyrus")));
    EXPECT_EQ(problems[2].first, 30);
    EXPECT_EQ(problems[3].first, 33);
    EXPECT_TRUE(problems[3].second.contains(QStringLiteral("NONE")));
}

TEST(SheetTemplates, MalformedFilesAddNothingAndNameTheirLine) {
    const struct {
        const char* xml;
        qint64 line;
    } cases[] = {
        {"<?xml version=\"1.0\"?>\n<Glabels-templates>\n<Template brand=\"A\" part=\"1\" "
         "size=\"A4\">\n<Label-rectangle width=\"1in\" height=\"1in\"><Layout/></Label-rectangle>"
         "\n</Template>\n<Template brand=\"A\" part=\"2\"\n",
         7},
        {"<Glabels-templates>\n<Template brand=\"A\" part=\"1\" size=\"A4\"></Templat>\n", 2},
        {"<Something-else/>", 1},
        {"", 1},
    };
    for (const auto& c : cases) {
        SheetLibrary library;
        ReadTemplateFile(c.xml, QStringLiteral("broken.xml"), library);
        EXPECT_TRUE(library.sheets.empty()) << c.xml;
        ASSERT_EQ(library.problems.size(), 1u) << c.xml;
        EXPECT_EQ(library.problems[0].file, QStringLiteral("broken.xml"));
        EXPECT_EQ(library.problems[0].line, c.line) << c.xml;
    }
}

TEST(SheetTemplates, BundledSheetsReadWithoutProblems) {
    SheetLibrary library = LoadSheetLibrary(QStringLiteral("/nonexistent"));
    EXPECT_TRUE(library.problems.empty());
    for (const char* name :
         {"Avery L7160", "Zweckform 3474", "Zweckform 3657", "Avery L7163", "Avery L7167",
          "Avery 5160", "Thermal 58x40", "Thermal 100x150", "Thermal 4x6"}) {
        const LabelSheet* sheet = FindSheet(library.sheets, name);
        ASSERT_NE(sheet, nullptr) << name;
        // Every cell lies on the paper.
        for (const CellRect& cell : SheetCells(*sheet)) {
            EXPECT_GE(cell.x, 0) << name;
            EXPECT_LE(cell.x + cell.width, sheet->paperWidth + 0.1) << name;
            EXPECT_LE(cell.y + cell.height, sheet->paperHeight + 0.1) << name;
        }
    }
}

// Debian's glabels-data (installed for the tests): every template file and alias is understood.
TEST(SheetTemplates, EverySystemTemplateReads) {
    if (!QDir(QString::fromLatin1(kSystemTemplateFolder)).exists()) {
        GTEST_SKIP() << "glabels-data is not installed";
    }
    const SheetLibrary library = LoadSheetLibrary();
    for (const TemplateProblem& p : library.problems) {
        ADD_FAILURE() << p.file.toStdString() << ":" << p.line << ": " << p.message.toStdString();
    }
    EXPECT_GE(library.sheets.size(), 1700u);
    EXPECT_GE(library.aliases, 600);
    for (const LabelSheet& sheet : library.sheets) {
        EXPECT_GT(sheet.paperWidth, 0) << SheetName(sheet);
        EXPECT_FALSE(SheetCells(sheet).empty()) << SheetName(sheet);
    }
}

}  // namespace
}  // namespace quillmark
