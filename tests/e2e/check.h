// A small tally of named cases: every expectation inside a case is checked,
// a case passes when all of them held, and the run ends with one tally line.
#pragma once

#include <string>

class Case {
  public:
    explicit Case(const char* name);
    ~Case();
    Case(const Case&) = delete;
    Case& operator=(const Case&) = delete;

    bool passed() const { return failures_ == 0; }

  private:
    friend bool Expect(bool ok, const char* format, ...);
    std::string name_;
    int failures_ = 0;
    Case* outer_;
};

// Records a failed expectation (printf-style description) in the running case.
bool Expect(bool ok, const char* format, ...) __attribute__((format(gnu_printf, 2, 3)));

// Texts are compared byte for byte; failures show them as readable UTF-8.
bool ExpectText(const char* what, const std::string& actual, const std::string& expected);
bool ExpectNumber(const char* what, long long actual, long long expected);

// Prints one line `tally N ok M bad` and returns M.
int PrintTally();

// A text of the active code page as UTF-8 with CR and LF spelled out, for logs.
std::string Readable(const std::string& text);
