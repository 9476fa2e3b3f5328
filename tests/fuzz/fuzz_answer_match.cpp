// Feeds arbitrary pairs of byte strings to the answer comparison in a Chinese,
// a Japanese and a Western code page. Checks that equality is symmetric, that
// a string equals itself and its copy with the case of its ASCII letters
// swapped, whenever each of its double-byte characters is a valid one.
#include "core/answer_match.h"
#include "tests/fuzz/fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <iconv.h>
#include <string>

namespace {

// A code page's rules with a decoder of its own, to tell valid double-byte
// characters from invalid ones without the code under test.
struct TestedCodePage {
    CodePage rules;
    iconv_t decoder;
    explicit TestedCodePage(unsigned number) : rules(MakeCodePage(number)) {
        char name[16];
        std::snprintf(name, sizeof name, "CP%u", number);
        decoder = iconv_open("UTF-32LE", name);
    }

    bool decodes(const unsigned char* bytes) const {
        char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes));
        char out[8];
        char* outPointer = out;
        std::size_t inLeft = 2;
        std::size_t outLeft = sizeof out;
        iconv(decoder, nullptr, nullptr, nullptr, nullptr);
        return iconv(decoder, &in, &inLeft, &outPointer, &outLeft) !=
                   static_cast<std::size_t>(-1) &&
               inLeft == 0 && outLeft == sizeof out - 4;
    }
};

// Calls `visit(position, isDoubleByte)` for each character of `text` as the
// comparison splits it: a lead byte takes the next byte unless that is the end.
template <typename Visit>
void ForEachCharacter(const std::string& text, const CodePage& codePage, Visit visit) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.c_str());
    for (std::size_t i = 0; bytes[i] != '\0'; ++i) {
        bool doubleByte = codePage.multibyte && codePage.isLeadByte[bytes[i]] && bytes[i + 1] != 0;
        visit(i, doubleByte);
        if (doubleByte)
            ++i;
    }
}

bool AllDoubleBytesValid(const std::string& text, const TestedCodePage& page) {
    bool valid = true;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.c_str());
    ForEachCharacter(text, page.rules, [&](std::size_t i, bool doubleByte) {
        if (doubleByte && !page.decodes(bytes + i))
            valid = false;
    });
    return valid;
}

// Swaps A-Z and a-z where they stand as characters of their own, never as the
// second byte of a double-byte character.
std::string SwapAsciiCase(const std::string& text, const CodePage& codePage) {
    std::string swapped = text;
    ForEachCharacter(text, codePage, [&](std::size_t i, bool doubleByte) {
        char byte = swapped[i];
        if (!doubleByte && byte >= 'a' && byte <= 'z')
            swapped[i] = static_cast<char>(byte - 'a' + 'A');
        else if (!doubleByte && byte >= 'A' && byte <= 'Z')
            swapped[i] = static_cast<char>(byte - 'A' + 'a');
    });
    return swapped;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TestedCodePage codePages[] = {TestedCodePage(936), TestedCodePage(932),
                                               TestedCodePage(1252)};
    FuzzedDataProvider input(data, size);
    const TestedCodePage& page = codePages[input.ConsumeIntegralInRange<int>(0, 2)];
    const CodePage& rules = page.rules;
    const std::string left = input.ConsumeRandomLengthString(64);
    const std::string right = input.ConsumeRemainingBytesAsString();

    bool leftRight = AnswerMatches(left.c_str(), right.c_str(), rules);
    bool rightLeft = AnswerMatches(right.c_str(), left.c_str(), rules);
    Require(leftRight == rightLeft, "equality is not symmetric");

    if (AllDoubleBytesValid(left, page)) {
        const std::string copy = left;
        Require(AnswerMatches(left.c_str(), copy.c_str(), rules), "a string differs from itself");
        const std::string swapped = SwapAsciiCase(left, rules);
        Require(AnswerMatches(left.c_str(), swapped.c_str(), rules),
                "swapping the case of ASCII letters changed the verdict");
    }
    return 0;
}
