#include "BenchDialogs.h"
#include "BenchFontList.h"
#include "app/ProjectCommands.h"
#include "app/RecentFiles.h"
#include "app/Workspace.h"
#include "colour/ColorField.h"
#include "model/MainForm.h"
#include "platform/NoticeDialog.h"
#include "platform/SettingsStore.h"
#include "style/ButtonStyleForm.h"
#include "style/FontLists.h"
#include "style/MenuStyleForm.h"
#include "style/NoticeForm.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>

namespace pickwell {
namespace {

class SilentPrompt : public Prompt {
public:
    Button Show(const Message& message) override {
        throw std::runtime_error("unexpected message box: " + message.title);
    }
};

class NoColorDialog : public ColorDialog {
public:
    std::optional<std::int32_t> ChooseColor(std::int32_t, bool,
                                            std::array<std::int32_t, 16>&) override {
        return std::nullopt;
    }
};

class NoNotices : public NoticeDialog {
public:
    void ShowModal(NoticeForm& notice) override { notice.Ok(); }
};

class MemorySettings : public SettingsStore {
public:
    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override {
        const auto it = m_values.find(section + "/" + key);
        return it == m_values.end() ? defaultValue : it->second;
    }
    bool SaveSetting(const std::string& section, const std::string& key,
                     const std::string& value) override {
        m_values[section + "/" + key] = value;
        return true;
    }

private:
    std::map<std::string, std::string> m_values;
};

class FixedFonts : public BenchFontList {
public:
    std::vector<std::string> InstalledFonts() override { return {"Arial", "MS Sans Serif"}; }
};

// A started program whose project holds `count` items, every one linked and coloured: a
// heading every `headingEvery` items, or none when it is 0.
struct Program {
    explicit Program(int count, int headingEvery = 20)
        : path((std::filesystem::temp_directory_path() /
                ("pickwell-bench-" + std::to_string(count) + ".pkw"))
                   .string())
        , dialogs(path) {
        FixedFonts fonts;
        FillFontLists(fonts, menuStyle, buttonStyle);
        for (int i = 1; i <= count; ++i) {
            MenuItem item;
            const bool heading = headingEvery > 0 && i % headingEvery == 1;
            item.text = (heading ? "Group " : "   Page number ") + std::to_string(i);
            item.isHeading = heading ? "Yes" : "No";
            item.linked = heading ? "No" : "Yes";
            item.url = heading ? "" : "https://example.com/pages/" + std::to_string(i) + ".html";
            item.backColor = "#FFFFCC";
            item.textColor = "#000080";
            project.items.push_back(std::move(item));
        }
        project.items[count / 2].selected = "Yes";
    }
    ~Program() { std::filesystem::remove(path); }

    std::string path;
    SilentPrompt prompt;
    NoColorDialog colorDialog;
    NoNotices notices;
    MemorySettings settings;
    FixedDialogs dialogs;
    MenuProject project;
    ColorFieldContext colors{prompt, colorDialog, {}, false};
    MainForm main{project, colors};
    MenuStyleForm menuStyle{project, colors, settings, notices};
    ButtonStyleForm buttonStyle{project, colors, settings, notices};
    RecentFiles recent{settings};
    Workspace workspace{project,  main,    menuStyle, buttonStyle, prompt,
                        settings, dialogs, recent,    "/tmp/"};
};

void SaveProjectOfItems(benchmark::State& state) {
    Program program(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (SaveProject(program.workspace) != SaveResult::Saved) {
            state.SkipWithError("save failed");
            break;
        }
    }
    state.SetComplexityN(state.range(0));
}

void LoadProjectOfItems(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    Program program(static_cast<int>(count));
    SaveProject(program.workspace);
    for (auto _ : state) {
        if (!LoadProject(program.workspace, program.path) ||
            program.project.items.size() != count) {
            state.SkipWithError("load failed");
            break;
        }
    }
    state.SetComplexityN(state.range(0));
}

// Loading a list without any heading: each item looks for a heading above it.
void LoadProjectWithoutHeadings(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    Program program(static_cast<int>(count), 0);
    SaveProject(program.workspace);
    for (auto _ : state) {
        if (!LoadProject(program.workspace, program.path) ||
            program.project.items.size() != count) {
            state.SkipWithError("load failed");
            break;
        }
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(SaveProjectOfItems)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(LoadProjectOfItems)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK(LoadProjectWithoutHeadings)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
} // namespace pickwell
