#pragma once

#include "platform/LinkProbe.h"

#include <QObject>

#include <deque>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace pickwell {

// Probes with HEAD and falls back to GET where a server refuses HEAD; a few requests at once,
// redirects followed (and the final address reported), each bounded by its own timer.
class QtLinkProbe : public LinkProbe {
public:
    static constexpr int DefaultConcurrency = 4;
    static constexpr int MaxRedirects = 10;

    explicit QtLinkProbe(int concurrency = DefaultConcurrency);
    ~QtLinkProbe() override;

    void Probe(std::vector<std::string> addresses, int timeoutSeconds, Answered answered) override;
    void Cancel() override;

private:
    struct Request;
    void StartNext();
    void Send(std::shared_ptr<Request> request, bool head);
    void Finish(QNetworkReply* reply, const std::shared_ptr<Request>& request);

    int m_concurrency;
    int m_running = 0;
    int m_timeoutMs = 0;
    int m_generation = 0; // answers of a cancelled run are dropped
    std::vector<std::string> m_addresses;
    std::size_t m_next = 0;
    Answered m_answered;
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<QObject> m_context; // owns the timers; replaced to drop a run's connections
};

} // namespace pickwell
