// Odd and hostile files offered by every way a picture can come in: each ends with the expected
// message, or none, and the picture exactly as expected.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file/file_commands.h"
#include "file/raw_text_file.h"
#include "support/file_fixture.h"

enum Route { Direct, Drop, CommandLine, OpenMenu };
enum Offered { Regular, Folder, Missing, NoReadPermission, LinkToPicture, DanglingLink };
enum SecondRead { NotOpened, BackgroundZero, BackgroundFromFile };

struct HostileCase {
    const char* label;
    Offered offered;
    const char* name;          // inside the test folder; given relative to it when it starts with '-'
    int64_t size;              // bytes of the file, or of the file a link points to
    const char* loadMessages;  // U: "Unkn filesize ", R: "Error read ", in order
    const char* openMessages;
    int32_t openLeadingBytes;  // picture bytes the second read of Open replaces
    SecondRead openSecondRead;
};

const HostileCase HostileCases[] = {
    {"Empty", Regular, "pic.rawtext", 0, "U", "U", 0, BackgroundZero},
    {"OneByte", Regular, "pic.rawtext", 1, "U", "U", 1, BackgroundZero},
    {"Size1000", Regular, "pic.rawtext", 1000, "U", "U", 1000, BackgroundZero},
    {"Size1999", Regular, "pic.rawtext", 1999, "U", "U", 1999, BackgroundZero},
    {"Size2000", Regular, "pic.rawtext", 2000, "U", "U", 2000, BackgroundZero},
    {"Size2001", Regular, "pic.rawtext", 2001, "", "", 2000, BackgroundFromFile},
    {"Size2002", Regular, "pic.rawtext", 2002, "U", "U", 2000, BackgroundFromFile},
    {"Size4096", Regular, "pic.rawtext", 4096, "U", "U", 2000, BackgroundFromFile},
    {"OneMiB", Regular, "pic.rawtext", 1 << 20, "U", "U", 2000, BackgroundFromFile},
    {"Folder", Folder, "pic.rawtext", 0, "U", "UR", 0, NotOpened},
    {"Missing", Missing, "pic.rawtext", 0, "U", "UR", 0, NotOpened},
    {"Spaces", Regular, "my old pic .rawtext", 2001, "", "", 2000, BackgroundFromFile},
    {"NonAscii", Regular, "Bild \xC3\xA4\xC3\xB6\xC3\xBC \xCE\xBB.rawtext", 2001, "", "", 2000, BackgroundFromFile},
    {"LineFeed", Regular, "two\nlines.rawtext", 2001, "", "", 2000, BackgroundFromFile},
    {"LeadingDash", Regular, "-pic.rawtext", 2001, "", "", 2000, BackgroundFromFile},
    {"NoReadPermission", NoReadPermission, "pic.rawtext", 2001, "R", "RR", 0, NotOpened},
    {"LinkToPicture", LinkToPicture, "link.rawtext", 2001, "", "", 2000, BackgroundFromFile},
    {"DanglingLink", DanglingLink, "link.rawtext", 0, "U", "UR", 0, NotOpened},
};

class HostileFiles : public FileTest, public ::testing::WithParamInterface<std::tuple<Route, HostileCase>> {
protected:
    // Puts the offered thing on disk and returns the path as the program is given it.
    std::string offer(const HostileCase& c, const std::vector<uint8_t>& bytes) {
        const std::string full = at(c.name);
        switch (c.offered) {
            case Regular: writeBytes(full, bytes); break;
            case Folder: EXPECT_EQ(mkdir(full.c_str(), 0755), 0); break;
            case Missing: break;
            case NoReadPermission:
                writeBytes(full, bytes);
                EXPECT_EQ(chmod(full.c_str(), 0), 0);
                // Root reads it all the same, so the open is also made to fail the way it would.
                if (geteuid() == 0) simulateUnreadable(full);
                break;
            case LinkToPicture:
                writeBytes(at("target.rawtext"), bytes);
                EXPECT_EQ(symlink("target.rawtext", full.c_str()), 0);
                break;
            case DanglingLink: EXPECT_EQ(symlink("gone.rawtext", full.c_str()), 0); break;
        }
        return c.name[0] == '-' ? std::string(c.name) : full;
    }
};

static std::vector<FakeMessage> expectedMessages(const char* codes, const std::string& path) {
    std::vector<FakeMessage> messages;
    for (const char* code = codes; *code; ++code) messages.push_back(*code == 'U' ? unknownSize(path) : errorRead(path));
    return messages;
}

TEST_P(HostileFiles, EndWithTheExpectedMessageAndPicture) {
    const auto [route, c] = GetParam();
    ASSERT_EQ(chdir(folder.c_str()), 0);
    std::vector<uint8_t> bytes = patternBytes(size_t(c.size), 51);
    const std::string path = offer(c, bytes);
    bytes.resize(2001, 0);  // what a short file leaves for the bytes it lacks

    if (route == CommandLine) startFakeProgram();  // the fresh start a failed load must leave
    else paintKnownPicture();
    const PictureSnapshot before = takeSnapshot();

    switch (route) {
        case Direct: loadScreenFile(path); break;
        case Drop:
            postDropEvent(path);
            runNextEvent();
            break;
        case CommandLine: startFakeProgram({path}); break;
        case OpenMenu:
            fake.openAnswers.push_back(path);
            postMenuEvent(MenuOpen);
            runNextEvent();
            break;
    }

    const bool open = route == OpenMenu;
    EXPECT_EQ(fake.messages, expectedMessages(open ? c.openMessages : c.loadMessages, path));
    PictureSnapshot expected = before;
    const bool loadedWhole = *c.loadMessages == '\0';
    if (loadedWhole) {
        expected.checked = bytes[2000] < 16 ? bytes[2000] : -1;
        expected.directory = directoryPart(path);
    }
    if (!open && loadedWhole) {
        std::copy(bytes.begin(), bytes.begin() + 2000, expected.image.begin());
        expected.background = bytes[2000];
    }
    if (open && c.openSecondRead != NotOpened) {
        std::copy(bytes.begin(), bytes.begin() + c.openLeadingBytes, expected.image.begin());
        expected.background = c.openSecondRead == BackgroundFromFile ? bytes[2000] : 0;
        expected.directory = directoryPart(path);
    }
    expectSnapshot(expected);
}

static std::string hostileCaseName(const ::testing::TestParamInfo<std::tuple<Route, HostileCase>>& info) {
    static const char* const routes[] = {"Direct", "Drop", "CommandLine", "Open"};
    return std::string(routes[std::get<0>(info.param)]) + std::get<1>(info.param).label;
}

INSTANTIATE_TEST_SUITE_P(Table, HostileFiles,
                         ::testing::Combine(::testing::Values(Direct, Drop, CommandLine, OpenMenu),
                                            ::testing::ValuesIn(HostileCases)),
                         hostileCaseName);

// The file format tests only the size: colour and background bytes above 15 stay as read.
TEST_F(FileTest, RandomPictureBytesAreTakenAsTheyAre) {
    std::vector<uint8_t> bytes = patternBytes(2001, 52);
    bytes[1500] = 0xF7;
    bytes[2000] = 0x9C;
    writeBytes(at("random.rawtext"), bytes);
    loadScreenFile(at("random.rawtext"));
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(sameBytes(std::vector<uint8_t>(bytes.begin(), bytes.end() - 1), currentImage()));
    EXPECT_EQ(screen->colourPlane[500], 0xF7);
    EXPECT_EQ(editor.backgroundColour, 0x9C);
    EXPECT_EQ(checkedBackground(), -1);
}
