// The quillmark-render command: draws one symbol into a PNG or BMP picture, or dumps its modules.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quillmark {

// Runs the command with args (the program name excluded). Output goes to out, every error as one
// line to err. Returns 0 on success and 2 for any bad input or failed write; nothing is written
// to a file unless every input is valid. Writing a picture needs a QGuiApplication (for fonts).
int RunRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string RenderUsage();

}  // namespace quillmark
