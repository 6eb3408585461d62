// Entry point of every test program.
#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#endif

int main(int argc, char** argv)
{
#if defined(_WIN32)
    // A test that crashes must fail, not wait on a system error box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
