#include "dialog_answers.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>

namespace {

using Answer = std::function<void(QWidget*)>;

QTimer* watch = nullptr;
std::deque<Answer> answers;
std::vector<SeenDialog> seen;
// The dialog answered last; still showing at the next look means the answer did not close it.
QPointer<QWidget> answered;
// The dialog waiting to become the active window, and since when.
QPointer<QWidget> waiting;
QElapsedTimer waitingSince;
bool answering = false;
// A dialog that never becomes active is answered all the same after this long.
constexpr qint64 ActivationWaitMs = 2000;

SeenDialog describe(QWidget* dialog) {
    SeenDialog d;
    d.title = dialog->windowTitle();
    if (QMessageBox* box = qobject_cast<QMessageBox*>(dialog)) {
        d.text = box->text();
        d.icon = box->icon();
        d.buttons = box->standardButtons();
        if (box->defaultButton() != nullptr) d.defaultButton = box->standardButton(box->defaultButton());
    } else if (QFileDialog* files = qobject_cast<QFileDialog*>(dialog)) {
        d.text = files->directory().absolutePath();
    }
    return d;
}

void closeModal(QWidget* dialog) {
    if (QDialog* d = qobject_cast<QDialog*>(dialog))
        d->reject();
    else
        dialog->close();
}

void look() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (answering || dialog == nullptr || !dialog->isVisible()) return;
    // Typing needs the focus, as for a user: wait until the dialog is the active window.
    if (dialog != waiting) {
        waiting = dialog;
        waitingSince.start();
    }
    if (QApplication::activeWindow() != dialog && !waitingSince.hasExpired(ActivationWaitMs)) return;
    const SeenDialog d = describe(dialog);
    if (dialog == answered) {
        ADD_FAILURE() << "still open after its answer: " << d.title.toStdString() << ": " << d.text.toStdString();
        closeModal(dialog);
        return;
    }
    seen.push_back(d);
    answered = dialog;
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << d.title.toStdString() << ": " << d.text.toStdString();
        closeModal(dialog);
        return;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    answering = true;
    answer(dialog);
    answering = false;
}

}  // namespace

void DialogTest::SetUp() {
    QtProgramTest::SetUp();
    answers.clear();
    seen.clear();
    answered = nullptr;
    waiting = nullptr;
    watch = new QTimer;
    watch->setInterval(10);
    QObject::connect(watch, &QTimer::timeout, watch, look);
    watch->start();
}

void DialogTest::TearDown() {
    delete watch;
    watch = nullptr;
    EXPECT_EQ(answers.size(), 0u) << "answers left for dialogs that never showed";
    answers.clear();
}

void pressOnNextBox(QMessageBox::StandardButton button) {
    answers.push_back([button](QWidget* dialog) {
        QMessageBox* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr) << "expected a message box, got " << dialog->windowTitle().toStdString();
        QAbstractButton* pressed = box->button(button);
        ASSERT_NE(pressed, nullptr) << "the box has no such button";
        pressed->click();
    });
}

void typeIntoNextFileDialog(const QString& name, int entry) {
    answers.push_back([name, entry](QWidget* widget) {
        QFileDialog* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr) << "expected a file dialog, got " << widget->windowTitle().toStdString();
        dialog->selectNameFilter(dialog->nameFilters().value(entry));
        QLineEdit* fileName = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(fileName, nullptr);
        fileName->setFocus();
        EXPECT_TRUE(fileName->hasFocus()) << "typing goes to the file-name field";
        fileName->clear();
        QTest::keyClicks(fileName, name);
        QDialogButtonBox* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
        ASSERT_NE(buttons, nullptr);
        QPushButton* accept = buttons->button(dialog->acceptMode() == QFileDialog::AcceptOpen ? QDialogButtonBox::Open
                                                                                              : QDialogButtonBox::Save);
        ASSERT_NE(accept, nullptr);
        accept->click();
    });
}

void cancelNextFileDialog() {
    answers.push_back([](QWidget* widget) {
        ASSERT_NE(qobject_cast<QFileDialog*>(widget), nullptr)
            << "expected a file dialog, got " << widget->windowTitle().toStdString();
        static_cast<QDialog*>(widget)->reject();
    });
}

const std::vector<SeenDialog>& seenDialogs() { return seen; }

std::vector<std::string> seenDialogLines() {
    std::vector<std::string> lines;
    for (const SeenDialog& d : seen) lines.push_back((d.title + ": " + d.text).toStdString());
    return lines;
}
