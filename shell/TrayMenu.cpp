#include "shell/TrayMenu.h"

#include "res/Resources.h"
#include "res/StringTable.h"
#include "shell/TrayCommands.h"

#include <QAction>
#include <QMenu>

namespace {

QMenu* AddSubmenu(QMenu& menu, int textID, unsigned iconID, QStyle* style) {
    QMenu* submenu =
        menu.addMenu(resources::Icon(iconID), QString::fromStdString(LoadString(textID)));
    submenu->menuAction()->setData(textID);
    submenu->setStyle(style);
    return submenu;
}

} // namespace

std::unique_ptr<QMenu> CTrayMenu::Build(const CTrayCommands& commands, QStyle* style) {
    auto menu = std::make_unique<QMenu>();
    menu->setStyle(style);
    QMenu* help = AddSubmenu(*menu, kStringHelp, resources::kIconAbout, style);
    help->addAction(commands.Action(kCmdContents));
    help->addSeparator();
    help->addAction(commands.Action(kCmdHomePage));
    help->addSeparator();
    help->addAction(commands.Action(kCmdAbout));
    menu->addSeparator();
    QMenu* data = AddSubmenu(*menu, kStringData, resources::kIconData, style);
    data->addAction(commands.Action(kCmdExportNotes));
    data->addAction(commands.Action(kCmdImportNotes));
    data->addAction(commands.Action(kCmdExportCalendar));
    data->addAction(commands.Action(kCmdImportCalendar));
    menu->addAction(commands.Action(kCmdOptions));
    menu->addSeparator();
    menu->addAction(commands.Action(kCmdNewNote));
    menu->addAction(commands.Action(kCmdCalendar));
    menu->addSeparator();
    menu->addAction(commands.Action(kCmdExit));
    return menu;
}

std::vector<int> CTrayMenu::CommandOrder() {
    return {kCmdContents,    kCmdHomePage,       kCmdAbout,          kSeparator,  kCmdExportNotes,
            kCmdImportNotes, kCmdExportCalendar, kCmdImportCalendar, kCmdOptions, kSeparator,
            kCmdNewNote,     kCmdCalendar,       kSeparator,         kCmdExit};
}
