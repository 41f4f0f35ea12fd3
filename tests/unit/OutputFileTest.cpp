#include "tools/common/OutputFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace afterglow;

namespace {
// Names in the scratch folder that start with '.'.
int hiddenFiles() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(scratchPath(""))) {
        count += entry.path().filename().string()[0] == '.';
    }
    return count;
}
} // namespace

TEST(OutputFile, ReplacesAFileOnlyWhenWholeAndLeavesNoTemporaryFile) {
    struct Case {
        const char* name;
        bool existing, link, commit;
        const char* seen; // at the path (through the link) afterwards
    };
    // The longest name a file may have: its temporary file's name is cut short.
    const std::string longest = std::string(251, 'n') + ".out";
    const Case cases[] = {
        {"new-kept.out", false, false, true, "new"},
        {longest.c_str(), false, false, true, "new"},
        {"new-abandoned.out", false, false, false, ""},
        {"old-kept.out", true, false, true, "new"},
        {"old-abandoned.out", true, false, false, "old"},
        {"link-kept.out", true, true, true, "new"},
        {"link-abandoned.out", true, true, false, "old"},
        {"dangling-kept.out", false, true, true, "new"}, // the file is made where the link leads
    };
    for (const Case& c : cases) {
        std::string path = scratchPath(c.name);
        if (c.existing || c.link) {
            const std::string target = scratchPath(std::string("target-") + c.name);
            if (c.existing) {
                writeScratchFile(std::string("target-") + c.name, "old");
                chmod(target.c_str(), 0640);
            }
            ASSERT_TRUE(!c.link || symlink(target.c_str(), path.c_str()) == 0) << c.name;
            path = c.link ? path : target;
        }
        {
            OutputFile file(path);
            std::string error;
            ASSERT_FALSE(file.direct()) << c.name;
            ASSERT_TRUE(file.open(error) && file.write("new", 3, error)) << c.name << error;
            EXPECT_EQ(readFile(path), c.existing ? "old" : "") << c.name << ": replaced early";
            ASSERT_TRUE(!c.commit || file.commit(error)) << c.name << error;
        }
        struct stat info;
        EXPECT_EQ(stat(path.c_str(), &info) == 0 ? readFile(path) : "", c.seen) << c.name;
        EXPECT_TRUE(!c.existing || (info.st_mode & 0777) == 0640) << c.name << ": mode lost";
        struct stat link;
        EXPECT_EQ(lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode), c.link) << c.name;
        EXPECT_EQ(hiddenFiles(), 0) << c.name;
    }
}

// Through a chain of links to no file the file is made where the last one leads; a loop of links
// is refused.
TEST(OutputFile, WritesThroughAChainOfLinksAndRefusesALoop) {
    const std::string first = scratchPath("hop1.out"), second = scratchPath("hop2.out");
    ASSERT_EQ(symlink("hop2.out", first.c_str()), 0);
    ASSERT_EQ(symlink("final.out", second.c_str()), 0);
    std::string error;
    {
        OutputFile file(first);
        ASSERT_TRUE(file.open(error) && file.write("new", 3, error) && file.commit(error)) << error;
    }
    struct stat link;
    EXPECT_EQ(readFile(scratchPath("final.out")), "new");
    EXPECT_TRUE(lstat(second.c_str(), &link) == 0 && S_ISLNK(link.st_mode));
    const std::string loop = scratchPath("loop.out");
    ASSERT_EQ(symlink("loop.out", loop.c_str()), 0);
    OutputFile file(loop);
    EXPECT_FALSE(file.open(error));
    EXPECT_EQ(error, "Too many levels of symbolic links");
    EXPECT_TRUE(lstat(loop.c_str(), &link) == 0 && S_ISLNK(link.st_mode));
}
