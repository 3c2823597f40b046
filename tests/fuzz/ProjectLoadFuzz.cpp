// Any bytes as a project file, loaded the way the command line loads one and then generated
// in every mode and both code styles: a load ends in a project or in the "Oops!" message.
#include "FakeFontList.h"
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
    for (const OutputMode mode : {OutputMode::File, OutputMode::Clip, OutputMode::Preview}) {
        Generate(session, mode);
    }
    session.mainForm().SetStandardsCode(session.project().menuOptions.standardsCode == 0 ? 1 : 0);
    Generate(session, OutputMode::File);
    return 0;
}
