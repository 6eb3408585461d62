// Files: a disk file through an archive and back, the causes of open failures, and
// memory files growing, seeking and refusing to outgrow a fixed buffer.
#include <gtest/gtest.h>

#include "archive_support.h"

#include <cstring>
#include <filesystem>

namespace {

std::string TempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

} // namespace

TEST(FileTest, ArchiveThroughADiskFile)
{
    std::string path = TempPath("fw_core_file_test.bin");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << CString("Show") << (LONG)21;
        ar.Close();
        file.Close();
    }
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    EXPECT_EQ(file.GetLength(), 9u);
    EXPECT_EQ(file.GetFileName(), "fw_core_file_test.bin");
    EXPECT_EQ(file.GetFileTitle(), "fw_core_file_test");
    {
        CArchive ar(&file, CArchive::load);
        EXPECT_EQ(ar.m_strFileName, path.c_str());
        CString s;
        LONG n;
        ar >> s >> n;
        EXPECT_EQ(s, "Show");
        EXPECT_EQ(n, 21);
        BYTE extra;
        try {
            ar >> extra;
            ADD_FAILURE() << "read past the end";
        } catch (CArchiveException* e) {
            EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
            EXPECT_EQ(e->m_strFileName, path.c_str());
            e->Delete();
        }
    }
    file.Close();
    CFile::Remove(path.c_str());
}

TEST(FileTest, OpenFailuresNameTheirCause)
{
    std::string missing = TempPath("fw_core_no_such_file.bin");
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);

    int cause = -1;
    try {
        CFile thrown(missing.c_str(), CFile::modeRead);
    } catch (CFileException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(cause, CFileException::fileNotFound);

    cause = -1;
    try {
        CFile::Remove(missing.c_str());
    } catch (CFileException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(cause, CFileException::fileNotFound);
}

TEST(MemFileTest, GrowsSeeksAndDetaches)
{
    CMemFile file(16);
    file.Write("abcdef", 6);
    EXPECT_EQ(file.GetLength(), 6u);
    file.Seek(10, CFile::begin); // past the end: the gap reads as zeros once written
    file.Write("z", 1);
    EXPECT_EQ(file.GetLength(), 11u);
    char buf[16] = {};
    file.SeekToBegin();
    EXPECT_EQ(file.Read(buf, sizeof buf), 11u);
    EXPECT_EQ(0, std::memcmp(buf, "abcdef\0\0\0\0z", 11));
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
    EXPECT_EQ(file.Seek(-1, CFile::end), 10u);
    bool badSeek = false;
    try {
        file.Seek(-20, CFile::current);
    } catch (CFileException* e) {
        badSeek = e->m_cause == CFileException::badSeek;
        e->Delete();
    }
    EXPECT_TRUE(badSeek);
    file.SetLength(3);
    EXPECT_EQ(file.GetLength(), 3u);
    BYTE* p = file.Detach();
    EXPECT_EQ(0, std::memcmp(p, "abc", 3));
    std::free(p);
    EXPECT_EQ(file.GetLength(), 0u);
}

TEST(MemFileTest, FixedBufferDoesNotGrow)
{
    BYTE buffer[4] = {1, 2, 3, 4};
    CMemFile file(buffer, sizeof buffer);
    EXPECT_EQ(file.GetLength(), 4u);
    file.Seek(2, CFile::begin);
    file.Write("xy", 2);
    EXPECT_EQ(buffer[3], 'y');
    bool refused = false;
    try {
        file.Write("!", 1);
    } catch (CMemoryException* e) {
        refused = true;
        e->Delete();
    }
    EXPECT_TRUE(refused);
    EXPECT_EQ(file.GetLength(), 4u);
}

#if defined(_WIN32)
TEST(SharedFileTest, HandsGlobalMemoryOverWithoutCopying)
{
    CSharedFile out;
    Bytes written = StoreBytes([](CArchive& ar) { ar << CString("clip"); });
    out.Write(written.data(), (UINT)written.size());
    HGLOBAL hMem = out.Detach();
    ASSERT_NE(hMem, nullptr);
    EXPECT_GE(::GlobalSize(hMem), written.size());

    CSharedFile in;
    in.SetHandle(hMem, FALSE);
    CArchive ar(&in, CArchive::load);
    CString s;
    ar >> s;
    EXPECT_EQ(s, "clip");
    ar.Close();
    bool refused = false;
    try {
        in.SeekToEnd();
        BYTE more[8192] = {};
        in.Write(more, sizeof more); // a block given without growth stays its size
    } catch (CMemoryException* e) {
        refused = true;
        e->Delete();
    }
    EXPECT_TRUE(refused);
    in.Close(); // frees the handle it was given
}
#endif
