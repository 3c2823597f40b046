#include "model/ShortText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace pickwell {
namespace {

// Texts of every length around the room kept in place, through every way of making,
// copying, moving and replacing one.
TEST(ShortText, KeepsAnyTextWholeInPlaceOrOnTheHeap) {
    for (const std::size_t length : {0, 1, 6, 7, 8, 9, 16, 254}) {
        SCOPED_TRACE(length);
        std::string text(length, 'a');
        if (length > 0) {
            text.back() = 'z';
        }
        const ShortText made(text);
        EXPECT_EQ(text, made.view());
        EXPECT_EQ(length, made.size());

        ShortText copy = made;
        ShortText moved = std::move(copy);
        EXPECT_EQ(made, moved);
        EXPECT_TRUE(copy.empty()); // NOLINT(bugprone-use-after-move): moved-from is empty

        ShortText replaced = "Default";
        replaced = moved;
        EXPECT_EQ(text, replaced);
        replaced = replaced; // NOLINT(clang-diagnostic-self-assign-overloaded)
        EXPECT_EQ(text, replaced);
        replaced = std::string(20, 'b');
        EXPECT_EQ(std::string(20, 'b'), replaced.str());
        replaced = "No";
        EXPECT_EQ("No", replaced);
        EXPECT_FALSE(replaced == "Yes");
    }
}

} // namespace
} // namespace pickwell
