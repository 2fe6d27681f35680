#pragma once
// Where a built-in resource is found by its number. The program builds its
// pictures into the Qt resource system under ":/<TYPE>/<id>" (for example
// ":/IMAGE/153" for the built-in window texture, ":/BITMAP/114" for a
// toolbar button's shape); the library finds them there, so its look-ups
// resolve against the program's own resources.

#include <string>

// Resource types the library reads.
inline constexpr const char* kImageResource = "IMAGE";
inline constexpr const char* kBitmapResource = "BITMAP";

std::string ResourcePath(const char* type, unsigned id);
