// Real files for the file tests: a fresh folder per test, files of known bytes, and a snapshot of
// everything a load or save may change.
#pragma once
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/event_loop.h"
#include "app/menu_bar.h"
#include "file/raw_text_file.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/events.h"
#include "platform/file_access.h"
#include "platform/window.h"
#include "support/program_fixture.h"

// Bytes over the whole range 0..255, the same for the same seed.
inline std::vector<uint8_t> patternBytes(size_t count, uint32_t seed) {
    std::vector<uint8_t> bytes(count);
    uint32_t state = seed * 2654435761u + 12345u;
    for (uint8_t& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = uint8_t(state >> 24);
    }
    return bytes;
}

inline void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

// The file's bytes; empty when it cannot be read.
inline std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool pathExists(const std::string& path) {
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

inline mode_t permissionsOf(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 ? (status.st_mode & 07777) : 0;
}

// Names in a folder, sorted, so that a stray temporary file shows up in a comparison.
inline std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Where two byte strings first differ, so a failure names an offset instead of printing 2000 bytes.
inline ::testing::AssertionResult sameBytes(const std::vector<uint8_t>& expected, const std::vector<uint8_t>& actual) {
    if (expected.size() != actual.size())
        return ::testing::AssertionFailure() << "sizes differ: expected " << expected.size() << ", got " << actual.size();
    for (size_t i = 0; i < expected.size(); ++i)
        if (expected[i] != actual[i])
            return ::testing::AssertionFailure() << "first difference at offset " << i << ": expected "
                                                 << int(expected[i]) << ", got " << int(actual[i]);
    return ::testing::AssertionSuccess();
}

inline std::vector<uint8_t> currentImage() {
    return std::vector<uint8_t>(pictureImage(), pictureImage() + PictureImageBytes);
}

// The background whose menu item bears the check mark: -1 for none, -2 for more than one.
inline int32_t checkedBackground() {
    int32_t checked = -1;
    for (int32_t n = 0; n < 16; ++n)
        if (menuChecked(MenuBackgroundBase + n)) checked = checked == -1 ? n : -2;
    return checked;
}

struct PictureSnapshot {
    std::vector<uint8_t> image;
    int32_t background;
    int32_t checked;
    std::string directory;
};

inline PictureSnapshot takeSnapshot() {
    return {currentImage(), editor.backgroundColour, checkedBackground(), lastDirectory};
}

inline void expectSnapshot(const PictureSnapshot& expected) {
    EXPECT_TRUE(sameBytes(expected.image, currentImage())) << "picture image";
    EXPECT_EQ(editor.backgroundColour, expected.background);
    EXPECT_EQ(checkedBackground(), expected.checked);
    EXPECT_EQ(lastDirectory, expected.directory);
}

inline FakeMessage unknownSize(const std::string& path) { return {"Readfile", "Unkn filesize " + path}; }
inline FakeMessage errorRead(const std::string& path) { return {"Readfile", "Error read " + path}; }
inline FakeMessage errorWrite(const std::string& path) { return {"Writefile", "Error write " + path}; }
inline FakeMessage overwriteQuestion() { return {"File exists", "Overwrite?"}; }

inline bool operator==(const FakeMessage& a, const FakeMessage& b) { return a.caption == b.caption && a.text == b.text; }
inline std::ostream& operator<<(std::ostream& out, const FakeMessage& message) {
    return out << "[" << message.caption << ": " << message.text << "]";
}

// The running program on the fake platform plus a fresh, empty folder that is removed afterwards.
class FileTest : public ProgramTest {
protected:
    std::string folder;  // absolute, without a separator at the end
    std::string startDirectory;

    void SetUp() override {
        ProgramTest::SetUp();
        resetFileAids();
        char cwd[PATH_MAX];
        startDirectory = getcwd(cwd, sizeof cwd) ? cwd : "/";
        std::string pattern = (std::filesystem::temp_directory_path() / "tegrel-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        char* resolved = realpath(pattern.c_str(), nullptr);
        folder = resolved;
        std::free(resolved);
    }

    void TearDown() override {
        resetFileAids();
        if (chdir(startDirectory.c_str()) != 0) ADD_FAILURE() << "cannot return to " << startDirectory;
        // Folders made read-only by a test must be writable again before they can be emptied.
        std::error_code error;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     error);
        for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
             it != std::filesystem::recursive_directory_iterator(); it.increment(error))
            if (it->is_directory(error) && !it->is_symlink(error))
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(folder, error);
    }

    static void resetFileAids() {
        simulateFullDiskAfter(-1);
        simulateShortReadAfter(-1);
        simulateUnreadable("");
    }

    std::string at(const std::string& name) const { return folder + "/" + name; }
    std::string folderDirectory() const { return folder + "/"; }

    // A picture, background and check mark that no file of the tests holds, so "unchanged" means something.
    void paintKnownPicture() {
        const std::vector<uint8_t> bytes = patternBytes(PictureImageBytes, 4242);
        std::memcpy(pictureImage(), bytes.data(), bytes.size());
        editor.backgroundColour = 9;
        updateBackgroundMenu();
        lastDirectory = "/before/";
    }

    static void runNextEvent() {
        takeNextEvent();
        routeEvent();
    }
};
