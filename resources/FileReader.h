// FileReader: the loaders' one way into an open file. Small reads are served from a 64 KiB chunk
// so that a decoder can ask for one pixel at a time cheaply; large reads go straight from the file
// into the caller's buffer. Knows the end of the data: a read returns how much it could deliver.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

class FileReader {
  public:
    // Takes over an open file (or none); close() or the destructor closes it, once.
    explicit FileReader(std::FILE* file) : m_file(file) {}
    ~FileReader() { close(); }
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    void close();

    // Copies up to size bytes into destination; returns how many arrived.
    size_t read(void* destination, size_t size);

    // Makes up to size bytes (at most the chunk size) readable in one piece at data() and returns
    // how many are; fewer only at the end of the file. consume() then moves past them.
    size_t ensure(size_t size) { return buffered() >= size ? size : refill(size); }
    const uint8_t* data() const { return m_chunk + m_position; }
    void consume(size_t size) { m_position += size; }

    // Bytes left between the read position and the end of the file, when the file can tell.
    bool remaining(uint64_t& bytes);

    static constexpr size_t kChunkSize = 64 * 1024;

  private:
    size_t refill(size_t size);
    size_t buffered() const { return m_end - m_position; }

    std::FILE* m_file;
    size_t m_position = 0;
    size_t m_end = 0;
    uint8_t m_chunk[kChunkSize];
};
