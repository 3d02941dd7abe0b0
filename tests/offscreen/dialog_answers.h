// Modal dialogs answered in the order a test expects them, from a timer inside their own loops.
// A dialog nobody expected, or one its answer left open, is closed and fails the test, and an
// answer no dialog came for fails it too: a test never waits on a dialog for ever.
#pragma once
#include <QMessageBox>
#include <QString>
#include <functional>
#include <vector>

#include "offscreen_fixture.h"

struct SeenDialog {
    QString title;
    QString text;  // a message box's text; for a file dialog, the folder it started in
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Watches for modal dialogs from SetUp to TearDown.
class DialogTest : public QtProgramTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Each queues the answer to the next dialog that shows.
void pressOnNextBox(QMessageBox::StandardButton button);
// Chooses filter `entry`, types `name` into the file-name field and presses Open or Save.
void typeIntoNextFileDialog(const QString& name, int entry = 0);
void cancelNextFileDialog();

// Every dialog answered or closed since SetUp, in order.
const std::vector<SeenDialog>& seenDialogs();
// The same as "title: text" lines, easy to compare as a whole.
std::vector<std::string> seenDialogLines();
