// Loader and comparison benchmark. Writes practice files of 10 000, 100 000 and
// 1 000 000 entries of GBK text, loads each several times into one table, as
// the program reloads its table, and sets the best load time beside the best
// time of the same bounded line reads alone (a LineReader over the same file
// that builds nothing). For the largest file it also times first loads into a
// new table, whose memory comes fresh from the system, beside the floor of
// allocating and filling that much fresh memory. Also measures the memory each
// entry costs and the time the answer comparison takes per answer.
//
// Usage: load_bench [--dir FOLDER] [--random MEGABYTES]
// The last line printed is "load_vs_baseline=R bytes_per_entry=B" for the
// largest file. --random also loads files of that many random bytes, once as
// they come and once with every Ctrl-Z replaced.
#include "core/answer_match.h"
#include "core/practice_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A GB2312 character from the first level (common characters).
void AppendHanzi(std::string& text, std::mt19937& random) {
    text += static_cast<char>(0xB0 + random() % 40);
    text += static_cast<char>(0xA1 + random() % 94);
}

// One entry as a practice file has it: the character, a code of one to four
// letters, and an explanation of Chinese text with a few letters and digits,
// all with CR LF.
void AppendEntry(std::string& text, std::mt19937& random) {
    AppendHanzi(text, random);
    text += "\r\n";
    for (unsigned i = 0, letters = 1 + random() % 4; i < letters; ++i)
        text += static_cast<char>('a' + random() % 25);
    text += "\r\n";
    for (unsigned i = 0, characters = 8 + random() % 22; i < characters; ++i) {
        if (random() % 8 == 0)
            text += static_cast<char>('A' + random() % 26);
        else
            AppendHanzi(text, random);
    }
    text += "\r\n";
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::size_t MakePracticeFile(const std::string& path, std::size_t entries) {
    std::mt19937 random(static_cast<unsigned>(entries));
    std::string text;
    text.reserve(entries * 64);
    for (std::size_t i = 0; i < entries; ++i)
        AppendEntry(text, random);
    return WriteFile(path, text) ? text.size() : 0;
}

// Random bytes; without Ctrl-Z unless asked, since the first one ends the data.
std::size_t MakeRandomFile(const std::string& path, std::size_t bytes, bool withCtrlZ) {
    std::mt19937_64 random(bytes);
    std::string text(bytes, '\0');
    for (std::size_t i = 0; i + 8 <= bytes; i += 8) {
        std::uint64_t word = random();
        std::memcpy(&text[i], &word, 8);
    }
    if (!withCtrlZ)
        std::replace(text.begin(), text.end(), '\x1A', 'Z');
    return WriteFile(path, text) ? text.size() : 0;
}

// The loader's line reads alone: what any reading of the file costs.
std::size_t ReadLinesOnly(const std::string& path) {
    FileSource file;
    if (!file.open(path.c_str()))
        return 0;
    LineReader reader(file);
    char line[lineBufferSize];
    std::size_t length = 0;
    std::size_t lines = 0;
    while (reader.readLine(line, length))
        ++lines;
    return lines;
}

struct Load {
    double seconds;
    std::size_t entries;
};

Load LoadOnce(const std::string& path, CharTable& table, const CodePage& codePage) {
    CharNode* cursor = nullptr;
    Clock::time_point start = Clock::now();
    LoadResult result = LoadPracticeFile(path.c_str(), table, cursor, codePage);
    double seconds = SecondsSince(start);
    if (result != LoadResult::loaded)
        std::fprintf(stderr, "load of %s did not succeed\n", path.c_str());
    return {seconds, table.count()};
}

// What taking `entries` nodes' worth of fresh memory costs, in blocks of the
// table's size, each filled once. Released untimed, as a table is.
double AllocateAndFill(std::size_t entries) {
    constexpr std::size_t blockBytes = CharTable::nodesPerBlock * sizeof(CharNode);
    std::vector<std::unique_ptr<char[]>> blocks;
    blocks.reserve(entries / CharTable::nodesPerBlock + 1);
    Clock::time_point start = Clock::now();
    for (std::size_t filled = 0; filled < entries; filled += CharTable::nodesPerBlock) {
        blocks.emplace_back(new char[blockBytes]);
        std::memset(blocks.back().get(), static_cast<int>(filled), blockBytes);
    }
    return SecondsSince(start);
}

template <typename Run> double BestOf(int runs, Run run) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, run());
    return best;
}

long ResidentBytes() {
    long pages = 0;
    long resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm != nullptr) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// Small blocks and the large ones malloc maps on their own.
std::size_t HeapInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

struct Memory {
    double heapPerEntry;
    double residentPerEntry;
};

// The growth of the heap in use and of the resident set while the table holds
// the file's entries.
Memory MeasureMemory(const std::string& path, const CodePage& codePage) {
    malloc_trim(0);
    auto table = std::make_unique<CharTable>();
    CharNode* cursor = nullptr;
    std::size_t heapBefore = HeapInUse();
    long residentBefore = ResidentBytes();
    LoadPracticeFile(path.c_str(), *table, cursor, codePage);
    double entries = std::max<double>(1, table->count());
    return {(HeapInUse() - heapBefore) / entries, (ResidentBytes() - residentBefore) / entries};
}

struct Row {
    std::size_t entries;
    std::size_t bytes;
    double load;
    double baseline;
    Memory memory;
};

void PrintRow(const std::string& label, const Row& row) {
    std::printf("%-14s %9zu %8.1f %9.2f %8.1f %8.0f %9.2f %5.2f %9.1f %9.1f\n", label.c_str(),
                row.entries, row.bytes / 1e6, row.load * 1e3, row.bytes / 1e6 / row.load,
                row.load * 1e9 / std::max<std::size_t>(1, row.entries), row.baseline * 1e3,
                row.load / row.baseline, row.memory.heapPerEntry, row.memory.residentPerEntry);
    std::fflush(stdout);
}

Row MeasureFile(const std::string& label, const std::string& path, std::size_t bytes,
                CharTable& table, const CodePage& codePage, int runs) {
    Row row{};
    row.bytes = bytes;
    row.baseline = row.load = 1e9;
    // Taken in turns, so that a busy spell on the machine slows both alike.
    for (int i = 0; i < runs; ++i) {
        Clock::time_point start = Clock::now();
        if (ReadLinesOnly(path) == 0)
            std::fprintf(stderr, "no lines in %s\n", path.c_str());
        row.baseline = std::min(row.baseline, SecondsSince(start));
        Load load = LoadOnce(path, table, codePage);
        row.entries = load.entries;
        row.load = std::min(row.load, load.seconds);
    }
    row.memory = MeasureMemory(path, codePage);
    PrintRow(label, row);
    return row;
}

// Loads into new tables, so every page of the entries is fresh, and the floor
// that fresh memory sets: the line reads plus allocating and filling as much.
void MeasureFirstLoad(const std::string& path, const Row& reload, const CodePage& codePage,
                      int runs) {
    Row row = reload;
    row.load = BestOf(runs, [&] {
        auto table = std::make_unique<CharTable>();
        return LoadOnce(path, *table, codePage).seconds;
    });
    double fresh = BestOf(runs, [&] { return AllocateAndFill(row.entries); });
    PrintRow(" first load", row);
    std::printf("fresh memory for the entries %.2f ms; first load / (lines + that) %.2f\n",
                fresh * 1e3, row.load / (row.baseline + fresh));
}

// Nanoseconds per answer judged, over answers as users type them.
void MeasureComparison(const CodePage& codePage) {
    struct Answer {
        const char* label;
        const char* typed;
        const char* code;
    };
    const Answer answers[] = {
        {"right, same case", "trnt", "trnt"},
        {"right, upper case", "TRNT", "trnt"},
        {"wrong letter", "trnd", "trnt"},
        {"Chinese typed", "\xCE\xD2\xC3\xC7", "trnt"},             // 我们
        {"Chinese equal", "\xCE\xD2\xC3\xC7", "\xCE\xD2\xC3\xC7"}, // 我们, both sides
        {"19 bytes", "abcdefghijklmnopqrs", "abcd"},
    };
    constexpr int rounds = 1000000;
    std::printf("\n%-20s %12s\n", "answer", "ns/answer");
    for (const Answer& answer : answers) {
        volatile int matches = 0;
        double seconds = BestOf(3, [&] {
            Clock::time_point start = Clock::now();
            for (int i = 0; i < rounds; ++i)
                matches = matches + AnswerMatches(answer.typed, answer.code, codePage);
            return SecondsSince(start);
        });
        std::printf("%-20s %12.1f\n", answer.label, seconds * 1e9 / rounds);
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string folder;
    std::size_t randomMegabytes = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--dir") == 0)
            folder = argv[i + 1];
        else if (std::strcmp(argv[i], "--random") == 0)
            randomMegabytes = std::strtoul(argv[i + 1], nullptr, 10);
    }
    bool ownFolder = folder.empty();
    if (ownFolder) {
        char pattern[] = "/tmp/tarnvel-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            return 1;
        folder = pattern;
    }
    const CodePage codePage = MakeCodePage(936);
    // Like the program's one table, refilled by every load.
    CharTable table;

    std::printf("build: %s\n", TARNVEL_BUILD);
    std::printf("%-14s %9s %8s %9s %8s %8s %9s %5s %9s %9s\n", "file", "entries", "MB", "load ms",
                "MB/s", "ns/entry", "lines ms", "ratio", "heap B/e", "RSS B/e");
    Row largest{};
    for (std::size_t entries : {10000u, 100000u, 1000000u}) {
        std::string path = folder + "/practice_" + std::to_string(entries) + ".txt";
        std::size_t bytes = MakePracticeFile(path, entries);
        if (bytes == 0)
            return 1;
        largest =
            MeasureFile(std::to_string(entries) + " entries", path, bytes, table, codePage, 9);
        if (entries >= 1000000)
            MeasureFirstLoad(path, largest, codePage, 5);
        std::remove(path.c_str());
    }
    for (bool withCtrlZ : {true, false}) {
        if (randomMegabytes == 0)
            break;
        std::string path = folder + "/random.bin";
        std::size_t bytes = MakeRandomFile(path, randomMegabytes << 20, withCtrlZ);
        if (bytes == 0)
            return 1;
        MeasureFile(std::to_string(randomMegabytes) + (withCtrlZ ? " MB random" : " MB no ^Z"),
                    path, bytes, table, codePage, 1);
        std::remove(path.c_str());
    }
    if (ownFolder)
        rmdir(folder.c_str());

    MeasureComparison(codePage);
    std::printf("\nload_vs_baseline=%.2f bytes_per_entry=%.0f\n", largest.load / largest.baseline,
                largest.memory.heapPerEntry);
    return 0;
}
