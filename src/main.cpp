#include "cli/CommandLine.h"
#include "ui/WindowMode.h"

#include <iostream>
#include <string>
#include <vector>

// `pickwell [PROJECT.pkw]` opens the windows; `pickwell generate ...`, `pickwell fonts`,
// `--help` and `--version` run without them.
int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (pickwell::CommandLine::Handles(arguments)) {
        return pickwell::CommandLine(std::move(arguments), std::cout, std::cerr).Run();
    }
    return pickwell::RunWindowMode(argc, argv);
}
