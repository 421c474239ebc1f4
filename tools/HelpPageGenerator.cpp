// Build tool: fills the help page template with the AI catalogue and the sizes the renderers draw,
// and writes it in Windows-1251.
//
// Usage: quillmark_help_generator TEMPLATE OUTPUT [TRANSLATION]
// With TRANSLATION, the window's .ts file, the page is the English one: the AI names are taken
// from the file's "AIList" context, and what is filled in is written in English.
// Placeholders in the UTF-8 template:
//   @AI_ROWS@                  one table row per AITable entry
//   @AI_COUNT@                 the number of entries
//   @SPECIAL_ROWS@             the special characters and the letters that stand for them
//   @VERSION@                  the program's version
//   @ISBN_EDITION@             the date of the ISBN range message the ISBN line is split by
//   @ISBN_GROUPS@              the number of ISBN registration groups in it
//   @GS1_EDITION@              the edition of the GS1 AI dictionary the data is checked by
//   @GS1_AI_COUNT@             the number of AIs it defines
//   @SIZE type percent@        width x height in mm of an EAN/UPC type or "ITF-14" as drawn
//   @HEIGHT UCC/EAN-128 v@     height in mm of a UCC/EAN-128 symbol at vertical size v
// An unknown placeholder or a character Windows-1251 lacks fails the build.
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Version.h"
#include "ai/AIList.h"
#include "ai/FieldCharacters.h"
#include "check/GS1Dictionary.h"
#include "isbn/ISBNAreas.h"
#include "output/XmlText.h"
#include "symbol/SymbolRequest.h"

namespace {

using namespace quillmark;

// Pixels per millimetre of the measure pass: fine enough that the extent in whole pixels gives the
// millimetres to three decimals.
constexpr double kMeasureScale = 1000.0;

// The words of what the generator fills in, in the page's language; Russian unless the
// translation is given. Set once, before the template is filled.
struct PageWords {
    std::string unlimited = "не ограничена";
    std::string fixed = "фиксированная";
    std::string variable = "переменная";
    std::string millimetres = "&nbsp;мм";
    char decimal = ',';
    std::map<std::string, std::string, std::less<>> aiNames;  // empty: the catalogue's own
};
PageWords pageWords;

std::string XmlUnescape(std::string text) {
    static const std::pair<std::string_view, char> kEntities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&amp;", '&'}};
    for (const auto& [entity, c] : kEntities)
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + 1))
            text.replace(at, entity.size(), 1, c);
    return text;
}

// The text between the next open tag (attributes allowed) and its close tag from pos on.
std::optional<std::string> Element(const std::string& xml, std::string_view tag, std::size_t& pos) {
    const std::size_t open = xml.find("<" + std::string(tag), pos);
    const std::size_t start = xml.find('>', open);
    const std::size_t close = xml.find("</" + std::string(tag) + ">", start);
    if (open == std::string::npos || start == std::string::npos || close == std::string::npos)
        return std::nullopt;
    pos = close;
    return XmlUnescape(xml.substr(start + 1, close - start - 1));
}

// The finished translations of the "AIList" context of a .ts file.
std::map<std::string, std::string, std::less<>> AINames(const std::string& ts) {
    std::map<std::string, std::string, std::less<>> names;
    std::size_t pos = ts.find("<name>AIList</name>");
    const std::size_t end = ts.find("</context>", pos);
    while (pos < end) {
        const std::size_t message = ts.find("<message>", pos);
        if (message == std::string::npos || message > end) break;
        pos = message;
        const std::optional<std::string> source = Element(ts, "source", pos);
        const std::size_t translation = ts.find("<translation", pos);
        const std::optional<std::string> text = Element(ts, "translation", pos);
        if (!source || !text) break;
        constexpr std::string_view kUnfinished = "<translation type=\"unfinished\"";
        if (ts.compare(translation, kUnfinished.size(), kUnfinished) != 0)
            names.emplace(*source, *text);
    }
    return names;
}

std::string Name(const TAIEntry& entry) {
    if (pageWords.aiNames.empty()) return std::string(entry.Name);
    const auto found = pageWords.aiNames.find(entry.Name);
    if (found != pageWords.aiNames.end()) return found->second;
    std::cerr << "no translation of the name of AI " << entry.AI << "\n";
    std::exit(1);
}

// Millimetres with two decimals and the page language's decimal separator.
std::string Millimetres(int pixels) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", pixels / kMeasureScale);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.') c = pageWords.decimal;
    return text;
}

std::string SizeText(const TRect& bounds) {
    return Millimetres(bounds.Right - bounds.Left) + "&nbsp;&times;&nbsp;" +
           Millimetres(bounds.Bottom - bounds.Top) + pageWords.millimetres;
}

std::string AIRows() {
    std::string rows;
    for (const TAIEntry& entry : AITable) {
        const std::string length =
            entry.DataLength == 0 ? pageWords.unlimited : std::to_string(entry.DataLength);
        rows += "<tr><td>(" + XmlEscaped(entry.AI) + ")</td><td>" + XmlEscaped(Name(entry)) +
                "</td><td align=\"center\">" + length + "</td><td>" +
                (entry.FixedLength ? pageWords.fixed : pageWords.variable) + "</td></tr>\n";
    }
    return rows;
}

// The letter a special character's code shows as: Windows-1251 codes 192-255 are U+0410-U+044F.
std::string CyrillicLetter(unsigned char code) {
    const unsigned int point = 0x0410 + (code - 192u);
    return {static_cast<char>(0xC0 | (point >> 6)), static_cast<char>(0x80 | (point & 0x3F))};
}

// Three name/letter pairs a row, in list order.
std::string SpecialRows() {
    constexpr int kPerRow = 3;
    std::string rows;
    for (int index = 0; index < kSpecialCharCount; ++index) {
        if (index % kPerRow == 0) rows += "<tr>";
        rows += "<td>" + std::string(SpecialCharNames[index]) + "</td><td align=\"center\">" +
                CyrillicLetter(*SpecialCharCode(index)) + "</td>";
        if (index % kPerRow == kPerRow - 1) rows += "</tr>\n";
    }
    return rows;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::optional<unsigned short> Percent(const std::string& text) {
    try {
        const int value = std::stoi(text);
        if (value > 0 && value <= 1000) return static_cast<unsigned short>(value);
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

// The text for one placeholder (without its "@" delimiters), or nullopt when it is unknown.
std::optional<std::string> Expand(const std::string& name) {
    if (name == "AI_ROWS") return AIRows();
    if (name == "SPECIAL_ROWS") return SpecialRows();
    if (name == "AI_COUNT") return std::to_string(AITable.size());
    if (name == "VERSION") return std::string(kQuillmarkVersion);
    if (name == "ISBN_EDITION") return std::string(ISBNRangesEdition());
    if (name == "ISBN_GROUPS") return std::to_string(ISBNAreaTable().size());
    if (name == "GS1_EDITION") return std::string(GS1DictionaryEdition());
    if (name == "GS1_AI_COUNT") return std::to_string(GS1DictionaryAICount());
    const std::vector<std::string> words = Words(name);
    if (words.size() != 3) return std::nullopt;
    const std::optional<unsigned short> percent = Percent(words[2]);
    if (!percent) return std::nullopt;
    // The symbol measured is the named symbology's with a number of zeros or an empty text.
    SymbolRequest symbol;
    symbol.symbology = FindSymbology(words[1]);
    if (symbol.symbology == nullptr) return std::nullopt;
    const bool ucc = symbol.Is(Symbology::UCCEAN128);
    if (words[0] != (ucc ? "HEIGHT" : "SIZE")) return std::nullopt;
    if (ucc)
        symbol.vSizePercent = *percent;
    else
        symbol.sizePercent = *percent;
    if (IsEANUPC(symbol.symbology->id)) symbol.digits = std::string(13, '0');
    TRect bounds;
    RenderSymbol(symbol, nullptr, 0, 0, kMeasureScale, kMeasureScale, bounds);
    if (ucc) return Millimetres(bounds.Bottom - bounds.Top) + pageWords.millimetres;
    return SizeText(bounds);
}

std::optional<std::string> Fill(const std::string& text) {
    std::string out;
    std::size_t pos = 0;
    while (true) {
        const std::size_t open = text.find('@', pos);
        if (open == std::string::npos) break;
        const std::size_t close = text.find('@', open + 1);
        if (close == std::string::npos) {
            std::cerr << "unterminated placeholder at byte " << open << "\n";
            return std::nullopt;
        }
        const std::string name = text.substr(open + 1, close - open - 1);
        const std::optional<std::string> value = Expand(name);
        if (!value) {
            std::cerr << "unknown placeholder @" << name << "@\n";
            return std::nullopt;
        }
        out += text.substr(pos, open - pos) + *value;
        pos = close + 1;
    }
    return out + text.substr(pos);
}

// Strict conversion: a character Windows-1251 cannot hold is an error, never replaced.
std::optional<std::string> ToWindows1251(const std::string& utf8) {
    iconv_t cd = iconv_open("WINDOWS-1251", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        std::perror("iconv_open");
        return std::nullopt;
    }
    std::string in = utf8;
    std::string out(utf8.size(), '\0');  // never longer than the UTF-8 text
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1)) {
        std::cerr << "not convertible to Windows-1251 at byte " << (inPtr - in.data()) << ": "
                  << std::strerror(error) << "\n";
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: " << argv[0] << " TEMPLATE OUTPUT [TRANSLATION]\n";
        return 2;
    }
    if (argc == 4) {
        std::ifstream ts(argv[3], std::ios::binary);
        const std::string xml{std::istreambuf_iterator<char>(ts), std::istreambuf_iterator<char>()};
        pageWords = {"no limit", "fixed", "variable", "&nbsp;mm", '.', AINames(xml)};
        if (pageWords.aiNames.empty()) {
            std::cerr << argv[3] << ": no translated AI names\n";
            return 1;
        }
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::optional<std::string> filled = Fill(text);
    if (!filled) return 1;
    const std::optional<std::string> bytes = ToWindows1251(*filled);
    if (!bytes) return 1;

    // Written beside the target and renamed, so that a failed run leaves no half page behind.
    const std::filesystem::path target = argv[2];
    std::filesystem::path partial = target;
    partial += ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
        if (!out.flush()) {
            std::cerr << partial << ": cannot write\n";
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, target, error);
    if (error) {
        std::cerr << target << ": " << error.message() << "\n";
        return 1;
    }
    return 0;
}
