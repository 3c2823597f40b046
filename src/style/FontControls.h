#pragma once

#include "model/FormControls.h"
#include "style/ListControl.h"

#include <string>
#include <vector>

namespace pickwell {

// The "Font" group both style windows share: font list, size list, weight slider with its
// label, underline and italics. Setters report whether the value changed, so that the window
// can run its own change handling.
class FontControls {
public:
    static constexpr const char* DefaultFontName = "MS Sans Serif";
    static constexpr int DefaultSizeIndex = 5; // "13"
    static constexpr int MinWeight = 100;
    static constexpr int MaxWeight = 900;
    static constexpr int DefaultWeight = 500;

    FontControls();

    const ListControl& combofont() const { return m_font; }
    const ListControl& combofontsize() const { return m_size; }
    int Slider1() const { return m_weight; }
    const std::string& Label16() const { return m_weightLabel; }

    // Replaces the font list; its items are already in list order. `defaultIndex` is the
    // font that Restore Defaults selects.
    void SetFontItems(std::vector<std::string> items, int defaultIndex);
    void SelectFontIndex(int index);
    // Selects the first item equal to `name`; false, with nothing changed, when there is none.
    bool SelectFont(const std::string& name);
    // The font SetFontItems named; an empty list is left alone.
    void SelectDefaultFont();

    bool SetSizeText(const std::string& text);
    void SelectSize(int index);

    // The weight is kept inside the slider's range.
    bool SetWeight(int weight);
    // A scroll movement shows the position beside the slider before the value settles.
    void ShowScrollPosition(int weight);
    void ShowWeight();

    CheckControl underline;
    CheckControl italic;

private:
    ListControl m_font;
    int m_defaultFont = -1;
    ListControl m_size;
    int m_weight = DefaultWeight;
    std::string m_weightLabel;
};

} // namespace pickwell
