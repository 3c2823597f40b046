#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace pickwell {

// The command-line mode: generates a project's code, imports items into a project or lists the
// installed fonts without a display, through the same session and calls the windows use.
class CommandLine {
public:
    enum ExitStatus {
        Done = 0,
        LoadFailed = 1,
        CheckFailed = 2,
        WriteFailed = 3,
        Usage = 64,
    };

    // True when the arguments ask for the command-line mode rather than the windows.
    static bool Handles(const std::vector<std::string>& arguments);

    // `arguments` without the program name.
    CommandLine(std::vector<std::string> arguments, std::ostream& out, std::ostream& err);
    ~CommandLine();

    int Run();

private:
    int UsageError(const std::string& problem);
    int Generate();
    int CheckLinks();
    int Import();
    int Fonts();

    struct Made;

    std::vector<std::string> m_arguments;
    std::ostream& m_out;
    std::ostream& m_err;
    // What a command made (the toolkit, the session, the code) lives as long as the command
    // line: a program that exits straight after Run() does not spend time taking it apart.
    std::unique_ptr<Made> m_made;
};

} // namespace pickwell
