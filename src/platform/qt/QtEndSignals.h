#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace pickwell {

// Turns SIGTERM, SIGHUP and SIGINT into a call on the event loop: the handler only writes the
// signal's number to a pipe (all it may safely do), and the loop reads it from there. One
// instance at a time; while it lives, these signals no longer end the program by themselves.
class QtEndSignals : public QObject {
public:
    explicit QtEndSignals(std::function<void(int signal)> handler, QObject* parent = nullptr);
    ~QtEndSignals() override;
    QtEndSignals(const QtEndSignals&) = delete;
    QtEndSignals& operator=(const QtEndSignals&) = delete;

private:
    void Read();

    std::function<void(int)> m_handler;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace pickwell
