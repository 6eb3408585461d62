// The built-in encoder presets.
#include "EncoderProfile.h"

const char kRollupMarkerPreset[] = "evertz-HD9084-3Line Base 15";
const char kRollupPreset[] = "3-Line Rollup";
const char kDefaultPreset[] = "default";

std::string EncoderBytes(std::initializer_list<int> bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (int b : bytes)
        out += static_cast<char>(static_cast<unsigned char>(b));
    return out;
}

namespace {

EncoderPreset Preset(const char* title, std::string init, std::string bol, std::string eol,
                     std::string reset)
{
    return {title,
            CEncoderProfile(20, 48, std::move(bol), std::move(eol), std::move(init),
                            std::move(reset), 28, 0)};
}

std::vector<EncoderPreset> MakePresets()
{
    const std::string cr = EncoderBytes({13});
    const std::string none;
    // Shared strings of the makers' families.
    const std::string rollupReset = EncoderBytes({3, 1, 51, 32, 51, 13, 20, 44, 3, 1, 55});
    const std::string linkInit = EncoderBytes({1, 51, 13, 1, 51, 13});
    const std::string linkReset = EncoderBytes({1, 82, 1, 82, 6, 6, 6, 6});
    const std::string eegReset = EncoderBytes({3, 1, 55, 32, 67, 67, 49, 13});

    std::vector<EncoderPreset> presets;
    presets.push_back(Preset(kDefaultPreset,
                             EncoderBytes({3, 1, 51, 32, 51, 13, 3, 1, 78, 51, 13, 1, 78, 51, 13}),
                             none, cr, rollupReset));
    presets.push_back(Preset(kRollupPreset, linkInit, EncoderBytes({20, 38, 20, 45, 20, 112}), none,
                             rollupReset));
    presets.push_back(Preset("Link-HDE-3000-3Line Base 15", linkInit,
                             EncoderBytes({1, 82, 1, 82, 20, 38, 20, 45, 20, 112}), none,
                             EncoderBytes({6, 6, 6, 6})));
    presets.push_back(Preset("Link-3Line Base 15", linkInit,
                             EncoderBytes({20, 38, 20, 45, 20, 112}), none, linkReset));
    presets.push_back(Preset("Link-3Line Base 3", linkInit, EncoderBytes({20, 38, 20, 45, 18, 80}),
                             none, linkReset));
    presets.push_back(Preset("Link-2Line Base 15", linkInit,
                             EncoderBytes({20, 37, 20, 45, 20, 112}), none, linkReset));
    presets.push_back(Preset("Link-2Line Base 02", linkInit,
                             EncoderBytes({20, 37, 20, 45, 17, 112}), none, linkReset));
    presets.push_back(Preset("Link-4Line Base 15", linkInit,
                             EncoderBytes({20, 39, 20, 45, 20, 112}), none, linkReset));
    presets.push_back(Preset("Link-4Line Base 04", linkInit,
                             EncoderBytes({20, 39, 20, 45, 18, 112}), none, linkReset));
    presets.push_back(Preset("Link - Newswire", EncoderBytes({1, 78, 51, 13, 1, 78, 51, 13}), none,
                             cr, linkReset));
    // EEG: "CC1", then "<rows> b<base>".
    const std::string eeg = EncoderBytes({6, 6, 3, 1, 54, 32, 67, 67, 49, 13, 1, 50, 32});
    presets.push_back(Preset("EEG-EN530-3Line Base 15", eeg + "3 b15" + cr, none, cr, eegReset));
    presets.push_back(Preset("EEG-EN530-3Line Base 03", eeg + "3 b3" + cr, none, cr, eegReset));
    presets.push_back(Preset("EEG-EN530-2Line Base 15", eeg + "2 b15" + cr, none, cr, eegReset));
    presets.push_back(Preset("EEG-EN530-4Line Base 15", eeg + "4 b15" + cr, none, cr, eegReset));
    // evertz: "C1", then "<rows> <base>".
    const std::string evertz = EncoderBytes({6, 6, 3, 1, 54, 32, 67, 49, 13, 1, 50, 32});
    presets.push_back(Preset(kRollupMarkerPreset, evertz + "3 C15" + cr, none, cr, eegReset));
    presets.push_back(
        Preset("evertz-HD9084-3Line Base 03", evertz + "3 B3" + cr, none, cr, eegReset));
    presets.push_back(
        Preset("evertz-HD9084-2Line Base 15", evertz + "2 B15" + cr, none, cr, eegReset));
    presets.push_back(
        Preset("evertz-HD9084-4Line Base 15", evertz + "4 C15" + cr, none, cr, eegReset));
    return presets;
}

} // namespace

const std::vector<EncoderPreset>& EncoderPresets()
{
    static const std::vector<EncoderPreset> presets = MakePresets();
    return presets;
}
