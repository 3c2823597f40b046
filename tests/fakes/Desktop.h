#pragma once

#include "FailingFileOps.h"
#include "FakeFontList.h"
#include "FakeSettingsStore.h"
#include "FixedTempFolder.h"
#include "RecordingClipboard.h"
#include "RecordingHelp.h"
#include "RecordingShell.h"
#include "ScriptedCodeWindowDialog.h"
#include "ScriptedColorDialog.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedNoticeDialog.h"
#include "ScriptedPrompt.h"
#include "app/PlatformServices.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace pickwell {

// A fresh folder for one test, removed with everything in it afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pickwell-app-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
        m_path += '/';
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Ends in "/".
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where the doubles' file dialogs open first.
inline constexpr const char* DocumentsFolderPath = "/home/ann/Documents/";

// Every platform service as a double, with a temporary folder of the test's own.
struct Desktop {
    ScratchFolder temp;
    ScriptedPrompt prompt;
    ScriptedColorDialog colorDialog;
    FakeSettingsStore settings;
    FakeFontList fonts{{"Arial", "MS Sans Serif", "Verdana"}};
    ScriptedFileDialogs fileDialogs;
    RecordingClipboard clipboard;
    RecordingShell shell;
    FixedTempFolder tempFolder{temp.path()};
    ScriptedNoticeDialog notices;
    ScriptedCodeWindowDialog codeWindow;
    RecordingHelp help;
    FailingFileOps fileOps;
    PlatformServices services{prompt,           colorDialog,         settings, fonts,
                              fileDialogs,      clipboard,           shell,    tempFolder,
                              notices,          codeWindow,          help,     help,
                              "/opt/pickwell/", DocumentsFolderPath, fileOps};
};

} // namespace pickwell
