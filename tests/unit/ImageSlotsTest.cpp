#include "rules/ImageSlots.h"

#include <gtest/gtest.h>

namespace {

// Old images a.tga (slots 1 and 4: listed twice), b.tga (2), a failed c.tga (0), d.tga (3).
TEST(ImageSlots, ANewListKeepsTheSlotsOfItsFilesAndLetsTheOthersGo) {
    const std::vector<std::string> old = {"a.tga", "b.tga", "c.tga", "d.tga", "a.tga"};
    const std::vector<int32_t> slots = {1, 2, 0, 3, 4};
    // new list | its slots (0: to load) | the slots let go
    const std::vector<
        std::tuple<std::vector<std::string>, std::vector<int32_t>, std::vector<int32_t>>>
        cases = {
            // the same list: the second a.tga shares the first's texture, its own let go
            {old, {1, 2, 0, 3, 1}, {4}},
            {{"d.tga", "e.tga", "a.tga", "d.tga"}, {3, 0, 1, 3}, {2, 4}},
            {{"c.tga"}, {0}, {1, 2, 3, 4}},
        };
    for (const auto& [paths, kept, released] : cases) {
        const SlotChange change = keepSlots(old, slots, paths);
        EXPECT_EQ(change.slots, kept);
        EXPECT_EQ(change.released, released);
    }
}

TEST(ImageSlots, AFileNamedAgainIsTheFirstImageOfIt) {
    EXPECT_EQ(firstOfSameFile({"a.tga", "b.tga", "a.tga", "c.tga", "b.tga", "a.tga"}),
              (std::vector<size_t>{0, 1, 0, 3, 1, 0}));
    EXPECT_EQ(firstOfSameFile({}), std::vector<size_t>{});
}

} // namespace
