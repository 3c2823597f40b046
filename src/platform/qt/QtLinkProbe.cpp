#include "platform/qt/QtLinkProbe.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>

#include <array>

namespace pickwell {

struct QtLinkProbe::Request {
    std::size_t index = 0;
    QUrl url;
    int redirects = 0;
    bool timedOut = false;
    int generation = 0;
};

namespace {

// Statuses with which servers say they will not answer HEAD, while GET would get the page.
constexpr std::array<int, 4> HeadRefused{400, 403, 405, 501};

} // namespace

QtLinkProbe::QtLinkProbe(int concurrency)
    : m_concurrency(concurrency)
    , m_network(std::make_unique<QNetworkAccessManager>())
    , m_context(std::make_unique<QObject>()) {}

QtLinkProbe::~QtLinkProbe() {
    Cancel();
}

void QtLinkProbe::Probe(std::vector<std::string> addresses, int timeoutSeconds, Answered answered) {
    Cancel();
    m_addresses = std::move(addresses);
    m_timeoutMs = timeoutSeconds * 1000;
    m_answered = std::move(answered);
    StartNext();
}

void QtLinkProbe::Cancel() {
    ++m_generation;
    // A reply aborted here reports itself finished at once; with its context gone, nobody hears.
    m_context = std::make_unique<QObject>();
    for (QNetworkReply* reply : m_network->findChildren<QNetworkReply*>()) {
        reply->abort();
        reply->deleteLater();
    }
    m_addresses.clear();
    m_next = 0;
    m_running = 0;
    m_answered = nullptr;
}

void QtLinkProbe::StartNext() {
    while (m_running < m_concurrency && m_next < m_addresses.size()) {
        auto request = std::make_shared<Request>();
        request->index = m_next;
        request->url = QUrl(QString::fromStdString(m_addresses[m_next]));
        request->generation = m_generation;
        ++m_next;
        ++m_running;
        Send(request, true);
    }
}

void QtLinkProbe::Send(std::shared_ptr<Request> request, bool head) {
    QNetworkRequest message(request->url);
    message.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    message.setMaximumRedirectsAllowed(MaxRedirects);
    message.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Pickwell link check"));
    QNetworkReply* reply = head ? m_network->head(message) : m_network->get(message);

    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, reply, [reply, request] {
        request->timedOut = true;
        reply->abort();
    });
    timer->start(m_timeoutMs);
    QObject::connect(reply, &QNetworkReply::redirected, reply,
                     [request](const QUrl&) { ++request->redirects; });
    if (!head) {
        // The status is all that is wanted: the page itself is not fetched.
        QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply] { reply->abort(); });
    }
    QObject::connect(
        reply, &QNetworkReply::finished, m_context.get(), [this, reply, request, head] {
            reply->deleteLater();
            if (request->generation != m_generation) {
                return;
            }
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (head && !request->timedOut &&
                std::find(HeadRefused.begin(), HeadRefused.end(), status) != HeadRefused.end()) {
                Send(request, false);
                return;
            }
            Finish(reply, request);
        });
}

void QtLinkProbe::Finish(QNetworkReply* reply, const std::shared_ptr<Request>& request) {
    LinkAnswer answer;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (request->timedOut) {
        answer.outcome = LinkAnswer::Outcome::TimedOut;
    } else if (status != 0) {
        answer.outcome = LinkAnswer::Outcome::Answered;
        answer.status = status;
    } else {
        answer.error = reply->errorString().toStdString();
    }
    if (request->redirects > 0) {
        answer.finalAddress = reply->url().toString().toStdString();
    }
    --m_running;
    // The handler may cancel or start another run; it gets its own copy to call.
    const Answered answered = m_answered;
    answered(request->index, answer);
    if (request->generation == m_generation) {
        StartNext();
    }
}

} // namespace pickwell
