#include "app/core/TimelineFile.h"

// Compiled into this file alone, without exceptions: no shared library to ship beside the intro,
// and the fuzzer instruments the parser with the rest.
#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0
#include <toml++/toml.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>

namespace {

constexpr int64_t kLatestTime = UINT32_MAX;

// Control characters from the file (in a quoted key, say) must not break the report's one line.
std::string oneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            c = ' ';
        }
    }
    return line;
}

std::string quoted(std::string_view key) {
    return "'" + std::string(key) + "'";
}

// Reads the tables of one file into a Timeline, stopping at the first mistake.
class Reader {
  public:
    explicit Reader(const std::string& name) : name_(name) {}

    const std::string& error() const { return error_; }

    bool fail(const toml::source_region& where, const std::string& expected) {
        // The root table, and a table only implied by a dotted key, have no place of their own.
        auto line = where.begin.line ? where.begin.line : 1;
        auto column = where.begin.column ? where.begin.column : 1;
        error_ = oneLine(name_) + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " +
                 oneLine(expected);
        return false;
    }

    bool onlyKeys(const toml::table& table, std::initializer_list<std::string_view> known,
                  const char* what) {
        for (auto&& [key, value] : table) {
            bool found = false;
            for (std::string_view k : known) {
                found |= key.str() == k;
            }
            if (!found) {
                std::string names;
                for (std::string_view k : known) {
                    names += (names.empty() ? "" : ", ") + std::string(k);
                }
                return fail(key.source(), "expected one of the keys " + names + " in " + what +
                                              ", not " + quoted(key.str()));
            }
        }
        return true;
    }

    // The value at key, which the table must have.
    const toml::node* required(const toml::table& table, const char* key, const char* what) {
        const toml::node* node = table.get(key);
        if (!node) {
            fail(table.source(), "expected the key " + quoted(key) + " in " + what);
        }
        return node;
    }

    bool integer(const toml::node& node, const std::string& label, int64_t low, int64_t high,
                 const char* kind, int64_t& out) {
        const toml::value<int64_t>* value = node.as_integer();
        if (!value || value->get() < low || value->get() > high) {
            return fail(node.source(), "expected " + label + " to be " + kind + " from " +
                                           std::to_string(low) + " to " + std::to_string(high));
        }
        out = value->get();
        return true;
    }

    bool time(const toml::node& node, const std::string& label, uint32_t& out) {
        int64_t value = 0;
        bool ok = integer(node, label, 0, kLatestTime, "a time in ms", value);
        out = static_cast<uint32_t>(value);
        return ok;
    }

    bool pace(const toml::node& node, const std::string& label, uint32_t& out) {
        int64_t value = 0;
        bool ok = integer(node, label, 1, kLatestTime, "a pace in ms", value);
        out = static_cast<uint32_t>(value);
        return ok;
    }

    bool image(const toml::node& node, const std::string& label, int& out) {
        int64_t value = 0;
        bool ok = integer(node, label, 0, static_cast<int64_t>(imageCount_) - 1, "an image number",
                          value);
        out = static_cast<int>(value);
        return ok;
    }

    bool path(const toml::node& node, const std::string& label, std::string& out) {
        const toml::value<std::string>* value = node.as_string();
        if (!value || value->get().empty() || value->get().size() > kTimelinePathBytes ||
            value->get().find('\0') != std::string::npos) {
            return fail(node.source(), "expected " + label + " to be a path of 1 to " +
                                           std::to_string(kTimelinePathBytes) +
                                           " bytes without NUL");
        }
        out = value->get();
        return true;
    }

    const toml::array* array(const toml::node& node, const std::string& label, size_t most) {
        const toml::array* list = node.as_array();
        if (!list || list->empty() || list->size() > most) {
            fail(node.source(), "expected " + label + " to be a list of 1 to " +
                                    std::to_string(most) + " entries");
            return nullptr;
        }
        return list;
    }

    const toml::table* table(const toml::node& node, const std::string& label) {
        const toml::table* table = node.as_table();
        if (!table) {
            fail(node.source(), "expected " + label + " to be a table");
        }
        return table;
    }

    bool timeline(const toml::table& root, Timeline& out) {
        if (!onlyKeys(root, {"soundtrack", "images", "scene"}, "the file")) {
            return false;
        }
        const toml::node* soundtrack = required(root, "soundtrack", "the file");
        if (!soundtrack || !path(*soundtrack, "'soundtrack'", out.soundtrack)) {
            return false;
        }
        const toml::node* images = required(root, "images", "the file");
        const toml::array* list = images ? array(*images, "'images'", kTimelineImages) : nullptr;
        if (!list) {
            return false;
        }
        for (const toml::node& entry : *list) {
            if (!path(entry, "each of 'images'", out.images.emplace_back())) {
                return false;
            }
        }
        imageCount_ = out.images.size();
        const toml::node* scenes = required(root, "scene", "the file");
        list = scenes ? array(*scenes, "'scene'", kTimelineScenes) : nullptr;
        if (!list) {
            return false;
        }
        for (const toml::node& entry : *list) {
            const toml::table* table = this->table(entry, "each 'scene'");
            if (!table || !scene(*table, out.scenes)) {
                return false;
            }
        }
        return true;
    }

  private:
    bool scene(const toml::table& table, std::vector<TimelineScene>& scenes) {
        if (!onlyKeys(table, {"end", "image", "changes", "flipbook", "scroller"}, "a scene")) {
            return false;
        }
        TimelineScene& scene = scenes.emplace_back();
        const toml::node* end = required(table, "end", "a scene");
        if (!end || !time(*end, "'end'", scene.end)) {
            return false;
        }
        if (scenes.size() > 1 && scene.end <= scenes[scenes.size() - 2].end) {
            return fail(end->source(), "expected 'end' after the previous scene's end, " +
                                           std::to_string(scenes[scenes.size() - 2].end));
        }
        if (const toml::node* image = table.get("image")) {
            if (!this->image(*image, "'image'", scene.image)) {
                return false;
            }
        }
        if (const toml::node* changes = table.get("changes")) {
            if (!this->changes(*changes, scene.changes)) {
                return false;
            }
        }
        if (const toml::node* flipBook = table.get("flipbook")) {
            if (table.contains("image") || table.contains("changes")) {
                return fail(flipBook->source(),
                            "expected no 'image' or 'changes' in a scene with a 'flipbook'");
            }
            if (!this->flipBook(*flipBook, scene.flipBook.emplace())) {
                return false;
            }
        }
        if (const toml::node* scroller = table.get("scroller")) {
            return this->scroller(*scroller, scene.scroller.emplace());
        }
        return true;
    }

    bool changes(const toml::node& node, std::vector<ImageChange>& out) {
        const toml::array* list = array(node, "'changes'", kTimelineChanges);
        if (!list) {
            return false;
        }
        // The first ms of each change, one past its time for an inclusive one.
        int64_t previous = -1;
        for (const toml::node& entry : *list) {
            const toml::table* table = this->table(entry, "each of 'changes'");
            if (!table || !onlyKeys(*table, {"at", "after", "image"}, "a change")) {
                return false;
            }
            ImageChange& change = out.emplace_back();
            change.inclusive = table->contains("after");
            const toml::node* when = table->get(change.inclusive ? "after" : "at");
            if (!when || (table->contains("at") && table->contains("after"))) {
                return fail(table->source(), "expected either 'at' or 'after' in a change");
            }
            if (!time(*when, change.inclusive ? "'after'" : "'at'", change.time)) {
                return false;
            }
            int64_t first = int64_t{change.time} + change.inclusive;
            if (first <= previous) {
                return fail(when->source(), "expected each change later than the one before");
            }
            previous = first;
            const toml::node* image = required(*table, "image", "a change");
            if (!image || !this->image(*image, "'image'", change.image)) {
                return false;
            }
        }
        return true;
    }

    bool flipBook(const toml::node& node, FlipBook& out) {
        const toml::table* table = this->table(node, "'flipbook'");
        if (!table || !onlyKeys(*table, {"frames", "pace", "after"}, "a flip-book")) {
            return false;
        }
        const toml::node* frames = required(*table, "frames", "a flip-book");
        const toml::array* list = frames ? array(*frames, "'frames'", kTimelineFrames) : nullptr;
        if (!list) {
            return false;
        }
        for (const toml::node& entry : *list) {
            if (!image(entry, "each of 'frames'", out.frames.emplace_back())) {
                return false;
            }
        }
        const toml::node* pace = required(*table, "pace", "a flip-book");
        const toml::node* after = pace ? required(*table, "after", "a flip-book") : nullptr;
        return after && this->pace(*pace, "'pace'", out.pace) &&
               image(*after, "'after'", out.after);
    }

    bool scroller(const toml::node& node, Scroller& out) {
        const toml::table* table = this->table(node, "'scroller'");
        if (!table || !onlyKeys(*table, {"text", "pace"}, "a scroller")) {
            return false;
        }
        const toml::node* text = required(*table, "text", "a scroller");
        const toml::node* pace = text ? required(*table, "pace", "a scroller") : nullptr;
        return pace && image(*text, "'text'", out.text) && this->pace(*pace, "'pace'", out.pace);
    }

    const std::string& name_;
    std::string error_;
    size_t imageCount_ = 0;
};

} // namespace

bool parseTimeline(std::string_view text, const std::string& name, Timeline& timeline,
                   std::string& error) {
    Reader reader(name);
    if (text.size() > kTimelineFileBytes) {
        reader.fail({}, "expected at most " + std::to_string(kTimelineFileBytes) + " bytes");
        error = reader.error();
        return false;
    }
    toml::parse_result parsed = toml::parse(text);
    if (!parsed) {
        reader.fail(parsed.error().source(), std::string(parsed.error().description()));
        error = reader.error();
        return false;
    }
    Timeline read;
    if (!reader.timeline(parsed.table(), read)) {
        error = reader.error();
        return false;
    }
    timeline = std::move(read);
    return true;
}

bool loadTimeline(const std::string& path, Timeline& timeline, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    std::error_code ignored;
    bool readable = file && !std::filesystem::is_directory(path, ignored);
    // One byte past the limit is enough to refuse the file.
    std::string text(kTimelineFileBytes + 1, '\0');
    if (readable) {
        file.read(text.data(), static_cast<std::streamsize>(text.size()));
        readable = !file.bad();
    }
    if (!readable) {
        error = oneLine(path) + ":1:1: expected a readable file";
        return false;
    }
    text.resize(static_cast<size_t>(file.gcount()));
    return parseTimeline(text, path, timeline, error);
}
