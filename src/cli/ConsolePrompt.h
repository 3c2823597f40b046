#pragma once

#include "platform/Prompt.h"

#include <ostream>

namespace pickwell {

// Message boxes for a run without windows: each becomes one "TITLE: TEXT" report. Nobody is
// there to answer, so a question gets its most cautious answer (No, or Cancel when offered).
class ConsolePrompt : public Prompt {
public:
    explicit ConsolePrompt(std::ostream& out)
        : m_out(out) {}

    Button Show(const Message& message) override;

private:
    std::ostream& m_out;
};

} // namespace pickwell
