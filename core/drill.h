// The rules of the drill: judging answers with three tries, revealing the
// code, and moving `current` through the material with its boundary notices.
#pragma once

#include "core/code_page.h"
#include "core/drill_state.h"
#include "core/drill_window.h"
#include "core/practice_file.h"

// The drill operations work on the process-wide state of drill_state.h, in
// the active code page, and reach the user only through `dialog`.

// True when the move or check must not happen; the notice has then been shown.
bool AtBoundary(bool forward, DrillWindow& owner);

void CheckAnswer(DrillWindow& dialog);
void NextChar(DrillWindow& dialog);
void PrevChar(DrillWindow& dialog);

// Loads a practice file into the drill and, when anything was read, starts
// the new material with fresh tries.
LoadResult LoadDrillMaterial(const char* path);

// The notices, as the user sees them.
namespace drill_text {
constexpr const char emptyTable[] = "没有找到字。\r\n请使用菜单打开一个有效的练习文件。";
constexpr const char emptyTableCaption[] = "字表空";
constexpr const char lastEntry[] = "已经到达最后一个字了。";
constexpr const char lastEntryCaption[] = "已到最后";
constexpr const char firstEntry[] = "已经到达第一个字了。";
constexpr const char firstEntryCaption[] = "已到最前";
constexpr const char rightAnswer[] = "回答正确！";
constexpr const char rightAnswerCaption[] = "回答正确";
constexpr const char tryAgain[] = "回答不正确，请再试。";
constexpr const char wrongAnswerCaption[] = "回答错误";
constexpr const char revealFormat[] = "正确答案是：%s\r\n%s";
} // namespace drill_text
