// Maps from system handles to the framework objects that wrap them. Permanent entries
// (objects that own or subclassed their handle) are shared by all threads; temporary
// wrappers made by FromHandle belong to the thread that made them and are freed at its
// idle time.
#pragma once
#include <windows.h>

#include <mutex>
#include <unordered_map>

namespace fw {

class HandleMap {
public:
    typedef void* (*NewTempFn)(HANDLE h);
    typedef void (*DeleteTempFn)(void* p);

    HandleMap(NewTempFn newTemp, DeleteTempFn deleteTemp) : m_newTemp(newTemp), m_deleteTemp(deleteTemp) {}

    // The permanent object, else this thread's temporary one (made on first use).
    void* FromHandle(HANDLE h);
    void* LookupPermanent(HANDLE h);
    void* LookupTemporary(HANDLE h);
    void SetPermanent(HANDLE h, void* p);
    // Forgets h in the permanent map and in this thread's temporaries.
    void RemoveHandle(HANDLE h);
    // Frees this thread's temporary objects.
    void DeleteTemp();

private:
    typedef std::unordered_map<HANDLE, void*> Map;
    std::mutex m_lock;
    Map m_permanent;
    std::unordered_map<DWORD, Map> m_temporary;
    NewTempFn m_newTemp;
    DeleteTempFn m_deleteTemp;
};

HandleMap& WindowMap();
HandleMap& DcMap();
HandleMap& GdiMap();
HandleMap& MenuMap();

// Frees the calling thread's temporaries of every map (unless locked).
void DeleteAllTempMaps();

} // namespace fw
