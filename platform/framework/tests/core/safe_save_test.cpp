// The safe save: the new content replaces the target only when all of it reached the disk.
// Every way a save can fail part-way (a writer that stops half-way, a file-size limit hit
// while writing, a read-only target, a missing folder) leaves the old file byte-identical
// and no temporary file behind.
#include <gtest/gtest.h>

#include "fw/archive.h"
#include "fw/safe_save.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#if !defined(_WIN32)
#include <csignal>
#include <sys/resource.h>
#endif

namespace fs = std::filesystem;

namespace {

const std::string kOld = "the old script, which must survive\r\n";

class SafeSave : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("fw_safe_save_" + std::to_string(s_serial++));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        m_target = (m_folder / "script.rtf").string();
        WriteRaw(m_target, kOld);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(m_target, fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(m_folder, ignored);
    }

    static void WriteRaw(const std::string& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    static std::string ReadRaw(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // The names in the folder: only the target once a save is over, whatever its outcome.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

    static int s_serial;
    fs::path m_folder;
    std::string m_target;
};

int SafeSave::s_serial = 0;

const std::string kNew(100000, 'n');

} // namespace

TEST_F(SafeSave, ReplacesTheTargetOrMakesANewFile)
{
    CFileException error;
    ASSERT_TRUE(AfxSafeSaveFile(m_target.c_str(), kNew.data(), kNew.size(), &error))
        << error.m_cause << " " << error.m_lOsError;
    EXPECT_EQ(ReadRaw(m_target), kNew);
    EXPECT_EQ(Names(), std::vector<std::string> {"script.rtf"});

    // Through an archive, into a file that did not exist.
    std::string fresh = (m_folder / "show.shw").string();
    ASSERT_TRUE(AfxSafeSaveFile(fresh.c_str(), [](CFile& file) {
        CArchive ar(&file, CArchive::store);
        ar << CString("Show") << (LONG)21;
        ar.Close();
    }));
    EXPECT_EQ(ReadRaw(fresh), std::string("\x04Show\x15\0\0\0", 9));
}

TEST_F(SafeSave, AFailureAnywhereLeavesTheOldFileByteIdentical)
{
    struct Case
    {
        const char* what;
        SafeSaveWriter writer;
        int cause;
    } cases[] = {
        {"the disk fills half-way",
         [](CFile& file) {
             file.Write(kNew.data(), 50000);
             AfxThrowFileException(CFileException::diskFull, -1, file.GetFilePath());
         },
         CFileException::diskFull},
        {"the archive fails half-way",
         [](CFile& file) {
             CArchive ar(&file, CArchive::store);
             ar << CString(kNew.c_str());
             ar.Flush();
             AfxThrowArchiveException(CArchiveException::generic);
         },
         CFileException::generic},
    };
    for (const Case& c : cases) {
        CFileException error;
        EXPECT_FALSE(AfxSafeSaveFile(m_target.c_str(), c.writer, &error)) << c.what;
        EXPECT_EQ(error.m_cause, c.cause) << c.what;
        EXPECT_EQ(error.m_strFileName, m_target.c_str()) << c.what;
        EXPECT_EQ(ReadRaw(m_target), kOld) << c.what;
        EXPECT_EQ(Names(), std::vector<std::string> {"script.rtf"}) << c.what;
    }

    // Any other exception is passed on, after the temporary file is gone.
    EXPECT_THROW(AfxSafeSaveFile(m_target.c_str(),
                                 [](CFile& file) {
                                     file.Write("x", 1);
                                     throw std::runtime_error("writer bug");
                                 }),
                 std::runtime_error);
    EXPECT_EQ(ReadRaw(m_target), kOld);
    EXPECT_EQ(Names(), std::vector<std::string> {"script.rtf"});
}

TEST_F(SafeSave, AReadOnlyTargetOrAMissingFolderIsRefused)
{
    fs::permissions(m_target,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    CFileException error;
    EXPECT_FALSE(AfxSafeSaveFile(m_target.c_str(), kNew.data(), kNew.size(), &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    EXPECT_EQ(ReadRaw(m_target), kOld);
    EXPECT_EQ(Names(), std::vector<std::string> {"script.rtf"});

    std::string nowhere = (m_folder / "no such folder" / "script.rtf").string();
    EXPECT_FALSE(AfxSafeSaveFile(nowhere.c_str(), kNew.data(), kNew.size(), &error));
    EXPECT_NE(error.m_cause, CFileException::none);
    EXPECT_FALSE(fs::exists(nowhere));

    EXPECT_FALSE(AfxSafeSaveFile(m_folder.string().c_str(), kNew.data(), kNew.size(), &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied) << "a folder is not a file to save over";
}

#if !defined(_WIN32)
// The system refuses to let the file grow past a limit while it is being written.
TEST_F(SafeSave, AFileSizeLimitHitWhileWritingLeavesTheOldFile)
{
    struct rlimit previous;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
    struct rlimit limited = previous;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    CFileException error;
    BOOL saved = AfxSafeSaveFile(m_target.c_str(), kNew.data(), kNew.size(), &error);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(error.m_cause, CFileException::diskFull);
    EXPECT_EQ(ReadRaw(m_target), kOld);
    EXPECT_EQ(Names(), std::vector<std::string> {"script.rtf"});
}
#endif
