#include "ByteText.h"

#include <cstdio>
#include <cstdlib>

std::string BytesToText(const std::string& bytes, bool hex)
{
    std::string text;
    text.reserve(bytes.size() * 4);
    for (char c : bytes) {
        char piece[8];
        std::snprintf(piece, sizeof piece, hex ? "%x;" : "%u;",
                      unsigned(static_cast<unsigned char>(c)));
        text += piece;
    }
    return text;
}

std::string TextToBytes(const std::string& text, bool hex)
{
    std::string bytes;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start) {
            std::string piece = text.substr(start, end - start);
            // strtol, unlike atoi, stays defined for numbers too long for a long.
            long value = std::strtol(piece.c_str(), nullptr, hex ? 16 : 10);
            bytes += static_cast<char>(static_cast<unsigned char>(value & 0xFF));
        }
        start = end + 1;
    }
    return bytes;
}

std::string UpToFirstZeroByte(const std::string& bytes)
{
    size_t zero = bytes.find('\0');
    return zero == std::string::npos ? bytes : bytes.substr(0, zero);
}
