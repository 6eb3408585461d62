// The registry as the caption store sees it: keys below HKEY_LOCAL_MACHINE, opened for
// reading or writing, with named values of raw bytes or 32-bit numbers. The machine's
// registry implements it on Windows (MachineRegistry.h); tests put a store in memory behind it.
// Results are the system's error codes: 0 success, anything else a failure.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace caption_reg {
constexpr long kOk = 0;
constexpr long kNotFound = 2; // ERROR_FILE_NOT_FOUND
constexpr long kAccessDenied = 5; // ERROR_ACCESS_DENIED
constexpr long kInvalidName = 123; // ERROR_INVALID_NAME
constexpr long kMoreData = 234; // ERROR_MORE_DATA
constexpr long kNoMoreItems = 259; // ERROR_NO_MORE_ITEMS
} // namespace caption_reg

// What a key is opened for. Reading never asks for more than it needs, so a standard user
// reads the machine-wide store.
enum class RegAccess {
    Query, // the values only
    Read, // values and subkeys
    Write, // values and subkeys, to change them
};

class CCaptionRegKey
{
public:
    virtual ~CCaptionRegKey() = default;

    // The value's whole data, however long; its type is not examined.
    virtual long QueryValue(const std::string& name, std::string& data) = 0;
    // Exactly these bytes as a REG_SZ value (the caller adds a terminating zero if wanted).
    virtual long SetStringBytes(const std::string& name, const std::string& bytes) = 0;
    virtual long SetDword(const std::string& name, uint32_t value) = 0;
    virtual long SubkeyCount(uint32_t& count) = 0;
    virtual long EnumSubkey(uint32_t index, std::string& name) = 0;
    virtual long EnumValue(uint32_t index, std::string& name) = 0;
    virtual long OpenSubkey(const std::string& name, RegAccess access,
                            std::unique_ptr<CCaptionRegKey>& key) = 0;

    // A 32-bit value: data of up to four bytes, read as the system's DWORD query does.
    long QueryDword(const std::string& name, uint32_t& value);
};

typedef std::unique_ptr<CCaptionRegKey> CCaptionRegKeyPtr;

class CCaptionRegistry
{
public:
    virtual ~CCaptionRegistry() = default;

    // Opens an existing key (path below HKEY_LOCAL_MACHINE).
    virtual long OpenKey(const std::string& path, RegAccess access, CCaptionRegKeyPtr& key) = 0;
    // Opens the key, creating it (and its parents) when absent.
    virtual long CreateKey(const std::string& path, RegAccess access, CCaptionRegKeyPtr& key) = 0;
    // Deletes the key with everything below it; an absent key is kNotFound.
    virtual long DeleteKey(const std::string& path) = 0;
};
