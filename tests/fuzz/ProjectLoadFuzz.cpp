// Any bytes as a project file, loaded the way the command line loads one and then generated
// in every mode and both code styles: a load ends in a project or in the "Oops!" message, and
// a project holds the values the literal reader of the tests finds where the load takes them
// as they stand.
#include "FakeFontList.h"
#include "ReferenceIni.h"
#include "app/Session.h"
#include "cli/HeadlessSession.h"
#include "app/ProjectCommands.h"
#include "text/Windows1252.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace {

using namespace pickwell;

// One file per process, rewritten for each input and removed at exit.
struct ScratchFile {
    ScratchFile() {
        path = (std::filesystem::temp_directory_path() / "pickwell-fuzz-XXXXXX").string();
        const int fd = mkstemp(path.data());
        if (fd < 0) {
            std::perror("mkstemp");
            std::abort();
        }
        close(fd);
    }
    ~ScratchFile() { std::remove(path.c_str()); }

    std::string path;
};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckValuesAsRead(std::string_view file, const MenuProject& project) {
    const auto value = [file](std::string_view section, const std::string& key) {
        return reference::IniValue(file, section, key).value_or("");
    };
    bool headingAbove = false;
    for (std::size_t i = 0; i < project.items.size(); ++i) {
        const MenuItem& item = project.items[i];
        const std::string n = std::to_string(i + 1);
        const std::string heading = value("ItemColors", "IsHeading " + n);
        // Below a heading, every item that is not one itself is indented.
        const std::string indent = heading != "Yes" && headingAbove ? "   " : "";
        headingAbove = headingAbove || heading == "Yes";
        Require(item.text == indent + value("Items", "Item " + n));
        Require(item.linked.view() == value("Linked", n));
        Require(item.url == value("URLS", "URL " + n));
        Require(item.backColor.view() == value("ItemColors", "Backcolor " + n));
        Require(item.textColor.view() == value("ItemColors", "Textcolor " + n));
        Require(item.isHeading.view() == heading);
    }
    const MenuOptions& menu = project.menuOptions;
    Require(menu.navigateMode == (value("Menu Options", "Navigate") == "0" ? 0 : 1));
    Require(menu.frameName == value("Menu Options", "Frame Name"));
    Require(menu.menuName == value("Menu Options", "Menu Name"));
    Require(menu.listLabel == value("Menu Options", "List Label"));
    const ButtonOptions& button = project.buttonOptions;
    Require(button.buttonType == (value("Button Options", "Button Type") == "0" ? 0 : 1));
    Require(button.buttonText == value("Button Options", "Button Text"));
    Require(button.graphicUrl == value("Button Options", "Button Graphic URL"));
    Require(button.graphicWidth == value("Button Options", "Button Graphic Wdth"));
    Require(button.graphicHeight == value("Button Options", "Button Graphic Ht"));
    Require(button.altText == value("Button Options", "Alt Text"));
}

void Generate(Session& session, OutputMode mode) {
    if (const std::optional<MenuCode> code = session.codeCommands().CheckAndGenerate(mode)) {
        EncodeWindows1252(code->document(), Unmappable::CharacterReference);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile file;
    const std::string& path = file.path;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    FakeFontList fonts({"Arial", "Courier New", "MS Sans Serif", "Times New Roman", "Verdana"});
    std::ostream messages(nullptr); // the "Oops!" and notices are expected; nobody reads them
    HeadlessSession headless(messages, fonts, "/nonexistent/", "/nonexistent/");
    Session& session = headless.session();
    if (!LoadProject(session.workspace(), path)) {
        return 0;
    }
    CheckValuesAsRead(std::string_view(reinterpret_cast<const char*>(data), size),
                      session.project());
    for (const OutputMode mode : {OutputMode::File, OutputMode::Clip, OutputMode::Preview}) {
        Generate(session, mode);
    }
    session.mainForm().SetStandardsCode(session.project().menuOptions.standardsCode == 0 ? 1 : 0);
    Generate(session, OutputMode::File);
    return 0;
}
