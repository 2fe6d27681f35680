#include "res/StringTable.h"

#include <unordered_map>

namespace {

const std::unordered_map<int, const char*>& Table() {
    static const std::unordered_map<int, const char*> table = {
        {104, "Windows sockets initialization failed."},
        {126, "Expired"},
        {32783, "History"},
        {57605, "Double-Click to create a new note"},
        {61247, "1.50"},
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
