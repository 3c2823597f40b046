#include "BenchApplication.h"
#include "BenchFontList.h"
#include "app/Session.h"
#include "ui/ButtonStyleWindow.h"
#include "ui/MainWindow.h"
#include "ui/MenuStyleWindow.h"
#include "ui/QtDesktop.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace pickwell {
namespace {

// A desktop with this many font families, in no particular order and mixed in case.
class ManyFonts : public BenchFontList {
public:
    explicit ManyFonts(int count) {
        std::mt19937 random(11);
        std::uniform_int_distribution<int> letter(0, 25);
        std::uniform_int_distribution<int> length(4, 24);
        for (int i = 0; i < count; ++i) {
            std::string name;
            for (int c = 0, n = length(random); c < n; ++c) {
                name += static_cast<char>((c == 0 ? 'A' : 'a') + letter(random));
            }
            m_names.push_back(name + " " + std::to_string(i));
        }
        m_names[static_cast<std::size_t>(count / 3)] = "MS Sans Serif";
    }
    std::vector<std::string> InstalledFonts() override { return m_names; }

private:
    std::vector<std::string> m_names;
};

// The window mode's start-up up to a shown main window, as the program runs it, with every
// desktop service real but the font list and a settings folder of its own.
void BM_StartUpToShownMainWindow(benchmark::State& state) {
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    ManyFonts fonts(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QtDesktop desktop("/usr/bin/", &fonts);
        Session session(desktop.services);
        MainWindow window(session);
        MenuStyleWindow menuStyle(session.menuStyle(), &window);
        ButtonStyleWindow buttonStyle(session.buttonStyle(), &window);
        session.StartUp("");
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_StartUpToShownMainWindow)->Arg(100)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pickwell

int main(int argc, char* argv[]) {
    return pickwell::RunWindowBenchmarks(argc, argv);
}
