#include "TestData.h"

#include "text/core/FontTable.h"
#include "text/core/LookupTableLoader.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Table = std::unique_ptr<LookupTable>;

Table parse(const std::string& text) {
    return Table(parseLookupTable(text, "table.data"));
}

TEST(LookupTableLoader, ReadsKeysAndRecordsLineByLine) {
    const std::string longline(65535, 'x');
    const std::string manyLines = "a\n" + repeat(std::string("1\n"), (1 << 20) + 1);
    // Each line's one word is every key's value.
    const std::string wideLines = "a b c d\n" + repeat(longline + "\n", 257);
    // clang-format off
    const std::vector<std::tuple<const char*, std::string, std::vector<std::string>,
                                 std::vector<std::vector<std::string>>, std::string>>
        cases = {
            // name, text, keys, records (values in key order), report
            {"example", "mapfile xspace yspace\nfirst.tga 1 2\nsecond.tga -1\n", {"mapfile", "xspace", "yspace"}, {{"first.tga", "1", "2"}, {"second.tga", "-1", "-1"}}, ""},
            {"last line without a line feed", "a b\n1 2\n3 4", {"a", "b"}, {{"1", "2"}, {"3", "4"}}, ""},
            {"one final line feed adds nothing", "a\n1\n", {"a"}, {{"1"}}, ""},
            {"two final line feeds add an empty record", "a b\n1 2\n\n", {"a", "b"}, {{"1", "2"}, {"", ""}}, ""},
            {"a blank line is a record", "a\n1\n   \n3\n", {"a"}, {{"1"}, {""}, {"3"}}, ""},
            {"extra words are ignored", "a b\n1 2 3 4\n", {"a", "b"}, {{"1", "2"}}, ""},
            {"a repeated key ends the header", "a b b c\n1 2 3\n", {"a", "b"}, {{"1", "2"}}, ""},
            {"header alone", "a b c\n", {"a", "b", "c"}, {}, ""},
            {"blank header", "\n1 2\n3\n", {}, {{}, {}}, ""},
            {"tabs, runs of spaces and carriage returns", "a\tb  c\r\n 1\t2   3\r\n", {"a", "b", "c"}, {{"1", "2", "3"}}, ""},
            {"a NUL ends its line", std::string("a\n1\0 2\n", 7), {"a"}, {{"1"}}, ""},
            {"a line of 65,535 characters is read whole", "a\n" + longline + "\nz\n", {"a"}, {{longline}, {"z"}}, ""},
            {"a line of 65,536 characters ends the table, with a report", "a\n1\n" + longline + "x\nz\n", {"a"}, {{"1"}}, "table.data, line 3: longer than 65535 characters; the table ends before it\n"},
            {"no line at all", "", {}, {}, ""},
            {"a record past a million values ends the table, with a report", manyLines, {"a"}, std::vector<std::vector<std::string>>(1 << 20, {"1"}), "table.data, line 1048578: more than 1048576 values or 64 MiB of them; the table ends before it\n"},
            {"a record past 64 MiB of values ends the table, with a report", wideLines, {"a", "b", "c", "d"}, std::vector<std::vector<std::string>>(256, std::vector<std::string>(4, longline)), "table.data, line 258: more than 1048576 values or 64 MiB of them; the table ends before it\n"},
        };
    // clang-format on
    for (const auto& [name, text, keys, records, report] : cases) {
        SCOPED_TRACE(name);
        testing::internal::CaptureStderr();
        Table t = parse(text);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), report);
        ASSERT_EQ(t->keyCount(), static_cast<int32_t>(keys.size()));
        ASSERT_EQ(t->recordCount(), static_cast<int32_t>(records.size()));
        for (size_t k = 0; k < keys.size(); ++k) {
            EXPECT_EQ(t->keyName(static_cast<int32_t>(k)), keys[k]);
            for (size_t r = 0; r < records.size(); ++r) {
                EXPECT_EQ(t->getString(static_cast<int32_t>(r), static_cast<int32_t>(k)),
                          records[r][k]);
            }
        }
    }
}

TEST(LookupTable, EveryValueQueryMovesTheCursorAndOutsideAnswersEmpty) {
    Table t = parse("a b\n0 x0\n1 x1\n2 x2\n3 x3\n4 x4\n5 x5\n");
    EXPECT_EQ(t->getNextString(), "1") << "a fresh table's first next is record 1 of key 0";
    EXPECT_EQ(t->getString(4, 1), "x4");
    EXPECT_EQ(t->getNextString(), "x5");
    EXPECT_EQ(t->getInt(4, "a"), 4);
    EXPECT_FLOAT_EQ(t->getNextFloat(), 5.0f);
    EXPECT_EQ(t->getNextString(), "") << "past the last record";
    t->getString(1, 1);
    t->keyIndex("b"); // lookups by name leave the cursor alone
    EXPECT_EQ(t->getNextString(), "x2") << "the cursor is where the last value query left it";
    EXPECT_EQ(t->keyIndex("A"), -1) << "keys are found by exact name only";
    for (auto [record, key] : {std::pair{-1, 0}, {6, 0}, {0, 2}, {0, -1}}) {
        EXPECT_EQ(t->getString(record, key), "");
    }
    t->getString(INT32_MAX, 0);
    EXPECT_EQ(t->getNextString(), "") << "the cursor stays at the largest record";
    EXPECT_EQ(t->getString(INT32_MAX - 1, 0), "");
    EXPECT_EQ(parse("a b\n")->getRandomString(0), "") << "a random query on no records";
    EXPECT_FLOAT_EQ(parse("a b\nonly 7\n")->getRandomFloat(1), 7.0f);
}

// A font is named after its atlas file; the fonts past the 256th, which are not loaded, have no
// name.
TEST(FontTable, NamesTheFontsUsedAfterTheirAtlasFiles) {
    auto table =
        parse("mapfile xspace yspace\ndata/font_bold.tga -6 2\nplain 0 0\n/a.b/c.d.tga 1 1\n" +
              repeat(std::string("x.tga 0 0\n"), 300));
    const std::vector<std::string> names = fontNames(*table);
    ASSERT_EQ(names.size(), 256u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 4),
              (std::vector<std::string>{"font_bold", "plain", "c.d", "x"}));
}

} // namespace
