// make_material: makes the data that ships with practice_tool and the sample
// practice files, or checks that what is committed is exactly what it makes.
// For maintainers; it does not ship.
//
//   make_material [--check] table86 WUBI86_DICT_YAML DATA_FOLDER
//   make_material [--check] sources SOURCE_FOLDER DATA_FOLDER
//   make_material [--check] samples DATA_FOLDER SAMPLES_FOLDER
//   make_material [--check] review DATA_FOLDER FOLDER
//   make_material [--check] strokes UNIHAN_IRGSOURCES DATA_FOLDER
//   make_material [--check] frequency UNIHAN_FOLDER DATA_FOLDER
//
// table86 writes wubi86-danzi.dict.yaml from Debian's Rime table; sources
// writes wubi98-danzi.dict.yaml, wubi86-zigen.txt and wubi98-zigen.txt from the
// public data sets in SOURCE_FOLDER; samples writes the 86 course into
// SAMPLES_FOLDER/86 and the 98 one into SAMPLES_FOLDER/98, and the key charts
// of both versions (keys-86.html, keys-98.html) into SAMPLES_FOLDER; review
// writes the review sheet of the radicals' names, radical-names.txt; strokes
// writes strokes.txt from Unihan (Debian's unicode-data) and the data;
// frequency writes hanzi-frequency.txt from Unihan (/usr/share/unicode) and the
// Wubi 86 table in DATA_FOLDER. With --check, nothing is written: the files are
// made in a temporary folder and compared.
#include "practice_tool/key_chart_page.h"
#include "practice_tool/material/data_files.h"
#include "practice_tool/material/frequency_data.h"
#include "practice_tool/material/review_sheet.h"
#include "practice_tool/material/sample_files.h"
#include "practice_tool/material/stroke_file.h"
#include "practice_tool/text/whole_file.h"

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The courses' folders, one a version, and the folder that holds them and the key
// charts, where no lesson lies any more.
constexpr const char* sampleFolders[] = {"86/", "98/", ""};

std::string Folder(std::string path) {
    return path.empty() || path.back() == '/' ? path : path + "/";
}

// Makes `what` from `from` into the folder `into`; `made` names the files.
// The data folder, for what is made from it, is `data`: the one named on the
// command line, whatever `into` is.
bool MakeMaterial(const std::string& what, const std::string& from, const std::string& into,
                  const std::string& data, std::vector<std::string>& made, std::string& failure) {
    if (what == "strokes") {
        made = {"strokes.txt"};
        return WriteStrokeFile(from.c_str(), data, (into + made[0]).c_str(), failure);
    }
    if (what == "table86") {
        made = {DataOf(WubiVersion::wubi86).table};
        return WriteTable86(from.c_str(), (into + made[0]).c_str(), failure);
    }
    if (what == "sources") {
        made = {DataOf(WubiVersion::wubi98).table, DataOf(WubiVersion::wubi86).radicals,
                DataOf(WubiVersion::wubi98).radicals};
        return WriteTable98((from + "wubi98-full-codes.txt").c_str(),
                            (from + "wubi98-single-characters.txt").c_str(),
                            (into + made[0]).c_str(), failure) &&
               WriteRadicalData((from + "wubi86_spelling.txt").c_str(), "86",
                                (into + made[1]).c_str(), failure) &&
               WriteRadicalData((from + "wubi98_spelling.txt").c_str(), "98",
                                (into + made[2]).c_str(), failure);
    }
    if (what == "frequency") {
        made = {frequencyData};
        return WriteFrequencyData(from, (data + DataOf(WubiVersion::wubi86).table).c_str(),
                                  (into + made[0]).c_str(), failure);
    }
    if (what == "review") {
        made = {"radical-names.txt"};
        return WriteReviewSheet(from, (into + made[0]).c_str(), failure);
    }
    if (what == "samples") {
        for (const VersionData& version : versionData) {
            const std::string folder = std::string(version.number) + "/";
            std::vector<std::string> lessons;
            mkdir((into + folder).c_str(), 0777);
            if (!WriteSamples(version.version, from, into + folder, lessons, failure))
                return false;
            for (const std::string& name : lessons)
                made.push_back(folder + name);
        }
        // The key charts go beside the courses, both versions in one place.
        for (const VersionData& data : versionData) {
            made.push_back(std::string("keys-") + data.number + ".html");
            if (!WriteWholeFile((into + made.back()).c_str(), KeyChartPage(data.version))) {
                failure = "cannot write " + into + made.back();
                return false;
            }
        }
        return true;
    }
    failure = "no such thing to make: " + what;
    return false;
}

// The files of a folder whose names end in `suffix` ("" for every file).
std::vector<std::string> FilesIn(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> names;
    if (DIR* listing = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(listing)) {
            const std::string name = entry->d_name;
            struct stat status;
            const bool file =
                stat((folder + name).c_str(), &status) == 0 && S_ISREG(status.st_mode);
            if (file && name.size() > suffix.size() &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                names.push_back(name);
        }
        closedir(listing);
    }
    return names;
}

// A scratch folder of this run's own under TMPDIR (else /tmp), removed with
// everything made in it however the run ends.
class ScratchFolder {
  public:
    explicit ScratchFolder(bool wanted) {
        if (!wanted)
            return;
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern =
            Folder(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "make_material.XXXXXX";
        if (mkdtemp(&pattern[0]) != nullptr)
            path_ = Folder(pattern);
    }
    ~ScratchFolder() {
        if (path_.empty())
            return;
        for (const char* folder : sampleFolders) {
            for (const std::string& name : FilesIn(path_ + folder, ""))
                std::remove((path_ + folder + name).c_str());
            rmdir((path_ + folder).c_str());
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // "" when the folder could not be made.
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// Compares what was made in `fresh` with what is committed in `committed`;
// for the samples, also no committed one that is no longer made.
bool SameAsCommitted(const std::string& what, const std::string& fresh,
                     const std::string& committed, std::vector<std::string> names,
                     const std::string& from) {
    if (what == "samples")
        for (const char* folder : sampleFolders)
            for (const char* suffix : {".txt", ".html"})
                for (const std::string& name : FilesIn(committed + folder, suffix))
                    if (std::find(names.begin(), names.end(), folder + name) == names.end())
                        names.push_back(folder + name);
    bool same = true;
    for (const std::string& name : names) {
        std::string made, kept;
        if (!ReadWholeFile((fresh + name).c_str(), made) ||
            !ReadWholeFile((committed + name).c_str(), kept) || made != kept) {
            std::fprintf(stderr, "make_material: %s%s is not what is made from %s\n",
                         committed.c_str(), name.c_str(), from.c_str());
            same = false;
        }
    }
    return same;
}

} // namespace

int main(int argc, char** argv) {
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    if (argc != (check ? 5 : 4)) {
        std::fprintf(stderr, "usage: make_material [--check] "
                             "table86|sources|samples|review|strokes|frequency FROM INTO\n");
        return 2;
    }
    const std::string what = argv[check ? 2 : 1];
    const std::string from =
        what == "table86" || what == "strokes" ? argv[check ? 3 : 2] : Folder(argv[check ? 3 : 2]);
    const std::string into = Folder(argv[check ? 4 : 3]);
    ScratchFolder scratch(check);
    if (check && scratch.path().empty()) {
        std::perror("make_material: cannot make a scratch folder");
        return 2;
    }
    const std::string target = check ? scratch.path() : into;
    std::vector<std::string> made;
    std::string failure;
    if (!MakeMaterial(what, from, target, into, made, failure)) {
        std::fprintf(stderr, "make_material: %s\n", failure.c_str());
        return 1;
    }
    return check && !SameAsCommitted(what, target, into, made, from) ? 1 : 0;
}
