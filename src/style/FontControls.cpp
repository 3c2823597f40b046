#include "style/FontControls.h"

#include <algorithm>

namespace pickwell {

FontControls::FontControls() {
    m_size.items = {"8", "9", "10", "11", "12", "13", "14", "15", "16"};
}

void FontControls::SetFontItems(std::vector<std::string> items, int defaultIndex) {
    m_font.items = std::move(items);
    m_defaultFont = defaultIndex;
    m_font.index = -1;
    m_font.text.clear();
}

void FontControls::SelectFontIndex(int index) {
    if (index < 0 || index >= static_cast<int>(m_font.items.size())) {
        return;
    }
    m_font.index = index;
    m_font.text = m_font.items[static_cast<std::size_t>(index)];
}

bool FontControls::SelectFont(const std::string& name) {
    const auto it = std::find(m_font.items.begin(), m_font.items.end(), name);
    if (it == m_font.items.end()) {
        return false;
    }
    SelectFontIndex(static_cast<int>(it - m_font.items.begin()));
    return true;
}

void FontControls::SelectDefaultFont() {
    SelectFontIndex(m_defaultFont);
}

bool FontControls::SetSizeText(const std::string& text) {
    if (text == m_size.text) {
        return false;
    }
    m_size.text = text;
    const auto it = std::find(m_size.items.begin(), m_size.items.end(), text);
    m_size.index = it == m_size.items.end() ? -1 : static_cast<int>(it - m_size.items.begin());
    return true;
}

void FontControls::SelectSize(int index) {
    if (index < 0 || index >= static_cast<int>(m_size.items.size())) {
        return;
    }
    m_size.index = index;
    m_size.text = m_size.items[static_cast<std::size_t>(index)];
}

bool FontControls::SetWeight(int weight) {
    weight = std::clamp(weight, MinWeight, MaxWeight);
    const bool changed = weight != m_weight;
    m_weight = weight;
    // A scroll may have left another position in the label.
    ShowWeight();
    return changed;
}

void FontControls::ShowScrollPosition(int weight) {
    m_weightLabel = std::to_string(std::clamp(weight, MinWeight, MaxWeight));
}

void FontControls::ShowWeight() {
    m_weightLabel = std::to_string(m_weight);
}

} // namespace pickwell
