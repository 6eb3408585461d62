// Maps from system handles to the framework objects that wrap them. Permanent entries
// (objects that own or subclassed their handle) are shared by all threads; temporary
// wrappers made by FromHandle belong to the thread that made them and are freed at its
// idle time.
#pragma once
#include <windows.h>

#include <mutex>
#include <unordered_map>
#include <vector>

namespace fw {

class HandleMap
{
public:
    typedef void* (*NewTempFn)(HANDLE h);
    typedef void (*DeleteTempFn)(void* p);

    HandleMap(NewTempFn newTemp, DeleteTempFn deleteTemp)
        : m_newTemp(newTemp), m_deleteTemp(deleteTemp)
    { }

    // The permanent object, else this thread's temporary one (made on first use).
    void* FromHandle(HANDLE h);
    void* LookupPermanent(HANDLE h);
    void* LookupTemporary(HANDLE h);
    void SetPermanent(HANDLE h, void* p);
    // Object p lets go of h: its entry goes (a temporary one is freed at idle time), so
    // a later window or object with a reused handle value never finds it.
    void Detach(HANDLE h, void* p);
    // Frees this thread's temporary objects.
    void DeleteTemp();

private:
    typedef std::unordered_map<HANDLE, void*> Map;
    std::mutex m_lock;
    Map m_permanent;
    std::unordered_map<DWORD, Map> m_temporary;
    std::unordered_map<DWORD, std::vector<void*>> m_orphans; // detached temporaries
    NewTempFn m_newTemp;
    DeleteTempFn m_deleteTemp;
};

// The map for wrapper class T: its temporaries are default-made T objects that
// Bind(obj, h) gives the handle. Before one is deleted it is bound to nullptr, so a
// temporary never owns, and never destroys, the handle it wrapped.
template<class T, void (*Bind)(T&, HANDLE)>
HandleMap& WrapperMap()
{
    static HandleMap* map = new HandleMap(
        [](HANDLE h) -> void* {
            T* p = new T;
            Bind(*p, h);
            return p;
        },
        [](void* p) {
            T* obj = static_cast<T*>(p);
            Bind(*obj, nullptr);
            delete obj;
        });
    return *map;
}

HandleMap& WindowMap();
HandleMap& DcMap();
HandleMap& GdiMap();
HandleMap& MenuMap();

// Frees the calling thread's temporaries of every map (unless locked).
void DeleteAllTempMaps();

} // namespace fw
