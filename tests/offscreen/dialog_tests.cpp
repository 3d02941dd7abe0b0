// Real message boxes and file dialogs, answered from a timer inside their own loops.
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "offscreen_fixture.h"
#include "platform/dialogs.h"

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    bool modal = false;
    QWidget* parent = nullptr;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Records the box and presses `button` on it.
void pressOnNextBox(SeenBox* seen, QMessageBox::StandardButton button) {
    answerNextDialog([seen, button](QWidget* dialog) {
        QMessageBox* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->modal = box->isModal();
        seen->parent = box->parentWidget();
        seen->defaultButton = box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
        box->button(button)->click();
    });
}

TEST_F(QtProgramTest, MessageBoxShowsCaptionAndTextWithoutIconAndReturnsOnOk) {
    SeenBox seen;
    pressOnNextBox(&seen, QMessageBox::Ok);
    showMessage("Readfile", "Unkn filesize /tmp/x");
    EXPECT_EQ(seen.title, "Readfile");
    EXPECT_EQ(seen.text, "Unkn filesize /tmp/x");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.parent, mainWindow);
}

struct QuestionCase {
    const char* name;
    QMessageBox::StandardButton pressed;
    bool answer;
};

const QuestionCase QuestionCases[] = {{"Yes", QMessageBox::Yes, true}, {"No", QMessageBox::No, false}};

void PrintTo(const QuestionCase& c, std::ostream* os) { *os << c.name; }

class Question : public QtProgramTest, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(Question, ReturnsTheButtonPressedWithYesTheDefault) {
    SeenBox seen;
    pressOnNextBox(&seen, GetParam().pressed);
    EXPECT_EQ(askYesNo("File exists", "Overwrite?"), GetParam().answer);
    EXPECT_EQ(seen.title, "File exists");
    EXPECT_EQ(seen.text, "Overwrite?");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
}

INSTANTIATE_TEST_SUITE_P(Buttons, Question, ::testing::ValuesIn(QuestionCases),
                         [](const auto& info) { return std::string(info.param.name); });

const char* const Filter = "Raw Text (*.rawtext)|*.rawtext|All files (*.*)|*.*";

struct SeenFileDialog {
    QString title;
    QString directory;
    QStringList filters;
    QString selectedFilter;
    QString acceptLabel;
};

// Types `name` into the next file dialog, chooses filter `entry` and presses its accept button.
void typeIntoNextFileDialog(SeenFileDialog* seen, const QString& name, int entry) {
    answerNextDialog([seen, name, entry](QWidget* widget) {
        QFileDialog* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        seen->title = dialog->windowTitle();
        seen->directory = dialog->directory().absolutePath();
        seen->filters = dialog->nameFilters();
        seen->selectedFilter = dialog->selectedNameFilter();
        dialog->selectNameFilter(dialog->nameFilters().value(entry));
        QLineEdit* fileName = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(fileName, nullptr);
        fileName->clear();
        QTest::keyClicks(fileName, name);
        QDialogButtonBox* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
        ASSERT_NE(buttons, nullptr);
        QPushButton* accept = buttons->button(dialog->acceptMode() == QFileDialog::AcceptOpen ? QDialogButtonBox::Open
                                                                                              : QDialogButtonBox::Save);
        ASSERT_NE(accept, nullptr);
        seen->acceptLabel = accept->text();
        // A question about the typed name would keep the dialog open: answer it and fail.
        QTimer::singleShot(50, [] {
            if (QMessageBox* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "the dialog asked: " << question->text().toStdString();
                question->reject();
                if (QDialog* asker = qobject_cast<QDialog*>(question->parentWidget())) asker->reject();
            }
        });
        accept->click();
    });
}

void cancelNextFileDialog() {
    answerNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
}

TEST_F(QtProgramTest, OpenDialogReturnsATypedNameOfAFileThatDoesNotExist) {
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    SeenFileDialog seen;
    typeIntoNextFileDialog(&seen, "missing.rawtext", 0);
    const std::string path = openFileDialog("Open", folder.path().toStdString() + "/", Filter);
    EXPECT_EQ(path, (folder.path() + "/missing.rawtext").toStdString());
    EXPECT_EQ(seen.title, "Open");
    EXPECT_EQ(seen.directory, folder.path());
    EXPECT_EQ(seen.filters, (QStringList{"Raw Text (*.rawtext)", "All files (*)"}));
    EXPECT_EQ(seen.selectedFilter, "Raw Text (*.rawtext)");
    EXPECT_EQ(seen.acceptLabel, "Open");
    EXPECT_EQ(QDir::currentPath(), before);
}

struct SaveCase {
    const char* name;
    const char* typed;
    bool existing;
    int entry;
};

const SaveCase SaveCases[] = {
    {"NewNameKeepsItsSpelling", "picture", false, 0},
    {"ExistingFileIsNotQuestioned", "old.rawtext", true, 0},
    {"SecondFilterEntryIsReported", "other.txt", false, 1},
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

class SaveDialog : public QtProgramTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveDialog, ReturnsTheTypedPathAndTheFilterEntry) {
    const SaveCase& c = GetParam();
    QTemporaryDir folder;
    if (c.existing) {
        QFile file(folder.filePath(c.typed));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString before = QDir::currentPath();
    SeenFileDialog seen;
    typeIntoNextFileDialog(&seen, c.typed, c.entry);
    int32_t entry = -1;
    const std::string path = saveFileDialog("Save", folder.path().toStdString() + "/", Filter, &entry);
    EXPECT_EQ(path, folder.filePath(c.typed).toStdString()) << "no extension added";
    EXPECT_EQ(entry, c.entry);
    EXPECT_EQ(seen.selectedFilter, "Raw Text (*.rawtext)") << "entry 0 is chosen when the dialog opens";
    EXPECT_EQ(QDir::currentPath(), before);
}

INSTANTIATE_TEST_SUITE_P(TypedNames, SaveDialog, ::testing::ValuesIn(SaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtProgramTest, CancelledDialogsReturnNothing) {
    cancelNextFileDialog();
    EXPECT_EQ(openFileDialog("Open", "", Filter), "");
    cancelNextFileDialog();
    int32_t entry = -1;
    EXPECT_EQ(saveFileDialog("Save", "", Filter, &entry), "");
    EXPECT_EQ(entry, 0);
}

TEST_F(QtProgramTest, EventsRaisedDuringADialogWaitForTheLoop) {
    answerNextDialog([](QWidget* dialog) {
        postMenuEvent(4);
        static_cast<QMessageBox*>(dialog)->button(QMessageBox::Ok)->click();
    });
    showMessage("Fill", "Cannot fill space!");
    waitEvent();
    EXPECT_EQ(currentEvent().kind, MenuEvent);
    EXPECT_EQ(currentEvent().menuId, 4);
}

}  // namespace
