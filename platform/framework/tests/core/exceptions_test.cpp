// Exceptions: the TRY/CATCH macros free what they catch unless it is rethrown, and the
// messages name the cause and the file.
#include <gtest/gtest.h>

#include "fw/core.h"

#include <string>

namespace {

int g_nLive = 0;

class CCountedException : public CException
{
public:
    CCountedException() { ++g_nLive; }
    ~CCountedException() override { --g_nLive; }
};

} // namespace

TEST(ExceptionMacros, CatchFreesAndThrowLastPassesOn)
{
    bool caught = false;
    TRY { throw new CCountedException; }
    CATCH(CCountedException, e)
    {
        caught = true;
        EXPECT_EQ(g_nLive, 1);
    }
    END_CATCH
    EXPECT_TRUE(caught);
    EXPECT_EQ(g_nLive, 0);

    CException* pOuter = nullptr;
    try {
        TRY { throw new CCountedException; }
        CATCH_ALL(e) { THROW_LAST(); }
        END_CATCH_ALL
    } catch (CException* e) {
        pOuter = e;
    }
    ASSERT_NE(pOuter, nullptr);
    EXPECT_EQ(g_nLive, 1); // rethrown, not freed
    pOuter->Delete();
    EXPECT_EQ(g_nLive, 0);

    int which = 0;
    TRY { AfxThrowArchiveException(CArchiveException::badSchema); }
    CATCH(CFileException, e) { which = 1; }
    AND_CATCH(CArchiveException, e) { which = e->m_cause == CArchiveException::badSchema ? 2 : 3; }
    END_CATCH
    EXPECT_EQ(which, 2);
}

TEST(ExceptionMessages, NameCauseAndFile)
{
    struct Case
    {
        CException* pException;
        const char* mustContain;
    } cases[] = {
        {new CArchiveException(CArchiveException::endOfFile, "show.shw"), "show.shw"},
        {new CArchiveException(CArchiveException::badSchema, "grid.dat"), "schema"},
        {new CArchiveException(99), "unknown"},
        {new CFileException(CFileException::fileNotFound, 2, "a.mqd"), "a.mqd was not found"},
        {new CMemoryException, "memory"},
        {new CNotSupportedException, "unsupported"},
        {new CResourceException, "resource"},
    };
    for (const Case& c : cases) {
        char text[256];
        EXPECT_TRUE(c.pException->GetErrorMessage(text, sizeof text));
        EXPECT_NE(std::string(text).find(c.mustContain), std::string::npos) << text;
        char tiny[4];
        EXPECT_TRUE(c.pException->GetErrorMessage(tiny, sizeof tiny));
        EXPECT_EQ(std::string(tiny).size(), 3u); // cut to the buffer, terminated
        c.pException->Delete();
    }
    CUserException user;
    char text[16] = "x";
    EXPECT_FALSE(user.GetErrorMessage(text, sizeof text));
    EXPECT_STREQ(text, "");
}

TEST(ExceptionHelpers, ThrowTheirClasses)
{
    auto causeOf = [](void (*thrower)()) -> CRuntimeClass* {
        try {
            thrower();
        } catch (CException* e) {
            CRuntimeClass* pClass = e->GetRuntimeClass();
            e->Delete();
            return pClass;
        }
        return nullptr;
    };
    EXPECT_EQ(causeOf([] { AfxThrowMemoryException(); }), RUNTIME_CLASS(CMemoryException));
    EXPECT_EQ(causeOf([] { AfxThrowNotSupportedException(); }),
              RUNTIME_CLASS(CNotSupportedException));
    EXPECT_EQ(causeOf([] { AfxThrowResourceException(); }), RUNTIME_CLASS(CResourceException));
    EXPECT_EQ(causeOf([] { AfxThrowUserException(); }), RUNTIME_CLASS(CUserException));
    EXPECT_EQ(causeOf([] { AfxThrowFileException(CFileException::diskFull); }),
              RUNTIME_CLASS(CFileException));
    EXPECT_EQ(causeOf([] { AfxThrowOleException(E_FAIL); }), RUNTIME_CLASS(COleException));
    COleException ole(E_OUTOFMEMORY);
    EXPECT_EQ(COleException::Process(&ole), E_OUTOFMEMORY);
    CMemoryException memory;
    EXPECT_EQ(COleException::Process(&memory), E_OUTOFMEMORY);
}
