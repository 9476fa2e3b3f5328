#include "practice_tool/wubi_keys.h"

#include <cstring>

namespace {

constexpr WubiKey keys[wubiKeyCount] = {
    {'g', 11, "横区", "王", "一", "五戋", "王旁青头戋五一", "一"},
    {'f', 12, "横区", "土", "", "士二干十寸雨", "土士二干十寸雨", "地"},
    {'d', 13, "横区", "大", "", "犬三古石厂", "大犬三羊古石厂", "在"},
    {'s', 14, "横区", "木", "", "丁西", "木丁西", "要"},
    {'a', 15, "横区", "工", "", "戈弋廾廿艹七匚", "工戈草头右框七", "工"},
    {'h', 21, "竖区", "目", "丨", "卜上止", "目具上止卜虎皮", "上"},
    {'j', 22, "竖区", "日", "", "曰早虫", "日早两竖与虫依", "是"},
    {'k', 23, "竖区", "口", "", "川", "口与川，字根稀", "中"},
    {'l', 24, "竖区", "田", "", "甲四皿车力囗", "田甲方框四车力", "国"},
    {'m', 25, "竖区", "山", "", "由贝冂几", "山由贝，下框几", "同"},
    {'t', 31, "撇区", "禾", "丿", "竹攵夂", "禾竹一撇双人立，反文条头共三一", "和"},
    {'r', 32, "撇区", "白", "", "手扌斤", "白手看头三二斤", "的"},
    {'e', 33, "撇区", "月", "", "彡乃用豕", "月彡乃用家衣底", "有"},
    {'w', 34, "撇区", "人", "", "八亻", "人和八，三四里", "人"},
    {'q', 35, "撇区", "金", "", "钅勹儿夕", "金勺缺点无尾鱼，犬旁留叉儿一点夕，氏无七", "我"},
    {'y', 41, "捺区", "言", "丶", "讠文方广亠", "言文方广在四一，高头一捺谁人去", "主"},
    {'u', 42, "捺区", "立", "", "辛六门疒丬", "立辛两点六门疒", "产"},
    {'i', 43, "捺区", "水", "", "氵小", "水旁兴头小倒立", "不"},
    {'o', 44, "捺区", "火", "", "米灬", "火业头，四点米", "为"},
    {'p', 45, "捺区", "之", "", "辶廴冖宀", "之宝盖，摘礻衤", "这"},
    {'n', 51, "折区", "已", "乙", "己巳尸心忄羽", "已半巳满不出己，左框折尸心和羽", "民"},
    {'b', 52, "折区", "子", "", "耳了也凵阝卩", "子耳了也框向上", "了"},
    {'v', 53, "折区", "女", "", "刀九臼彐", "女刀九臼山朝西", "发"},
    {'c', 54, "折区", "又", "", "巴马厶", "又巴马，丢矢矣", "以"},
    {'x', 55, "折区", "纟", "", "幺弓匕", "慈母无心弓和匕，幼无力", "经"},
};

bool HoldsCharacter(const char* list, const char* character) {
    for (std::size_t i = 0; list[i] != '\0' && list[i + 1] != '\0'; i += 2)
        if (list[i] == character[0] && list[i + 1] == character[1])
            return true;
    return false;
}

} // namespace

const WubiKey (&WubiKeys())[wubiKeyCount] {
    return keys;
}

const WubiKey* FindKey(char letter) {
    const char lower =
        letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
    for (const WubiKey& key : keys)
        if (key.letter == lower)
            return &key;
    return nullptr;
}

const WubiKey* FindKeyCharacter(const char* character, KeyCharacter& kind) {
    if (std::strlen(character) != 2)
        return nullptr;
    for (const WubiKey& key : keys) {
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

const char* StrokeName(char letter) {
    switch (letter) {
    case 'g': return "横";
    case 'h': return "竖";
    case 't': return "撇";
    case 'y': return "点";
    case 'n': return "折";
    default: return nullptr;
    }
}
