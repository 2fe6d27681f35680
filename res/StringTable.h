#pragma once
// The program's string table: every text that has a number is looked up here
// by that number, so the tooltips, captions and messages stay in one place.

#include <string>

// The text with this number, or an empty string when there is none.
std::string LoadString(int id);
