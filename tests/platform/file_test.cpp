#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/exceptions.h"
#include "platform/file.h"
#include "support/headless_message_box_scope.h"
#include "support/scratch_directory.h"

namespace fs = std::filesystem;

TEST(DiskFile, WritesReachTheTargetOnlyOnCommitAndAnAbandonedWriteLeavesNothing)
{
    CScratchDirectory directory;
    const fs::path target = directory / "picture.sbx";
    WriteFileBytes(target, "keep me");
    try {
        CFile file;
        ASSERT_TRUE(file.Open(target, CFile::OpenMode::Write));
        file.Write("partial", 7);
        throw CFileException(CFileException::Cause::DiskFull, target);
    } catch (const CFileException&) {
    }
    EXPECT_EQ(ReadFileBytes(target), "keep me");
    EXPECT_EQ(directory.GetEntryCount(), 1u) << "no temporary file is left behind";

    // Over an old file and as a new one.
    for (const fs::path& path : {target, directory / "new.png"}) {
        SCOPED_TRACE(path);
        const bool existed = fs::exists(path);
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::OpenMode::Write));
        file.Write("new", 3);
        EXPECT_EQ(fs::exists(path), existed);
        EXPECT_EQ(ReadFileBytes(path), existed ? "keep me" : "") << "nothing reaches the target before the commit";
        file.Commit();
        EXPECT_EQ(ReadFileBytes(path), "new");
        EXPECT_TRUE((fs::status(path).permissions() & fs::perms::owner_read) != fs::perms::none);
    }
    EXPECT_EQ(directory.GetEntryCount(), 2u);
}

TEST(DiskFile, OpeningFailsCleanlyWithTheOsReasonAndAReaderLocksTheFile)
{
    CScratchDirectory directory;
    CFile file;
    int error = 0;
    EXPECT_FALSE(file.Open(directory / "missing.sbx", CFile::OpenMode::Read, &error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Open(directory / "no-such-folder" / "x.sbx", CFile::OpenMode::Write, &error));
    EXPECT_EQ(CFileException::CauseFromErrno(error), CFileException::Cause::FileNotFound);

    const fs::path path = directory / "locked.sbx";
    WriteFileBytes(path, "data");
    CFile first;
    ASSERT_TRUE(first.Open(path, CFile::OpenMode::Read));
    EXPECT_FALSE(file.Open(path, CFile::OpenMode::Read, &error));
    EXPECT_EQ(CFileException::CauseFromErrno(error), CFileException::Cause::SharingViolation);
    first.Close();
    EXPECT_TRUE(file.Open(path, CFile::OpenMode::Read));
}

TEST(MemFile, AnAttachedBlockIsReadInPlaceAndNeverGrown)
{
    std::vector<uint8_t> block = {1, 2, 3, 4};
    CMemFile file(block);
    EXPECT_EQ(file.Read(nullptr, 0), 0u) << "an empty read needs no buffer";
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

