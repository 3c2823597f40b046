#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The built program in its window mode, on the offscreen platform, with every folder of the
// user's in a scratch folder.
class WindowModeSignalTest : public ::testing::Test {
protected:
    WindowModeSignalTest() {
        std::string pattern = (fs::temp_directory_path() / "pickwell-signal-XXXXXX").string();
        m_home = ::mkdtemp(pattern.data());
        fs::create_directories(State());
        fs::create_directories(m_home / ".config/Brackenfield");
        std::ofstream(m_home / ".config/Brackenfield/Pickwell.conf")
            << "[Options]\nShow%20Tips%20at%20Startup=0\n";
    }
    ~WindowModeSignalTest() override {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        std::error_code ec;
        fs::remove_all(m_home, ec);
    }

    fs::path State() const { return m_home / ".local/state/pickwell"; }

    void Start(const std::string& project) {
        m_pid = ::fork();
        ASSERT_GE(m_pid, 0);
        if (m_pid == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::setenv("HOME", m_home.c_str(), 1);
            for (const char* name :
                 {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"}) {
                ::unsetenv(name);
            }
            ::execl(PICKWELL_EXECUTABLE, PICKWELL_EXECUTABLE, project.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }

    // The program's lock file, once it has made it.
    std::optional<fs::path> WaitForLockFile() const {
        const std::string prefix = "recovery-" + std::to_string(m_pid) + "-";
        for (auto deadline = std::chrono::steady_clock::now() + 30s;
             std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(50ms)) {
            for (const auto& entry : fs::directory_iterator(State())) {
                const std::string name = entry.path().filename().string();
                if (name.starts_with(prefix) && name.ends_with(".lock")) {
                    return entry.path();
                }
            }
        }
        return std::nullopt;
    }

    // The exit status, or -1 when the program did not end on its own.
    int WaitForExit() {
        for (auto deadline = std::chrono::steady_clock::now() + 30s;
             std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(50ms)) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
        }
        return -1;
    }

    fs::path m_home;
    pid_t m_pid = 0;
};

bool LockedByAnother(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    const bool locked = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (fd >= 0) {
        ::close(fd);
    }
    return locked;
}

// Another program that is running (this test) keeps its work; the program must neither offer
// it (its question would hold up the start) nor touch it.
TEST_F(WindowModeSignalTest, HoldsItsLockWhileRunningAndEndsCleanlyOnSigterm) {
    const fs::path other = State() / "recovery-1-1";
    std::ofstream(other.string() + ".pkw") << "x";
    std::ofstream(other.string() + ".info") << "Pickwell recovery\npid=1\ntime=1\n";
    const int otherLock = ::open((other.string() + ".lock").c_str(), O_CREAT | O_RDWR, 0600);
    ASSERT_EQ(0, ::flock(otherLock, LOCK_EX | LOCK_NB));

    const fs::path project = m_home / "shop.pkw";
    fs::copy_file(PICKWELL_TEST_DATA "cli_shop.pkw", project);
    Start(project.string());
    const std::optional<fs::path> lock = WaitForLockFile();
    ASSERT_TRUE(lock) << "the program never came up";
    EXPECT_TRUE(LockedByAnother(*lock));

    ASSERT_EQ(0, ::kill(m_pid, SIGTERM));
    EXPECT_EQ(0, WaitForExit()) << "SIGTERM ends the program as its own close does";
    // The loaded project had no unsaved work: nothing of the program's stays.
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(State())) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(
        (std::vector<std::string>{"recovery-1-1.info", "recovery-1-1.lock", "recovery-1-1.pkw"}),
        left);
    ::close(otherLock);
}

} // namespace
