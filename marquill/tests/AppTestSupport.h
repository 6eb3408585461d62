// What the application tests share: a clean profile and a message-box recorder.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "TXWords.h"

constexpr char kMarquillProfileKey[] = "Software\\QEL\\Television\\Apps\\Marquill";

inline void DeleteMarquillProfile() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kMarquillProfileKey); }

// The number of values in the profile's sections (reading the profile may create empty
// section keys; writing it leaves values).
inline int MarquillProfileValueCount()
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kMarquillProfileKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    int count = 0;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (::RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        HKEY section;
        if (::RegOpenKeyExA(key, name, 0, KEY_READ, &section) == ERROR_SUCCESS) {
            DWORD values = 0;
            ::RegQueryInfoKeyA(section, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               &values, nullptr, nullptr, nullptr, nullptr);
            count += (int)values;
            ::RegCloseKey(section);
        }
    }
    ::RegCloseKey(key);
    return count;
}

// A value of the profile: its type and bytes; type 0 when absent.
struct ProfileValue
{
    DWORD type = 0;
    std::string bytes;
    DWORD Dword() const { return bytes.size() == 4 ? *(const DWORD*)bytes.data() : 0xDEADBEEF; }
    std::string String() const { return bytes.empty() ? bytes : bytes.substr(0, bytes.find('\0')); }
};

inline ProfileValue ReadProfileValue(const char* section, const char* name)
{
    ProfileValue value;
    const std::string path = std::string(kMarquillProfileKey) + "\\" + section;
    char data[1024];
    DWORD size = sizeof data, type = 0;
    if (::RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                       data, &size) == ERROR_SUCCESS) {
        value.type = type;
        value.bytes.assign(data, size);
    }
    return value;
}

// Answers every message box with a fixed button while it lives, and keeps their texts.
class MessageBoxRecorder
{
public:
    explicit MessageBoxRecorder(int answer = IDOK)
    {
        m_previous =
            AfxSetMessageBoxAnswerer([this, answer](const AFX_MESSAGEBOX_REQUEST& request) {
                m_texts.push_back((LPCSTR)request.strText);
                return answer;
            });
    }
    ~MessageBoxRecorder() { AfxSetMessageBoxAnswerer(m_previous); }
    std::vector<std::string> m_texts;

private:
    AFX_MESSAGEBOX_ANSWERER m_previous;
};

// An application object on the program's profile key, with a clean profile.
class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DeleteMarquillProfile();
        m_app.SetRegistryKey("QEL\\Television\\Apps");
    }
    void TearDown() override { DeleteMarquillProfile(); }
    MessageBoxRecorder m_boxes; // the caption port check may warn
    CTXWordsApp m_app;
};
