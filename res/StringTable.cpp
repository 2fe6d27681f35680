#include "res/StringTable.h"

#include <unordered_map>

namespace {

const std::unordered_map<int, const char*>& Table() {
    static const std::unordered_map<int, const char*> table = {
        // Messages and labels.
        {104, "Windows sockets initialization failed."},
        {105, "Recurrence"},
        {108, "Help"},
        {109, "Data"},
        {114, "Category"},
        {126, "Expired"},
        {129, "Play"},
        {141, "Stop"},
        {32783, "History"},
        {57605, "Double-Click to create a new note"},

        // Tooltips of the calendar window's buttons (a control's tooltip has
        // the control's number), with the week-mode texts of the arrows.
        {110, "Maximize/Restore"},
        {111, "Close"},
        {112, "Week View"},
        {113, "Month View"},
        {117, "Edit Selected Note"},
        {119, "Deuplite Selected Note"},
        {121, "Remove Selected Note"},
        {123, "Home Page"},
        {125, "Options"},
        {127, "Help"},
        {130, "Print"},
        {131, "Move Back One Month"},
        {132, "Move Forward One Month"},
        {133, "Move Forward One Year"},
        {134, "Move Back One Year"},
        {135, "List View"},
        {136, "Create New Note"},
        {137, "Move Back One Week"},
        {138, "Move Forward One Week"},
        {139, "Move Back 4 Weeks"},
        {140, "Move Forward 4 Weeks"},
        {142, "Today's Notes"},
        {143, "Notes In This Week"},
        {144, "Notes In This Month"},
        {145, "Show All Notes"},

        // Tooltips of the note window's alarm row.
        {1, "Close dialog"},
        {1001, "Input delay hours"},
        {1065, "Input delay minutes"},
        {1142, "Remind me later"},

        // Tray menu items: each item's data is the number of its text.
        {32792, "Exit"},
        {32794, "Contents"},
        {32798, "New Note"},
        {32799, "Import Notes"},
        {32800, "Export Notes"},
        {32802, "Home Page"},
        {32803, "About"},
        {32804, "Options"},
        {32807, "Calendar"},
        {32808, "Export Calendar…"},
        {32809, "Import Calendar…"},

        // Edit commands of the rich text fields' menu.
        {57634, "Copy"},
        {57635, "Cut"},
        {57637, "Paste"},

        // Day names: full, short, single letters.
        {61204, "Sunday"},
        {61205, "Monday"},
        {61206, "Tuesday"},
        {61207, "Wednesday"},
        {61208, "Thursday"},
        {61209, "Friday"},
        {61210, "Saturday"},
        {61211, "Sun"},
        {61212, "Mon"},
        {61213, "Tue"},
        {61214, "Wed"},
        {61215, "Thu"},
        {61216, "Fri"},
        {61217, "Sat"},
        {61218, "S"},
        {61219, "M"},
        {61220, "T"},
        {61221, "W"},
        {61222, "T"},
        {61223, "F"},
        {61224, "S"},

        // Month names; the eighth has always been spelt this way.
        {61225, "January"},
        {61226, "February"},
        {61227, "March"},
        {61228, "April"},
        {61229, "May"},
        {61230, "June"},
        {61231, "July"},
        {61232, "Augest"},
        {61233, "September"},
        {61234, "October"},
        {61235, "November"},
        {61236, "December"},

        // Weekday ordinals of the recurrence rules.
        {61237, "1st"},
        {61238, "2nd"},
        {61239, "3rd"},
        {61240, "4th"},
        {61241, "Last"},

        {61244, "%B, %Y"},
        {61247, "1.50"},
        {61251, "https://orrindale.example.org/"},
        {61255, "Welcome !"},
        {61256, "Orrindale icon is in the system tray. Click it to open calendar, Double-Click it "
                "to create a new note, Right-Click it to see more functions"},
    };
    return table;
}

} // namespace

std::string LoadString(int id) {
    const auto& table = Table();
    const auto it = table.find(id);
    return it == table.end() ? std::string() : std::string(it->second);
}
