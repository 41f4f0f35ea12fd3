/// @file
/// OutputFile: writing a whole file that a user asked for, so that a failure is never mistaken
/// for success and never costs what was there: every write and the close are checked, and a
/// regular file (or a new one) is written as a temporary file beside it, renamed over it only
/// once whole. A link is written through: to the file it leads to, made there when it is not. An
/// output that exists and is not a regular file, after links (a device, a FIFO), is written
/// directly, opened once.
///
/// ```
/// afterglow::OutputFile file("out.raw");
/// std::string error;
/// if (!file.open(error) || !file.write(bytes.data(), bytes.size(), error) ||
///     !file.commit(error)) {
///     std::fprintf(stderr, "out.raw: %s\n", error.c_str()); // out.raw is as it was
/// }
/// ```
#pragma once

#include <cstddef>
#include <string>

namespace afterglow {

class OutputFile {
  public:
    /// Looks at path; nothing is created yet. The temporary file is "." + name + "." + pid +
    /// suffix in the same folder (the suffix can keep an extension that a writer reads), the name
    /// cut short where the whole would pass 255 bytes.
    explicit OutputFile(const std::string& path, const std::string& suffix = ".partial");
    /// Removes the temporary file unless it was committed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    /// True when path exists and is not a regular file: it is written in place.
    bool direct() const { return m_direct; }
    /// Creates the temporary file, or opens the path itself when direct. False with the system's
    /// reason in error.
    bool open(std::string& error);
    /// Where the bytes go: the temporary file, or the path.
    const std::string& writingPath() const { return m_writing; }
    /// Writes all of data; false with the reason in error.
    bool write(const void* data, size_t size, std::string& error);
    /// Closes, and renames the temporary file over the path; false with the reason in error.
    bool commit(std::string& error);

  private:
    std::string m_target; // the path, or the regular file a link at it leads to
    std::string m_writing;
    bool m_direct = false;
    bool m_replacing = false; // a regular file is there, whose mode the new one takes
    unsigned m_mode = 0;
    int m_fd = -1;
    bool m_temporary = false; // the temporary file exists and is not renamed yet
    int m_refused = 0;        // why the path cannot be written (a loop of links)
};

/// Writes size bytes to path through an OutputFile. On failure returns false with the system's
/// reason in error.
bool writeOutputFile(const std::string& path, const void* data, size_t size, std::string& error);

} // namespace afterglow
