#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <cctype>
#include <map>
#include <vector>

#include "platform/events.h"
#include "platform/qt_main_window.h"
#include "platform/qt_widgets.h"
#include "platform/window.h"

struct MenuItem {
    QAction* action;
    bool checked;
};

// Items by identifier, and the menus being filled: a title's menu, then any open submenu.
static std::map<int32_t, MenuItem> menuItems;
static std::vector<QMenu*> openMenus;

bool createMenuBar() {
    if (mainWindow == nullptr) return false;
    if (menuBar == nullptr) {
        menuBar = new QMenuBar(mainWindow);
        menuBar->setObjectName("menuBar");
        // Inside the window on every desktop, so the area below it is what the canvases expect.
        menuBar->setNativeMenuBar(false);
        menuBar->show();
    }
    placeMenuBar();
    return true;
}

void addMenuTitle(const std::string& text) {
    if (menuBar == nullptr) return;
    openMenus = {menuBar->addMenu(QString::fromStdString(text))};
    placeMenuBar();
}

void addMenuItem(int32_t id, const std::string& text) {
    if (openMenus.empty()) return;
    // Qt shows the text after a tab as the item's shortcut label.
    QAction* action = openMenus.back()->addAction(QString::fromStdString(text));
    action->setData(id);
    QObject::connect(action, &QAction::triggered, action, [action, id] {
        // A checkable action flips its mark when chosen; the marks are the program's to set.
        action->setChecked(menuItems[id].checked);
        postMenuEvent(id);
    });
    menuItems[id] = {action, false};
}

void addMenuSeparator() {
    if (!openMenus.empty()) openMenus.back()->addSeparator();
}

void openSubmenu(const std::string& text) {
    if (!openMenus.empty()) openMenus.push_back(openMenus.back()->addMenu(QString::fromStdString(text)));
}

void closeSubmenu() {
    if (openMenus.size() > 1) openMenus.pop_back();
}

void addShortcut(char letter, int32_t id) {
    if (mainWindow == nullptr) return;
    QShortcut* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(std::toupper(static_cast<unsigned char>(letter)))), mainWindow);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, shortcut, [id] { postMenuEvent(id); });
}

void setMenuCheck(int32_t id, bool checked) {
    auto item = menuItems.find(id);
    if (item == menuItems.end()) return;
    item->second.checked = checked;
    // Only a marked item is checkable, so an unmarked one shows no empty box.
    item->second.action->setCheckable(checked);
    item->second.action->setChecked(checked);
}

bool menuChecked(int32_t id) {
    auto item = menuItems.find(id);
    return item != menuItems.end() && item->second.action->isChecked();
}

void forgetMenuItems() {
    menuItems.clear();
    openMenus.clear();
}
