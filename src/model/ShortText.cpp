#include "model/ShortText.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <stdexcept>

namespace pickwell {

namespace {

struct HeapText {
    char* data;
    std::uint32_t size;
};
static_assert(sizeof(char*) + sizeof(std::uint32_t) <= 15);

} // namespace

std::string_view ShortText::HeapView() const noexcept {
    HeapText heap;
    std::memcpy(&heap.data, m_bytes, sizeof heap.data);
    std::memcpy(&heap.size, m_bytes + sizeof heap.data, sizeof heap.size);
    return {heap.data, heap.size};
}

void ShortText::SetOnHeap(std::string_view text) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("ShortText");
    }
    const HeapText heap{new char[text.size()], static_cast<std::uint32_t>(text.size())};
    std::memcpy(heap.data, text.data(), text.size());
    std::memcpy(m_bytes, &heap.data, sizeof heap.data);
    std::memcpy(m_bytes + sizeof heap.data, &heap.size, sizeof heap.size);
    m_bytes[Last] = static_cast<char>(OnHeap);
}

void ShortText::FreeHeap() noexcept {
    char* data = nullptr;
    std::memcpy(&data, m_bytes, sizeof data);
    delete[] data;
}

std::ostream& operator<<(std::ostream& out, const ShortText& text) {
    return out << text.view();
}

} // namespace pickwell
