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

// Where start-up leaves the selection: the last "MS Sans Serif" added (as each one added
// takes the selection), else the second font.
int StartupFontIndex(const std::vector<std::string>& items) {
    const auto it = std::find(items.rbegin(), items.rend(), FontControls::DefaultFontName);
    if (it != items.rend()) {
        return static_cast<int>(items.rend() - it) - 1;
    }
    // With a single font there is no second one; that font is the only choice.
    return items.size() >= 2 ? 1 : 0;
}

template <typename Form> void FillFontList(Form& form, std::vector<std::string> sorted) {
    const int index = StartupFontIndex(sorted);
    form.SetFontItems(std::move(sorted));
    form.SelectFontIndex(index);
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
    FillFontList(button, sorted);
    FillFontList(menu, std::move(sorted));
}

} // namespace pickwell
