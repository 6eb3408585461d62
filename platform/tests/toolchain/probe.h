// A small library that proves the module boundary: exported classes derived across it,
// objects crossing it, exceptions thrown through it, resources found across it.
#pragma once
#include <stdexcept>
#include <string>
#include <windows.h>

#include "probe_res.h"

#ifdef PROBE_BUILDING
#define PROBE_API __declspec(dllexport)
#else
#define PROBE_API __declspec(dllimport)
#endif

class PROBE_API CProbeShape
{
public:
    explicit CProbeShape(int side);
    virtual ~CProbeShape();
    virtual int Area() const; // library's own; a derived class may extend it
    virtual const char* Name() const = 0; // always supplied by a derived class
    std::string Describe() const; // calls both virtuals from inside the library
    int Side() const { return m_side; }
    static int s_live; // shapes constructed and not yet destroyed

private:
    int m_side;
};

class PROBE_API CProbeError : public std::runtime_error
{
public:
    CProbeError(int code, const std::string& what);
    int Code() const { return m_code; }

private:
    int m_code;
};

PROBE_API CProbeShape* ProbeMakeSquare(int side);
PROBE_API std::string* ProbeMakeString(const char* text);
PROBE_API void ProbeDeleteString(std::string* s);
PROBE_API void ProbeThrow(int code);
PROBE_API HINSTANCE ProbeModule();
