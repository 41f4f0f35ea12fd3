// FileWatch: which of a list of files were replaced or rewritten since they were last looked at;
// --dev reloads what it names.
#pragma once

#include <ctime>
#include <string>
#include <sys/types.h>
#include <vector>

// Watches files for replacement. A file counts as changed when anything about it that a
// replacement changes differs: its inode (a file moved into place), its size, or its modification
// or status-change time (a rewrite, or a copy that kept the old modification time).
class FileWatch {
  public:
    // What is there now counts as seen.
    explicit FileWatch(std::vector<std::string> paths);
    // The indexes of the files that changed since the last look and are there now. Each change
    // is seen once: a file that fails to load keeps what it replaces until it changes again.
    std::vector<size_t> changed();

  private:
    struct Seen {
        dev_t device = 0;
        ino_t inode = 0;
        long long size = -1;
        timespec modified{};
        timespec changed{};
        bool operator==(const Seen& other) const;
    };
    static Seen look(const std::string& path);

    std::vector<std::string> m_paths;
    std::vector<Seen> m_seen;
};
