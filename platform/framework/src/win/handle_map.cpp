#include "handle_map.h"
#include "thread_state.h"

#include <vector>

namespace fw {

void* HandleMap::FromHandle(HANDLE h)
{
    if (!h)
        return nullptr;
    DWORD thread = GetCurrentThreadId();
    {
        std::lock_guard<std::mutex> guard(m_lock);
        auto perm = m_permanent.find(h);
        if (perm != m_permanent.end())
            return perm->second;
        Map& temps = m_temporary[thread];
        auto temp = temps.find(h);
        if (temp != temps.end())
            return temp->second;
    }
    void* p = m_newTemp(h);
    std::lock_guard<std::mutex> guard(m_lock);
    m_temporary[thread][h] = p;
    return p;
}

void* HandleMap::LookupPermanent(HANDLE h)
{
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_permanent.find(h);
    return it == m_permanent.end() ? nullptr : it->second;
}

void* HandleMap::LookupTemporary(HANDLE h)
{
    std::lock_guard<std::mutex> guard(m_lock);
    auto threadMap = m_temporary.find(GetCurrentThreadId());
    if (threadMap == m_temporary.end())
        return nullptr;
    auto it = threadMap->second.find(h);
    return it == threadMap->second.end() ? nullptr : it->second;
}

void HandleMap::SetPermanent(HANDLE h, void* p)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_permanent[h] = p;
}

void HandleMap::RemoveHandle(HANDLE h)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_permanent.erase(h);
    auto threadMap = m_temporary.find(GetCurrentThreadId());
    if (threadMap != m_temporary.end())
        threadMap->second.erase(h);
}

void HandleMap::DeleteTemp()
{
    Map doomed;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        auto threadMap = m_temporary.find(GetCurrentThreadId());
        if (threadMap == m_temporary.end())
            return;
        doomed.swap(threadMap->second);
        m_temporary.erase(threadMap);
    }
    for (auto& entry : doomed)
        m_deleteTemp(entry.second);
}

void DeleteAllTempMaps()
{
    if (CurrentThreadState().nTempMapLock > 0)
        return;
    WindowMap().DeleteTemp();
    DcMap().DeleteTemp();
    GdiMap().DeleteTemp();
    MenuMap().DeleteTemp();
}

ThreadState& CurrentThreadState()
{
    static thread_local ThreadState state;
    return state;
}

} // namespace fw
