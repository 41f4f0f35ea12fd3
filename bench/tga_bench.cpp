// TGA decoding as a real load does it (open, decode into a fresh buffer, free), side by side
// with stb_image on the same files and with the limit: one read() of the file into a fresh output
// buffer obtained as the decoder obtains its own, first touch of the rest of it, and an in-place
// red/blue exchange. Prints the ratios at the end.
#include "resources/TGALoader.h"
#include "tools/TGAWriter.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#include <stb_image.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <map>
#include <random>
#include <string>
#include <unistd.h>
#include <utility>

namespace {

enum class Content { Artwork, Noise, Flat };
const char* contentName(Content c) {
    return c == Content::Artwork ? "artwork" : c == Content::Noise ? "noise" : "flat";
}

// Artwork: flat panels and soft gradients, about half of the pixels in runs.
TGAImage makeImage(int size, int n, Content content) {
    TGAImage image{size, size, n, std::vector<uint8_t>(static_cast<size_t>(size) * size * n)};
    std::mt19937 random(7);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            uint8_t* p = &image.pixels[(static_cast<size_t>(y) * size + x) * n];
            uint32_t noise = random();
            switch (content) {
            case Content::Flat:
                p[0] = 30, p[1] = 90, p[2] = 150;
                break;
            case Content::Noise:
                p[0] = noise & 0xFF, p[1] = (noise >> 8) & 0xFF, p[2] = (noise >> 16) & 0xFF;
                break;
            case Content::Artwork: {
                bool panel = ((x / 64) + (y / 48)) % 2 == 0;
                p[0] = panel ? 20 : static_cast<uint8_t>(x / 4 + (noise & 3));
                p[1] = panel ? 40 : static_cast<uint8_t>(y / 4);
                p[2] = panel ? 80 : static_cast<uint8_t>((x + y) / 8);
                break;
            }
            }
            if (n == 4) {
                p[3] = content == Content::Noise ? static_cast<uint8_t>(noise >> 24) : 255;
            }
        }
    }
    return image;
}

struct BenchFile {
    std::string path;
    size_t pixelbytes;
    int n;
};

void loadOurs(benchmark::State& state, BenchFile file) {
    for (auto _ : state) {
        DecodedImage image;
        if (!readTGAFile(file.path, kLargestTextureSide, image)) {
            state.SkipWithError("decode failed");
            break;
        }
        benchmark::DoNotOptimize(image.pixels[0]);
    }
}

void loadStb(benchmark::State& state, BenchFile file) {
    for (auto _ : state) {
        int w, h, c;
        stbi_uc* pixels = stbi_load(file.path.c_str(), &w, &h, &c, 0);
        if (pixels == nullptr) {
            state.SkipWithError("stb failed");
            break;
        }
        benchmark::DoNotOptimize(pixels[0]);
        stbi_image_free(pixels);
    }
}

void loadLimit(benchmark::State& state, BenchFile file) {
    for (auto _ : state) {
        int fd = open(file.path.c_str(), O_RDONLY);
        off_t filesize = lseek(fd, 0, SEEK_END);
        lseek(fd, 0, SEEK_SET);
        size_t total = std::max(file.pixelbytes, static_cast<size_t>(filesize));
        PixelBuffer buffer = allocatePixelBuffer(total); // obtained as the decoder obtains it
        uint8_t* out = buffer.get();
        ssize_t got = read(fd, out, static_cast<size_t>(filesize));
        close(fd);
        if (got != filesize) {
            state.SkipWithError("read failed");
            break;
        }
        for (size_t i = static_cast<size_t>(filesize); i < total; i += 4096) {
            out[i] = 0; // first touch of the pages the file did not fill
        }
        for (size_t i = 0; i + 2 < file.pixelbytes; i += static_cast<size_t>(file.n)) {
            std::swap(out[i], out[i + 2]);
        }
        benchmark::DoNotOptimize(out[0]);
    }
}

// Collects each run's time per iteration to print the ratios after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // A fixed threshold makes every image buffer a fresh mapping, as in a real start-up; left
    // dynamic, glibc would hand freed buffers back, already touched, and hide the first touch.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "intro-tga-bench";
    std::filesystem::create_directories(folder);

    std::vector<std::pair<std::string, bool>> files; // name, run-length
    for (int size : {1024, 2048}) {
        for (int n : {3, 4}) {
            for (Content content : {Content::Artwork, Content::Noise, Content::Flat}) {
                TGAImage image = makeImage(size, n, content);
                for (bool rle : {false, true}) {
                    std::string name = std::to_string(size) + "/" + std::to_string(n * 8) + "bit/" +
                                       (rle ? "type10/" : "type2/") + contentName(content);
                    std::string path = (folder / (std::to_string(files.size()) + ".tga")).string();
                    std::vector<uint8_t> bytes = encodeTGA(image, rle);
                    std::ofstream(path, std::ios::binary)
                        .write(reinterpret_cast<const char*>(bytes.data()),
                               static_cast<std::streamsize>(bytes.size()));
                    BenchFile file{path, image.pixels.size(), n};
                    benchmark::RegisterBenchmark(("ours/" + name).c_str(), loadOurs, file)
                        ->Unit(benchmark::kMillisecond);
                    benchmark::RegisterBenchmark(("stb/" + name).c_str(), loadStb, file)
                        ->Unit(benchmark::kMillisecond);
                    benchmark::RegisterBenchmark(("limit/" + name).c_str(), loadLimit, file)
                        ->Unit(benchmark::kMillisecond);
                    files.emplace_back(name, rle);
                }
            }
        }
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-32s %10s %10s   (goal: type 2 >= 2x stb and <= 1.3x limit; "
                "type 10 >= 3x stb and <= 1.6x limit)\n",
                "file", "stb/ours", "ours/limit");
    for (const auto& [name, rle] : files) {
        double ours = reporter.times["ours/" + name];
        double stb = reporter.times["stb/" + name];
        double limit = reporter.times["limit/" + name];
        if (ours <= 0 || stb <= 0 || limit <= 0) {
            continue;
        }
        bool met = stb / ours >= (rle ? 3.0 : 2.0) && ours / limit <= (rle ? 1.6 : 1.3);
        std::printf("%-32s %10.2f %10.2f   %s\n", name.c_str(), stb / ours, ours / limit,
                    met ? "met" : "MISSED");
    }
    if (std::getenv("INTRO_BENCH_KEEP") == nullptr) {
        std::filesystem::remove_all(folder);
    }
    return 0;
}
