// quillmark-render: draws barcode symbols into pictures from the command line.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/PictureOutput.h"
#include "cli/RenderCommand.h"
#include "output/AtomicFile.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    quillmark::RenderEnvironment environment;
    environment.errIsTerminal = isatty(STDERR_FILENO) == 1;
    std::ios::sync_with_stdio(false);
    quillmark::RemoveTemporariesOnSignals();
    const int status = quillmark::RunRenderCommand(args, std::cout, std::cerr, environment);
    quillmark::KeepGlyphStore();
    return status;
}
