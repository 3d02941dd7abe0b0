#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_access.h"
#include "support/file_fixture.h"

using FileAccess = FileTest;

TEST_F(FileAccess, SizeIsGivenForRegularFilesOnly) {
    writeBytes(at("empty"), {});
    writeBytes(at("picture"), patternBytes(2001, 1));
    ASSERT_EQ(mkdir(at("folder").c_str(), 0755), 0);
    ASSERT_EQ(symlink(at("picture").c_str(), at("link").c_str()), 0);
    ASSERT_EQ(symlink(at("gone").c_str(), at("dangling").c_str()), 0);
    ASSERT_EQ(mkfifo(at("pipe").c_str(), 0644), 0);
    const struct {
        std::string path;
        int64_t size;
    } cases[] = {
        {at("empty"), 0},   {at("picture"), 2001}, {at("folder"), -1}, {at("missing"), -1}, {"", -1},
        {at("link"), 2001}, {at("dangling"), -1},  {at("pipe"), -1},   {folder, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(fileSize(c.path), c.size) << "'" << c.path << "'";
}

TEST_F(FileAccess, CurrentDirectoryFollowsChdir) {
    ASSERT_EQ(chdir(folder.c_str()), 0);
    EXPECT_EQ(currentDirectory(), folder);
}

TEST_F(FileAccess, ShortReadKeepsTheRestOfTheDestinationAndEndOfFileReadsAsZero) {
    writeBytes(at("three"), {7, 8, 9});
    ASSERT_TRUE(openForReading(at("three")));
    uint8_t destination[5] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    EXPECT_EQ(readBlock(destination, 5), 3);
    closeReading();
    const uint8_t expected[5] = {7, 8, 9, 0xAA, 0xAA};
    EXPECT_EQ(std::memcmp(destination, expected, 5), 0);

    ASSERT_TRUE(openForReading(at("three")));
    EXPECT_EQ(readByte(), 7);
    EXPECT_EQ(readBlock(destination, 1), 1);
    EXPECT_EQ(readByte(), 9);
    EXPECT_EQ(readByte(), 0);
    EXPECT_EQ(readByte(), 0);
    closeReading();
}

// A named pipe would block an ordinary open until a writer came; it must fail at once instead.
TEST_F(FileAccess, OnlyExistingRegularFilesOpenForReading) {
    writeBytes(at("picture"), patternBytes(10, 2));
    ASSERT_EQ(mkdir(at("folder").c_str(), 0755), 0);
    ASSERT_EQ(mkfifo(at("pipe").c_str(), 0644), 0);
    EXPECT_TRUE(openForReading(at("picture")));
    closeReading();
    EXPECT_FALSE(openForReading(at("folder")));
    EXPECT_FALSE(openForReading(at("pipe")));
    EXPECT_FALSE(openForReading(at("missing")));
    EXPECT_FALSE(openForReading(""));
    simulateUnreadable(at("picture"));
    EXPECT_FALSE(openForReading(at("picture")));
}

TEST_F(FileAccess, ShortReadAidEndsTheFileEarly) {
    writeBytes(at("picture"), patternBytes(2001, 3));
    simulateShortReadAfter(1500);
    ASSERT_TRUE(openForReading(at("picture")));
    uint8_t destination[2001];
    EXPECT_EQ(readBlock(destination, 2001), 1500);
    EXPECT_EQ(readByte(), 0);
    closeReading();
}

static bool writeWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (!createForWriting(path)) return false;
    writeBlock(bytes.data(), int64_t(bytes.size()));
    return finishWriting();
}

TEST_F(FileAccess, NewFileGetsTheUsualPermissionsAndNoTemporaryIsLeft) {
    const mode_t earlierMask = umask(022);
    const std::vector<uint8_t> bytes = patternBytes(2001, 4);
    EXPECT_TRUE(writeWhole(at("new.rawtext"), bytes));
    umask(earlierMask);
    EXPECT_TRUE(sameBytes(bytes, readBytes(at("new.rawtext"))));
    EXPECT_EQ(permissionsOf(at("new.rawtext")), 0644u);
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"new.rawtext"});
}

TEST_F(FileAccess, ReplacedFileKeepsItsPermissions) {
    writeBytes(at("old.rawtext"), patternBytes(50, 5));
    ASSERT_EQ(chmod(at("old.rawtext").c_str(), 0640), 0);
    const std::vector<uint8_t> bytes = patternBytes(2001, 6);
    EXPECT_TRUE(writeWhole(at("old.rawtext"), bytes));
    EXPECT_TRUE(sameBytes(bytes, readBytes(at("old.rawtext"))));
    EXPECT_EQ(permissionsOf(at("old.rawtext")), 0640u);
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"old.rawtext"});
}

// More than the write buffer holds, so the data goes out in several pieces.
TEST_F(FileAccess, LargeWritesArriveWhole) {
    const std::vector<uint8_t> bytes = patternBytes(300000, 7);
    ASSERT_TRUE(createForWriting(at("large")));
    for (size_t offset = 0; offset < bytes.size(); offset += 1000) writeBlock(bytes.data() + offset, 1000);
    EXPECT_TRUE(finishWriting());
    EXPECT_TRUE(sameBytes(bytes, readBytes(at("large"))));
}

TEST_F(FileAccess, WritingThroughALinkReplacesTheFileItPointsTo) {
    writeBytes(at("real"), patternBytes(20, 8));
    ASSERT_EQ(symlink("real", at("link").c_str()), 0);
    const std::vector<uint8_t> bytes = patternBytes(2001, 9);
    EXPECT_TRUE(writeWhole(at("link"), bytes));
    struct stat status;
    ASSERT_EQ(lstat(at("link").c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_TRUE(sameBytes(bytes, readBytes(at("real"))));
    EXPECT_EQ(folderEntries(folder), (std::vector<std::string>{"link", "real"}));
}

enum WriteTarget { ReadOnlyFile, ReadOnlyFolder, DirectoryTarget, MissingFolder, TrailingSlash };

struct RefusedWrite {
    const char* label;
    WriteTarget target;
};

class RefusedWrites : public FileTest, public ::testing::WithParamInterface<RefusedWrite> {};

// Tests may run as root, which can write anything; missing write bits still count as read-only.
TEST_P(RefusedWrites, CreateFailsAndTheFolderStaysAsItWas) {
    const std::vector<uint8_t> earlier = patternBytes(700, 10);
    std::string path = at("pic.rawtext");
    std::string watched = folder;
    switch (GetParam().target) {
        case ReadOnlyFile:
            writeBytes(path, earlier);
            ASSERT_EQ(chmod(path.c_str(), 0444), 0);
            break;
        case ReadOnlyFolder:
            ASSERT_EQ(mkdir(at("locked").c_str(), 0755), 0);
            writeBytes(at("locked/pic.rawtext"), earlier);
            ASSERT_EQ(chmod(at("locked").c_str(), 0555), 0);
            path = at("locked/pic.rawtext");
            watched = at("locked");
            break;
        case DirectoryTarget:
            ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
            break;
        case MissingFolder:
            path = at("nowhere/pic.rawtext");
            break;
        case TrailingSlash:
            path = folder + "/";
            break;
    }
    const std::vector<std::string> before = folderEntries(watched);
    EXPECT_FALSE(createForWriting(path));
    writeBlock(earlier.data(), 10);
    EXPECT_FALSE(finishWriting());
    EXPECT_EQ(folderEntries(watched), before);
    if (GetParam().target == ReadOnlyFile || GetParam().target == ReadOnlyFolder) {
        EXPECT_TRUE(sameBytes(earlier, readBytes(path)));
    }
    if (GetParam().target == DirectoryTarget) {
        struct stat status;
        ASSERT_EQ(stat(path.c_str(), &status), 0);
        EXPECT_TRUE(S_ISDIR(status.st_mode));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RefusedWrites,
                         ::testing::Values(RefusedWrite{"ReadOnlyFile", ReadOnlyFile},
                                           RefusedWrite{"ReadOnlyFolder", ReadOnlyFolder},
                                           RefusedWrite{"DirectoryTarget", DirectoryTarget},
                                           RefusedWrite{"MissingFolder", MissingFolder},
                                           RefusedWrite{"TrailingSlash", TrailingSlash}),
                         [](const auto& info) { return std::string(info.param.label); });

struct FullDisk {
    int64_t budget;
    int64_t size;
    bool succeeds;
};

class FullDisks : public FileTest, public ::testing::WithParamInterface<FullDisk> {};

TEST_P(FullDisks, FailedWriteLeavesTheEarlierFileByteForByte) {
    const std::vector<uint8_t> earlier = patternBytes(2001, 11);
    const std::vector<uint8_t> bytes = patternBytes(size_t(GetParam().size), 12);
    writeBytes(at("pic.rawtext"), earlier);
    simulateFullDiskAfter(GetParam().budget);
    EXPECT_EQ(writeWhole(at("pic.rawtext"), bytes), GetParam().succeeds);
    EXPECT_TRUE(sameBytes(GetParam().succeeds ? bytes : earlier, readBytes(at("pic.rawtext"))));
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"pic.rawtext"});
}

INSTANTIATE_TEST_SUITE_P(Table, FullDisks,
                         ::testing::Values(FullDisk{0, 2001, false}, FullDisk{500, 2001, false},
                                           FullDisk{2000, 2001, false}, FullDisk{2001, 2001, true},
                                           FullDisk{70000, 300000, false}));
