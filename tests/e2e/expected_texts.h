// What the user must see, written down independently of the program's sources
// so that a wrong text in the program shows up here.
#pragma once

namespace expected {

constexpr char title[] = "Tarnvel";
constexpr char aboutCaption[] = "关于Tarnvel";
constexpr char practiceCaption[] = "练习";
constexpr char openFileCaption[] = "打开文件";

constexpr char openFailed[] = "文件打开时发生错误！";
constexpr char errorCaption[] = "错误";

constexpr char emptyTable[] = "没有找到字。\r\n请使用菜单打开一个有效的练习文件。";
constexpr char emptyTableCaption[] = "字表空";
constexpr char lastEntry[] = "已经到达最后一个字了。";
constexpr char lastEntryCaption[] = "已到最后";
constexpr char firstEntry[] = "已经到达第一个字了。";
constexpr char firstEntryCaption[] = "已到最前";
constexpr char rightAnswer[] = "回答正确！";
constexpr char rightAnswerCaption[] = "回答正确";
constexpr char tryAgain[] = "回答不正确，请再试。";
constexpr char wrongAnswerCaption[] = "回答错误";
constexpr char revealPrefix[] = "正确答案是：";

// Numbers the program's windows and resources answer to.
constexpr int mainMenu = 109;
constexpr int titleString = 103;
constexpr int welcomeString = 106;
constexpr int classString = 109;
constexpr unsigned commandAbout = 104;
constexpr unsigned commandExit = 105;
constexpr unsigned commandStartPractice = 32771;
constexpr unsigned commandOpenFile = 32772;
constexpr int answerBoxId = 110;
constexpr int nextButton = 1001;
constexpr int previousButton = 1002;

} // namespace expected
