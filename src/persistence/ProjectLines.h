#pragma once

#include "model/MenuProject.h"
#include "persistence/ProjectKeys.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pickwell {

// A project file's lines as they are read, a run at a time. The values of the item sections go
// straight into the items while their lines are still in the cache, for as long as each
// section's keys come in the order the writer writes them; every other line is kept, to be
// read by key. So a file as the program writes it is read in one pass and never held whole.
class ProjectLines {
public:
    // `roomHint`: how many items the file may hold, for the room they are given at once.
    explicit ProjectLines(std::size_t roomHint);

    // Lines in the file's order, each with its line end; only the file's last may lack one.
    void Take(std::string_view lines);

    bool StartsWithHeader() const { return m_header; }
    // Every line of the file, the item values' lines included.
    std::size_t LineCount() const { return m_lineCount; }
    // The lines that gave no item value, in the file's order.
    std::string TakeOtherLines() { return std::move(m_other); }
    // The first `count` items, each value as a read of its key would give it and each text
    // indented under a heading; nothing when a section's order broke before all of them came,
    // so that its values must be found by key.
    std::optional<std::vector<MenuItem>> TakeItems(std::size_t count);

private:
    // One item section's values, its keys due in turn: "a1", "b1", "a2", ... for the
    // prefixes "a" and "b". A line taken is its key's first in the section, as a read by key
    // finds it: every line before it holds an earlier key of the order, another key or none,
    // because a key of the order that comes out of turn ends the taking.
    class InOrder {
    public:
        explicit InOrder(const ItemSection& section);

        const std::string& foldedName() const { return m_foldedName; }
        // True when the line held the value due next, which is then the item's.
        bool Take(std::string_view line, std::vector<MenuItem>& items);
        // How many items have all their values from this section.
        std::size_t itemsDone() const { return m_item; }

        bool seen = false; // its first block has begun; a later block of its name is kept

    private:
        bool IsNext(std::string_view key) const;
        // True when the key, in any case, is one still to come.
        bool DueLater(std::string_view key) const;
        void Store(std::string_view raw, std::vector<MenuItem>& items);
        void Advance();

        const ItemSection* m_section;
        std::string m_foldedName;
        std::vector<std::string> m_prefixes; // as the file spells them
        std::size_t m_item = 0;              // the item whose value is due next
        std::size_t m_field = 0;             // the prefix of the key due next
        std::string m_number = "1";          // m_item + 1, in digits
        bool m_broken = false;
        bool m_headingAbove = false; // for the heading values: an item above is a heading
        std::string m_scratch;       // a short text that needed decoding
    };

    // False for a line that gave no item value and so is kept.
    bool TakeValue(std::string_view line);

    std::vector<InOrder> m_sections; // one for each of ItemSections
    InOrder* m_current = nullptr;    // the section whose first block the lines are in
    std::vector<MenuItem> m_items;
    std::string m_other;
    std::size_t m_lineCount = 0;
    bool m_header = false;
};

} // namespace pickwell
