#include "tests/e2e/check.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

namespace {

Case* running = nullptr;
int passedCases = 0;
int failedCases = 0;

} // namespace

Case::Case(const char* name) : name_(name), outer_(running) {
    running = this;
    std::printf("-- %s\n", Readable(name_).c_str());
    std::fflush(stdout);
}

Case::~Case() {
    running = outer_;
    if (failures_ == 0) {
        ++passedCases;
        std::printf("ok   %s\n", Readable(name_).c_str());
    } else {
        ++failedCases;
        std::printf("FAIL %s (%d failed expectation%s)\n", Readable(name_).c_str(), failures_,
                    failures_ == 1 ? "" : "s");
    }
    std::fflush(stdout);
}

bool Expect(bool ok, const char* format, ...) {
    if (ok)
        return true;
    char text[2048];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    std::printf("   failed: %s\n", text);
    std::fflush(stdout);
    if (running)
        ++running->failures_;
    else
        ++failedCases;
    return false;
}

bool ExpectText(const char* what, const std::string& actual, const std::string& expected) {
    return Expect(actual == expected, "%s is \"%s\", expected \"%s\"", Readable(what).c_str(),
                  Readable(actual).c_str(), Readable(expected).c_str());
}

bool ExpectNumber(const char* what, long long actual, long long expected) {
    return Expect(actual == expected, "%s is %lld, expected %lld", Readable(what).c_str(), actual,
                  expected);
}

int PrintTally() {
    std::printf("tally %d ok %d bad\n", passedCases, failedCases);
    std::fflush(stdout);
    return failedCases;
}

std::string Readable(const std::string& text) {
    std::string escaped;
    for (char byte : text) {
        if (byte == '\r')
            escaped += "\\r";
        else if (byte == '\n')
            escaped += "\\n";
        else
            escaped += byte;
    }
    if (escaped.empty())
        return escaped;
    int wideLength =
        MultiByteToWideChar(CP_ACP, 0, escaped.data(), int(escaped.size()), nullptr, 0);
    std::wstring wide(wideLength, L'\0');
    MultiByteToWideChar(CP_ACP, 0, escaped.data(), int(escaped.size()), wide.data(), wideLength);
    int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(utf8Length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), utf8Length, nullptr,
                        nullptr);
    return utf8;
}
