// A registry in memory behind the caption store's interface, for tests: key and value names
// compare without regard to case, subkeys enumerate in name order and values in the order
// they were written, as the system's registry does. It can play a standard user (nothing
// may be created, written or deleted) and fail chosen writes.
#pragma once
#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "CaptionRegistry.h"

class CMemoryRegistry : public CCaptionRegistry
{
public:
    struct NoCase
    {
        bool operator()(const std::string& a, const std::string& b) const
        {
            return std::lexicographical_compare(
                a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                    return std::tolower((unsigned char)x) < std::tolower((unsigned char)y);
                });
        }
    };
    struct Value
    {
        std::string name;
        bool dword;
        std::string data;
    };
    struct Node
    {
        std::vector<Value> values;
        std::map<std::string, std::shared_ptr<Node>, NoCase> subkeys;

        Value* Find(const std::string& name)
        {
            for (Value& v : values)
                if (!NoCase()(v.name, name) && !NoCase()(name, v.name))
                    return &v;
            return nullptr;
        }
    };

    // A standard user: reads work, everything that changes the store is refused.
    bool readOnly = false;
    // Values whose writing fails (by name).
    std::set<std::string> failingValues;
    // Every access a key was opened or created with.
    std::vector<RegAccess> accesses;

    long OpenKey(const std::string& path, RegAccess access, CCaptionRegKeyPtr& key) override
    {
        accesses.push_back(access);
        if (readOnly && access == RegAccess::Write)
            return caption_reg::kAccessDenied;
        std::shared_ptr<Node> node = Walk(path, false);
        if (!node)
            return caption_reg::kNotFound;
        key.reset(new Key(*this, node, access));
        return caption_reg::kOk;
    }
    long CreateKey(const std::string& path, RegAccess access, CCaptionRegKeyPtr& key) override
    {
        accesses.push_back(access);
        if (readOnly && (access == RegAccess::Write || !Walk(path, false)))
            return caption_reg::kAccessDenied;
        key.reset(new Key(*this, Walk(path, true), access));
        return caption_reg::kOk;
    }
    long DeleteKey(const std::string& path) override
    {
        std::vector<std::string> parts = Split(path);
        std::shared_ptr<Node> parent = m_root;
        for (size_t i = 0; i + 1 < parts.size(); ++i) {
            auto it = parent->subkeys.find(parts[i]);
            if (it == parent->subkeys.end())
                return caption_reg::kNotFound;
            parent = it->second;
        }
        auto it = parent->subkeys.find(parts.back());
        if (it == parent->subkeys.end())
            return caption_reg::kNotFound;
        if (readOnly)
            return caption_reg::kAccessDenied;
        parent->subkeys.erase(it);
        return caption_reg::kOk;
    }

    // Direct access for setting up and checking a store.
    std::shared_ptr<Node> Walk(const std::string& path, bool create)
    {
        std::shared_ptr<Node> node = m_root;
        for (const std::string& part : Split(path)) {
            auto it = node->subkeys.find(part);
            if (it == node->subkeys.end()) {
                if (!create)
                    return nullptr;
                it = node->subkeys.emplace(part, std::make_shared<Node>()).first;
            }
            node = it->second;
        }
        return node;
    }
    void PutString(const std::string& path, const std::string& name, const std::string& data)
    {
        Put(Walk(path, true), name, false, data);
    }
    void PutDword(const std::string& path, const std::string& name, uint32_t value)
    {
        Put(Walk(path, true), name, true, std::string((const char*)&value, 4));
    }
    // The value's data, or "<absent>".
    std::string Data(const std::string& path, const std::string& name)
    {
        std::shared_ptr<Node> node = Walk(path, false);
        Value* v = node ? node->Find(name) : nullptr;
        return v ? v->data : "<absent>";
    }
    std::vector<std::string> Subkeys(const std::string& path)
    {
        std::vector<std::string> names;
        if (std::shared_ptr<Node> node = Walk(path, false))
            for (const auto& entry : node->subkeys)
                names.push_back(entry.first);
        return names;
    }
    std::vector<std::string> ValueNames(const std::string& path)
    {
        std::vector<std::string> names;
        if (std::shared_ptr<Node> node = Walk(path, false))
            for (const Value& v : node->values)
                names.push_back(v.name);
        return names;
    }

private:
    class Key : public CCaptionRegKey
    {
    public:
        Key(CMemoryRegistry& registry, std::shared_ptr<Node> node, RegAccess access)
            : m_registry(registry), m_node(std::move(node)), m_access(access)
        { }
        long QueryValue(const std::string& name, std::string& data) override
        {
            Value* v = m_node->Find(name);
            if (!v)
                return caption_reg::kNotFound;
            data = v->data;
            return caption_reg::kOk;
        }
        long SetStringBytes(const std::string& name, const std::string& bytes) override
        {
            return Set(name, false, bytes);
        }
        long SetDword(const std::string& name, uint32_t value) override
        {
            return Set(name, true, std::string((const char*)&value, 4));
        }
        long SubkeyCount(uint32_t& count) override
        {
            if (m_access == RegAccess::Query)
                return caption_reg::kAccessDenied;
            count = (uint32_t)m_node->subkeys.size();
            return caption_reg::kOk;
        }
        long EnumSubkey(uint32_t index, std::string& name) override
        {
            if (m_access == RegAccess::Query)
                return caption_reg::kAccessDenied;
            if (index >= m_node->subkeys.size())
                return caption_reg::kNoMoreItems;
            name = std::next(m_node->subkeys.begin(), index)->first;
            return caption_reg::kOk;
        }
        long EnumValue(uint32_t index, std::string& name) override
        {
            if (index >= m_node->values.size())
                return caption_reg::kNoMoreItems;
            name = m_node->values[index].name;
            return caption_reg::kOk;
        }
        long OpenSubkey(const std::string& name, RegAccess access, CCaptionRegKeyPtr& key) override
        {
            m_registry.accesses.push_back(access);
            if (m_registry.readOnly && access == RegAccess::Write)
                return caption_reg::kAccessDenied;
            auto it = m_node->subkeys.find(name);
            if (it == m_node->subkeys.end())
                return caption_reg::kNotFound;
            key.reset(new Key(m_registry, it->second, access));
            return caption_reg::kOk;
        }

    private:
        long Set(const std::string& name, bool dword, const std::string& data)
        {
            if (m_access != RegAccess::Write || m_registry.readOnly ||
                m_registry.failingValues.count(name))
                return caption_reg::kAccessDenied;
            Put(m_node, name, dword, data);
            return caption_reg::kOk;
        }
        CMemoryRegistry& m_registry;
        std::shared_ptr<Node> m_node;
        RegAccess m_access;
    };

    static void Put(const std::shared_ptr<Node>& node, const std::string& name, bool dword,
                    const std::string& data)
    {
        if (Value* v = node->Find(name)) {
            v->dword = dword;
            v->data = data;
        } else {
            node->values.push_back({name, dword, data});
        }
    }
    static std::vector<std::string> Split(const std::string& path)
    {
        std::vector<std::string> parts;
        size_t start = 0;
        for (;;) {
            size_t end = path.find('\\', start);
            parts.push_back(path.substr(start, end - start));
            if (end == std::string::npos)
                return parts;
            start = end + 1;
        }
    }

    std::shared_ptr<Node> m_root = std::make_shared<Node>();
};
