#include "probe.h"
#include "fw/resource_chain.h"

namespace {
HINSTANCE g_module;

class CSquare : public CProbeShape
{
public:
    using CProbeShape::CProbeShape;
    const char* Name() const override { return "square"; }
};
} // namespace

int CProbeShape::s_live = 0;

CProbeShape::CProbeShape(int side) : m_side(side) { ++s_live; }
CProbeShape::~CProbeShape() { --s_live; }
int CProbeShape::Area() const { return m_side * m_side; }

std::string CProbeShape::Describe() const
{
    return std::string(Name()) + ":" + std::to_string(Area());
}

CProbeError::CProbeError(int code, const std::string& what) : std::runtime_error(what), m_code(code)
{ }

CProbeShape* ProbeMakeSquare(int side) { return new CSquare(side); }
std::string* ProbeMakeString(const char* text) { return new std::string(text); }
void ProbeDeleteString(std::string* s) { delete s; }

void ProbeThrow(int code) { throw CProbeError(code, "probe failure " + std::to_string(code)); }

HINSTANCE ProbeModule() { return g_module; }

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = hInstance;
        AfxJoinResourceChain(hInstance);
    } else if (reason == DLL_PROCESS_DETACH) {
        AfxLeaveResourceChain(hInstance);
    }
    return TRUE;
}
