#include "BenchFontList.h"
#include "colour/ColorField.h"
#include "platform/NoticeDialog.h"
#include "platform/SettingsStore.h"
#include "style/ButtonStyleForm.h"
#include "style/FontLists.h"
#include "style/MenuStyleForm.h"

#include <benchmark/benchmark.h>

#include <random>

namespace pickwell {
namespace {

// A desktop's worth of font families in no particular order, mixed in case.
class ManyFonts : public BenchFontList {
public:
    explicit ManyFonts(int count) {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> letter(0, 25);
        std::uniform_int_distribution<int> length(4, 24);
        for (int i = 0; i < count; ++i) {
            std::string name;
            const int n = length(random);
            for (int c = 0; c < n; ++c) {
                const char base = (c == 0 || letter(random) < 3) ? 'A' : 'a';
                name += static_cast<char>(base + letter(random));
            }
            m_names.push_back(name + " " + std::to_string(i));
        }
        m_names[static_cast<std::size_t>(count / 2)] = "MS Sans Serif";
    }
    std::vector<std::string> InstalledFonts() override { return m_names; }

private:
    std::vector<std::string> m_names;
};

struct Silent : Prompt, ColorDialog, SettingsStore, NoticeDialog {
    Button Show(const Message&) override { return Button::Ok; }
    std::optional<std::int32_t> ChooseColor(std::int32_t, bool,
                                            std::array<std::int32_t, 16>&) override {
        return std::nullopt;
    }
    std::string GetSetting(const std::string&, const std::string&,
                           const std::string& defaultValue) override {
        return defaultValue;
    }
    bool SaveSetting(const std::string&, const std::string&, const std::string&) override {
        return true;
    }
    void ShowModal(NoticeForm&) override {}
};

// Start-up: both style windows created and their font lists filled.
void FillTwoThousandFonts(benchmark::State& state) {
    ManyFonts fonts(static_cast<int>(state.range(0)));
    Silent platform;
    for (auto _ : state) {
        MenuProject project;
        ColorFieldContext colors{platform, platform, {}, false};
        MenuStyleForm menu(project, colors, platform, platform);
        ButtonStyleForm button(project, colors, platform, platform);
        FillFontLists(fonts, menu, button);
        benchmark::DoNotOptimize(menu.combofont().index);
    }
}
BENCHMARK(FillTwoThousandFonts)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pickwell
