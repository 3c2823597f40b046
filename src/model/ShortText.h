#pragma once

#include <cstddef>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>

namespace pickwell {

// A text that is nearly always short, as an item's flags and colours are ("Yes", "No",
// "Default", "#RRGGBB"). Up to 15 bytes are kept in place, in half the room a std::string
// takes, so that a list of 100,000 items stays small and needs no allocation for them. A
// longer text, which only a hand-edited file gives, goes to the heap.
class ShortText {
public:
    ShortText() noexcept { m_bytes[Last] = 0; }
    ShortText(std::string_view text) { Set(text); }
    ShortText(const char* text)
        : ShortText(std::string_view(text)) {}
    ShortText(const std::string& text)
        : ShortText(std::string_view(text)) {}
    ShortText(const ShortText& other)
        : ShortText(other.view()) {}
    ShortText(ShortText&& other) noexcept { Take(other); }
    ShortText& operator=(const ShortText& other) { return *this = ShortText(other); }
    ShortText& operator=(ShortText&& other) noexcept {
        if (this != &other) {
            Free();
            Take(other);
        }
        return *this;
    }
    ~ShortText() { Free(); }

    std::string_view view() const noexcept {
        if (IsOnHeap()) {
            return HeapView();
        }
        return {m_bytes, static_cast<unsigned char>(m_bytes[Last])};
    }
    operator std::string_view() const noexcept { return view(); }
    std::string str() const { return std::string(view()); }
    std::size_t size() const noexcept { return view().size(); }
    bool empty() const noexcept { return view().empty(); }

    friend bool operator==(const ShortText& a, const ShortText& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator==(const ShortText& a, std::string_view b) noexcept {
        return a.view() == b;
    }
    friend bool operator==(const ShortText& a, const char* b) noexcept {
        return a.view() == std::string_view(b);
    }
    friend bool operator==(const ShortText& a, const std::string& b) noexcept {
        return a.view() == std::string_view(b);
    }

private:
    static constexpr std::size_t Capacity = 15;
    static constexpr std::size_t Last = 15;
    // In the last byte: the length of a text kept in place, or this for one on the heap,
    // whose address and length then fill the first bytes.
    static constexpr unsigned char OnHeap = 0x80;

    bool IsOnHeap() const noexcept { return static_cast<unsigned char>(m_bytes[Last]) == OnHeap; }
    void Set(std::string_view text) {
        if (text.size() > Capacity) {
            SetOnHeap(text);
            return;
        }
        if (!text.empty()) {
            std::memcpy(m_bytes, text.data(), text.size());
        }
        m_bytes[Last] = static_cast<char>(text.size());
    }
    void Take(ShortText& other) noexcept {
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.m_bytes[Last] = 0;
    }
    void Free() noexcept {
        if (IsOnHeap()) {
            FreeHeap();
        }
    }
    std::string_view HeapView() const noexcept;
    void SetOnHeap(std::string_view text);
    void FreeHeap() noexcept;

    alignas(8) char m_bytes[16];
};

std::ostream& operator<<(std::ostream& out, const ShortText& text);

} // namespace pickwell
