#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file/file_commands.h"
#include "file/raw_text_file.h"
#include "support/file_fixture.h"

TEST(DirectoryPart, KeepsEverythingUpToTheLastSeparator) {
    const struct {
        const char* path;
        const char* part;
    } cases[] = {
        {"/home/ann/pic.rawtext", "/home/ann/"}, {"pic.rawtext", ""},       {"", ""},
        {"C:\\art\\pic.rawtext", "C:\\art\\"},   {"a/b\\c.rawtext", "a/b\\"}, {"/pic", "/"},
        {"folder/", "folder/"},
    };
    for (const auto& c : cases) EXPECT_EQ(directoryPart(c.path), c.part) << c.path;
}

enum LoadRoute { ByDrop, ByCommandLine };
enum DiskFile { Picture2001, Picture2000, Picture2002, NothingThere, AFolder, TwoPictures, Background200 };

struct LoadCase {
    const char* label;
    DiskFile file;
    bool loads;
};

class LoadFromDisk : public FileTest, public ::testing::WithParamInterface<std::tuple<LoadRoute, LoadCase>> {};

// A drop and the command line hand the path to the loader alone: only exactly 2001 bytes load.
TEST_P(LoadFromDisk, LoadsOnlyAWholePicture) {
    const auto [route, c] = GetParam();
    std::vector<uint8_t> bytes = patternBytes(2001, 21);
    bytes[2000] = 12;
    std::string path = at("pic.rawtext");
    switch (c.file) {
        case Picture2001: writeBytes(path, bytes); break;
        case Picture2000: writeBytes(path, std::vector<uint8_t>(bytes.begin(), bytes.end() - 1)); break;
        case Picture2002:
            bytes.push_back(1);
            writeBytes(path, bytes);
            break;
        case NothingThere: break;
        case AFolder: ASSERT_EQ(mkdir(path.c_str(), 0755), 0); break;
        case TwoPictures:
            writeBytes(path, bytes);
            writeBytes(at("other.rawtext"), bytes);
            path += "\n" + at("other.rawtext");
            break;
        case Background200:
            bytes[2000] = 200;
            writeBytes(path, bytes);
            break;
    }

    // The state a failed load must leave: the known picture before a drop, a fresh start otherwise.
    PictureSnapshot before;
    int64_t pickerDrawn = 0;
    int64_t screenDrawn = 0;
    if (route == ByDrop) {
        paintKnownPicture();
        before = takeSnapshot();
        pickerDrawn = canvasShowCount(PickerCanvas);
        screenDrawn = canvasShowCount(ScreenCanvas);
        postDropEvent(path);
        runNextEvent();
    } else {
        before = takeSnapshot();
        startFakeProgram({path});
    }

    if (c.loads) {
        EXPECT_TRUE(fake.messages.empty());
        EXPECT_TRUE(sameBytes(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 2000), currentImage()));
        EXPECT_EQ(editor.backgroundColour, bytes[2000]);
        EXPECT_EQ(checkedBackground(), bytes[2000] < 16 ? bytes[2000] : -1);
        EXPECT_EQ(lastDirectory, folderDirectory());
    } else {
        EXPECT_EQ(fake.messages, std::vector<FakeMessage>{unknownSize(path)});
        expectSnapshot(before);
    }
    if (route == ByDrop) {
        // The screen view shows the new picture only at its next redraw, on the next pointer move.
        EXPECT_EQ(canvasShowCount(PickerCanvas), pickerDrawn + (c.loads ? 1 : 0));
        EXPECT_EQ(canvasShowCount(ScreenCanvas), screenDrawn);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadFromDisk,
    ::testing::Combine(::testing::Values(ByDrop, ByCommandLine),
                       ::testing::Values(LoadCase{"Exact2001", Picture2001, true},
                                         LoadCase{"OneShort", Picture2000, false},
                                         LoadCase{"OneLong", Picture2002, false},
                                         LoadCase{"Missing", NothingThere, false},
                                         LoadCase{"Directory", AFolder, false},
                                         LoadCase{"TwoPathsJoined", TwoPictures, false},
                                         LoadCase{"Background200", Background200, true})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param) == ByDrop ? "Drop" : "CommandLine") + std::get<1>(info.param).label;
    });

using LoadScreenFile = FileTest;

TEST_F(LoadScreenFile, KeepsTheCharsetSelectionAndTool) {
    writeBytes(at("pic.rawtext"), patternBytes(2001, 22));
    editor.charset = CharsetLower;
    editor.selectedIndex = 77;
    editor.selectedColour = 3;
    editor.toolMode = ToolLine;
    editor.anchorColumn = 4;
    editor.anchorRow = 5;
    loadScreenFile(at("pic.rawtext"));
    EXPECT_EQ(editor.charset, CharsetLower);
    EXPECT_EQ(editor.selectedIndex, 77);
    EXPECT_EQ(editor.selectedColour, 3);
    EXPECT_EQ(editor.toolMode, ToolLine);
    EXPECT_EQ(editor.anchorColumn, 4);
    EXPECT_EQ(editor.anchorRow, 5);
}

TEST_F(LoadScreenFile, UnopenableFileReportsErrorReadAndChangesNothing) {
    writeBytes(at("pic.rawtext"), patternBytes(2001, 23));
    paintKnownPicture();
    const PictureSnapshot before = takeSnapshot();
    simulateUnreadable(at("pic.rawtext"));
    loadScreenFile(at("pic.rawtext"));
    EXPECT_EQ(fake.messages, std::vector<FakeMessage>{errorRead(at("pic.rawtext"))});
    expectSnapshot(before);
}

TEST_F(LoadScreenFile, FileWithoutReadPermissionReportsErrorRead) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads files without read permission";
    writeBytes(at("pic.rawtext"), patternBytes(2001, 24));
    ASSERT_EQ(chmod(at("pic.rawtext").c_str(), 0), 0);
    paintKnownPicture();
    const PictureSnapshot before = takeSnapshot();
    loadScreenFile(at("pic.rawtext"));
    EXPECT_EQ(fake.messages, std::vector<FakeMessage>{errorRead(at("pic.rawtext"))});
    expectSnapshot(before);
}

// A file cut short after its size was taken: the picture stays whole instead of half replaced.
TEST_F(LoadScreenFile, ShortReadReportsErrorReadAndKeepsThePicture) {
    writeBytes(at("pic.rawtext"), patternBytes(2001, 25));
    paintKnownPicture();
    PictureSnapshot expected = takeSnapshot();
    expected.directory = folderDirectory();  // the file was opened
    const int64_t pickerDrawn = canvasShowCount(PickerCanvas);
    simulateShortReadAfter(1500);
    loadScreenFile(at("pic.rawtext"));
    EXPECT_EQ(fake.messages, std::vector<FakeMessage>{errorRead(at("pic.rawtext"))});
    expectSnapshot(expected);
    EXPECT_EQ(canvasShowCount(PickerCanvas), pickerDrawn);
}

using CommandLineLoad = FileTest;

TEST_F(CommandLineLoad, StartsWithTheCurrentDirectory) {
    ASSERT_EQ(chdir(folder.c_str()), 0);
    startFakeProgram();
    EXPECT_EQ(lastDirectory, folderDirectory());
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(CommandLineLoad, OnlyTheFirstArgumentLoads) {
    const std::vector<uint8_t> first = patternBytes(2001, 26);
    writeBytes(at("first.rawtext"), first);
    writeBytes(at("second.rawtext"), patternBytes(2001, 27));
    startFakeProgram({at("first.rawtext"), at("second.rawtext")});
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(sameBytes(std::vector<uint8_t>(first.begin(), first.end() - 1), currentImage()));

    startFakeProgram({at("missing.rawtext"), at("second.rawtext")});
    EXPECT_EQ(fake.messages, std::vector<FakeMessage>{unknownSize(at("missing.rawtext"))});
    EXPECT_EQ(screen->codePlane[0], BlankCode);
}

TEST_F(CommandLineLoad, BareNameLoadsFromTheCurrentDirectoryAndEmptiesLastDirectory) {
    const std::vector<uint8_t> bytes = patternBytes(2001, 28);
    writeBytes(at("pic.rawtext"), bytes);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    startFakeProgram({"pic.rawtext"});
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(sameBytes(std::vector<uint8_t>(bytes.begin(), bytes.end() - 1), currentImage()));
    EXPECT_EQ(lastDirectory, "");
    // The next dialog starts in its own default folder.
    openCommand();
    ASSERT_EQ(fake.dialogCalls.size(), 1u);
    EXPECT_EQ(fake.dialogCalls[0].startDirectory, "");
}
