// Run-time class information: kinds, dynamic creation and look-up by name, including
// two classes of one name registered by two modules.
#include <gtest/gtest.h>

#include "fw/core.h"

namespace {

class CShape : public CObject
{
    DECLARE_SERIAL(CShape)
public:
    int m_nSides = 0;
};
IMPLEMENT_SERIAL(CShape, CObject, 1)

class CSquare : public CShape
{
    DECLARE_DYNCREATE(CSquare)
};
IMPLEMENT_DYNCREATE(CSquare, CShape)

class CPlainThing : public CObject
{
    DECLARE_DYNAMIC(CPlainThing)
};
IMPLEMENT_DYNAMIC(CPlainThing, CObject)

} // namespace

TEST(RuntimeClassTest, KindsFollowTheBaseChain)
{
    CSquare square;
    EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CSquare)));
    EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(square.IsKindOf(RUNTIME_CLASS(CPlainThing)));
    EXPECT_STREQ(square.GetRuntimeClass()->m_lpszClassName, "CSquare");
    EXPECT_TRUE(CShape().IsSerializable());
    EXPECT_FALSE(CPlainThing().IsSerializable());
}

TEST(RuntimeClassTest, CreatesByClassAndFindsByName)
{
    CObject* pOb = RUNTIME_CLASS(CSquare)->CreateObject();
    ASSERT_NE(pOb, nullptr);
    EXPECT_TRUE(pOb->IsKindOf(RUNTIME_CLASS(CSquare)));
    delete pOb;
    EXPECT_EQ(RUNTIME_CLASS(CPlainThing)->CreateObject(), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CShape"), RUNTIME_CLASS(CShape));
    EXPECT_EQ(CRuntimeClass::FromName("NoSuchClass"), nullptr);
}

TEST(RuntimeClassTest, SameNameInTwoModulesResolvesByRequestedBase)
{
    // A second class called "CShape", as another module's copy of the library would
    // register it, derived from its own base.
    static CRuntimeClass otherBase = {"COtherBase", sizeof(CObject), 0xFFFF, nullptr,
                                      RUNTIME_CLASS(CObject)};
    static CRuntimeClass otherShape = {"CShape", sizeof(CShape), 1, nullptr, &otherBase};
    {
        AFX_CLASSINIT registration(&otherShape);
        EXPECT_EQ(CRuntimeClass::FromName("CShape"), RUNTIME_CLASS(CShape));
        EXPECT_EQ(CRuntimeClass::FromName("CShape", &otherBase), &otherShape);
        EXPECT_EQ(CRuntimeClass::FromName("CShape", RUNTIME_CLASS(CShape)), RUNTIME_CLASS(CShape));
    }
    // Unregistered with its module: only our own class is left.
    EXPECT_EQ(CRuntimeClass::FromName("CShape", &otherBase), RUNTIME_CLASS(CShape));
}
