// quillmark-render run in the test's own process: its exit status and what it printed.
#pragma once

#include <string>
#include <vector>

namespace quillmark::test {

using Args = std::vector<std::string>;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// RunRenderCommand with args, standard output and error captured.
CliRun RunCli(const Args& args);

}  // namespace quillmark::test
