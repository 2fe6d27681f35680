#pragma once
// A note's text without its formatting, for the places that need only the
// words: saving a note as a text file, the notes list, printing. Paragraphs and
// line breaks become "\n"; plain text comes back with its line ends as "\n".

#include <string>
#include <string_view>

std::string RtfToPlainText(std::string_view text);
