#include "platform/qt/QtLinkProbe.h"

#include "DialogDriver.h"
#include "LoopbackHttpServer.h"

#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace pickwell {
namespace {

using Outcome = LinkAnswer::Outcome;

class QtLinkProbeTest : public ::testing::Test {
protected:
    // Probes the addresses and waits, in the event loop, for every answer.
    std::map<std::size_t, LinkAnswer> ProbeAll(const std::vector<std::string>& addresses,
                                               int timeoutSeconds = 5) {
        std::map<std::size_t, LinkAnswer> answers;
        probe.Probe(
            addresses, timeoutSeconds,
            [&answers](std::size_t index, const LinkAnswer& answer) { answers[index] = answer; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return answers.size() == addresses.size(); }, 10000));
        return answers;
    }

    QApplication& application = App();
    LoopbackHttpServer server;
    QtLinkProbe probe;
};

TEST_F(QtLinkProbeTest, ReportsStatusesRedirectsAndFailures) {
    const std::string refused = LoopbackHttpServer::RefusedAddress();
    auto answers = ProbeAll({server.Address("/ok"), server.Address("/moved"),
                             server.Address("/missing"), server.Address("/broken"), refused});
    EXPECT_EQ((LinkAnswer{Outcome::Answered, 200, {}, {}}), answers[0]);
    EXPECT_EQ((LinkAnswer{Outcome::Answered, 200, server.Address("/ok"), {}}), answers[1]);
    EXPECT_EQ(404, answers[2].status);
    EXPECT_EQ(500, answers[3].status);
    EXPECT_EQ(Outcome::Failed, answers[4].outcome);
    EXPECT_FALSE(answers[4].error.empty());
    // HEAD is enough where the server answers it: no page is fetched.
    EXPECT_EQ(0, server.Requests("GET /ok"));
}

TEST_F(QtLinkProbeTest, FallsBackToGetWhenHeadIsRefused) {
    auto answers = ProbeAll({server.Address("/nohead")});
    EXPECT_EQ(200, answers[0].status);
    EXPECT_EQ(1, server.Requests("HEAD /nohead"));
    EXPECT_EQ(1, server.Requests("GET /nohead"));
}

TEST_F(QtLinkProbeTest, GivesUpOnASlowServerAfterTheTimeout) {
    auto answers = ProbeAll({server.Address("/slow"), server.Address("/ok")}, 1);
    EXPECT_EQ(Outcome::TimedOut, answers[0].outcome);
    EXPECT_EQ(200, answers[1].status);
}

TEST_F(QtLinkProbeTest, AsksAFewAtOnceAndNothingAfterCancel) {
    std::vector<std::string> addresses(10, server.Address("/slow"));
    int answered = 0;
    probe.Probe(addresses, 30, [&answered](std::size_t, const LinkAnswer&) { ++answered; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.AllRequests() == 4; }, 5000));
    probe.Cancel();
    QTest::qWait(100);
    EXPECT_EQ(4, server.AllRequests());
    EXPECT_EQ(0, answered);
}

} // namespace
} // namespace pickwell
