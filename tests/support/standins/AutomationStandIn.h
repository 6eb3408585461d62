// Test-side view of the presentation program's stand-in (AutomationStandIn.dll): an
// in-process automation server registered as "Powerpoint.Application" that logs every call
// and answers with a show state the test sets. Test code, not part of the product.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class AutomationStandIn
{
public:
    AutomationStandIn()
    {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        m_path = path;
        m_path = m_path.substr(0, m_path.find_last_of("\\/") + 1) + "AutomationStandIn.dll";
        m_module = LoadLibraryA(m_path.c_str());
        if (m_module) {
            m_log = (GetLogFn)GetProcAddress(m_module, "StandInGetLog");
            m_clear = (VoidFn)GetProcAddress(m_module, "StandInClearLog");
            m_setShowState = (IntFn)GetProcAddress(m_module, "StandInSetShowState");
            m_failOpen = (IntFn)GetProcAddress(m_module, "StandInFailOpen");
        }
    }
    ~AutomationStandIn()
    {
        if (m_module)
            FreeLibrary(m_module);
    }
    bool Loaded() const { return m_log && m_clear && m_setShowState && m_failOpen; }

    // Registers or unregisters the server with regsvr32, as an installation would.
    [[nodiscard]] bool Register() { return RunRegsvr32(""); }
    [[nodiscard]] bool Unregister() { return RunRegsvr32("/u "); }

    // Every call since the last Clear, one line each: "Object.kind id(args)".
    std::vector<std::string> Log() const
    {
        std::vector<std::string> lines;
        int size = m_log(nullptr, 0);
        std::string text((size_t)size, '\0');
        m_log(&text[0], size);
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            if (end > start && text[start] != '\0')
                lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    }
    void Clear() { m_clear(); }
    // The slide-show view's state (5: the show has ended).
    void SetShowState(int state) { m_setShowState(state); }
    void FailOpen(bool fail) { m_failOpen(fail ? 1 : 0); }

private:
    typedef int (*GetLogFn)(char*, int);
    typedef void (*VoidFn)();
    typedef void (*IntFn)(int);

    bool RunRegsvr32(const char* option)
    {
        std::string command = "regsvr32.exe /s " + std::string(option) + "\"" + m_path + "\"";
        STARTUPINFOA si = {sizeof si};
        PROCESS_INFORMATION pi;
        if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                            &pi))
            return false;
        // A registration that does not end in time counts as failed (its code stays 1).
        DWORD code = 1;
        if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0)
            GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
        return code == 0;
    }

    std::string m_path;
    HMODULE m_module = nullptr;
    GetLogFn m_log = nullptr;
    VoidFn m_clear = nullptr;
    IntFn m_setShowState = nullptr;
    IntFn m_failOpen = nullptr;
};
