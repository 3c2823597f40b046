#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace pickwell {

// What a web server said about one address.
struct LinkAnswer {
    enum class Outcome {
        Answered, // `status` holds the HTTP status of the last answer
        TimedOut, // no answer within the time allowed
        Failed,   // no connection, an unknown host, a broken answer: `error` says which
    };
    Outcome outcome = Outcome::Failed;
    int status = 0;
    std::string finalAddress; // where redirects ended; empty when there were none
    std::string error;

    bool operator==(const LinkAnswer&) const = default;
};

// Asks web servers whether addresses lead somewhere, without blocking: the answers come later,
// from the event loop, in any order, each with the position of its address in the list.
class LinkProbe {
public:
    using Answered = std::function<void(std::size_t index, const LinkAnswer& answer)>;

    virtual ~LinkProbe() = default;
    // Replaces any probing still under way. `timeoutSeconds` bounds each address.
    virtual void Probe(std::vector<std::string> addresses, int timeoutSeconds,
                       Answered answered) = 0;
    // Stops probing; no answer is handed on after this returns.
    virtual void Cancel() = 0;
};

} // namespace pickwell
