// quillmark-render's entry function with its streams captured.
#include "support/CliRun.h"

#include <sstream>

#include "cli/RenderCommand.h"

namespace quillmark::test {

CliRun RunCli(const Args& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = RunRenderCommand(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace quillmark::test
