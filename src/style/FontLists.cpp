#include "style/FontLists.h"

#include "platform/FontList.h"
#include "style/ButtonStyleForm.h"
#include "style/MenuStyleForm.h"

#include <algorithm>

namespace pickwell {

namespace {

unsigned char Fold(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Fold(x) < Fold(y); });
}

int IndexOf(const std::vector<std::string>& items, std::vector<std::string>::const_iterator it) {
    return static_cast<int>(it - items.begin());
}

// The fonts chosen without the user. "MS Sans Serif" where it is installed, as always; else
// the desktop's own sans-serif face; else the position the old rule names, passing over symbol
// fonts, whose letters would show as pictures.
class AutomaticFonts {
public:
    AutomaticFonts(FontList& fonts, const std::vector<std::string>& items)
        : m_fonts(fonts)
        , m_items(items)
        , m_sansSerif(fonts.SansSerifFamily()) {}

    // Where start-up leaves the selection: the last "MS Sans Serif" added (as each one added
    // takes the selection), else the second font.
    int Startup() {
        const auto it = std::find(m_items.rbegin(), m_items.rend(), FontControls::DefaultFontName);
        if (it != m_items.rend()) {
            return static_cast<int>(m_items.rend() - it) - 1;
        }
        // With a single font there is no second one; that font is the only choice.
        return Fallback(m_items.size() >= 2 ? 1 : 0);
    }

    // What Restore Defaults selects: the first "MS Sans Serif", else the first font.
    int Restore() {
        const auto it = std::find(m_items.begin(), m_items.end(), FontControls::DefaultFontName);
        return it != m_items.end() ? IndexOf(m_items, it) : Fallback(0);
    }

private:
    int Fallback(int position) {
        const auto sansSerif = std::find(m_items.begin(), m_items.end(), m_sansSerif);
        if (!m_sansSerif.empty() && sansSerif != m_items.end()) {
            return IndexOf(m_items, sansSerif);
        }
        // The first Latin font from the position on, wrapping round; the position itself when
        // no font shows Latin letters.
        const int count = static_cast<int>(m_items.size());
        for (int step = 0; step < count; ++step) {
            const int index = (position + step) % count;
            if (m_fonts.ShowsLatin(m_items[static_cast<std::size_t>(index)])) {
                return index;
            }
        }
        return position;
    }

    FontList& m_fonts;
    const std::vector<std::string>& m_items;
    std::string m_sansSerif;
};

template <typename Form>
void FillFontList(Form& form, std::vector<std::string> sorted, int startup, int restore) {
    form.SetFontItems(std::move(sorted), restore);
    form.SelectFontIndex(startup);
    form.SelectFontSize(FontControls::DefaultSizeIndex);
}

} // namespace

std::vector<std::string> SortFontNames(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

void FillFontLists(FontList& fonts, MenuStyleForm& menu, ButtonStyleForm& button) {
    button.FirstLoad();
    menu.FirstLoad();
    std::vector<std::string> sorted = SortFontNames(fonts.InstalledFonts());
    AutomaticFonts automatic(fonts, sorted);
    const int startup = automatic.Startup();
    const int restore = automatic.Restore();
    FillFontList(button, sorted, startup, restore);
    FillFontList(menu, std::move(sorted), startup, restore);
}

} // namespace pickwell
