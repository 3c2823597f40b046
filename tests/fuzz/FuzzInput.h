#pragma once

#include "text/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pickwell {

// A fuzzer's bytes read as a script of choices and texts. Once the bytes run out every choice
// is 0 and every text empty, so any input is a complete script.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_bytes(reinterpret_cast<const char*>(data), size) {}

    bool empty() const { return m_bytes.empty(); }

    // One byte, as a choice among `count`.
    unsigned Choice(unsigned count) {
        if (m_bytes.empty()) {
            return 0;
        }
        const auto byte = static_cast<unsigned char>(m_bytes.front());
        m_bytes.remove_prefix(1);
        return byte % count;
    }

    // Four bytes, little-endian, so that the extremes are as easy to reach as small numbers.
    int Number() {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32 && !m_bytes.empty(); shift += 8) {
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes.front()))
                     << shift;
            m_bytes.remove_prefix(1);
        }
        return static_cast<int>(value);
    }

    // The bytes up to the next separator, as the toolkit would hand over a typed text:
    // whatever is not UTF-8 becomes a replacement character.
    std::string Text() {
        const std::size_t end = m_bytes.find(Separator);
        const std::string_view raw = m_bytes.substr(0, end);
        m_bytes.remove_prefix(end == std::string_view::npos ? m_bytes.size() : end + 1);
        return FromCodePoints(ToCodePoints(raw));
    }

private:
    static constexpr char Separator = '\x1f';

    std::string_view m_bytes;
};

} // namespace pickwell
