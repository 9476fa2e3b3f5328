// make_material: makes the data that ships with practice_tool and the sample
// practice files, or checks that what is committed is exactly what it makes.
// For maintainers; it does not ship.
//
//   make_material [--check] table86 WUBI86_DICT_YAML DATA_FOLDER
//   make_material [--check] sources SOURCE_FOLDER DATA_FOLDER
//   make_material [--check] samples DATA_FOLDER SAMPLES_FOLDER
//   make_material [--check] review DATA_FOLDER FOLDER
//
// table86 writes wubi86-danzi.dict.yaml from Debian's Rime table; sources
// writes wubi98-danzi.dict.yaml, wubi86-zigen.txt and wubi98-zigen.txt from the
// public data sets in SOURCE_FOLDER; samples writes the 86 samples into
// SAMPLES_FOLDER and the 98 ones into its folder 98; review writes the review
// sheet of the radicals' names, radical-names.txt. With --check, nothing is
// written: the files are made in a temporary folder and compared.
#include "practice_tool/input_text.h"
#include "practice_tool/material_sources.h"
#include "practice_tool/review_sheet.h"
#include "practice_tool/samples.h"

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

std::string Folder(std::string path) {
    return path.empty() || path.back() == '/' ? path : path + "/";
}

// Makes `what` from `from` into the folder `into`; `made` names the files.
bool Make(const std::string& what, const std::string& from, const std::string& into,
          std::vector<std::string>& made, std::string& failure) {
    if (what == "table86") {
        made = {"wubi86-danzi.dict.yaml"};
        return WriteTable86(from.c_str(), (into + made[0]).c_str(), failure);
    }
    if (what == "sources") {
        made = {"wubi98-danzi.dict.yaml", "wubi86-zigen.txt", "wubi98-zigen.txt"};
        return WriteTable98((from + "wubi98-full-codes.txt").c_str(),
                            (from + "wubi98-single-characters.txt").c_str(),
                            (into + made[0]).c_str(), failure) &&
               WriteRadicalData((from + "wubi86_spelling.txt").c_str(), "86",
                                (into + made[1]).c_str(), failure) &&
               WriteRadicalData((from + "wubi98_spelling.txt").c_str(), "98",
                                (into + made[2]).c_str(), failure);
    }
    if (what == "review") {
        made = {"radical-names.txt"};
        return WriteReviewSheet(from, (into + made[0]).c_str(), failure);
    }
    if (what == "samples") {
        std::vector<std::string> made98;
        mkdir((into + "98").c_str(), 0777);
        if (!WriteSamples(WubiVersion::wubi86, from, into, made, failure) ||
            !WriteSamples(WubiVersion::wubi98, from, into + "98/", made98, failure))
            return false;
        for (const std::string& name : made98)
            made.push_back("98/" + name);
        return true;
    }
    failure = "no such thing to make: " + what;
    return false;
}

// The practice files (*.txt) of a folder.
std::vector<std::string> PracticeFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* listing = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(listing)) {
            const std::string name = entry->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0)
                names.push_back(name);
        }
        closedir(listing);
    }
    return names;
}

} // namespace

int main(int argc, char** argv) {
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    if (argc != (check ? 5 : 4)) {
        std::fprintf(stderr,
                     "usage: make_material [--check] table86|sources|samples|review FROM INTO\n");
        return 2;
    }
    const std::string what = argv[check ? 2 : 1];
    const std::string from = what == "table86" ? argv[check ? 3 : 2] : Folder(argv[check ? 3 : 2]);
    const std::string into = Folder(argv[check ? 4 : 3]);
    char scratch[] = "/tmp/make_material.XXXXXX";
    const std::string target = check ? Folder(mkdtemp(scratch)) : into;
    std::vector<std::string> made;
    std::string failure;
    if (!Make(what, from, target, made, failure)) {
        std::fprintf(stderr, "make_material: %s\n", failure.c_str());
        return 1;
    }
    int status = 0;
    if (check) {
        std::vector<std::string> names = made;
        if (what == "samples") // and no committed sample that is no longer made
            for (const char* folder : {"", "98/"})
                for (const std::string& name : PracticeFilesIn(into + folder))
                    if (std::find(names.begin(), names.end(), folder + name) == names.end())
                        names.push_back(folder + name);
        for (const std::string& name : names) {
            std::string fresh, committed;
            const bool same = ReadWholeFile((target + name).c_str(), fresh) &&
                              ReadWholeFile((into + name).c_str(), committed) && fresh == committed;
            if (!same) {
                std::fprintf(stderr, "make_material: %s%s is not what is made from %s\n",
                             into.c_str(), name.c_str(), from.c_str());
                status = 1;
            }
            std::remove((target + name).c_str());
        }
        rmdir((target + "98").c_str());
        rmdir(target.c_str());
    }
    return status;
}
