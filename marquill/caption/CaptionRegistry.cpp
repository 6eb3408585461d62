#include "CaptionRegistry.h"

#include <cstring>

long CCaptionRegKey::QueryDword(const std::string& name, uint32_t& value)
{
    std::string data;
    long result = QueryValue(name, data);
    if (result != caption_reg::kOk)
        return result;
    if (data.size() > sizeof value)
        return caption_reg::kMoreData;
    value = 0;
    std::memcpy(&value, data.data(), data.size());
    return caption_reg::kOk;
}
