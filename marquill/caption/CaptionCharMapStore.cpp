// The replacement characters' registry store: "SOFTWARE\QEL\Marquill\Chars" holds one value
// per replaced character, named by the character, whose one data byte is its replacement,
// and "IsActive".
#include "CaptionData.h"

namespace {

const char kIsActiveValue[] = "IsActive";

std::string ValueName(char c) { return std::string(1, c); }

} // namespace

const CCaptionCharMap& CCaptionData::DefaultCharMap()
{
    static const CCaptionCharMap map = {{'*', ' '}, {'\\', ' '}, {'^', ' '}, {'_', ' '}, {'`', ' '},
                                        {'{', '('}, {'|', ':'},  {'}', ')'}, {'~', '-'}};
    return map;
}

void CCaptionData::LoadCaptionCharMap()
{
    m_CharMap.clear();
    CCaptionRegKeyPtr key;
    long result = Registry().OpenKey(kCharsKeyPath, RegAccess::Query, key);
    if (result != caption_reg::kOk) {
        // A machine that never saved replacements has no key: it gets the defaults.
        if (result == caption_reg::kNotFound) {
            m_CharMap = DefaultCharMap();
            m_bCharMapActive = true;
        }
        return;
    }

    for (uint32_t index = 0;; ++index) {
        std::string name;
        if (key->EnumValue(index, name) != caption_reg::kOk)
            break;
        if (name.empty() || name == kIsActiveValue)
            continue;
        m_CharMap.emplace(name[0], '\0');
    }
    for (auto& entry : m_CharMap) {
        std::string data;
        // A character without a readable replacement stands for itself, never for a zero
        // byte that would reach the encoder.
        if (key->QueryValue(ValueName(entry.first), data) == caption_reg::kOk && !data.empty())
            entry.second = data[0];
        else
            entry.second = entry.first;
    }

    uint32_t active = 0;
    long activeResult = key->QueryDword(kIsActiveValue, active);
    m_bCharMapActive = activeResult == caption_reg::kOk && active != 0;
    if (activeResult == caption_reg::kNotFound && m_CharMap.empty()) {
        m_CharMap = DefaultCharMap();
        m_bCharMapActive = true;
    }
}

bool CCaptionData::SaveCaptionCharMap()
{
    long deleted = Registry().DeleteKey(kCharsKeyPath);
    // A key that stays would keep replacements the user removed: write, but report it.
    bool ok = deleted == caption_reg::kOk || deleted == caption_reg::kNotFound;
    CCaptionRegKeyPtr key;
    if (Registry().CreateKey(kCharsKeyPath, RegAccess::Write, key) != caption_reg::kOk)
        return false;
    for (const auto& entry : m_CharMap) {
        // The zero character would name the key's default value.
        if (entry.first == '\0') {
            ok = false;
            continue;
        }
        ok = key->SetStringBytes(ValueName(entry.first), std::string(1, entry.second)) ==
                caption_reg::kOk &&
            ok;
    }
    return key->SetDword(kIsActiveValue, m_bCharMapActive ? 1 : 0) == caption_reg::kOk && ok;
}
