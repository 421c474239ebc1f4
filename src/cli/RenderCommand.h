// The quillmark-render command: draws symbols into pictures, one or a batch, or dumps their
// modules.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quillmark {

// Exit statuses of the command.
inline constexpr int kExitMade = 0;
inline constexpr int kExitRowsFailed = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitUnverified = 3;
inline constexpr int kExitCheckFailed = 4;

struct RenderEnvironment {
    // Whether err is a terminal, where a batch shows its progress bar.
    bool errIsTerminal = false;
};

// Runs the command with args (the program name excluded). Output goes to out, every error as one
// line to err. Returns one of the exit statuses above; nothing is written to a file unless every
// input is valid. Call it on the main thread: a PDF picture starts Qt there (in the PDF module).
int RunRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const RenderEnvironment& environment = {});

std::string RenderUsage();

}  // namespace quillmark
