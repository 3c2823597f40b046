#include "Desktop.h"
#include "FindChild.h"
#include "app/Session.h"
#include "persistence/ProjectFile.h"
#include "platform/qt/QtRecoveryPlatform.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace pickwell {
namespace {

// Run with this, the test program is the program that the test kills or closes.
constexpr const char* ChildSwitch = "--as-program";

// Real recovery files, whose writes come almost at once while `quick` holds, so that the test
// need not wait half a minute for one; after that, the program's own delay.
class QuickRecoveryPlatform : public QtRecoveryPlatform {
public:
    void StartTimer(int milliseconds, std::function<void()> task) override {
        QtRecoveryPlatform::StartTimer(quick ? 50 : milliseconds, std::move(task));
    }

    bool quick = true;
};

PlatformServices& WithRecovery(Desktop& desktop, RecoveryPlatform* recovery) {
    desktop.services.recovery = recovery;
    return desktop.services;
}

// One run of the window mode: the session and main window over the doubles, with recovery
// files only when given a recovery platform.
struct Program {
    explicit Program(RecoveryPlatform* recovery)
        : session(WithRecovery(desktop, recovery)) {
        desktop.fonts.fonts.push_back("DejaVu Sans");
    }

    void Start(const std::string& argument) {
        session.StartUp(argument);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void Type(const char* field, const char* text) {
        auto* edit = FindChild<QLineEdit>(window, field);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    // Added as a link, the project's pre-selected item kept.
    void AddItem(const char* text, const char* link) {
        Type("itemtexttext", text);
        Type("linktext", link);
        desktop.prompt.Expect("Selected Item", Button::No);
        QTest::mouseClick(FindChild<QPushButton>(window, "additemcmd"), Qt::LeftButton);
    }
    // The edits that the program gets written before it dies.
    void EditsBeforeTheWrite() {
        AddItem("Sale", "sale.html");
        Type("txtmnm", "ShopNav");
    }

    Desktop desktop;
    Session session;
    MainWindow window{session};
};

bool Failed(const char* why) {
    std::fprintf(stderr, "%s\n", why);
    return false;
}

// The child: edits the project in the window until they are written, makes one edit more, and
// then either tells the test it may kill it ("kill") or closes its window without saving.
bool RunProgram(const std::string& ending, const std::string& project) {
    QuickRecoveryPlatform recovery;
    Program program(&recovery);
    program.Start(project);
    program.EditsBeforeTheWrite();
    const std::string written = ProjectFileBytes(program.session.project());
    const std::string kept = program.session.recovery()->base() + ".pkw";
    if (!QTest::qWaitFor([&] { return ReadBytes(kept) == written; }, 10'000)) {
        return Failed("the edits were never written to the recovery file");
    }
    recovery.quick = false;
    program.AddItem("Clearance", "clearance.html");
    if (::testing::UnitTest::GetInstance()->Failed()) {
        return false;
    }
    if (ending == "close") {
        program.desktop.prompt.Expect("Save Project?", Button::No);
        program.window.close();
        return program.window.isHidden() || Failed("the window stayed open");
    }
    std::puts("ready");
    std::fflush(stdout);
    QApplication::exec();
    return Failed("the program was not killed");
}

std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// The test's own start-up reads the state folder that the program wrote to.
class CrashRecoveryTest : public ::testing::Test {
protected:
    CrashRecoveryTest() {
        std::filesystem::copy_file(PICKWELL_TEST_DATA "cli_shop.pkw", Shop());
        qputenv("XDG_STATE_HOME", StateHome().c_str());
    }
    ~CrashRecoveryTest() override { qunsetenv("XDG_STATE_HOME"); }

    std::string Shop() const { return folder.path() + "shop.pkw"; }
    std::string StateHome() const { return folder.path() + "state"; }
    std::vector<std::string> RecoveryFiles() const { return FileNames(StateHome() + "/pickwell"); }

    void StartProgram(const char* ending) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_STATE_HOME", QString::fromStdString(StateHome()));
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(folder.path() + "config"));
        // A killed program never removes its scratch folder: it goes with the test's.
        environment.insert("TMPDIR", QString::fromStdString(folder.path()));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(),
                      {ChildSwitch, ending, QString::fromStdString(Shop())});
    }
    // Until the program says it is ready; what else it said, in `said`.
    bool WaitForReady() {
        while (program.canReadLine() || program.waitForReadyRead(20'000)) {
            const QByteArray line = program.readLine();
            if (line == "ready\n") {
                return true;
            }
            said += line.toStdString();
        }
        return false;
    }

    ScratchFolder folder;
    QProcess program;
    std::string said;
};

TEST_F(CrashRecoveryTest, TheNextStartAfterSigkillRestoresTheEditsUpToTheLastWrite) {
    StartProgram("kill");
    ASSERT_TRUE(WaitForReady()) << "the program never got ready to be killed:\n" << said;
    const std::string killed = "recovery-" + std::to_string(program.processId()) + "-";
    ASSERT_EQ(0, ::kill(static_cast<pid_t>(program.processId()), SIGKILL));
    ASSERT_TRUE(program.waitForFinished(10'000));
    ASSERT_EQ(QProcess::CrashExit, program.exitStatus());

    std::string expected;
    {
        Program reference(nullptr);
        reference.Start(Shop());
        reference.EditsBeforeTheWrite();
        expected = ProjectFileBytes(reference.session.project());
    }
    QtRecoveryPlatform recovery;
    Program next(&recovery);
    next.desktop.prompt.Expect("Restore Unsaved Work?", Button::Yes);
    next.Start("");
    ASSERT_EQ(1u, next.desktop.prompt.shown().size());
    EXPECT_EQ("Restore", next.desktop.prompt.last().yesText);
    EXPECT_EQ("Discard", next.desktop.prompt.last().noText);

    const MenuProject& project = next.session.project();
    EXPECT_EQ(expected, ProjectFileBytes(project)) << "not every edit up to the write, or more";
    EXPECT_TRUE(project.DirtyFlag);
    EXPECT_EQ(Shop(), project.ProjectPath);
    EXPECT_EQ("Pickwell - shop.pkw", next.window.windowTitle());
    for (const std::string& name : RecoveryFiles()) {
        EXPECT_FALSE(name.starts_with(killed)) << name << " stays after the restore";
    }
    // Restored work is unsaved: closing asks.
    next.desktop.prompt.Expect("Save Project?", Button::No);
    next.window.close();
}

TEST_F(CrashRecoveryTest, ACleanCloseAfterAWriteLeavesNoRecoveryFile) {
    StartProgram("close");
    ASSERT_TRUE(program.waitForFinished(20'000));
    ASSERT_EQ(QProcess::NormalExit, program.exitStatus());
    ASSERT_EQ(0, program.exitCode()) << program.readAllStandardOutput().toStdString();
    EXPECT_EQ(std::vector<std::string>(), RecoveryFiles());
}

} // namespace
} // namespace pickwell

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc == 4 && std::string(argv[1]) == pickwell::ChildSwitch) {
        return pickwell::RunProgram(argv[2], argv[3]) ? 0 : 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
