#include "tools/capture/WholeVideo.h"

#include "base/RegularFile.h"

#include <cstdint>
#include <cstdio>
#include <set>
#include <sys/stat.h>

namespace {
// A box header: a 32-bit size (1: a 64-bit size follows the type; 0: up to the file's end), then
// the type's four characters.
struct Box {
    uint64_t size;
    std::string type;
};

bool readBox(std::FILE* file, uint64_t at, uint64_t fileSize, Box& box) {
    uint8_t header[16];
    if (fseeko(file, static_cast<off_t>(at), SEEK_SET) != 0 ||
        std::fread(header, 1, 8, file) != 8) {
        return false;
    }
    auto bigEndian = [&](int from, int bytes) {
        uint64_t value = 0;
        for (int i = from; i < from + bytes; ++i) {
            value = value << 8 | header[i];
        }
        return value;
    };
    box.type.assign(reinterpret_cast<const char*>(header + 4), 4);
    box.size = bigEndian(0, 4);
    if (box.size == 1) {
        if (std::fread(header + 8, 1, 8, file) != 8) {
            return false;
        }
        box.size = bigEndian(8, 8);
    } else if (box.size == 0) {
        box.size = fileSize - at;
    }
    return box.size >= 8;
}
} // namespace

std::string videoFault(const std::string& path) {
    std::FILE* file = openRegularFile(path.c_str());
    if (file == nullptr) {
        return "it cannot be read";
    }
    struct stat info;
    const uint64_t fileSize =
        fstat(fileno(file), &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;
    std::set<std::string> types;
    std::string fault;
    for (uint64_t at = 0; at < fileSize && fault.empty();) {
        Box box;
        if (!readBox(file, at, fileSize, box) || box.size > fileSize - at) {
            fault = "it is cut short";
        } else {
            types.insert(box.type);
            at += box.size;
        }
    }
    std::fclose(file);
    for (const char* needed : {"ftyp", "moov", "mdat"}) {
        if (fault.empty() && types.count(needed) == 0) {
            fault = fileSize == 0 ? "it is empty" : "it has no '" + std::string(needed) + "' box";
        }
    }
    return fault;
}
