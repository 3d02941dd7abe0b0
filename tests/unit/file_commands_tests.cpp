#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file/file_commands.h"
#include "file/raw_text_file.h"
#include "model/cell_edits.h"
#include "support/file_fixture.h"

using FileCommands = FileTest;

TEST_F(FileCommands, DialogsStartInLastDirectoryWithTheFilter) {
    lastDirectory = folderDirectory();
    postMenuEvent(MenuOpen);
    runNextEvent();
    postMenuEvent(MenuSave);
    runNextEvent();
    ASSERT_EQ(fake.dialogCalls.size(), 2u);
    EXPECT_EQ(fake.dialogCalls[0].title, "Please choose file to load");
    EXPECT_EQ(fake.dialogCalls[1].title, "Please choose file to save");
    for (const FakeDialogCall& call : fake.dialogCalls) {
        EXPECT_EQ(call.startDirectory, folderDirectory());
        EXPECT_EQ(call.filter, "Raw Text (*.rawtext)|*.rawtext|All files (*.*)|*.*");
    }
}

TEST_F(FileCommands, CancellingEitherDialogDoesNothing) {
    paintKnownPicture();
    const PictureSnapshot before = takeSnapshot();
    const int64_t screenDrawn = canvasShowCount(ScreenCanvas);
    const int64_t pickerDrawn = canvasShowCount(PickerCanvas);
    openCommand();
    saveCommand();
    EXPECT_TRUE(fake.messages.empty());
    expectSnapshot(before);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), screenDrawn);
    EXPECT_EQ(canvasShowCount(PickerCanvas), pickerDrawn);
    EXPECT_TRUE(folderEntries(folder).empty());
}

enum OpenedFile { RegularFile, NoSuchFile, UnopenableFile };
enum Message { UnknownSize, ErrorRead };
enum BackgroundAfter { BackgroundKept, BackgroundZero, BackgroundFromFile };

struct OpenCase {
    const char* label;
    OpenedFile file;
    int64_t size;
    std::vector<Message> messages;
    int32_t leadingBytesReplaced;  // of the 2000-byte picture image
    BackgroundAfter background;
    bool checkMarkFollows;
    bool screenRedrawn;            // and lastDirectory set to the file's folder
};

class OpenCommand : public FileTest, public ::testing::WithParamInterface<OpenCase> {};

// Open loads the file as a drop does, then reads it again with no size test.
TEST_P(OpenCommand, LoadsThenReadsAgain) {
    const OpenCase& c = GetParam();
    const std::string path = at("pic.rawtext");
    std::vector<uint8_t> bytes = patternBytes(size_t(std::max<int64_t>(c.size, 0)), 31);
    if (bytes.size() > 2000) bytes[2000] = 11;
    if (c.file != NoSuchFile) writeBytes(path, bytes);
    if (c.file == UnopenableFile) simulateUnreadable(path);
    paintKnownPicture();
    const PictureSnapshot before = takeSnapshot();
    const int64_t screenDrawn = canvasShowCount(ScreenCanvas);
    const int64_t pickerDrawn = canvasShowCount(PickerCanvas);

    fake.openAnswers.push_back(path);
    postMenuEvent(MenuOpen);
    runNextEvent();

    std::vector<FakeMessage> messages;
    for (Message m : c.messages) messages.push_back(m == UnknownSize ? unknownSize(path) : errorRead(path));
    EXPECT_EQ(fake.messages, messages);
    PictureSnapshot expected = before;
    std::copy(bytes.begin(), bytes.begin() + c.leadingBytesReplaced, expected.image.begin());
    if (c.background == BackgroundZero) expected.background = 0;
    if (c.background == BackgroundFromFile) expected.background = 11;
    if (c.checkMarkFollows) expected.checked = 11;
    if (c.screenRedrawn) expected.directory = folderDirectory();
    expectSnapshot(expected);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), screenDrawn + (c.screenRedrawn ? 1 : 0));
    EXPECT_EQ(canvasShowCount(PickerCanvas), pickerDrawn + (c.checkMarkFollows ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Table, OpenCommand,
    ::testing::Values(
        OpenCase{"Exact2001", RegularFile, 2001, {}, 2000, BackgroundFromFile, true, true},
        OpenCase{"Short1000", RegularFile, 1000, {UnknownSize}, 1000, BackgroundZero, false, true},
        OpenCase{"Short2000", RegularFile, 2000, {UnknownSize}, 2000, BackgroundZero, false, true},
        OpenCase{"Long5000", RegularFile, 5000, {UnknownSize}, 2000, BackgroundFromFile, false, true},
        OpenCase{"Missing", NoSuchFile, 0, {UnknownSize, ErrorRead}, 0, BackgroundKept, false, false},
        OpenCase{"Unopenable2001", UnopenableFile, 2001, {ErrorRead, ErrorRead}, 0, BackgroundKept, false, false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FileCommands, OpenOfAFolderReportsBothReadsAndChangesNothing) {
    ASSERT_EQ(mkdir(at("pic.rawtext").c_str(), 0755), 0);
    paintKnownPicture();
    const PictureSnapshot before = takeSnapshot();
    fake.openAnswers.push_back(at("pic.rawtext"));
    openCommand();
    EXPECT_EQ(fake.messages, (std::vector<FakeMessage>{unknownSize(at("pic.rawtext")), errorRead(at("pic.rawtext"))}));
    expectSnapshot(before);
}

struct SaveName {
    const char* label;
    const char* typed;
    int32_t entry;
    const char* saved;
};

class SaveNames : public FileTest, public ::testing::WithParamInterface<SaveName> {};

// With entry 0 the last seven characters, lower-cased, must read "rawtext"; entry 1 takes the name as typed.
TEST_P(SaveNames, AppendsTheExtensionOnlyWhenAsked) {
    paintKnownPicture();
    std::vector<uint8_t> expected = currentImage();
    expected.push_back(9);
    fake.saveAnswers.push_back({at(GetParam().typed), GetParam().entry});
    postMenuEvent(MenuSave);
    runNextEvent();
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{GetParam().saved});
    EXPECT_TRUE(sameBytes(expected, readBytes(at(GetParam().saved))));
    EXPECT_EQ(lastDirectory, folderDirectory());
}

INSTANTIATE_TEST_SUITE_P(Table, SaveNames,
                         ::testing::Values(SaveName{"Plain", "pic", 0, "pic.rawtext"},
                                           SaveName{"Extension", "pic.rawtext", 0, "pic.rawtext"},
                                           SaveName{"UpperCase", "pic.RAWTEXT", 0, "pic.RAWTEXT"},
                                           SaveName{"NoDot", "picrawtext", 0, "picrawtext"},
                                           SaveName{"OtherExtension", "pic.txt", 0, "pic.txt.rawtext"},
                                           SaveName{"AllFiles", "pic", 1, "pic"},
                                           SaveName{"AllFilesTxt", "pic.txt", 1, "pic.txt"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(FileCommands, SaveOfABareShortNameGoesToTheCurrentDirectory) {
    ASSERT_EQ(chdir(folder.c_str()), 0);
    fake.saveAnswers.push_back({"ab", 0});
    saveCommand();
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"ab.rawtext"});
    EXPECT_EQ(readBytes(at("ab.rawtext")).size(), 2001u);
    EXPECT_EQ(lastDirectory, "");
}

enum SaveTarget { NewFile, EmptyFile, EarlierPicture, ReadOnlyFile, ReadOnlyFolder, FolderNamedLikeFile, FullDisk };

struct SaveCase {
    const char* label;
    SaveTarget target;
    bool answerYes;
    bool asked;
    bool errorWrite;
    bool replaced;  // the target holds the new 2001 bytes afterwards
};

class SaveOver : public FileTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveOver, AsksReportsAndKeepsTheEarlierFileUnlessReplaced) {
    const SaveCase& c = GetParam();
    std::string path = at("pic.rawtext");
    std::vector<uint8_t> earlier;
    switch (c.target) {
        case NewFile: break;
        case EmptyFile: writeBytes(path, earlier); break;
        case EarlierPicture:
        case FullDisk:
            earlier = patternBytes(2001, 41);
            writeBytes(path, earlier);
            break;
        case ReadOnlyFile:
            earlier = patternBytes(2001, 42);
            writeBytes(path, earlier);
            ASSERT_EQ(chmod(path.c_str(), 0444), 0);
            break;
        case ReadOnlyFolder:
            ASSERT_EQ(mkdir(at("locked").c_str(), 0755), 0);
            ASSERT_EQ(chmod(at("locked").c_str(), 0555), 0);
            path = at("locked/pic.rawtext");
            break;
        case FolderNamedLikeFile: ASSERT_EQ(mkdir(path.c_str(), 0755), 0); break;
    }
    if (c.target == FullDisk) simulateFullDiskAfter(500);
    paintKnownPicture();
    std::vector<uint8_t> picture = currentImage();
    picture.push_back(9);
    const std::vector<std::string> entries = folderEntries(folder);

    fake.yesNoAnswers.push_back(c.answerYes);
    fake.saveAnswers.push_back({path, 0});
    saveCommand();

    std::vector<FakeMessage> messages;
    if (c.asked) messages.push_back(overwriteQuestion());
    if (c.errorWrite) messages.push_back(errorWrite(path));
    EXPECT_EQ(fake.messages, messages);
    // lastDirectory moves once the file is created, even if writing it fails afterwards.
    const bool created = c.replaced || c.target == FullDisk;
    EXPECT_EQ(lastDirectory, created ? folderDirectory() : "/before/");
    if (c.replaced) {
        EXPECT_TRUE(sameBytes(picture, readBytes(path)));
    } else if (c.target == FolderNamedLikeFile) {
        struct stat status;
        ASSERT_EQ(stat(path.c_str(), &status), 0);
        EXPECT_TRUE(S_ISDIR(status.st_mode));
    } else if (c.target == ReadOnlyFolder || c.target == NewFile) {
        EXPECT_FALSE(pathExists(path));
    } else {
        EXPECT_TRUE(sameBytes(earlier, readBytes(path)));
    }
    if (c.target == NewFile) {
        EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"pic.rawtext"});
    } else {
        EXPECT_EQ(folderEntries(folder), entries) << "no temporary file is left";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveOver,
    ::testing::Values(SaveCase{"NewFile", NewFile, true, false, false, true},
                      SaveCase{"EmptyFileNo", EmptyFile, false, true, false, false},
                      SaveCase{"EmptyFileYes", EmptyFile, true, true, false, true},
                      SaveCase{"EarlierPictureNo", EarlierPicture, false, true, false, false},
                      SaveCase{"EarlierPictureYes", EarlierPicture, true, true, false, true},
                      SaveCase{"ReadOnlyFile", ReadOnlyFile, true, true, true, false},
                      SaveCase{"ReadOnlyFolder", ReadOnlyFolder, true, false, true, false},
                      SaveCase{"FolderNamedLikeFile", FolderNamedLikeFile, true, false, true, false},
                      SaveCase{"FullDisk", FullDisk, true, true, true, false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FileCommands, ReplacedFileKeepsItsPermissions) {
    writeBytes(at("pic.rawtext"), patternBytes(2001, 43));
    ASSERT_EQ(chmod(at("pic.rawtext").c_str(), 0640), 0);
    fake.saveAnswers.push_back({at("pic.rawtext"), 0});
    saveCommand();
    EXPECT_EQ(fake.messages, std::vector<FakeMessage>{overwriteQuestion()});
    EXPECT_EQ(permissionsOf(at("pic.rawtext")), 0640u);
}

// Bytes the editor never writes itself (colour 30, background 200) survive a save and a load.
TEST_F(FileCommands, SaveThenLoadRestoresEveryByte) {
    const std::vector<uint8_t> image = patternBytes(2000, 44);
    std::memcpy(pictureImage(), image.data(), image.size());
    screen->colourPlane[7] = 30;
    editor.backgroundColour = 200;
    const std::vector<uint8_t> saved = currentImage();
    fake.saveAnswers.push_back({at("pic"), 0});
    saveCommand();
    const std::vector<uint8_t> file = readBytes(at("pic.rawtext"));
    ASSERT_EQ(file.size(), 2001u);
    EXPECT_EQ(file[1007], 30);
    EXPECT_EQ(file[2000], 200);

    clearScreen();
    editor.backgroundColour = 3;
    updateBackgroundMenu();
    lastDirectory = "/before/";
    postDropEvent(at("pic.rawtext"));
    runNextEvent();
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(sameBytes(saved, currentImage()));
    EXPECT_EQ(screen->colourPlane[7], 30);
    EXPECT_EQ(editor.backgroundColour, 200);
    EXPECT_EQ(checkedBackground(), -1);
    EXPECT_EQ(lastDirectory, folderDirectory());

    fake.saveAnswers.push_back({at("again.rawtext"), 0});
    saveCommand();
    EXPECT_TRUE(sameBytes(file, readBytes(at("again.rawtext"))));
}

TEST_F(FileCommands, SaveDialogStartsWhereTheLastFileWasLoaded) {
    writeBytes(at("pic.rawtext"), patternBytes(2001, 45));
    fake.openAnswers.push_back(at("pic.rawtext"));
    openCommand();
    saveCommand();
    ASSERT_EQ(fake.dialogCalls.size(), 2u);
    EXPECT_EQ(fake.dialogCalls[1].startDirectory, folderDirectory());
}
