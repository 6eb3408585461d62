// Two modules each holding a class of one name: archives load the one derived from the
// class asked for, and a module's classes leave the registry when it unloads.
#include <gtest/gtest.h>

#include "archive_support.h"

#include <memory>

#if defined(_WIN32)
namespace {

class CModuleShape : public CObject
{
    DECLARE_SERIAL(CModuleShape)
public:
    void Serialize(CArchive&) override { }
};
IMPLEMENT_SERIAL(CModuleShape, CObject, 1)

typedef CRuntimeClass* (*ClassGetter)();

} // namespace

TEST(ModuleClasses, LibraryClassOfTheSameNameComesAndGoesWithItsModule)
{
    HMODULE hModule = ::LoadLibraryA("framework_core_twin.dll");
    ASSERT_NE(hModule, nullptr);
    auto baseClass = reinterpret_cast<ClassGetter>(
        reinterpret_cast<void*>(::GetProcAddress(hModule, "ModuleBaseClass")));
    auto shapeClass = reinterpret_cast<ClassGetter>(
        reinterpret_cast<void*>(::GetProcAddress(hModule, "ModuleShapeClass")));
    ASSERT_TRUE(baseClass && shapeClass);
    CRuntimeClass* pLibraryShape = shapeClass();
    CRuntimeClass* pLibraryBase = baseClass();
    ASSERT_NE(pLibraryShape, RUNTIME_CLASS(CModuleShape));

    EXPECT_EQ(CRuntimeClass::FromName("CModuleShape", RUNTIME_CLASS(CModuleShape)),
              RUNTIME_CLASS(CModuleShape));
    EXPECT_EQ(CRuntimeClass::FromName("CModuleShape", pLibraryBase), pLibraryShape);

    CModuleShape ours;
    Bytes bytes = StoreBytes([&](CArchive& ar) { ar << &ours; });
    LoadBytes(bytes, [&](CArchive& ar) {
        std::unique_ptr<CObject> p(ar.ReadObject(pLibraryBase)); // made by the library's factory
        EXPECT_EQ(p->GetRuntimeClass(), pLibraryShape);
    });

    // Unloaded: asking for the library's kind finds only our class (pLibraryBase is
    // compared, never read).
    ::FreeLibrary(hModule);
    EXPECT_EQ(CRuntimeClass::FromName("CModuleShape", pLibraryBase), RUNTIME_CLASS(CModuleShape));
    LoadBytes(bytes, [&](CArchive& ar) {
        std::unique_ptr<CObject> p(ar.ReadObject(nullptr));
        EXPECT_EQ(p->GetRuntimeClass(), RUNTIME_CLASS(CModuleShape));
    });
}
#endif
