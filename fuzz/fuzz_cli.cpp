// Fuzzes the command line's argument parsing and its braces notation for special characters.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzCanvas.h"
#include "ai/FieldCharacters.h"
#include "cli/FieldText.h"
#include "cli/RenderCommand.h"

namespace {

using quillmark::fuzz::Check;

// Writes a field text back in the braces notation.
std::string Notation(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 32 && c <= 126) {
            out += static_cast<char>(c);
            continue;
        }
        bool named = false;
        for (int i = 0; i < quillmark::kSpecialCharCount; ++i) {
            if (quillmark::SpecialCharCode(i) == c) {
                out += "{" + std::string(quillmark::SpecialCharNames[i]) + "}";
                named = true;
            }
        }
        Check(named, "parsed text holds a byte the notation cannot name");
    }
    return out;
}

void FuzzFieldText(const std::string& arg) {
    const auto parsed = quillmark::ParseFieldText(arg);
    if (!parsed.ok) {
        Check(!parsed.error.empty(), "a refusal without a message");
        return;
    }
    const auto again = quillmark::ParseFieldText(Notation(parsed.text));
    Check(again.ok && again.text == parsed.text, "the notation does not round-trip");
}

// Pictures are never written here: output options are dropped, so only parsing, checking and
// dumps run.
std::vector<std::string> Arguments(FuzzedDataProvider& in) {
    std::vector<std::string> args;
    const auto count = in.ConsumeIntegralInRange<std::size_t>(0, 12);
    for (std::size_t i = 0; i < count; ++i) {
        std::string arg = in.ConsumeRandomLengthString(40);
        if (arg == "-o" || arg.rfind("--o", 0) == 0 || arg.rfind("-o", 0) == 0) arg = "--dump";
        args.push_back(arg);
    }
    return args;
}

// Both "--list-sheets TEXT" and "--list-sheets=TEXT" ask for a listing.
bool AsksForSheetList(const std::string& arg) {
    return arg == "--list-sheets" || arg.starts_with("--list-sheets=");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool()) {
        FuzzFieldText(in.ConsumeRemainingBytesAsString());
        return 0;
    }
    std::ostringstream out, err;
    const std::vector<std::string> args = Arguments(in);
    const int status = quillmark::RunRenderCommand(args, out, err);
    Check(status == 0 || status == 2, "exit status other than 0 and 2");
    if (status == 2) {
        const std::string message = err.str();
        Check(!message.empty() && message.back() == '\n', "a refusal without a message line");
        Check(message.find('\n') == message.size() - 1, "a refusal of more than one line");
        Check(out.str().empty(), "a refusal that also printed output");
    } else if (std::none_of(args.begin(), args.end(), AsksForSheetList)) {
        // A listing of the sheets that match a text may rightly list none.
        Check(!out.str().empty(), "a success that printed nothing");
    }
    return 0;
}
