// The content of embedded fields: pictures and files, and their byte codings.
#include "richtext/RichObject.h"
#include "richtext/Codepage.h"

#include <algorithm>
#include <cstdint>

namespace richtext {

namespace {

uint32_t Le(const std::string& b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

uint32_t Be(const std::string& b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

bool DibSize(const std::string& d, int& width, int& height)
{
    if (d.size() < 40)
        return false;
    const uint32_t header = Le(d, 0, 4);
    if (header < 40 || header > d.size())
        return false;
    const int32_t w = static_cast<int32_t>(Le(d, 4, 4));
    const int32_t h = static_cast<int32_t>(Le(d, 8, 4));
    const uint32_t planes = Le(d, 12, 2), bits = Le(d, 14, 2), compression = Le(d, 16, 4);
    uint32_t used = Le(d, 32, 4);
    if (planes != 1 || w <= 0 || w > 30000 || h == 0 || h < -30000 || h > 30000)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    if (compression != 0 && !(compression == 3 && (bits == 16 || bits == 32)))
        return false; // uncompressed, or bit fields
    if (bits <= 8 && (used == 0 || used > (1u << bits)))
        used = used == 0 ? 1u << bits : used > (1u << bits) ? 1u << bits : used;
    else if (bits > 8 && used > 256)
        return false;
    const uint64_t masks = compression == 3 && header == 40 ? 12 : 0;
    const uint64_t stride = ((static_cast<uint64_t>(w) * bits + 31) / 32) * 4;
    const uint64_t need = header + masks + static_cast<uint64_t>(used) * 4 +
        stride * static_cast<uint64_t>(h < 0 ? -static_cast<int64_t>(h) : h);
    if (need > d.size())
        return false;
    width = w;
    height = h < 0 ? -h : h;
    return true;
}

bool PngSize(const std::string& d, int& width, int& height)
{
    static const char kSignature[] = "\x89PNG\r\n\x1a\n";
    if (d.size() < 24 || d.compare(0, 8, kSignature, 8) != 0 || d.compare(12, 4, "IHDR") != 0)
        return false;
    const uint32_t w = Be(d, 16, 4), h = Be(d, 20, 4);
    if (w == 0 || h == 0 || w > 30000 || h > 30000)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

bool JpegSize(const std::string& d, int& width, int& height)
{
    if (d.size() < 4 || static_cast<unsigned char>(d[0]) != 0xFF ||
        static_cast<unsigned char>(d[1]) != 0xD8)
        return false;
    size_t pos = 2;
    while (pos + 4 <= d.size()) {
        if (static_cast<unsigned char>(d[pos]) != 0xFF)
            return false;
        const unsigned marker = static_cast<unsigned char>(d[pos + 1]);
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        const uint32_t length = Be(d, pos + 2, 2);
        if (length < 2 || pos + 2 + length > d.size())
            return false;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7)
                return false;
            const uint32_t h = Be(d, pos + 5, 2), w = Be(d, pos + 7, 2);
            if (w == 0 || h == 0)
                return false;
            width = static_cast<int>(w);
            height = static_cast<int>(h);
            return true;
        }
        pos += 2 + length;
    }
    return false;
}

int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    return c == '+' ? 62 : c == '/' ? 63 : -1;
}

} // namespace

bool PictureSize(BYTE format, const std::string& data, int& width, int& height)
{
    switch (format) {
    case CRichObject::kDib:
        return DibSize(data, width, height);
    case CRichObject::kPng:
        return PngSize(data, width, height);
    case CRichObject::kJpeg:
        return JpegSize(data, width, height);
    default:
        return false;
    }
}

bool ImageFromFile(const std::string& bytes, CRichObject& image, std::string& error)
{
    CRichObject made;
    made.kind = CRichObject::kImage;
    int w = 0, h = 0;
    int dpiX = 96, dpiY = 96;
    if (bytes.size() >= 14 && bytes[0] == 'B' && bytes[1] == 'M') {
        made.format = CRichObject::kDib;
        made.data = bytes.substr(14);
        if (!DibSize(made.data, w, h)) {
            error = "the bitmap is damaged or of a kind that cannot be shown";
            return false;
        }
        const uint32_t ppmX = Le(made.data, 24, 4), ppmY = Le(made.data, 28, 4);
        if (ppmX >= 400 && ppmX <= 400000 && ppmY >= 400 && ppmY <= 400000) {
            dpiX = static_cast<int>((ppmX * 254 + 5000) / 10000);
            dpiY = static_cast<int>((ppmY * 254 + 5000) / 10000);
        }
    } else if (PngSize(bytes, w, h)) {
        made.format = CRichObject::kPng;
        made.data = bytes;
    } else if (JpegSize(bytes, w, h)) {
        made.format = CRichObject::kJpeg;
        made.data = bytes;
    } else {
        error = "the file is no bitmap, PNG or JPEG picture";
        return false;
    }
    if (made.data.size() > CRichObject::kMaxData) {
        error = "the picture is too large";
        return false;
    }
    double tw = static_cast<double>(w) * 1440 / dpiX, th = static_cast<double>(h) * 1440 / dpiY;
    const double scale =
        std::min(1.0, std::min(CRichObject::kMaxSize / tw, CRichObject::kMaxSize / th));
    made.width = std::max(1, static_cast<int>(tw * scale + 0.5));
    made.height = std::max(1, static_cast<int>(th * scale + 0.5));
    image = std::move(made);
    return true;
}

CRichObject ObjectFromFile(const std::string& path, const std::string& bytes)
{
    CRichObject o;
    o.kind = CRichObject::kObject;
    o.format = CRichObject::kFileData;
    o.className = "Package";
    const size_t slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() > 255)
        name.resize(255);
    o.name = AnsiToUtf16(name);
    o.data = bytes;
    o.width = 2880; // a labelled box two inches wide, a third of an inch high
    o.height = 480;
    return o;
}

std::string DibToBitmapFile(const std::string& dib)
{
    int w = 0, h = 0;
    std::string file = "BM";
    auto put = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            file += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    uint32_t offset = 14;
    if (DibSize(dib, w, h)) {
        const uint32_t header = Le(dib, 0, 4), bits = Le(dib, 14, 2);
        uint32_t used = Le(dib, 32, 4);
        if (bits <= 8 && (used == 0 || used > (1u << bits)))
            used = 1u << bits;
        offset += header + used * 4 + (Le(dib, 16, 4) == 3 && header == 40 ? 12 : 0);
    }
    put(static_cast<uint32_t>(14 + dib.size()), 4);
    put(0, 4);
    put(offset, 4);
    return file + dib;
}

std::string HexEncode(const std::string& bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2 + bytes.size() / 64);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
        if (i % 64 == 63)
            out += '\n';
    }
    return out;
}

std::string HexDecode(const std::string& text)
{
    std::string out;
    out.reserve(text.size() / 2);
    int high = -1;
    for (char c : text) {
        int v = (c >= '0' && c <= '9') ? c - '0'
            : (c >= 'a' && c <= 'f')   ? c - 'a' + 10
            : (c >= 'A' && c <= 'F')   ? c - 'A' + 10
                                       : -1;
        if (v < 0) {
            if (c == ' ' || c == '\r' || c == '\n' || c == '\t')
                continue;
            break;
        }
        if (high < 0) {
            high = v;
        } else {
            out += static_cast<char>(high * 16 + v);
            high = -1;
        }
    }
    return out;
}

std::string Base64Encode(const std::string& bytes)
{
    static const char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            v |= static_cast<unsigned char>(bytes[i + 2]);
        out += kDigits[(v >> 18) & 63];
        out += kDigits[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(v >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kDigits[v & 63] : '=';
    }
    return out;
}

std::string Base64Decode(const std::string& text)
{
    std::string out;
    out.reserve(text.size() / 4 * 3);
    uint32_t acc = 0;
    int bits = 0;
    for (char c : text) {
        const int v = Base64Value(c);
        if (v < 0) {
            if (c == ' ' || c == '\r' || c == '\n' || c == '\t')
                continue;
            break; // '=' and anything else end it
        }
        acc = (acc << 6) | static_cast<uint32_t>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((acc >> bits) & 0xFF);
        }
    }
    return out;
}

} // namespace richtext

bool CRichObject::IsValid() const
{
    const bool sized = width > 0 && width <= kMaxSize && height > 0 && height <= kMaxSize &&
        x >= -kMaxSize && x <= kMaxSize && y >= -kMaxSize && y <= kMaxSize;
    int w = 0, h = 0;
    const bool typed = kind == kImage ? format <= kJpeg && richtext::PictureSize(format, data, w, h)
                                      : (kind == kObject && format == kFileData);
    return sized && typed && data.size() <= kMaxData && className.size() <= 255 &&
        name.size() <= 255;
}

bool CRichObject::operator==(const CRichObject& o) const
{
    return kind == o.kind && format == o.format && fixed == o.fixed && width == o.width &&
        height == o.height && x == o.x && y == o.y && className == o.className && name == o.name &&
        data == o.data;
}
