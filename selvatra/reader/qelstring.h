// qelstring: the engine's narrow string. A standard string with a virtual destructor, so
// it can be handed across the library boundary by value and filled by the host (the
// script-text callback), plus a printf-like Format.
#pragma once
#include <string>

#include "SelvatraApi.h"

class SELVATRA_API qelstring : public std::string
{
public:
    using std::string::string;
    qelstring() = default;
    qelstring(const std::string& s) : std::string(s) { }
    qelstring(std::string&& s) : std::string(std::move(s)) { }
    qelstring(const qelstring&) = default;
    qelstring(qelstring&&) = default;
    qelstring& operator=(const qelstring&) = default;
    qelstring& operator=(qelstring&&) = default;
    qelstring& operator=(const std::string& s)
    {
        std::string::operator=(s);
        return *this;
    }
    qelstring& operator=(const char* s)
    {
        std::string::operator=(s);
        return *this;
    }
    virtual ~qelstring();

    // Replaces the text with the formatted arguments (printf conversions). The output is
    // measured before it is written, so no format or argument can overrun the buffer.
    void Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
};
