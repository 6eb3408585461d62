// Small keyed maps from a 32-bit key to a value the map owns: CGXHandleManager keeps
// global-memory handles (freed with GlobalFree), CGXInterfaceManager COM interface pointers
// (one reference each, released) and CGXNodeManager heap objects (deleted). Removing a key
// or emptying the map, also by the destructor, frees what it held.
#pragma once
#include "core/GXDefs.h"
#if defined(_WIN32)
#include <map>
#include <unknwn.h>

// The shared map; TFree says how a value is given up.
template<class TValue, class TFree>
class CGXKeyedManager
{
public:
    CGXKeyedManager() = default;
    ~CGXKeyedManager() { RemoveAll(); }
    CGXKeyedManager(const CGXKeyedManager&) = delete;
    CGXKeyedManager& operator=(const CGXKeyedManager&) = delete;

    // The value under the key; FALSE (and value untouched) when there is none.
    BOOL Lookup(DWORD dwKey, TValue& value) const
    {
        auto it = m_map.find(dwKey);
        if (it == m_map.end())
            return FALSE;
        value = it->second;
        return TRUE;
    }
    TValue Lookup(DWORD dwKey) const
    {
        TValue value {};
        Lookup(dwKey, value);
        return value;
    }
    // Stores the value; a different value stored before under the key is given up.
    void SetAt(DWORD dwKey, TValue value)
    {
        auto it = m_map.find(dwKey);
        if (it == m_map.end()) {
            m_map.emplace(dwKey, value);
            return;
        }
        if (it->second != value)
            TFree()(it->second);
        it->second = value;
    }
    // Takes the key out; with bFree its value is given up, else it goes back to the caller.
    BOOL RemoveKey(DWORD dwKey, BOOL bFree = TRUE)
    {
        auto it = m_map.find(dwKey);
        if (it == m_map.end())
            return FALSE;
        if (bFree)
            TFree()(it->second);
        m_map.erase(it);
        return TRUE;
    }
    void RemoveAll()
    {
        for (auto& kv : m_map)
            TFree()(kv.second);
        m_map.clear();
    }
    INT_PTR GetCount() const { return (INT_PTR)m_map.size(); }
    BOOL IsEmpty() const { return m_map.empty(); }
    // Every key and value, in key order.
    template<class F>
    void ForEach(F f) const
    {
        for (const auto& kv : m_map)
            f(kv.first, kv.second);
    }

private:
    std::map<DWORD, TValue> m_map;
};

struct GXFreeGlobal
{
    void operator()(HGLOBAL h) const
    {
        if (h != nullptr)
            ::GlobalFree(h);
    }
};

struct GXReleaseInterface
{
    void operator()(IUnknown* p) const
    {
        if (p != nullptr)
            p->Release();
    }
};

template<class T>
struct GXDeleteNode
{
    void operator()(T* p) const { delete p; }
};

class CGXHandleManager : public CGXKeyedManager<HGLOBAL, GXFreeGlobal>
{ };

// Each stored interface brings one reference that the manager releases. Storing the very
// interface already held under a key again releases the reference the repeat brought, so a
// repeated registration stays balanced.
template<class T = IUnknown>
class CGXInterfaceManager : public CGXKeyedManager<T*, GXReleaseInterface>
{
public:
    void SetAt(DWORD dwKey, T* pInterface)
    {
        T* pOld = nullptr;
        if (this->Lookup(dwKey, pOld) && pOld == pInterface && pInterface != nullptr) {
            pInterface->Release();
            return;
        }
        CGXKeyedManager<T*, GXReleaseInterface>::SetAt(dwKey, pInterface);
    }
};

template<class T>
class CGXNodeManager : public CGXKeyedManager<T*, GXDeleteNode<T>>
{
public:
    virtual ~CGXNodeManager() = default;
};
#endif
