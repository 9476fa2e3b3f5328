#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/text/ascii.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr WubiKey keys86[wubiKeyCount] = {
    {'g', 11, "横区", "王", "一", "五戋", "王旁青头戋五一", "一", "王 青字头 戋 五 一"},
    {'f', 12, "横区", "土", "", "士二干十寸雨", "土士二干十寸雨", "地",
     "土 士 二 干 十 寸 雨 雨字头 革字底"},
    {'d', 13, "横区", "大", "", "犬三古石厂", "大犬三羊古石厂", "在",
     "大 犬 三 羊下部 羊头下部 古 石 厂 丆 左字头 镸"},
    {'s', 14, "横区", "木", "", "丁西", "木丁西", "要", "木 丁 西 覀 朩"},
    {'a', 15, "横区", "工", "", "戈弋廾廿艹七匚", "工戈草头右框七", "工",
     "工 戈 艹 卄 廾 廿 共字头 匚 七 弋 东字头"},
    {'h', 21, "竖区", "目", "丨", "卜上止", "目具上止卜虎皮", "上",
     "目 具字头 上 止 走字底 卜 虍无七 皮无又 丨 亅"},
    {'j', 22, "竖区", "日", "", "曰早刂虫", "日早两竖与虫依", "是",
     "日 曰 早 两竖 丨丿 丿丨 刂 虫 冃"},
    {'k', 23, "竖区", "口", "", "川", "口与川，字根稀", "中", "口 川"},
    {'l', 24, "竖区", "田", "", "甲四皿车力囗", "田甲方框四车力", "国",
     "田 甲 囗 四 罒 皿 车 力 黑字头 曾中部 卌"},
    {'m', 25, "竖区", "山", "", "由贝冂几", "山由贝，下框几", "同",
     "山 由 贝 冂 几 骨字头 凹左部 凹右部 凸中部 兕左部"},
    {'t', 31, "撇区", "禾", "丿", "竹彳攵夂", "禾竹一撇双人立，反文条头共三一", "和",
     "禾 竹 竹字头 丿 彳 攵 夂 撇横 余字底"},
    {'r', 32, "撇区", "白", "", "手扌斤", "白手看头三二斤", "的",
     "白 手 看字头 扌 斤 撇两横 牜无撇 反字头 两撇"},
    {'e', 33, "撇区", "月", "", "彡乃用豕", "月彡乃用家衣底", "有",
     "月 彡 乃 用 豕 豕无横 衣字底 且无底 爫 舟无撇 豸字头 豸字底"},
    {'w', 34, "撇区", "人", "", "八亻", "人和八，三四里", "人", "人 亻 八 癶 祭字头 段字旁"},
    {'q', 35, "撇区", "金", "", "钅勹儿夕", "金勺缺点无尾鱼，犬旁留叉儿一点夕，氏无七", "我",
     "金 钅 勹 角字头 鱼字头 犭无撇 乂 儿 夕 氏无七 流字底 乐字头 卯字旁"},
    {'y', 41, "捺区", "言", "丶", "讠文方广亠", "言文方广在四一，高头一捺谁人去", "主",
     "言 讠 文 方 广 丶 亠 高字头 隹右部 乀"},
    {'u', 42, "捺区", "立", "", "辛六门疒冫丬", "立辛两点六门疒", "产",
     "立 辛 两点 冫 丷 丬 六 门 疒 前字头 北字旁 帝字头"},
    {'i', 43, "捺区", "水", "", "氵小", "水旁兴头小倒立", "不",
     "水 氵 氺 小 小字头 兴字头 学字头 光字头 不字底 兆无儿 步字底"},
    {'o', 44, "捺区", "火", "", "米灬", "火业头，四点米", "为", "火 业字头 灬 米 亦字底"},
    {'p', 45, "捺区", "之", "", "辶廴冖宀", "之宝盖，摘礻衤", "这",
     "之 辶 廴 宀 冖 礻衤无点 礻无点 衤无点"},
    {'n', 51, "折区", "已", "乙", "己巳尸心忄羽", "已半巳满不出己，左框折尸心和羽", "民",
     "已 己 巳 左框 尸 心 忄 恭字底 羽 乙 乛 民字头 眉字头 横折 横折钩 横撇 横斜钩 乚 竖折 撇折 "
     "竖提 斜钩 横折提 横折弯钩 横撇弯钩 横折折撇 横折折折钩 竖折折钩 撇点 鼎左下"},
    {'b', 52, "折区", "子", "", "孑耳了也凵阝卩", "子耳了也框向上", "了",
     "子 孑 耳 了 也 凵 卩 阝 卷字底 巜"},
    {'v', 53, "折区", "女", "", "刀九臼彐巛", "女刀九臼山朝西", "发", "女 刀 九 臼 彐 巛"},
    {'c', 54, "折区", "又", "", "巴马厶", "又巴马，丢矢矣", "以", "又 巴 马 厶 矛字头"},
    {'x', 55, "折区", "纟", "", "幺弓匕", "慈母无心弓和匕，幼无力", "经", "纟 幺 弓 匕 母无心 彑"},
};

// Wubi 98 keeps the zones, the key-name characters but X's (幺) and the
// characters typed by a key alone; many radicals moved.
constexpr WubiKey keys98[wubiKeyCount] = {
    {'g', 11, "横区", "王", "一", "五夫", "", "一",
     "王 青字头 五 夫 一 两横一竖 两横一撇 年字底 舛右部"},
    {'f', 12, "横区", "土", "", "士二干十寸未甘雨", "", "地",
     "土 士 二 干 十 寸 未 甘 雨 雨字头 革字底"},
    {'d', 13, "横区", "大", "", "犬三戊古石厂", "", "在",
     "大 犬 三 戊 其字头 古 石 厂 丆 左字头 镸"},
    {'s', 14, "横区", "木", "", "丁西甫", "", "要", "木 丁 西 覀 甫 朩"},
    {'a', 15, "横区", "工", "", "戈艹廾廿匚七", "", "工",
     "工 戈 艹 卄 廾 廿 共字头 匚 七 三横两竖 东字头"},
    {'h', 21, "竖区", "目", "丨", "上止卜虍", "", "上",
     "目 具字头 上 止 走字底 卜 虍 步字底 丨 亅"},
    {'j', 22, "竖区", "日", "", "曰早刂虫", "", "是", "日 曰 早 两竖 丨丿 丿丨 刂 虫 冃"},
    {'k', 23, "竖区", "口", "", "川", "", "中", "口 川 流字底"},
    {'l', 24, "竖区", "田", "", "甲囗四皿车", "", "国", "田 甲 囗 四 罒 皿 车 車 黑字头 曾中部 卌"},
    {'m', 25, "竖区", "山", "", "由贝冂", "", "同", "山 由 贝 骨字头 冂"},
    {'t', 31, "撇区", "禾", "丿", "彳攵夂", "", "和", "禾 竹字头 丿 彳 攵 夂 撇横"},
    {'r', 32, "撇区", "白", "", "斤气丘手扌", "", "的", "白 斤 气 丘 乂 手 扌 看字头 反字头 两撇"},
    {'e', 33, "撇区", "月", "", "用力豸毛臼彡", "", "有",
     "月 用 力 豸 毛 衣字底 臼 豕无横 且无底 爫 彡"},
    {'w', 34, "撇区", "人", "", "八亻几", "", "人", "人 八 癶 亻 几 祭字头"},
    {'q', 35, "撇区", "金", "", "钅勹夕儿", "", "我",
     "金 钅 勹 角字头 夕 鸟无横 儿 犭无撇 鱼字头 氏无七 万字底 卯字旁"},
    {'y', 41, "捺区", "言", "丶", "讠文方亠", "", "主",
     "言 讠 文 方 丶 亠 高字头 隹右部 赢字头 乀"},
    {'u', 42, "捺区", "立", "", "辛六羊疒门冫丬爿", "", "产",
     "立 辛 六 羊 羊字头 疒 门 两点 冫 丷 丬 爿 前字头 北字旁 舟无撇"},
    {'i', 43, "捺区", "水", "", "氵小", "", "不", "水 氵 氺 小 小字头 鳖字头 学字头 乑 兆无儿"},
    {'o', 44, "捺区", "火", "", "业广灬米", "", "为", "火 业 广 鹿字头 灬 米 亦字底 鬯字头"},
    {'p', 45, "捺区", "之", "", "辶廴宀冖", "", "这", "之 辶 廴 宀 冖 礻无点 衤无点"},
    {'n', 51, "折区", "已", "乙", "己巳心忄尸羽", "", "民",
     "已 己 巳 左框 心 忄 恭字底 尸 羽 乙 乛 官字底 民字头 眉字头 横折 横折钩 横撇 横斜钩 乚 竖折 "
     "撇折 竖提 斜钩 横折提 横折弯钩 横撇弯钩 横折折撇 横折折折钩 横折折 竖折折钩 撇点 鼎左下"},
    {'b', 52, "折区", "子", "", "孑耳了也乃凵卩阝皮", "", "了",
     "子 孑 耳 了 也 乃 凵 卩 阝 皮 卷字底 巜"},
    {'v', 53, "折区", "女", "", "刀九艮彐巛", "", "发", "女 刀 九 艮 即字旁 彐 巛"},
    {'c', 54, "折区", "又", "", "巴厶", "", "以", "又 巴 牜 厶 马无横 矛字头"},
    {'x', 55, "折区", "幺", "", "母弓匕纟", "", "经", "幺 母 贯字头 弓 匕 纟 彑"},
};

bool HoldsCharacter(const char* list, const char* character) {
    for (std::size_t i = 0; list[i] != '\0' && list[i + 1] != '\0'; i += 2)
        if (list[i] == character[0] && list[i + 1] == character[1])
            return true;
    return false;
}

} // namespace

const WubiKey (&WubiKeys(WubiVersion version))[wubiKeyCount] {
    return version == WubiVersion::wubi98 ? keys98 : keys86;
}

std::vector<std::string> ChartRadicals(const WubiKey& key) {
    std::vector<std::string> names;
    for (const char* word = key.chart; *word != '\0';) {
        const char* end = std::strchr(word, ' ');
        names.emplace_back(word, end ? end : word + std::strlen(word));
        word += names.back().size() + (end ? 1 : 0);
    }
    return names;
}

const WubiKey* FindKey(WubiVersion version, char letter) {
    const char lower = AsciiLower(letter);
    for (const WubiKey& key : WubiKeys(version))
        if (key.letter == lower)
            return &key;
    return nullptr;
}

const WubiKey* FindKeyCharacter(WubiVersion version, const char* character, KeyCharacter& kind) {
    if (std::strlen(character) != 2)
        return nullptr;
    for (const WubiKey& key : WubiKeys(version)) {
        if (HoldsCharacter(key.keyName, character))
            kind = KeyCharacter::keyName;
        else if (HoldsCharacter(key.stroke, character))
            kind = KeyCharacter::stroke;
        else if (HoldsCharacter(key.radicals, character))
            kind = KeyCharacter::radical;
        else
            continue;
        return &key;
    }
    return nullptr;
}

const WubiKey* FindKeyOfRadical(WubiVersion version, const char* name) {
    for (const WubiKey& key : WubiKeys(version)) {
        const std::vector<std::string> names = ChartRadicals(key);
        if (std::find(names.begin(), names.end(), name) != names.end())
            return &key;
    }
    return nullptr;
}

char IdentificationKey(unsigned stroke, unsigned shape) {
    // Both versions give every letter the same zone and place, so the 86 chart
    // serves for either.
    for (const WubiKey& key : keys86)
        if (key.position == stroke * 10 + shape)
            return key.letter;
    return 0;
}

const char* StrokeName(char letter) {
    switch (letter) {
    case 'g': return "横";
    case 'h': return "竖";
    case 't': return "撇";
    case 'y': return "捺"; // 点 counts as 捺
    case 'n': return "折";
    default: return nullptr;
    }
}
