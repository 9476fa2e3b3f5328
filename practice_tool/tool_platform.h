// What the practice-file tool needs from the system: the console's encoding
// and language, where the tool itself lives, replacing a file in one step and
// keeping a console window of its own open. One implementation per platform.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// The languages the tool speaks.
enum class Language { english, chinese };

// GBK text (practice material, messages) in the console's encoding.
std::string ConsoleText(const std::string& gbk);

// Writes practice-file text (GBK bytes) in the form the console shows.
void PrintMaterial(std::FILE* stream, const std::string& text);

// The language the user reads: Chinese where the system is set up for it.
Language SystemLanguage();

// The folder of the running program, ending in its separator; "" when it
// cannot be found.
std::string ProgramFolder();

// Puts `temporary` in the place of `target`, replacing any file there. Both are
// in the same folder. False when the system refuses.
bool ReplaceFileWith(const char* temporary, const char* target);

// True when the console window is the tool's alone (as when started from
// Explorer, which closes it at once when the tool ends) and reads the keyboard.
bool OwnsConsoleWindow();

void WaitForKey();
