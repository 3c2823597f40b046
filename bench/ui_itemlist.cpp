#include "BenchApplication.h"
#include "BenchDialogs.h"
#include "app/ProjectCommands.h"
#include "app/Session.h"
#include "ui/ButtonStyleWindow.h"
#include "ui/MainWindow.h"
#include "ui/MenuStyleWindow.h"
#include "ui/QtDesktop.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace pickwell {
namespace {

constexpr int Items = 10'000;

// Every question is answered Yes, as a user deleting rows would.
class YesPrompt : public Prompt {
public:
    Button Show(const Message&) override { return Button::Yes; }
};

// The shown main window of the program with the desktop's services, holding `Items` rows
// loaded from its project file: a heading every tenth row, colours on every third.
class Window {
public:
    Window() {
        m_session.StartUp("");
        std::vector<MenuItem> items(Items);
        for (int i = 0; i < Items; ++i) {
            MenuItem& item = items[static_cast<std::size_t>(i)];
            const bool heading = i % 10 == 0;
            item.text = (heading ? "Section " : "Page about topic ") + std::to_string(i);
            item.isHeading = heading ? "Yes" : "No";
            item.linked = heading ? "No" : "Yes";
            item.url =
                heading ? "" : "https://www.example.com/topic/" + std::to_string(i) + ".html";
            if (i % 3 == 0) {
                item.backColor = "#FFFFCC";
                item.textColor = "#000080";
            }
        }
        m_session.mainForm().AppendLoadedItems(std::move(items));
        SaveProject(m_session.workspace());
        m_window.show();
        while (!m_window.windowHandle()->isExposed()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        LoadProject(m_session.workspace(), path());
        Settle();
    }

    Session& session() { return m_session; }
    std::string path() const { return m_path; }
    template <typename Widget> Widget* Find(const char* name) {
        return m_window.findChild<Widget*>(QString::fromLatin1(name));
    }

    // Lets the window lay itself out and paint, as it does before the user sees a change.
    static void Settle() { QApplication::processEvents(); }

private:
    QTemporaryDir m_folder;
    std::string m_path = m_folder.filePath(QStringLiteral("menu.pkw")).toStdString();
    QtDesktop m_desktop{"/usr/bin/"};
    YesPrompt m_yes;
    FixedDialogs m_dialogs{m_path};
    PlatformServices m_services{m_yes,
                                m_desktop.colorDialog,
                                m_desktop.settings,
                                m_desktop.installedFonts,
                                m_dialogs,
                                m_desktop.clipboard,
                                m_desktop.shell,
                                m_desktop.tempFolder,
                                m_desktop.notices,
                                m_desktop.codeWindow,
                                m_desktop.help,
                                m_desktop.helpWindows,
                                "/usr/bin/",
                                "/tmp/"};
    Session m_session{m_services};
    MainWindow m_window{m_session};
    MenuStyleWindow m_menuStyle{m_session.menuStyle(), &m_window};
    ButtonStyleWindow m_buttonStyle{m_session.buttonStyle(), &m_window};
};

// Made at the first benchmark and closed before the application ends.
std::unique_ptr<Window> shared;

Window& Shared() {
    if (!shared) {
        shared = std::make_unique<Window>();
    }
    return *shared;
}

// Times `gesture` up to the window's next paint; `undo` (untimed) brings the list back to
// `Items` rows with the middle row current.
template <typename Gesture, typename Undo>
void Measure(benchmark::State& state, Gesture gesture, Undo undo) {
    Window& w = Shared();
    MainForm& form = w.session().mainForm();
    for (auto _ : state) {
        form.SetCurrentRow(Items / 2);
        Window::Settle();
        const auto start = std::chrono::steady_clock::now();
        gesture(w);
        Window::Settle();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        undo(w);
        Window::Settle();
    }
}

void TypeItem(Window& w, const char* text) {
    w.Find<QLineEdit>("itemtexttext")->setText(QString::fromLatin1(text));
    w.Find<QLineEdit>("linktext")->setText(QStringLiteral("https://www.example.com/new.html"));
}

void DeleteLastRow(Window& w) {
    MainForm& form = w.session().mainForm();
    form.SetCurrentRow(form.rowCount());
    form.DeleteItem();
}

void BM_Add(benchmark::State& state) {
    Measure(
        state,
        [](Window& w) {
            TypeItem(w, "Added page");
            w.Find<QPushButton>("additemcmd")->click();
        },
        DeleteLastRow);
}

void BM_Update(benchmark::State& state) {
    Measure(
        state,
        [](Window& w) {
            TypeItem(w, "Updated page");
            w.Find<QPushButton>("cmdup")->click();
        },
        [](Window&) {});
}

void BM_MoveUp(benchmark::State& state) {
    Measure(
        state, [](Window& w) { w.Find<QAction>("movup")->trigger(); },
        [](Window& w) { w.session().mainForm().MoveDown(); });
}

void BM_MoveDown(benchmark::State& state) {
    Measure(
        state, [](Window& w) { w.Find<QAction>("movdn")->trigger(); },
        [](Window& w) { w.session().mainForm().MoveUp(); });
}

void BM_Delete(benchmark::State& state) {
    Measure(
        state, [](Window& w) { w.Find<QAction>("delete")->trigger(); },
        [](Window& w) {
            MainForm& form = w.session().mainForm();
            form.SetItemText("Page put back");
            form.SetLinkText("https://www.example.com/back.html");
            form.AddItem();
        });
}

// The whole project file into the shown window, up to its next paint.
void BM_LoadIntoWindow(benchmark::State& state) {
    Window& w = Shared();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        LoadProject(w.session().workspace(), w.path());
        Window::Settle();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

BENCHMARK(BM_Add)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Update)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveUp)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveDown)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Delete)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadIntoWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

void CloseWindow() {
    shared.reset();
}

} // namespace pickwell

int main(int argc, char* argv[]) {
    return pickwell::RunWindowBenchmarks(argc, argv, pickwell::CloseWindow);
}
