#include "platform/qt/QtEndSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace pickwell {
namespace {

constexpr std::array<int, 3> EndSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe's ends; the handler reaches them only through here.
int g_pipe[2] = {-1, -1};

extern "C" void OnEndSignal(int signal) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    // A full pipe already holds a signal that is waiting to be handled.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

QtEndSignals::QtEndSignals(std::function<void(int signal)> handler, QObject* parent)
    : QObject(parent)
    , m_handler(std::move(handler)) {
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QtEndSignals::Read);

    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : EndSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

QtEndSignals::~QtEndSignals() {
    if (g_pipe[0] < 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : EndSignals) {
        ::sigaction(signal, &action, nullptr);
    }
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void QtEndSignals::Read() {
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1) {
        if (m_handler) {
            m_handler(byte);
        }
    }
}

} // namespace pickwell
