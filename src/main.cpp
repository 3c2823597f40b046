#include "cli/CommandLine.h"
#include "ui/WindowMode.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

// `pickwell [PROJECT.pkw]` opens the windows; `pickwell generate ...`, `pickwell fonts`,
// `--help` and `--version` run without them.
int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (pickwell::CommandLine::Handles(arguments)) {
        pickwell::CommandLine commandLine(std::move(arguments), std::cout, std::cerr);
        const int status = commandLine.Run();
        // Everything is written and flushed: taking the session apart, and the libraries' own
        // clean-up at exit, would only add to a run's time.
        std::cout.flush();
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return pickwell::RunWindowMode(argc, argv);
}
