// A library module with its own class called CModuleShape, as a second copy of a class
// library would register it. Its classes join the registry while it is loaded.
#include "fw/core.h"

namespace {

class CModuleBase : public CObject
{
    DECLARE_DYNAMIC(CModuleBase)
};
IMPLEMENT_DYNAMIC(CModuleBase, CObject)

class CModuleShape : public CModuleBase
{
    DECLARE_SERIAL(CModuleShape)
public:
    void Serialize(CArchive&) override { }
};
IMPLEMENT_SERIAL(CModuleShape, CModuleBase, 1)

} // namespace

extern "C" __declspec(dllexport) CRuntimeClass* ModuleBaseClass()
{
    return RUNTIME_CLASS(CModuleBase);
}

extern "C" __declspec(dllexport) CRuntimeClass* ModuleShapeClass()
{
    return RUNTIME_CLASS(CModuleShape);
}
