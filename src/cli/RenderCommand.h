// The quillmark-render command: draws symbols into pictures, one or a batch, or dumps their
// modules.
#pragma once

#include <functional>
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
    // Called once, on the calling thread, before the first picture is drawn: pictures need a
    // QGuiApplication (fonts); dumps, help and refused input do not. Empty when one exists.
    std::function<void()> startGui;
    // Whether err is a terminal, where a batch shows its progress bar.
    bool errIsTerminal = false;
};

// Runs the command with args (the program name excluded). Output goes to out, every error as one
// line to err. Returns one of the exit statuses above; nothing is written to a file unless every
// input is valid.
int RunRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const RenderEnvironment& environment = {});

std::string RenderUsage();

}  // namespace quillmark
