#include "TestFiles.h"

#include "base/FileWatch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>

namespace {

timespec statusTime(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_ctim;
}

// Sets a file's modification time to a second of our choosing.
void setModified(const std::string& path, time_t seconds) {
    const timespec times[2] = {{0, UTIME_OMIT}, {seconds, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// Waits until the file system's clock has moved past a file's status-change time, so that the
// next change of it shows in that time (the clock is coarse: a few ms).
void waitPastStatusTime(const std::string& path) {
    const timespec then = statusTime(path);
    const std::string probe = scratchPath("probe");
    for (timespec now = then; now.tv_sec == then.tv_sec && now.tv_nsec == then.tv_nsec;) {
        writeScratchFile("probe", "x");
        now = statusTime(probe);
    }
}

// Each step changes the files (or not); the watch then names the files that changed, each change
// once, and only files that are there.
TEST(FileWatch, NamesEachReplacementOrRewriteOnce) {
    const std::string a = writeScratchFile("a", "one"), b = writeScratchFile("b", "two"),
                      c = scratchPath("c");
    setModified(a, 1000);
    setModified(b, 1000);
    FileWatch watch({a, b, c});
    const std::vector<std::pair<std::function<void()>, std::vector<size_t>>> steps = {
        {[] {}, {}},
        {[&] {
             writeScratchFile("a", "three");
             setModified(a, 1000);
         },
         {0}},                                // its size
        {[&] { setModified(b, 2000); }, {1}}, // its time
        {[&] { // rewritten in place, its size and modification time kept: its status time
             waitPastStatusTime(a);
             writeScratchFile("a", "THREE");
             setModified(a, 1000);
         },
         {0}},
        {[&] { // replaced by another file moved into place, all else the same
             writeScratchFile("b2", "two");
             setModified(scratchPath("b2"), 2000);
             std::rename(scratchPath("b2").c_str(), b.c_str());
         },
         {1}},
        {[&] { writeScratchFile("c", "new"); }, {2}},
        {[&] { std::remove(a.c_str()); }, {}}, // gone: nothing to reload
        {[&] { writeScratchFile("a", "back"); }, {0}},
        {[] {}, {}},
    };
    for (size_t step = 0; step < steps.size(); ++step) {
        steps[step].first();
        EXPECT_EQ(watch.changed(), steps[step].second) << "step " << step;
    }
}

} // namespace
