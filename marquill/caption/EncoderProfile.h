// Encoder profiles: the byte strings and timing values that drive one kind of closed-caption
// encoder, kept by title, and the built-in presets of the encoder makers we support.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A plain value record, copied member by member. Byte strings hold raw bytes (control
// characters included) and never a zero byte: the store ends a string at its first zero.
class CEncoderProfile
{
public:
    CEncoderProfile() = default;
    CEncoderProfile(int32_t pacing, int32_t wpmPacing, std::string bol, std::string eol,
                    std::string init, std::string reset, int32_t wrap, int32_t popOn)
        : Pacing(pacing), WPMPacing(wpmPacing), BOL(std::move(bol)), PopOn(popOn),
          EOL(std::move(eol)), INIT(std::move(init)), Reset(std::move(reset)), Wrap(wrap)
    { }

    bool operator==(const CEncoderProfile& other) const
    {
        return Pacing == other.Pacing && WPMPacing == other.WPMPacing && BOL == other.BOL &&
            PopOn == other.PopOn && EOL == other.EOL && INIT == other.INIT &&
            Reset == other.Reset && Wrap == other.Wrap;
    }
    bool operator!=(const CEncoderProfile& other) const { return !(*this == other); }

    int32_t Pacing = 20; // milliseconds waited after each character sent
    int32_t WPMPacing = 48; // milliseconds per character a whole line should take
    std::string BOL; // sent before each caption line
    int32_t PopOn = 0; // kept with the profile; no page offers it
    std::string EOL; // sent after each caption line
    std::string INIT; // sent when the caption output is set up
    std::string Reset; // sent when the caption output is closed
    int32_t Wrap = 28; // line length in characters
};

// Profiles by title, ordered by the titles' bytes ("Abc" and "abc" are two profiles).
typedef std::map<std::string, CEncoderProfile> CEncoderProfileMap;

struct EncoderPreset
{
    const char* title;
    CEncoderProfile profile;
};

// The built-in presets, in the order they are added to a store that lacks them.
const std::vector<EncoderPreset>& EncoderPresets();

extern const char kDefaultPreset[]; // "default": selected when the store names no profile
extern const char kRollupPreset[]; // "3-Line Rollup": selected for a fresh store
// The newest preset: when a store lacks it, the store predates it and "3-Line Rollup" is
// selected.
extern const char kRollupMarkerPreset[];

// A byte string made of byte values (0..255).
std::string EncoderBytes(std::initializer_list<int> bytes);
