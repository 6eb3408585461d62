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

void HandleMap::Detach(HANDLE h, void* p)
{
    std::lock_guard<std::mutex> guard(m_lock);
    auto perm = m_permanent.find(h);
    if (perm != m_permanent.end() && perm->second == p) {
        m_permanent.erase(perm);
        return;
    }
    DWORD thread = GetCurrentThreadId();
    auto threadMap = m_temporary.find(thread);
    if (threadMap != m_temporary.end()) {
        auto temp = threadMap->second.find(h);
        if (temp != threadMap->second.end() && temp->second == p) {
            threadMap->second.erase(temp);
            m_orphans[thread].push_back(p);
        }
    }
}

void HandleMap::DeleteTemp()
{
    Map doomed;
    std::vector<void*> orphans;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        DWORD thread = GetCurrentThreadId();
        auto threadMap = m_temporary.find(thread);
        if (threadMap != m_temporary.end()) {
            doomed.swap(threadMap->second);
            m_temporary.erase(threadMap);
        }
        auto threadOrphans = m_orphans.find(thread);
        if (threadOrphans != m_orphans.end()) {
            orphans.swap(threadOrphans->second);
            m_orphans.erase(threadOrphans);
        }
    }
    for (auto& entry : doomed)
        m_deleteTemp(entry.second);
    for (void* p : orphans)
        m_deleteTemp(p);
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
