#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pickwell {

// The command-line mode: generates a project's code or lists the installed fonts without a
// display, through the same session and calls the windows use.
class CommandLine {
public:
    enum ExitStatus {
        Done = 0,
        LoadFailed = 1,
        CheckFailed = 2,
        WriteFailed = 3,
        Usage = 64,
    };

    static const char* UsageText();
    // True when the arguments ask for the command-line mode rather than the windows.
    static bool Handles(const std::vector<std::string>& arguments);

    // `arguments` without the program name.
    CommandLine(std::vector<std::string> arguments, std::ostream& out, std::ostream& err)
        : m_arguments(std::move(arguments))
        , m_out(out)
        , m_err(err) {}

    int Run();

private:
    int UsageError(const std::string& problem);
    int Generate();
    int Fonts();

    std::vector<std::string> m_arguments;
    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace pickwell
