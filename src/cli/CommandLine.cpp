#include "cli/CommandLine.h"

#include "app/DocumentsFolder.h"
#include "app/PreviewFolder.h"
#include "app/ProjectCommands.h"
#include "app/Session.h"
#include "cli/CheckLinksCommand.h"
#include "cli/HeadlessSession.h"
#include "import/ImportSource.h"
#include "persistence/ProjectFile.h"
#include "persistence/TextFile.h"
#include "platform/qt/QtFontList.h"
#include "style/FontLists.h"
#include "text/PageEncoding.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <optional>
#include <ostream>
#include <utility>

namespace pickwell {
namespace {

constexpr const char* UsageMessage =
    "Usage: pickwell generate --mode file|clip|preview|site [--code-style classic|standards]\n"
    "                         [--output PATH] PROJECT.pkw\n"
    "       pickwell check-links [--site-folder DIR] [--timeout S] [--contrast] PROJECT.pkw\n"
    "       pickwell import --from FILE [--format nav|sitemap|bookmarks|csv]\n"
    "                       [--select CSS-SELECTOR] PROJECT.pkw\n"
    "       pickwell fonts\n"
    "       pickwell --help | --version\n"
    "\n"
    "Commands:\n"
    "  generate  Write the menu code of a project file.\n"
    "              --mode file     the code file page, to PATH or standard output (classic\n"
    "                              code in Windows-1252, standards-compliant code in UTF-8)\n"
    "              --mode clip     the function code, then the HTML code, in UTF-8, to PATH or\n"
    "                              standard output\n"
    "              --mode preview  the preview pages into the existing folder PATH\n"
    "              --mode site     the menu as files for a whole site, in the standards-\n"
    "                              compliant code: MENUNAME.html (for the page's body),\n"
    "                              MENUNAME.css and MENUNAME.js, into the existing folder PATH\n"
    "              --code-style    the classic or the standards-compliant code, whatever the\n"
    "                              project chose (not classic with --mode site)\n"
    "  check-links  Check every linked item's address: its form, a relative link in the\n"
    "               site folder DIR (letter case too), a web address by asking its server\n"
    "               (S seconds at most, 10 unless given); with --contrast, the contrast\n"
    "               of the items', the list's and the button's colours too. One line per\n"
    "               problem; exit status 0 when there is none, 1 otherwise.\n"
    "  import    Append the items of a page's navigation, a sitemap, a bookmarks export or\n"
    "            a CSV file to a project file, which is then saved in place.\n"
    "              --format        what FILE is; guessed from its first bytes and its name\n"
    "              --select        the page's list to take (tag, #id, .class, and spaces\n"
    "                              for descendants); the page's first <nav> by default\n"
    "  fonts     List the installed fonts, one per line, as the style windows list them.\n"
    "\n"
    "Messages go to standard error as \"TITLE: TEXT\".\n"
    "Exit status: 0 done, 1 the project or the file to import could not be loaded, 2 a check "
    "before generation\n"
    "failed, 3 the output could not be written, 64 wrong usage.\n";

// Fonts need a GUI application, but never a display; Qt's own chatter stays out of the
// messages the user reads.
class HeadlessApplication {
public:
    HeadlessApplication() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                fprintf(stderr, "%s\n", qPrintable(text));
            }
        });
        m_application.emplace(m_argc, m_argv);
    }

private:
    char m_name[9] = "pickwell";
    char* m_argv[2] = {m_name, nullptr};
    int m_argc = 1;
    std::optional<QGuiApplication> m_application;
};

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// "--name value" or "--name=value"; advances `i` past what it took.
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i,
                                       const std::string& name) {
    const std::string& arg = args[i];
    if (arg.starts_with(name + "=")) {
        return arg.substr(name.size() + 1);
    }
    if (arg == name && i + 1 < args.size()) {
        return args[++i];
    }
    return std::nullopt;
}

// Any argument that is no option of the command: its one project file ("-" included). A usage
// problem for an unknown option or a second file.
std::optional<std::string> TakeOperand(const std::string& arg, bool optionsEnded,
                                       std::optional<std::string>& project) {
    if (!optionsEnded && arg.starts_with("-") && arg != "-") {
        return "unknown option '" + arg + "'";
    }
    if (project) {
        return std::string("more than one project file given");
    }
    project = arg;
    return std::nullopt;
}

} // namespace

struct CommandLine::Made {
    explicit Made(std::ostream& messages)
        : session(messages, fonts,
                  WithTrailingSlash(QCoreApplication::applicationDirPath().toStdString()),
                  DocumentsFolder(XdgFoldersFromEnvironment())) {}

    HeadlessApplication application;
    QtFontList fonts;
    HeadlessSession session;
    std::optional<MenuCode> code;
};

CommandLine::CommandLine(std::vector<std::string> arguments, std::ostream& out, std::ostream& err)
    : m_arguments(std::move(arguments))
    , m_out(out)
    , m_err(err) {}

CommandLine::~CommandLine() = default;

bool CommandLine::Handles(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return false;
    }
    const std::string& first = arguments.front();
    return first == "generate" || first == "check-links" || first == "import" || first == "fonts" ||
           first == "--help" || first == "-h" || first == "--version";
}

int CommandLine::UsageError(const std::string& problem) {
    m_err << "pickwell: " << problem << "\n\n" << UsageMessage;
    return ExitStatus::Usage;
}

int CommandLine::Run() {
    for (const std::string& arg : m_arguments) {
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            m_out << UsageMessage;
            return ExitStatus::Done;
        }
        if (arg == "--version") {
            m_out << "pickwell " << PICKWELL_VERSION << '\n';
            return ExitStatus::Done;
        }
    }
    if (m_arguments.empty()) {
        return UsageError("no command given");
    }
    if (m_arguments[0] == "generate") {
        return Generate();
    }
    if (m_arguments[0] == "check-links") {
        return CheckLinks();
    }
    if (m_arguments[0] == "import") {
        return Import();
    }
    if (m_arguments[0] == "fonts") {
        return m_arguments.size() == 1 ? Fonts() : UsageError("fonts takes no arguments");
    }
    return UsageError("unknown command '" + m_arguments[0] + "'");
}

int CommandLine::Generate() {
    std::optional<std::string> modeWord;
    std::optional<std::string> output;
    std::optional<std::string> codeStyle;
    std::optional<std::string> project;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < m_arguments.size(); ++i) {
        const std::string& arg = m_arguments[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.starts_with("--mode")) {
            modeWord = OptionValue(m_arguments, i, "--mode");
            if (!modeWord) {
                return UsageError("--mode needs file, clip, preview or site");
            }
        } else if (!optionsEnded && arg.starts_with("--code-style")) {
            codeStyle = OptionValue(m_arguments, i, "--code-style");
            if (!codeStyle || (*codeStyle != "classic" && *codeStyle != "standards")) {
                return UsageError("--code-style needs classic or standards");
            }
        } else if (!optionsEnded && arg.starts_with("--output")) {
            output = OptionValue(m_arguments, i, "--output");
            if (!output || output->empty()) {
                return UsageError("--output needs a path");
            }
        } else if (const auto problem = TakeOperand(arg, optionsEnded, project)) {
            return UsageError(*problem);
        }
    }
    if (!modeWord) {
        return UsageError("generate needs --mode file, clip, preview or site");
    }
    // The site files are the standards form's own, so the site mode builds on the file mode.
    const bool site = *modeWord == "site";
    const std::optional<OutputMode> mode = site ? OutputMode::File : ParseOutputMode(*modeWord);
    if (!mode) {
        return UsageError("unknown mode '" + *modeWord + "'; use file, clip, preview or site");
    }
    if (site && codeStyle == "classic") {
        return UsageError("--mode site writes standards-compliant code, not --code-style classic");
    }
    if (!project || project->empty()) {
        return UsageError("generate needs a project file");
    }
    if ((site || *mode == OutputMode::Preview) && !output) {
        return UsageError("--mode " + *modeWord + " needs --output FOLDER");
    }

    // Absolute, so that a message about the file names it even when it was given bare.
    const std::string path = AbsolutePath(*project);
    m_made = std::make_unique<Made>(m_err);
    HeadlessSession& headless = m_made->session;
    Session& session = headless.session();
    if (!LoadProject(session.workspace(), path)) {
        return ExitStatus::LoadFailed;
    }
    if (codeStyle || site) {
        session.mainForm().SetStandardsCode(site || *codeStyle == "standards" ? 1 : 0);
    }
    CodeCommands& commands = session.codeCommands();
    WriteResult written;
    if (site) {
        if (!commands.CheckForCode()) {
            return ExitStatus::CheckFailed;
        }
        written = commands.WriteSiteFiles(WithTrailingSlash(*output) +
                                          session.project().menuOptions.menuName + ".html");
    } else if (*mode == OutputMode::File && output) {
        // A code file is written as it is made.
        if (!commands.CheckForCode()) {
            return ExitStatus::CheckFailed;
        }
        written = commands.WriteCodeFile(*output);
    } else {
        const std::optional<MenuCode>& code = m_made->code = commands.CheckAndGenerate(*mode);
        if (!code) {
            return ExitStatus::CheckFailed;
        }
        switch (*mode) {
        case OutputMode::File: {
            std::string bytes;
            AppendPageText(bytes, code->document(), code->encoding);
            m_out << bytes << "\r\n";
            break;
        }
        case OutputMode::Clip:
            if (output) {
                written = WriteFileAtomically(*output, code->functionCode + code->htmlCode);
            } else {
                m_out << code->functionCode << code->htmlCode;
            }
            break;
        case OutputMode::Preview:
            written = WritePreviewPages(WithTrailingSlash(*output), *code);
            break;
        }
    }
    if (!output && !m_out.flush()) {
        written = {false, "The output could not be written."};
    }
    if (!written.ok) {
        headless.prompt().Show(SaveErrorMessage(written.error));
        return ExitStatus::WriteFailed;
    }
    return ExitStatus::Done;
}

int CommandLine::CheckLinks() {
    const auto parsed = ParseCheckLinks(m_arguments);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        return UsageError(*problem);
    }
    const auto& options = std::get<CheckLinksOptions>(parsed);
    m_made = std::make_unique<Made>(m_err);
    Session& session = m_made->session.session();
    if (!LoadProject(session.workspace(), AbsolutePath(options.project))) {
        return ExitStatus::LoadFailed;
    }
    return RunCheckLinks(session.project(), options, m_out);
}

int CommandLine::Import() {
    std::optional<std::string> from;
    std::optional<ImportFormat> format;
    std::string selector;
    std::optional<std::string> project;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < m_arguments.size(); ++i) {
        const std::string& arg = m_arguments[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.starts_with("--from")) {
            from = OptionValue(m_arguments, i, "--from");
            if (!from || from->empty()) {
                return UsageError("--from needs a file");
            }
        } else if (!optionsEnded && arg.starts_with("--format")) {
            const std::optional<std::string> word = OptionValue(m_arguments, i, "--format");
            format = word ? ParseImportFormat(*word) : std::nullopt;
            if (!format) {
                return UsageError("--format needs nav, sitemap, bookmarks or csv");
            }
        } else if (!optionsEnded && arg.starts_with("--select")) {
            const std::optional<std::string> value = OptionValue(m_arguments, i, "--select");
            if (!value || value->empty()) {
                return UsageError("--select needs a CSS selector");
            }
            selector = *value;
        } else if (const auto problem = TakeOperand(arg, optionsEnded, project)) {
            return UsageError(*problem);
        }
    }
    if (!from) {
        return UsageError("import needs --from FILE");
    }
    if (!selector.empty() && format && *format != ImportFormat::Nav) {
        return UsageError("--select chooses a list of a page: use it with --format nav");
    }
    if (!project || project->empty()) {
        return UsageError("import needs a project file");
    }

    const std::string path = AbsolutePath(*project);
    m_made = std::make_unique<Made>(m_err);
    HeadlessSession& headless = m_made->session;
    Session& session = headless.session();
    if (!LoadProject(session.workspace(), path)) {
        return ExitStatus::LoadFailed;
    }
    const ImportedItems imported = ImportFile(*from, format, selector);
    if (!imported.ok()) {
        Message message;
        message.title = "Oops!";
        message.text = "Could not import \"" + *from + "\". " + imported.error;
        headless.prompt().Show(message);
        return ExitStatus::LoadFailed;
    }
    session.mainForm().AppendItems(imported.items);
    const WriteResult written =
        SaveProjectFile(session.project(), path, session.platform().fileOps);
    if (!written.ok) {
        headless.prompt().Show(SaveErrorMessage(written.error));
        return ExitStatus::WriteFailed;
    }
    return ExitStatus::Done;
}

int CommandLine::Fonts() {
    m_made = std::make_unique<Made>(m_err);
    for (const std::string& name : SortFontNames(m_made->fonts.InstalledFonts())) {
        m_out << name << '\n';
    }
    return m_out.flush() ? ExitStatus::Done : ExitStatus::WriteFailed;
}

} // namespace pickwell
