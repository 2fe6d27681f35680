#pragma once
// The tray menu, built afresh for every right-click from the shared command
// actions: "Help" (Contents, Home Page, About), "Data" (Export Notes, Import
// Notes, Export Calendar, Import Calendar), Options, New Note, Calendar and
// Exit, with separators between the groups. The same order, without the submenus, lays out the window used
// when there is no notification area.

#include <QString>

#include <memory>
#include <vector>

class CTrayCommands;
class QMenu;
class QStyle;

class CTrayMenu {
public:
    // A separator in CommandOrder().
    static constexpr int kSeparator = 0;
    static constexpr int kStringHelp = 108;
    static constexpr int kStringData = 109;

    // style: the menu's look (not owned; it must outlive the menu).
    static std::unique_ptr<QMenu> Build(const CTrayCommands& commands, QStyle* style);
    // Every command in menu order, submenus opened out.
    static std::vector<int> CommandOrder();
};
