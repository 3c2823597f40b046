#pragma once

#include <bit>
#include <cstddef>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>

namespace pickwell {

// A text that is nearly always short, as an item's flags and colours are ("Yes", "No",
// "Default", "#RRGGBB"). Up to 7 bytes are kept in place, in the room of one pointer, so that
// a list of 100,000 items stays small and needs no allocation for them. A longer text, which
// only a hand-edited file gives, goes to the heap.
class ShortText {
public:
    ShortText() noexcept { m_bytes[0] = InPlace; }
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
        return {m_bytes + 1, static_cast<std::size_t>(static_cast<unsigned char>(m_bytes[0]) >> 1)};
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
    // Invariants, which every member keeps:
    // - The lowest bit of m_bytes[0] tells where the text is: set, in place; clear, on the heap.
    // - In place, m_bytes[0] holds the length times two plus one (a length of at most 7), and
    //   the text fills the bytes after it.
    // - On the heap, m_bytes holds the address of a block from operator new (the length as 32
    //   bits, then the text) that this object alone owns and frees. The block is aligned, so
    //   the address's lowest bit, in m_bytes[0] on a little-endian machine, is clear.
    // - A text moved from is empty and in place, so that it frees nothing.
    static_assert(std::endian::native == std::endian::little);
    static constexpr std::size_t Capacity = 7;
    static constexpr char InPlace = 1;

    bool IsOnHeap() const noexcept { return (m_bytes[0] & InPlace) == 0; }
    void Set(std::string_view text) {
        if (text.size() > Capacity) {
            SetOnHeap(text);
            return;
        }
        m_bytes[0] = static_cast<char>(text.size() << 1 | InPlace);
        if (!text.empty()) {
            std::memcpy(m_bytes + 1, text.data(), text.size());
        }
    }
    void Take(ShortText& other) noexcept {
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.m_bytes[0] = InPlace;
    }
    void Free() noexcept {
        if (IsOnHeap()) {
            FreeHeap();
        }
    }
    std::string_view HeapView() const noexcept;
    void SetOnHeap(std::string_view text);
    void FreeHeap() noexcept;

    alignas(8) char m_bytes[8];
};

std::ostream& operator<<(std::ostream& out, const ShortText& text);

} // namespace pickwell
