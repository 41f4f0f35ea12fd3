#include "TestFiles.h"

#include "text/LookupTableLoader.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Table = std::unique_ptr<LookupTable>;

Table loadText(const std::string& text) {
    return Table(loadLookupTable(writeScratchFile("table.data", text)));
}

struct Shape {
    const char* name;
    std::string text;
    std::vector<std::string> keys;
    std::vector<std::vector<std::string>> records; // values in key order
};

TEST(LookupTableLoader, ReadsKeysAndRecordsLineByLine) {
    const std::string longline(65535, 'x');
    const std::vector<Shape> cases = {
        {"example",
         "mapfile xspace yspace\nfirst.tga 1 2\nsecond.tga -1\n",
         {"mapfile", "xspace", "yspace"},
         {{"first.tga", "1", "2"}, {"second.tga", "-1", "-1"}}},
        {"last line without a line feed", "a b\n1 2\n3 4", {"a", "b"}, {{"1", "2"}, {"3", "4"}}},
        {"one final line feed adds nothing", "a\n1\n", {"a"}, {{"1"}}},
        {"two final line feeds add an empty record",
         "a b\n1 2\n\n",
         {"a", "b"},
         {{"1", "2"}, {"", ""}}},
        {"a blank line is a record", "a\n1\n   \n3\n", {"a"}, {{"1"}, {""}, {"3"}}},
        {"one word fills every key", "a b c\nx\n", {"a", "b", "c"}, {{"x", "x", "x"}}},
        {"extra words are ignored", "a b\n1 2 3 4\n", {"a", "b"}, {{"1", "2"}}},
        {"a repeated key ends the header", "a b b c\n1 2 3\n", {"a", "b"}, {{"1", "2"}}},
        {"header alone", "a b c\n", {"a", "b", "c"}, {}},
        {"blank header", "\n1 2\n3\n", {}, {{}, {}}},
        {"tabs, runs of spaces and carriage returns",
         "a\tb  c\r\n 1\t2   3\r\n",
         {"a", "b", "c"},
         {{"1", "2", "3"}}},
        {"a line of 65,535 characters is read whole",
         "a\n" + longline + "\nz\n",
         {"a"},
         {{longline}, {"z"}}},
        {"a line of 65,536 characters ends the reading",
         "a\n1\n" + longline + "x\nz\n",
         {"a"},
         {{"1"}}},
        {"no line at all", "", {}, {}},
    };
    for (const Shape& c : cases) {
        SCOPED_TRACE(c.name);
        Table t = loadText(c.text);
        ASSERT_EQ(t->keyCount(), static_cast<int32_t>(c.keys.size()));
        ASSERT_EQ(t->recordCount(), static_cast<int32_t>(c.records.size()));
        for (size_t k = 0; k < c.keys.size(); ++k) {
            EXPECT_EQ(t->m_keys[k], c.keys[k]);
            for (size_t r = 0; r < c.records.size(); ++r) {
                EXPECT_EQ(t->getString(static_cast<int32_t>(r), static_cast<int32_t>(k)),
                          c.records[r][k]);
            }
        }
    }
}

TEST(LookupTableLoader, AMissingFileIsReportedAndGivesAnEmptyTable) {
    testing::internal::CaptureStderr();
    Table t(loadLookupTable(scratchPath("missing.data")));
    std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(report.rfind("Assertion failed: indata.is_open() && \"file not found\", file "
                           "LookupTableLoader.cpp, line ",
                           0),
              0u)
        << report;
    EXPECT_EQ(t->keyCount(), 0);
    EXPECT_EQ(t->recordCount(), 0);
    EXPECT_EQ(t->getString(0, "mapfile"), "");
    testing::internal::CaptureStderr();
    Table empty = loadText("");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "an empty file is no failure";
}

TEST(LookupTable, KeysAreFoundByExactNameOnly) {
    Table t = loadText("Name name nAME\nA B C\n");
    EXPECT_EQ(t->keyIndex("name"), 1);
    EXPECT_EQ(t->keyIndex("NAME"), -1);
    EXPECT_EQ(t->keyIndex("nam"), -1);
    EXPECT_EQ(t->getString(0, "nAME"), "C");
    EXPECT_EQ(t->getString(0, "NAME"), "");
}

TEST(LookupTable, NumbersConvertAsTheCLibraryDoes) {
    Table t = loadText("v\n12px\n-7\nabc\n0.5\n1e2\n +3\n");
    EXPECT_EQ(t->getInt(0, "v"), 12);
    EXPECT_EQ(t->getInt(1, 0), -7);
    EXPECT_EQ(t->getInt(2, "v"), 0);
    EXPECT_FLOAT_EQ(t->getFloat(3, 0), 0.5f);
    EXPECT_FLOAT_EQ(t->getFloat(4, "v"), 100.0f);
    EXPECT_EQ(t->getInt(5, 0), 3);
    EXPECT_EQ(t->getFloat(2, 0), 0.0f);
}

TEST(LookupTable, EveryValueQueryMovesTheCursorAndNextReadsTheRecordAfterIt) {
    Table t = loadText("a b\n0 x0\n1 x1\n2 x2\n3 x3\n4 x4\n5 x5\n");
    EXPECT_EQ(t->getNextString(), "1") << "a fresh table's first next is record 1 of key 0";
    EXPECT_EQ(t->getString(4, 1), "x4");
    EXPECT_EQ(t->getNextString(), "x5");
    EXPECT_EQ(t->m_currentrecord, 5);
    EXPECT_EQ(t->m_currentkey, 1);
    EXPECT_EQ(t->getInt(2, "a"), 2);
    EXPECT_EQ(t->getNextInt(), 3);
    EXPECT_FLOAT_EQ(t->getNextFloat(), 4.0f);
    // Past the last record: empty answers, no crash.
    EXPECT_EQ(t->getNextString(), "5");
    EXPECT_EQ(t->getNextString(), "");
    EXPECT_EQ(t->getNextInt(), 0);
    // Counts and lookups by name leave the cursor alone.
    t->getString(1, 1);
    t->recordCount();
    t->keyCount();
    t->keyIndex("b");
    EXPECT_EQ(t->m_currentrecord, 1);
    EXPECT_EQ(t->m_currentkey, 1);
}

TEST(LookupTable, QueriesOutsideTheTableAnswerEmpty) {
    Table t = loadText("a\n1\n");
    EXPECT_EQ(t->getString(-1, 0), "");
    EXPECT_EQ(t->getString(1, 0), "");
    EXPECT_EQ(t->getString(0, 1), "");
    EXPECT_EQ(t->getString(0, -1), "");
    EXPECT_EQ(t->getString(0, "missing"), "");
    EXPECT_EQ(t->getInt(0, "missing"), 0);
    EXPECT_EQ(t->getRandomString("missing"), "");
    Table header = loadText("a b\n");
    EXPECT_EQ(header->getRandomString(0), "") << "a random query on no records";
    EXPECT_EQ(header->getRandomInt("a"), 0);
    EXPECT_EQ(header->getNextFloat(), 0.0f);
    t->m_currentrecord = INT32_MAX;
    EXPECT_EQ(t->getNextString(), "");
}

TEST(LookupTable, RandomQueriesOnOneRecordAlwaysGiveIt) {
    Table t = loadText("a b\nonly 7\n");
    t->getString(0, 1);
    EXPECT_EQ(t->getRandomString(0), "only");
    EXPECT_EQ(t->getRandomString("a"), "only");
    EXPECT_EQ(t->getRandomInt("b"), 7);
    EXPECT_FLOAT_EQ(t->getRandomFloat(1), 7.0f);
    EXPECT_EQ(t->m_currentrecord, 0);
}

} // namespace
