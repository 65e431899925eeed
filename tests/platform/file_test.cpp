#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/headless_message_box_scope.h"
#include "platform/exceptions.h"
#include "platform/file.h"

namespace {

namespace fs = std::filesystem;

class DiskFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_directory = fs::temp_directory_path() /
                      ("stipplebox-file-test-" + std::to_string(::getpid()) + "-" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_directory);
        fs::create_directories(m_directory);
    }
    void TearDown() override
    {
        fs::permissions(m_directory, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_directory);
    }

    static std::string Contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    size_t EntryCount() const { return static_cast<size_t>(std::distance(fs::directory_iterator(m_directory), {})); }

    fs::path m_directory;
};

}  // namespace

TEST_F(DiskFile, WritesBecomeTheFileOnlyWhenCommitted)
{
    const fs::path target = m_directory / "picture.sbx";
    Put(target, "old contents");
    {
        CFile file;
        ASSERT_TRUE(file.Open(target, CFile::OpenMode::Write));
        file.Write("new", 3);
        EXPECT_EQ(Contents(target), "old contents") << "nothing reaches the target before the commit";
        file.Commit();
    }
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(EntryCount(), 1u) << "no temporary file is left behind";
}

TEST_F(DiskFile, AnAbandonedWriteLeavesTheOldFileAndNoLeftovers)
{
    const fs::path target = m_directory / "picture.sbx";
    Put(target, "keep me");
    try {
        CFile file;
        ASSERT_TRUE(file.Open(target, CFile::OpenMode::Write));
        file.Write("partial", 7);
        throw CFileException(CFileException::Cause::DiskFull, target);
    } catch (const CFileException&) {
    }
    EXPECT_EQ(Contents(target), "keep me");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(DiskFile, ANewFileIsCreatedOnCommitWithOrdinaryPermissions)
{
    const fs::path target = m_directory / "new.png";
    CFile file;
    ASSERT_TRUE(file.Open(target, CFile::OpenMode::Write));
    EXPECT_FALSE(fs::exists(target));
    file.Write("x", 1);
    file.Commit();
    EXPECT_EQ(Contents(target), "x");
    EXPECT_TRUE((fs::status(target).permissions() & fs::perms::owner_read) != fs::perms::none);
}

TEST_F(DiskFile, OpeningFailsCleanlyWithTheOsReason)
{
    CFile file;
    int error = 0;
    EXPECT_FALSE(file.Open(m_directory / "missing.sbx", CFile::OpenMode::Read, &error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Open(m_directory / "no-such-folder" / "x.sbx", CFile::OpenMode::Write, &error));
    EXPECT_EQ(CFileException::CauseFromErrno(error), CFileException::Cause::FileNotFound);
}

TEST_F(DiskFile, ReadsSeeksAndLengthsBehaveLikeAFile)
{
    const fs::path path = m_directory / "data.bin";
    Put(path, "0123456789");
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::OpenMode::Read));
    EXPECT_EQ(file.GetLength(), 10u);
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 4), 4u);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    EXPECT_EQ(file.Seek(-2, CFile::SeekOrigin::End), 8u);
    EXPECT_EQ(file.Read(buffer, 8), 2u) << "a read at the end returns what is left";
    EXPECT_EQ(file.GetPosition(), 10u);
    EXPECT_THROW(file.Seek(-1, CFile::SeekOrigin::Begin), CFileException);
}

TEST_F(DiskFile, AFileBeingReadIsNotSharedWithAnotherReader)
{
    const fs::path path = m_directory / "locked.sbx";
    Put(path, "data");
    CFile first;
    ASSERT_TRUE(first.Open(path, CFile::OpenMode::Read));
    CFile second;
    int error = 0;
    EXPECT_FALSE(second.Open(path, CFile::OpenMode::Read, &error));
    EXPECT_EQ(CFileException::CauseFromErrno(error), CFileException::Cause::SharingViolation);
    first.Close();
    EXPECT_TRUE(second.Open(path, CFile::OpenMode::Read));
}

TEST(MemFile, GrowsAsWrittenAndGivesItsBufferUp)
{
    CMemFile file(4);
    file.Write("abcdef", 6);
    file.Seek(10, CFile::SeekOrigin::Begin);
    file.Write("Z", 1);
    EXPECT_EQ(file.GetLength(), 11u);
    file.Seek(2, CFile::SeekOrigin::Begin);
    file.Write("C", 1);
    const std::vector<uint8_t> bytes = file.Detach();
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::string("abCdef\0\0\0\0Z", 11));
    EXPECT_EQ(file.GetLength(), 0u);
}

TEST(MemFile, AnAttachedBlockIsReadInPlaceAndNeverGrown)
{
    std::vector<uint8_t> block = {1, 2, 3, 4};
    CMemFile file(block);
    uint8_t byte = 0;
    file.Seek(3, CFile::SeekOrigin::Begin);
    EXPECT_EQ(file.Read(&byte, 1), 1u);
    EXPECT_EQ(byte, 4);
    EXPECT_EQ(file.Read(&byte, 1), 0u);
    file.Seek(0, CFile::SeekOrigin::Begin);
    file.Write("\x09", 1);
    EXPECT_EQ(block[0], 9) << "writes go to the caller's block";
    file.Seek(4, CFile::SeekOrigin::Begin);
    EXPECT_THROW(file.Write("x", 1), CFileException);
    file.Seek(100, CFile::SeekOrigin::Begin);
    EXPECT_EQ(file.Read(&byte, 1), 0u) << "reading past the end gives nothing";
}

TEST(Exceptions, ReportErrorShowsTheExceptionsOwnText)
{
    CHeadlessMessageBoxScope boxes;
    const CFileException error(CFileException::Cause::EndOfFile, "/tmp/cat.sbx");
    error.ReportError();
    CMemoryException().ReportError();
    ASSERT_EQ(boxes->GetRecords().size(), 2u);
    EXPECT_NE(boxes->GetRecords()[0].text.find("/tmp/cat.sbx"), std::string::npos);
    EXPECT_EQ(boxes->GetRecords()[0].buttons, MessageBoxButtons::Ok);
    EXPECT_EQ(boxes->GetRecords()[1].text, "メモリが不足しています。");
    EXPECT_STREQ(CDataFormatException("壊れています。").what(), "壊れています。");
}

TEST(MemFile, AnEmptyReadNeedsNoBuffer)
{
    std::vector<uint8_t> block = {1, 2, 3};
    CMemFile file(block);
    EXPECT_EQ(file.Read(nullptr, 0), 0u);
    EXPECT_EQ(file.GetPosition(), 0u);
}
