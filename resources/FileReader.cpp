#include "resources/FileReader.h"

#include <cstring>

void FileReader::close() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

size_t FileReader::read(void* destination, size_t size) {
    auto* out = static_cast<uint8_t*>(destination);
    size_t fromchunk = size < buffered() ? size : buffered();
    std::memcpy(out, data(), fromchunk);
    consume(fromchunk);
    size_t delivered = fromchunk;
    if (delivered == size) {
        return delivered;
    }
    if (size - delivered >= kChunkSize) {
        return delivered + std::fread(out + delivered, 1, size - delivered, m_file);
    }
    size_t rest = ensure(size - delivered);
    std::memcpy(out + delivered, data(), rest);
    consume(rest);
    return delivered + rest;
}

size_t FileReader::refill(size_t size) {
    if (m_file != nullptr) {
        size_t kept = buffered();
        std::memmove(m_chunk, data(), kept);
        m_position = 0;
        m_end = kept + std::fread(m_chunk + kept, 1, kChunkSize - kept, m_file);
    }
    return size < buffered() ? size : buffered();
}

bool FileReader::remaining(uint64_t& bytes) {
    // Measured by seeking, which works for files on disk and in memory alike; a pipe cannot tell.
    long position = std::ftell(m_file);
    if (position < 0 || std::fseek(m_file, 0, SEEK_END) != 0) {
        return false;
    }
    long size = std::ftell(m_file);
    if (std::fseek(m_file, position, SEEK_SET) != 0 || size < 0) {
        return false;
    }
    bytes = static_cast<uint64_t>(size > position ? size - position : 0) + buffered();
    return true;
}
