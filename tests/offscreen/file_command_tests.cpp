// Open and Save on the real window: real files in a temporary folder, the real file dialogs and
// message boxes answered from a timer, the commands raised by the menu items and the shortcuts.
#include <QAction>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "app/menu_bar.h"
#include "dialog_answers.h"
#include "file/raw_text_file.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/window.h"

namespace {

// How a command is raised: its menu item, or its Control shortcut on the window.
enum class Way { MenuItem, Shortcut };

void PrintTo(Way way, std::ostream* os) { *os << (way == Way::MenuItem ? "menu item" : "shortcut"); }

void choose(int32_t id, Way way) {
    if (way == Way::Shortcut) {
        QTest::keyClick(mainWindow, id == MenuOpen ? Qt::Key_O : Qt::Key_S, Qt::ControlModifier);
        routeQueuedEvents();
    } else {
        chooseMenuItem(id);
    }
}

QByteArray pictureBytes() {
    QByteArray bytes(reinterpret_cast<const char*>(pictureImage()), PictureImageBytes);
    bytes.append(char(editor.backgroundColour & 0xFF));
    return bytes;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// `size` bytes: codes 0, 7, 14 ... , then colours 0..15 repeating, then `background`.
QByteArray sample(int size, uint8_t background) {
    QByteArray bytes(size, 0);
    for (int i = 0; i < size && i < CellCount; ++i) bytes[i] = char(i * 7);
    for (int i = CellCount; i < size && i < PictureImageBytes; ++i) bytes[i] = char(i % 16);
    if (size > PictureImageBytes) bytes[PictureImageBytes] = char(background);
    return bytes;
}

// "" when equal; otherwise where they part, readable in a failure.
std::string difference(const QByteArray& got, const QByteArray& expected) {
    if (got == expected) return "";
    qsizetype at = 0;
    while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
    return "sizes " + std::to_string(got.size()) + " and " + std::to_string(expected.size()) + ", first difference at " +
           std::to_string(at);
}

int checkedBackground() {
    for (int n = 0; n < 16; ++n)
        if (menuChecked(MenuBackgroundBase + n)) return n;
    return -1;
}

class QtFileCommand : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        screenShown = canvasShowCount(ScreenCanvas);
        pickerShown = canvasShowCount(PickerCanvas);
    }
    QString path(const char* name) const { return folder.filePath(name); }
    int64_t screenRedraws() const { return canvasShowCount(ScreenCanvas) - screenShown; }
    int64_t pickerRedraws() const { return canvasShowCount(PickerCanvas) - pickerShown; }

    QTemporaryDir folder;
    int64_t screenShown = 0;
    int64_t pickerShown = 0;
};

class QtFileCommandOpen : public QtFileCommand, public ::testing::WithParamInterface<Way> {};

TEST_P(QtFileCommandOpen, LoadsAWholePictureAndRedrawsBothViewsWithoutAMessage) {
    const QByteArray file = sample(RawTextFileSize, 3);
    writeFile(path("whole.rawtext"), file);
    typeIntoNextFileDialog(path("whole.rawtext"));
    choose(MenuOpen, GetParam());

    EXPECT_EQ(seenDialogLines(), (std::vector<std::string>{"Please choose file to load: " + QDir::currentPath().toStdString()}))
        << "the dialog starts in the current folder, and no message follows it";
    EXPECT_EQ(difference(pictureBytes(), file), "");
    EXPECT_EQ(editor.backgroundColour, 3);
    EXPECT_EQ(checkedBackground(), 3);
    EXPECT_EQ(screenRedraws(), 1);
    EXPECT_EQ(pickerRedraws(), 1);
    EXPECT_EQ(lastDirectory, folder.path().toStdString() + "/");
    EXPECT_EQ(windowTitle(), "Tegrel 0.9");
}

INSTANTIATE_TEST_SUITE_P(Raised, QtFileCommandOpen, ::testing::Values(Way::MenuItem, Way::Shortcut),
                         [](const auto& info) { return info.param == Way::MenuItem ? "ByMenuItem" : "ByControlO"; });

TEST_F(QtFileCommand, OpenOfAThousandBytesWarnsThenReplacesOnlyTheCodes) {
    const QByteArray file = sample(1000, 0);
    writeFile(path("codes.rawtext"), file);
    const QByteArray before = pictureBytes();
    typeIntoNextFileDialog(path("codes.rawtext"));
    pressOnNextBox(QMessageBox::Ok);
    choose(MenuOpen, Way::MenuItem);

    ASSERT_EQ(seenDialogs().size(), 2u);
    EXPECT_EQ(seenDialogs()[1].title, "Readfile");
    EXPECT_EQ(seenDialogs()[1].text, "Unkn filesize " + path("codes.rawtext"));
    EXPECT_EQ(seenDialogs()[1].icon, QMessageBox::NoIcon);
    EXPECT_EQ(seenDialogs()[1].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(difference(pictureBytes().left(CellCount), file), "");
    EXPECT_EQ(difference(pictureBytes().mid(CellCount, CellCount), before.mid(CellCount, CellCount)), "")
        << "colours unchanged";
    EXPECT_EQ(editor.backgroundColour, 0);
    EXPECT_EQ(checkedBackground(), 6) << "the check mark stays where it was";
    EXPECT_EQ(screenRedraws(), 1);
    EXPECT_EQ(pickerRedraws(), 0);
    EXPECT_EQ(lastDirectory, folder.path().toStdString() + "/");
}

TEST_F(QtFileCommand, OpenOfAMissingNameShowsBothMessagesAndChangesNothing) {
    const std::string startDirectory = lastDirectory;
    const QByteArray before = pictureBytes();
    typeIntoNextFileDialog(path("missing.rawtext"));
    pressOnNextBox(QMessageBox::Ok);
    pressOnNextBox(QMessageBox::Ok);
    choose(MenuOpen, Way::MenuItem);

    const std::string missing = path("missing.rawtext").toStdString();
    EXPECT_EQ(seenDialogLines(), (std::vector<std::string>{"Please choose file to load: " + QDir::currentPath().toStdString(),
                                                           "Readfile: Unkn filesize " + missing,
                                                           "Readfile: Error read " + missing}));
    EXPECT_EQ(difference(pictureBytes(), before), "");
    EXPECT_EQ(checkedBackground(), 6);
    EXPECT_EQ(lastDirectory, startDirectory);
    EXPECT_EQ(screenRedraws(), 0);
    EXPECT_EQ(pickerRedraws(), 0);
}

class QtFileCommandSave : public QtFileCommand, public ::testing::WithParamInterface<Way> {};

TEST_P(QtFileCommandSave, TypedNameGetsTheExtensionAndHoldsThePicture) {
    screen->codePlane[41] = 81;
    screen->colourPlane[41] = 2;
    editor.backgroundColour = 11;
    lastDirectory = folder.path().toStdString() + "/";
    typeIntoNextFileDialog("pic");
    choose(MenuSave, GetParam());

    EXPECT_EQ(seenDialogLines(), (std::vector<std::string>{"Please choose file to save: " + folder.path().toStdString()}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"pic.rawtext"});
    const QByteArray saved = contentsOf(path("pic.rawtext"));
    EXPECT_EQ(saved.size(), RawTextFileSize);
    EXPECT_EQ(difference(saved, pictureBytes()), "");
    EXPECT_EQ(screenRedraws(), 0);
    EXPECT_EQ(pickerRedraws(), 0);
}

INSTANTIATE_TEST_SUITE_P(Raised, QtFileCommandSave, ::testing::Values(Way::MenuItem, Way::Shortcut),
                         [](const auto& info) { return info.param == Way::MenuItem ? "ByMenuItem" : "ByControlS"; });

class QtFileCommandOverwrite : public QtFileCommand, public ::testing::WithParamInterface<QMessageBox::StandardButton> {};

TEST_P(QtFileCommandOverwrite, AsksFirstAndOnlyYesReplacesTheFile) {
    lastDirectory = folder.path().toStdString() + "/";
    typeIntoNextFileDialog("pic");
    choose(MenuSave, Way::MenuItem);
    const QByteArray first = contentsOf(path("pic.rawtext"));
    ASSERT_EQ(first.size(), RawTextFileSize);

    screen->codePlane[0] = 1;
    editor.backgroundColour = 2;
    ASSERT_NE(difference(pictureBytes(), first), "");
    typeIntoNextFileDialog("pic");
    pressOnNextBox(GetParam());
    choose(MenuSave, Way::MenuItem);

    ASSERT_EQ(seenDialogs().size(), 3u);
    const SeenDialog& question = seenDialogs()[2];
    EXPECT_EQ(question.title, "File exists");
    EXPECT_EQ(question.text, "Overwrite?");
    EXPECT_EQ(question.icon, QMessageBox::NoIcon);
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.defaultButton, QMessageBox::Yes);
    EXPECT_EQ(difference(contentsOf(path("pic.rawtext")), GetParam() == QMessageBox::Yes ? pictureBytes() : first), "");
}

INSTANTIATE_TEST_SUITE_P(Answers, QtFileCommandOverwrite, ::testing::Values(QMessageBox::No, QMessageBox::Yes),
                         [](const auto& info) { return info.param == QMessageBox::Yes ? "Yes" : "No"; });

class QtFileCommandCancel : public QtFileCommand, public ::testing::WithParamInterface<int32_t> {};

TEST_P(QtFileCommandCancel, DoesNothingAndShowsNoMessage) {
    lastDirectory = folder.path().toStdString() + "/";
    const QByteArray before = pictureBytes();
    cancelNextFileDialog();
    choose(GetParam(), Way::MenuItem);

    EXPECT_EQ(seenDialogs().size(), 1u) << "the file dialog only";
    EXPECT_EQ(difference(pictureBytes(), before), "");
    EXPECT_EQ(checkedBackground(), 6);
    EXPECT_EQ(lastDirectory, folder.path().toStdString() + "/");
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(screenRedraws(), 0);
    EXPECT_EQ(pickerRedraws(), 0);
}

INSTANTIATE_TEST_SUITE_P(EitherDialog, QtFileCommandCancel, ::testing::Values(MenuOpen, MenuSave),
                         [](const auto& info) { return info.param == MenuOpen ? "Open" : "Save"; });

}  // namespace
