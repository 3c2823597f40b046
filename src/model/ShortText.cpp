#include "model/ShortText.h"

#include <cstdint>
#include <limits>
#include <new>
#include <ostream>
#include <stdexcept>

namespace pickwell {

namespace {

// A text on the heap is a block of its length, then its bytes. The block comes from operator
// new, so its address is aligned and its lowest bit clear.
using HeapSize = std::uint32_t;

char* BlockAt(const char* place) {
    char* block = nullptr;
    std::memcpy(&block, place, sizeof block);
    return block;
}

} // namespace

std::string_view ShortText::HeapView() const noexcept {
    const char* block = BlockAt(m_bytes);
    HeapSize size = 0;
    std::memcpy(&size, block, sizeof size);
    return {block + sizeof size, size};
}

void ShortText::SetOnHeap(std::string_view text) {
    if (text.size() > std::numeric_limits<HeapSize>::max()) {
        throw std::length_error("ShortText");
    }
    const auto size = static_cast<HeapSize>(text.size());
    auto* block = static_cast<char*>(::operator new(sizeof size + text.size()));
    std::memcpy(block, &size, sizeof size);
    std::memcpy(block + sizeof size, text.data(), text.size());
    std::memcpy(m_bytes, &block, sizeof block);
}

void ShortText::FreeHeap() noexcept {
    ::operator delete(BlockAt(m_bytes));
}

std::ostream& operator<<(std::ostream& out, const ShortText& text) {
    return out << text.view();
}

} // namespace pickwell
