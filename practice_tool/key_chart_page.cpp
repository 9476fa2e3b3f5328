#include "practice_tool/key_chart_page.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/wubi/key_charts.h"

#include <iterator>

namespace {

// The letter keys as a keyboard has them, top row first.
constexpr const char* keyboardRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
constexpr unsigned zoneCount = 5;

// Sized in millimetres and points so that the screen and the printed page
// agree: 250 mm of keys leave room on A4 landscape for a print at 110 %, when
// fonts of other metrics run longer. Each zone has a shade, a pattern whose
// lines run as its stroke does, and a border of its own, so that printing in
// black and white still tells them apart; the border survives even a printer
// set not to print backgrounds.
constexpr char style[] = R"(
@page { size: A4 landscape; margin: 8mm; }
* { box-sizing: border-box; }
html { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
body { margin: 0; color: #000; background: #fff; font-size: 9pt; line-height: 1.25;
  font-family: "Microsoft YaHei", "微软雅黑", SimHei, "黑体", SimSun, "宋体", sans-serif; }
.sheet { width: 250mm; margin: 0 auto; }
.aside { flex: 1; display: flex; flex-direction: column; gap: 1.2mm; padding-left: 2mm; }
h1 { font-size: 15pt; line-height: 1.2; margin: 0; }
.legend { display: flex; flex-direction: column; gap: 0.8mm; }
.zone { display: flex; align-items: center; gap: 1.2mm; }
.swatch { width: 10mm; height: 6mm; flex: none; }
.rows { display: flex; flex-direction: column; gap: 1mm; }
.row { display: flex; gap: 1mm; }
.row1 { padding-left: 6.25mm; }
.row2 { padding-left: 18.75mm; }
.key { width: 24mm; flex: none; display: flex; flex-direction: column;
  padding: 0.6mm 1mm 0.8mm; border-radius: 1.5mm; }
.top { display: flex; align-items: baseline; gap: 1mm; }
.letter { font-size: 13pt; }
.place { font-size: 9pt; }
.short { margin-left: auto; font-size: 11pt; padding: 0 0.6mm; background: #fff;
  border: 0.25mm solid #000; border-radius: 1mm; }
.radicals { font-size: 8pt; line-height: 1.15; margin-top: 0.5mm; }
.name { float: left; font-size: 26pt; line-height: 1; font-weight: bold; margin: 0.3mm 1mm 0 0; }
.c { font-size: 12pt; }
.n { white-space: nowrap; }
.verse { margin-top: auto; padding-top: 0.5mm; font-size: 8pt; clear: both;
  border-top: 0.2mm solid #555; }
.learn { border: 0.4mm dashed #000; background: #fff; }
.learn .name { float: none; font-size: 16pt; margin: 1mm 0; }
.learn .note { font-size: 8pt; }
.z1 { border: 0.5mm solid #a33; background: #fbe4e4 repeating-linear-gradient(0deg,
  transparent 0 1.2mm, rgba(0,0,0,0.09) 1.2mm 1.5mm); }
.z2 { border: 1.2mm double #2a5db0; background: #e2ebfb repeating-linear-gradient(90deg,
  transparent 0 1.2mm, rgba(0,0,0,0.09) 1.2mm 1.5mm); }
.z3 { border: 0.6mm dashed #2e7d32; background: #e3f3df repeating-linear-gradient(135deg,
  transparent 0 1.2mm, rgba(0,0,0,0.09) 1.2mm 1.5mm); }
.z4 { border: 0.7mm dotted #9a6a00; background: #fcf1d4 repeating-linear-gradient(45deg,
  transparent 0 1.2mm, rgba(0,0,0,0.09) 1.2mm 1.5mm); }
.z5 { border: 1mm solid #6a3fa0; background: repeating-linear-gradient(0deg,
  transparent 0 2mm, rgba(0,0,0,0.08) 2mm 2.3mm), repeating-linear-gradient(90deg,
  transparent 0 2mm, rgba(0,0,0,0.08) 2mm 2.3mm) #eee4f8; }
.foot { margin-top: 1.5mm; font-size: 8pt; }
@media screen { body { padding: 4mm 0; } }
)";

std::string Escaped(const char* text) {
    std::string out;
    for (; *text != '\0'; ++text) {
        switch (*text) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += *text;
        }
    }
    return out;
}

unsigned ZoneOf(const WubiKey& key) {
    return key.position / 10;
}

// The radicals of a key's chart but its key-name character, which the key
// shows large: first those GBK has a character for, then in small type the
// names of the others, each group in the chart's order.
std::string Radicals(const WubiKey& key) {
    std::string characters, names;
    for (const std::string& radical : ChartRadicals(key)) {
        if (radical == key.keyName)
            continue;
        if (radical.size() == 2 && IsGbkLeadByte(radical[0]))
            characters += " <span class=\"c\">" + radical + "</span>";
        else
            names += " <span class=\"n\">" + Escaped(radical.c_str()) + "</span>";
    }
    return characters + names;
}

std::string KeyBox(const WubiKey& key) {
    const char letter = AsciiUpper(key.letter);
    std::string box = "<div data-key=\"" + std::string(1, key.letter) + "\" class=\"key z" +
                      std::to_string(ZoneOf(key)) + "\" title=\"" + key.zone + "\">";
    box += "<div class=\"top\"><b class=\"letter\">" + std::string(1, letter) +
           "</b><span class=\"place\">" + std::to_string(key.position) +
           "</span><span class=\"short\" title=\"一级简码\">" + key.levelOne + "</span></div>";
    box += "<div class=\"radicals\"><span class=\"name\">" + std::string(key.keyName) + "</span>" +
           Radicals(key) + "</div>";
    if (*key.verse != '\0')
        box += "<div class=\"verse\">" + Escaped(key.verse) + "</div>";
    return box + "</div>\n";
}

// Z carries no radicals: input methods take it for any radical the learner
// cannot find, and show the candidates with their codes.
std::string LearningKey(const std::string& term) {
    return "<div data-key=\"z\" class=\"key learn\"><div class=\"top\"><b "
           "class=\"letter\">Z</b></div><div class=\"name\">学习键</div><div class=\"note\">"
           "拆不出的" +
           term + "先打 Z，输入法列出可能的字和它们的编码。</div></div>\n";
}

// The keyboard's rows; the bottom row, shorter, leaves room at its end for
// the title and the legend.
std::string Keyboard(WubiVersion version, const std::string& term, const std::string& aside) {
    std::string rows = "<div class=\"rows\">\n";
    for (std::size_t row = 0; row < std::size(keyboardRows); ++row) {
        rows += "<div class=\"row row" + std::to_string(row) + "\">\n";
        for (const char* letter = keyboardRows[row]; *letter != '\0'; ++letter) {
            const WubiKey* key = FindKey(version, *letter);
            rows += key != nullptr ? KeyBox(*key) : LearningKey(term);
        }
        rows += (row + 1 == std::size(keyboardRows) ? aside : "") + "</div>\n";
    }
    return rows + "</div>\n";
}

// Each zone with its stroke (the single stroke its first key carries) and
// its keys, in the chart's order.
std::string Legend(WubiVersion version) {
    std::string legend = "<div class=\"legend\">\n";
    for (unsigned zone = 1; zone <= zoneCount; ++zone) {
        std::string name, stroke, letters;
        for (const WubiKey& key : WubiKeys(version)) {
            if (ZoneOf(key) != zone)
                continue;
            name = key.zone;
            if (*key.stroke != '\0')
                stroke = key.stroke;
            letters += std::string(" ") + AsciiUpper(key.letter);
        }
        legend += "<div class=\"zone\"><span class=\"swatch z" + std::to_string(zone) +
                  "\"></span><span>" + std::to_string(zone) + " " + name + "：起笔是" +
                  name.substr(0, 2) + "（" + stroke + "）<br>" + letters + "</span></div>\n";
    }
    return legend + "</div>\n";
}

} // namespace

std::string KeyChartPage(WubiVersion version) {
    const bool is86 = version == WubiVersion::wubi86;
    const std::string number = DataOf(version).number;
    const std::string term = is86 ? "字根" : "码元";
    const std::string title = "五笔字型 " + number + " 版" + term + "表";
    const std::string aside = "<div class=\"aside\">\n<h1>" + title + "</h1>\n" + Legend(version) +
                              "<div>每键：字母和区位号，框中是一级简码；大字是键名字，其后是" +
                              term + "，小字是没有单字形的" + term + "的名称" +
                              (is86 ? "；下方是字根助记词" : "") + "。</div>\n</div>\n";
    std::string page = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>" +
                       title + "</title>\n<style>" + style + "</style>\n</head>\n<body>\n";
    page += "<div class=\"sheet\">\n" + Keyboard(version, term, aside);
    page += "<div class=\"foot\">五笔字型 " + number + " 版 · 数据：Tarnvel 的 " + number +
            " 版键位表，与 practice_tool keys" + (is86 ? "" : " --wubi=98") +
            " 列出的、练习文件的说明所用的是同一份 · 打印：A4 横向，一页</div>\n";
    page += "</div>\n</body>\n</html>\n";
    return Utf8FromGbk(page);
}
