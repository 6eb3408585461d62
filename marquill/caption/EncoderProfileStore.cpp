// The encoder profiles' registry store: "SOFTWARE\QEL\Marquill\Initialization" holds the
// selected title ("Selection") and one subkey per profile with its strings and numbers.
#include <cstring>

#include "ByteText.h"
#include "CaptionData.h"
#include "MachineRegistry.h"

const char kEncoderKeyPath[] = "SOFTWARE\\QEL\\Marquill\\Initialization";
const char kCharsKeyPath[] = "SOFTWARE\\QEL\\Marquill\\Chars";

namespace {

const char kSelectionValue[] = "Selection";
const char* const kStringValues[] = {"BOL", "EOL", "INIT", "Reset"};

long WriteString(CCaptionRegKey& key, const char* name, const std::string& text)
{
    // The zero byte of a REG_SZ value is part of its data.
    return key.SetStringBytes(name, text + '\0');
}

// The four byte strings in their store order.
void StringFields(CEncoderProfile& profile, std::string* (&fields)[4])
{
    fields[0] = &profile.BOL;
    fields[1] = &profile.EOL;
    fields[2] = &profile.INIT;
    fields[3] = &profile.Reset;
}

// The four numbers in their store order, with the value each takes when it cannot be read.
struct NumberField
{
    const char* name;
    int32_t CEncoderProfile::*field;
    int32_t fallback;
};
const NumberField kNumberFields[] = {{"Wrap", &CEncoderProfile::Wrap, 28},
                                     {"Pacing", &CEncoderProfile::Pacing, 20},
                                     {"WPMPacing", &CEncoderProfile::WPMPacing, 48},
                                     {"PopOn", &CEncoderProfile::PopOn, 0}};

} // namespace

CCaptionData::CCaptionData(CCaptionRegistry* registry) : m_pRegistry(registry) { }

CCaptionRegistry& CCaptionData::Registry()
{
    return m_pRegistry ? *m_pRegistry : MachineCaptionRegistry();
}

bool CCaptionData::IsStorableTitle(const std::string& title)
{
    // A backslash would make the title a path of nested keys; an empty name is the key itself.
    return !title.empty() && title.find('\\') == std::string::npos &&
        title.find('\0') == std::string::npos;
}

const CEncoderProfile* CCaptionData::SelectedEncoderProfile() const
{
    auto it = m_EncoderProfiles.find(m_SelectedProfile);
    return it == m_EncoderProfiles.end() ? nullptr : &it->second;
}

CCaptionRegKeyPtr CCaptionData::OpenEncoderKey(int mode, const std::string& subkey, long* error)
{
    std::string path = kEncoderKeyPath;
    if (!subkey.empty())
        path += "\\" + subkey;
    CCaptionRegKeyPtr key;
    long result;
    if (mode >= 1)
        result = Registry().CreateKey(path, RegAccess::Write, key);
    else
        result = Registry().OpenKey(path, mode == 0 ? RegAccess::Read : RegAccess::Query, key);
    if (error)
        *error = result;
    if (result != caption_reg::kOk)
        key.reset();
    return key;
}

void CCaptionData::LoadEncoderProfiles()
{
    {
        CCaptionRegKeyPtr key = OpenEncoderKey(-1);
        std::string selection;
        if (key && key->QueryValue(kSelectionValue, selection) == caption_reg::kOk)
            m_SelectedProfile = UpToFirstZeroByte(selection);
        else
            m_SelectedProfile = kDefaultPreset;
    }

    long error = caption_reg::kOk;
    CCaptionRegKeyPtr key = OpenEncoderKey(0, std::string(), &error);
    uint32_t subkeys = 0;
    if (!key) {
        // A machine where nothing was saved yet has no key: it gets the presets. Any other
        // failure leaves the profiles alone, so that a later save cannot erase the store.
        if (error != caption_reg::kNotFound)
            return;
    } else if (key->SubkeyCount(subkeys) != caption_reg::kOk) {
        subkeys = 0;
    }
    if (subkeys == 0) {
        m_SelectedProfile = kRollupPreset;
    } else {
        for (uint32_t index = subkeys; index-- > 0;) {
            std::string title;
            if (key->EnumSubkey(index, title) != caption_reg::kOk)
                break;
            if (LoadEncoderProfile(*key, title) != caption_reg::kOk)
                return;
        }
    }
    key.reset();

    for (const EncoderPreset& preset : EncoderPresets()) {
        bool inserted = m_EncoderProfiles.emplace(preset.title, preset.profile).second;
        if (inserted && std::strcmp(preset.title, kRollupMarkerPreset) == 0)
            m_SelectedProfile = kRollupPreset;
    }
}

long CCaptionData::LoadEncoderProfile(CCaptionRegKey& parent, const std::string& title)
{
    CCaptionRegKeyPtr key;
    long result = parent.OpenSubkey(title, RegAccess::Read, key);
    if (result != caption_reg::kOk)
        return result;

    CEncoderProfile profile(20, 48, "", "", "", "", 0, 0);
    std::string* strings[4];
    StringFields(profile, strings);
    for (int i = 0; i < 4; ++i) {
        std::string data;
        if (key->QueryValue(kStringValues[i], data) == caption_reg::kOk)
            *strings[i] = UpToFirstZeroByte(data);
    }
    for (const NumberField& number : kNumberFields) {
        uint32_t value = 0;
        if (key->QueryDword(number.name, value) == caption_reg::kOk)
            profile.*number.field = static_cast<int32_t>(value);
        else
            profile.*number.field = number.fallback;
    }
    m_EncoderProfiles.emplace(title, profile);
    return caption_reg::kOk;
}

bool CCaptionData::DeleteEncoderProfileKeys()
{
    if (CCaptionRegKeyPtr key = OpenEncoderKey(0)) {
        uint32_t subkeys = 0;
        if (key->SubkeyCount(subkeys) == caption_reg::kOk) {
            for (uint32_t index = subkeys; index-- > 0;) {
                std::string title;
                if (key->EnumSubkey(index, title) != caption_reg::kOk)
                    break;
                Registry().DeleteKey(std::string(kEncoderKeyPath) + "\\" + title);
            }
        }
    }
    long result = Registry().DeleteKey(kEncoderKeyPath);
    return result == caption_reg::kOk || result == caption_reg::kNotFound;
}

bool CCaptionData::SaveEncoderProfiles()
{
    // A key that could not be deleted would keep profiles the user removed: carry on writing,
    // but report it.
    bool ok = DeleteEncoderProfileKeys();

    CCaptionRegKeyPtr key = OpenEncoderKey(1);
    if (!key)
        return false;
    ok = WriteString(*key, kSelectionValue, m_SelectedProfile) == caption_reg::kOk && ok;
    key.reset();

    for (const auto& entry : m_EncoderProfiles) {
        CEncoderProfile profile = entry.second;
        if (!IsStorableTitle(entry.first)) {
            ok = false;
            continue;
        }
        CCaptionRegKeyPtr sub = OpenEncoderKey(1, entry.first);
        if (!sub) {
            ok = false;
            continue;
        }
        std::string* strings[4];
        StringFields(profile, strings);
        for (int i = 0; i < 4; ++i)
            ok = WriteString(*sub, kStringValues[i], *strings[i]) == caption_reg::kOk && ok;
        for (const NumberField& number : kNumberFields) {
            uint32_t value = static_cast<uint32_t>(profile.*number.field);
            ok = sub->SetDword(number.name, value) == caption_reg::kOk && ok;
        }
    }
    return ok;
}
