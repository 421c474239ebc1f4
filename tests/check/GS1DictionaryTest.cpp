// The dictionary table against its data file, read here on its own.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "check/GS1Dictionary.h"

namespace quillmark {
namespace {

struct FileEntry {
    std::string first, last;
    bool predefined = false;
    std::string title;
    std::string linters;  // every component's linters in order, each followed by a space
};

std::vector<FileEntry> ReadFile() {
    std::ifstream in(QUILLMARK_GS1_DICTIONARY_FILE);
    std::vector<FileEntry> entries;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.find_first_not_of(" \t") == std::string::npos)
            continue;
        FileEntry e;
        const std::size_t hash = line.find('#');
        if (hash != std::string::npos) {
            e.title = line.substr(line.find_first_not_of(' ', hash + 1));
            e.title.erase(e.title.find_last_not_of(" \t") + 1);
        }
        std::istringstream words(line.substr(0, hash));
        std::string ais, flag;
        words >> ais >> flag;
        for (std::string word = flag; words || !word.empty(); word.clear(), words >> word) {
            if (word.find_first_of("[NXYZ") != 0) continue;
            std::istringstream names(word.substr(std::min(word.find(','), word.size())));
            for (std::string name; std::getline(names, name, ',');)
                if (!name.empty()) e.linters += name + " ";
        }
        const std::size_t dash = ais.find('-');
        e.first = ais.substr(0, dash);
        e.last = dash == std::string::npos ? ais : ais.substr(dash + 1);
        e.predefined = flag == "*";
        entries.push_back(e);
    }
    return entries;
}

TEST(GS1Dictionary, HoldsEveryEntryOfTheFile) {
    const std::vector<FileEntry> file = ReadFile();
    ASSERT_EQ(GS1DictionaryEntries().size(), file.size());
    std::size_t expanded = 0;
    for (std::size_t i = 0; i < file.size(); ++i) {
        const GS1AIEntry& e = GS1DictionaryEntries()[i];
        const std::string_view ai = e.first;
        EXPECT_EQ(ai, file[i].first);
        EXPECT_EQ(e.last.View(), file[i].last);
        EXPECT_EQ(e.predefinedLength, file[i].predefined) << ai;
        EXPECT_EQ(e.title.View(), file[i].title) << ai;
        EXPECT_GE(e.componentCount, 1) << ai;
        std::string linters;
        for (const GS1Component& c : e.Components())
            for (const GS1Linter l : c.linters)
                if (l != GS1Linter::none) linters += std::string(LinterName(l)) + " ";
        EXPECT_EQ(linters, file[i].linters) << ai;
        expanded +=
            static_cast<std::size_t>(std::stoi(file[i].last) - std::stoi(file[i].first) + 1);
    }
    // Every AI of two to four digits the file covers is found, and no other.
    std::size_t found = 0;
    for (int digits = 2; digits <= 4; ++digits)
        for (int n = 0; n < (digits == 2 ? 100 : digits == 3 ? 1000 : 10000); ++n) {
            std::string ai = std::to_string(n);
            ai.insert(0, static_cast<std::size_t>(digits) - ai.size(), '0');
            const GS1AIEntry* e = FindGS1AI(ai);
            if (e == nullptr) continue;
            ++found;
            EXPECT_TRUE(e->first <= ai && ai <= e->last) << ai;
        }
    EXPECT_EQ(found, expanded);
    EXPECT_EQ(GS1DictionaryAICount(), expanded);
    EXPECT_FALSE(GS1DictionaryEdition().empty());
}

// Data as a reader sends it, written back with its AIs in parentheses: predefined lengths end
// by themselves, the others at a GS or the end; what the dictionary cannot split stays unsplit.
TEST(GS1Dictionary, TransmittedDataInParentheses) {
    const struct {
        std::string_view transmitted;
        std::optional<std::string> printed;
    } cases[] = {
        {"01095011015300031725123110ABC", "(01)09501101530003(17)251231(10)ABC"},
        {"10ABC\x1d"
         "2112",
         "(10)ABC(21)12"},
        {"0109501101530003\x1d"
         "10A",
         "(01)09501101530003(10)A"},  // a needless GS after (01)
        {"00346000000000000016", "(00)346000000000000016"},
        {"3103001234"
         "422643",
         "(3103)001234(422)643"},
        {"8004ABC\x1d"
         "7040A123",
         "(8004)ABC(7040)A123"},
        {"0109501101", std::nullopt},  // (01) cut short
        {"23ABC", std::nullopt},       // no AI of the dictionary
        {"10\x1d"
         "21A",
         std::nullopt},  // (10) without data
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.transmitted));
        EXPECT_EQ(ElementStringsInParentheses(c.transmitted), c.printed);
    }
}

}  // namespace
}  // namespace quillmark
