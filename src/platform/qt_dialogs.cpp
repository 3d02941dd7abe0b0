#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "platform/dialogs.h"
#include "platform/qt_main_window.h"
#include "platform/qt_widgets.h"

void showMessage(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, mainWindow);
    box.exec();
}

bool askYesNo(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, mainWindow);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

// "desc|pattern|desc|pattern" as Qt name filters "desc (patterns)". Qt reads the patterns from the
// parentheses, so a description's own "(*.x)" is replaced, and "*.*" (every file) becomes "*".
static QStringList nameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const qsizetype bracket = description.lastIndexOf('(');
        if (bracket > 0 && description.endsWith(')')) description = description.left(bracket).trimmed();
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == "*.*") pattern = "*";
        }
        filters.append(description + " (" + patterns.join(' ') + ")");
    }
    return filters;
}

// Runs a file dialog; the chosen path and the index of the filter entry in use, or "" when cancelled.
static std::string runFileDialog(QFileDialog::AcceptMode mode, const std::string& title,
                                 const std::string& startDirectory, const std::string& filter, int32_t* entry) {
    QFileDialog dialog(mainWindow, QString::fromStdString(title), QString::fromStdString(startDirectory));
    // Qt's own dialog behaves alike on every desktop: typed names come back as they are.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Open too returns a typed name of a file that does not exist; loading reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) dialog.setLabelText(QFileDialog::Accept, "Open");
    dialog.setDefaultSuffix(QString());
    const QStringList filters = nameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.first());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
    if (entry != nullptr) *entry = int32_t(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().first().toStdString();
}

std::string openFileDialog(const std::string& title, const std::string& startDirectory, const std::string& filter) {
    return runFileDialog(QFileDialog::AcceptOpen, title, startDirectory, filter, nullptr);
}

std::string saveFileDialog(const std::string& title, const std::string& startDirectory, const std::string& filter,
                           int32_t* selectedEntry) {
    if (selectedEntry != nullptr) *selectedEntry = 0;
    return runFileDialog(QFileDialog::AcceptSave, title, startDirectory, filter, selectedEntry);
}
