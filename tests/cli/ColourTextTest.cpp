// The command line's colour reading against QColor::fromString, the reader it replaces: every
// keyword Qt knows and each hexadecimal form, accepted or refused alike.
#include "cli/ColourText.h"

#include <gtest/gtest.h>
#include <QColor>

#include <optional>
#include <string>
#include <vector>

namespace quillmark {
namespace {

// What the program accepted while it read colours with Qt: valid and opaque.
std::optional<TColor> AsQtReads(const std::string& text) {
    const QColor colour = QColor::fromString(QString::fromStdString(text));
    if (!colour.isValid() || colour.alpha() != 255) return std::nullopt;
    return static_cast<TColor>(colour.rgb() & 0xFFFFFF);
}

TEST(ColourText, EveryQtColourNameInAnyCaseAndSpacing) {
    const QStringList names = QColor::colorNames();
    ASSERT_EQ(names.size(), 148);  // "transparent" among them, which stays refused
    int accepted = 0;
    for (const QString& qtName : names) {
        const std::string name = qtName.toStdString();
        std::string spaced = qtName.toUpper().toStdString();
        spaced.insert(spaced.size() / 2, " \t");
        for (const std::string& text : {name, spaced, " " + name + " "}) {
            SCOPED_TRACE(text);
            EXPECT_EQ(ColourFromText(text), AsQtReads(text));
        }
        accepted += ColourFromText(name).has_value();
    }
    EXPECT_EQ(accepted, 147);
    EXPECT_EQ(ColourFromText("transparent"), std::nullopt);
}

TEST(ColourText, HexadecimalFormsAndNearMisses) {
    const struct {
        const char* text;
        std::optional<TColor> expected;
    } cases[] = {
        {"#FFFFF0", 0xFFFFF0},       {"#000080", 0x000080},
        {"#abcdef", 0xABCDEF},       {"#fA0", 0xFFAA00},
        {"#FF123456", 0x123456},      // opaque alpha first
        {"#80123456", std::nullopt},  // translucent
        {"#00123456", std::nullopt},  // transparent
        {"#123456789", 0x124578},     // 12 bits a channel, rounded to 8
        {"#FFF800080", 0xFF8008},    {"#123412341234", 0x121212},  // 16 bits a channel
        {"#FFFF7F7F8080", 0xFF7F80}, {"#12345", std::nullopt},
        {"#1234567", std::nullopt},  {"#1234567890abcdef", std::nullopt},
        {"#abcdeg", std::nullopt},   {"#ff ff ff", std::nullopt},
        {"#+12345", std::nullopt},   {"#0x1234", std::nullopt},
        {" #123456", std::nullopt},  {"#", std::nullopt},
        {"", std::nullopt},          {"123456", std::nullopt},
        {"grey", 0x808080},          {"LightGoldenRodYellow", 0xFAFAD2},
        {"blurple", std::nullopt},   {"n\xC3\xA0vy", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColourFromText(c.text), c.expected);
        EXPECT_EQ(ColourFromText(c.text), AsQtReads(c.text));
    }
}

// Qt drops everything from the first character outside Latin-1 on, so it took "navy" followed
// by any such text as navy; a keyword with more after it is refused here.
TEST(ColourText, TextAfterAKeywordIsNotIgnored) {
    EXPECT_EQ(ColourFromText("navy\xE4\xB8\x80"), std::nullopt);
    EXPECT_EQ(ColourFromText("navy"), 0x000080u);
}

}  // namespace
}  // namespace quillmark
