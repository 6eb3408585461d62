// The caption store's keys in the machine's registry (HKEY_LOCAL_MACHINE).
#include "MachineRegistry.h"

#if defined(_WIN32)
#include <windows.h>

#include <vector>

namespace {

REGSAM AccessMask(RegAccess access)
{
    switch (access) {
    case RegAccess::Query:
        return KEY_QUERY_VALUE;
    case RegAccess::Read:
        return KEY_READ;
    case RegAccess::Write:
        break;
    }
    return STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
}

class CMachineRegKey : public CCaptionRegKey
{
public:
    explicit CMachineRegKey(HKEY key) : m_key(key) { }
    ~CMachineRegKey() override { RegCloseKey(m_key); }
    CMachineRegKey(const CMachineRegKey&) = delete;
    CMachineRegKey& operator=(const CMachineRegKey&) = delete;

    long QueryValue(const std::string& name, std::string& data) override
    {
        // The size is asked first, and again should the value grow between the two calls.
        for (;;) {
            DWORD size = 0;
            LONG result = RegQueryValueExA(m_key, name.c_str(), nullptr, nullptr, nullptr, &size);
            if (result != ERROR_SUCCESS)
                return result;
            std::vector<BYTE> buffer(size ? size : 1);
            DWORD got = size;
            result = RegQueryValueExA(m_key, name.c_str(), nullptr, nullptr, buffer.data(), &got);
            if (result == ERROR_MORE_DATA)
                continue;
            if (result != ERROR_SUCCESS)
                return result;
            data.assign(reinterpret_cast<const char*>(buffer.data()), got);
            return ERROR_SUCCESS;
        }
    }
    long SetStringBytes(const std::string& name, const std::string& bytes) override
    {
        return RegSetValueExA(m_key, name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(bytes.data()), (DWORD)bytes.size());
    }
    long SetDword(const std::string& name, uint32_t value) override
    {
        DWORD data = value;
        return RegSetValueExA(m_key, name.c_str(), 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&data), sizeof data);
    }
    long SubkeyCount(uint32_t& count) override
    {
        DWORD subkeys = 0;
        LONG result = RegQueryInfoKeyA(m_key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                       nullptr, nullptr, nullptr, nullptr, nullptr);
        count = subkeys;
        return result;
    }
    long EnumSubkey(uint32_t index, std::string& name) override
    {
        char buffer[256]; // the longest key name the system allows, and its zero
        DWORD length = sizeof buffer;
        LONG result =
            RegEnumKeyExA(m_key, index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_SUCCESS)
            name.assign(buffer, length);
        return result;
    }
    long EnumValue(uint32_t index, std::string& name) override
    {
        std::vector<char> buffer(16384); // the longest value name the system allows, and its zero
        DWORD length = (DWORD)buffer.size();
        LONG result =
            RegEnumValueA(m_key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_SUCCESS)
            name.assign(buffer.data(), length);
        return result;
    }
    long OpenSubkey(const std::string& name, RegAccess access, CCaptionRegKeyPtr& key) override
    {
        HKEY sub = nullptr;
        LONG result = RegOpenKeyExA(m_key, name.c_str(), 0, AccessMask(access), &sub);
        if (result == ERROR_SUCCESS)
            key.reset(new CMachineRegKey(sub));
        return result;
    }

private:
    HKEY m_key;
};

class CMachineRegistry : public CCaptionRegistry
{
public:
    long OpenKey(const std::string& path, RegAccess access, CCaptionRegKeyPtr& key) override
    {
        HKEY hkey = nullptr;
        LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, AccessMask(access), &hkey);
        if (result == ERROR_SUCCESS)
            key.reset(new CMachineRegKey(hkey));
        return result;
    }
    long CreateKey(const std::string& path, RegAccess access, CCaptionRegKeyPtr& key) override
    {
        HKEY hkey = nullptr;
        LONG result =
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            AccessMask(access), nullptr, &hkey, nullptr);
        if (result == ERROR_SUCCESS)
            key.reset(new CMachineRegKey(hkey));
        return result;
    }
    long DeleteKey(const std::string& path) override
    {
        return RegDeleteTreeA(HKEY_LOCAL_MACHINE, path.c_str());
    }
};

} // namespace

CCaptionRegistry& MachineCaptionRegistry()
{
    static CMachineRegistry registry;
    return registry;
}

#else

namespace {

class CNoRegistry : public CCaptionRegistry
{
public:
    long OpenKey(const std::string&, RegAccess, CCaptionRegKeyPtr&) override
    {
        return caption_reg::kNotFound;
    }
    long CreateKey(const std::string&, RegAccess, CCaptionRegKeyPtr&) override
    {
        return caption_reg::kAccessDenied;
    }
    long DeleteKey(const std::string&) override { return caption_reg::kNotFound; }
};

} // namespace

CCaptionRegistry& MachineCaptionRegistry()
{
    static CNoRegistry registry;
    return registry;
}

#endif
