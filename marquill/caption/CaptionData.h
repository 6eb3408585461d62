// The machine-wide caption data: the encoder profiles with the selected title, and the
// character-replacement map with its switch. Loaded from HKEY_LOCAL_MACHINE once at start-up
// and written back whole when the Close Caption Setup sheet ends with OK. The application
// object holds one (it derives from this class), and every prompter created afterwards
// receives the data (PrompterCaptionSettings.h).
#pragma once
#include <map>
#include <string>
#include <vector>

#include "CaptionRegistry.h"
#include "EncoderProfile.h"

// Replacement of a character of script text in caption output, ordered by the signed value.
typedef std::map<char, char> CCaptionCharMap;

extern const char kEncoderKeyPath[]; // "SOFTWARE\QEL\Marquill\Initialization"
extern const char kCharsKeyPath[]; // "SOFTWARE\QEL\Marquill\Chars"

class CCaptionData
{
public:
    // registry: where the data lives (kept, not owned); null: the machine's registry.
    explicit CCaptionData(CCaptionRegistry* registry = nullptr);
    virtual ~CCaptionData() = default;

    // Encoder profiles.
    CEncoderProfileMap m_EncoderProfiles;
    std::string m_SelectedProfile; // need not name a profile of the map

    // Replacement characters.
    CCaptionCharMap m_CharMap;
    bool m_bCharMapActive = false;

    // Opens the "Initialization" key, or its subkey when subkey is not empty: mode 1 and
    // above opens for writing (creating the key), 0 for reading, below 0 for values only.
    // Reading never creates the key. Null on failure, with the error in *error when given.
    CCaptionRegKeyPtr OpenEncoderKey(int mode, const std::string& subkey = std::string(),
                                     long* error = nullptr);
    // Fills the profiles from the store, then adds the built-in presets the store lacks.
    void LoadEncoderProfiles();
    // Reads one profile subkey of parent into the map (a title already there keeps its
    // record); 0, or the error that kept the subkey from opening.
    long LoadEncoderProfile(CCaptionRegKey& parent, const std::string& title);
    // Rewrites the whole profile store. False when any part of it could not be written.
    bool SaveEncoderProfiles();
    // Removes every profile subkey and the "Initialization" key. False when the key stays.
    bool DeleteEncoderProfileKeys();
    std::string GetSelectedEncoderProfileName() const { return m_SelectedProfile; }
    // The selected profile, or null when no profile has the selected title.
    const CEncoderProfile* SelectedEncoderProfile() const;

    // Replacement map: read at start-up (the defaults when the store has none), written
    // whole on OK. Saving reports false when the store was not fully written.
    void LoadCaptionCharMap();
    bool SaveCaptionCharMap();
    // The nine replacements of a machine that never saved any.
    static const CCaptionCharMap& DefaultCharMap();

    // A title the store can keep as a key name: not empty, no backslash.
    static bool IsStorableTitle(const std::string& title);

protected:
    CCaptionRegistry& Registry();

private:
    CCaptionRegistry* m_pRegistry;
};
