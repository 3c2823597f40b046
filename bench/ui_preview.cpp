#include "BenchApplication.h"
#include "app/Session.h"
#include "ui/MainWindow.h"
#include "ui/PreviewPanel.h"
#include "ui/QtDesktop.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace pickwell {
namespace {

constexpr int Items = 50;

// The shown main window of the program with the desktop's services, a menu of `Items` items and
// its preview pane showing them.
class Window {
public:
    Window() {
        qputenv("PICKWELL_PREVIEW_MODULE", PICKWELL_PREVIEW_MODULE);
        m_session.StartUp("");
        std::vector<MenuItem> items(Items);
        for (int i = 0; i < Items; ++i) {
            MenuItem& item = items[static_cast<std::size_t>(i)];
            item.text = "Page about topic " + std::to_string(i);
            item.url = "topic/" + std::to_string(i) + ".html";
        }
        m_session.mainForm().AppendLoadedItems(std::move(items));
        m_window = std::make_unique<MainWindow>(m_session);
        m_window->show();
        m_panel = m_window->findChild<PreviewPanel*>(QStringLiteral("previewPanel"));
        WaitForPaint();
    }

    Session& session() { return m_session; }
    template <typename Widget> Widget* Find(const char* name) {
        return m_window->findChild<Widget*>(QString::fromLatin1(name));
    }
    // Until the pane has painted the page of the latest change.
    void WaitForPaint() {
        bool painted = false;
        const auto connection =
            QObject::connect(m_panel, &PreviewPanel::pagePainted, [&painted] { painted = true; });
        while (!painted) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QObject::disconnect(connection);
    }

private:
    QtDesktop m_desktop{"/usr/bin/"};
    Session m_session{m_desktop.services};
    std::unique_ptr<MainWindow> m_window;
    PreviewPanel* m_panel = nullptr;
};

std::unique_ptr<Window> shared;

// One edit in the item editor, Update pressed, up to the preview pane's painted frame.
void BM_EditToPreview(benchmark::State& state) {
    if (!shared) {
        shared = std::make_unique<Window>();
    }
    Window& w = *shared;
    int edit = 0;
    for (auto _ : state) {
        w.session().mainForm().SetCurrentRow(Items / 2);
        w.Find<QLineEdit>("itemtexttext")->setText(QStringLiteral("Edited page %1").arg(++edit));
        const auto start = std::chrono::steady_clock::now();
        w.Find<QPushButton>("cmdup")->click();
        w.WaitForPaint();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

BENCHMARK(BM_EditToPreview)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
} // namespace pickwell

int main(int argc, char* argv[]) {
    return pickwell::RunWindowBenchmarks(argc, argv, [] { pickwell::shared.reset(); });
}
