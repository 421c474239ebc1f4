// The verdict on each element string of the corpus: sound, sound with warnings, or failed.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "ai/FieldCharacters.h"
#include "check/GS1Check.h"

namespace quillmark {
namespace {

// Special characters written by name in braces ("{FNC1}", "{GS}") as their 8-bit codes.
std::string FieldText(const std::string& written) {
    std::string text;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const std::size_t close = written.find('}', i);
        if (written[i] == '{' && close != std::string::npos) {
            if (const auto index = SpecialCharIndex(written.substr(i + 1, close - i - 1))) {
                text += static_cast<char>(*SpecialCharCode(*index));
                i = close;
                continue;
            }
        }
        text += written[i];
    }
    return text;
}

std::string Verdict(const std::vector<GS1Finding>& findings) {
    Severity worst = Severity::Pass;
    for (const GS1Finding& f : findings) worst = std::max(worst, f.severity);
    return worst == Severity::Pass ? "pass" : worst == Severity::Warning ? "warn" : "fail";
}

std::string Describe(const std::vector<GS1Finding>& findings) {
    std::string out;
    for (const GS1Finding& f : findings)
        out +=
            " [" + std::to_string(static_cast<int>(f.problem)) + " " + f.ai + " " + f.found + "]";
    return out;
}

TEST(GS1Corpus, EveryVerdictAsAVerifierGivesIt) {
    std::ifstream corpus(QUILLMARK_GS1_CORPUS_FILE);
    ASSERT_TRUE(corpus) << QUILLMARK_GS1_CORPUS_FILE;
    int count = 0, agreed = 0, sound = 0;
    std::string line;
    while (std::getline(corpus, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const std::string expected = line.substr(0, tab);
        const std::string written = line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1);
        const std::vector<GS1Finding> findings = CheckGS1Text(FieldText(written));
        ++count;
        sound += expected == "pass";
        const std::string verdict = Verdict(findings);
        if (verdict == expected) ++agreed;
        EXPECT_EQ(verdict, expected) << line << Describe(findings);
        // As all the data of a label, a missing requisite AI fails too.
        const std::string whole = Verdict(CheckGS1Text(FieldText(written), {.wholeLabel = true}));
        EXPECT_EQ(whole, expected == "warn" && line.find("requisite") != std::string::npos
                             ? "fail"
                             : expected)
            << line;
    }
    EXPECT_GE(count, 300);
    EXPECT_GE(sound, 100);
    EXPECT_EQ(agreed, count);
    std::printf("corpus: %d element strings, %d agreed\n", count, agreed);
}

}  // namespace
}  // namespace quillmark
