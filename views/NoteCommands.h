#pragma once
// The note commands that the calendar window's toolbar sends to the view on
// show, and that the views' own menus carry.

enum NoteCommand : int {
    kNoteCmdClone = 101,  // "Clone": a copy under a new ID
    kNoteCmdNew = 102,    // "New"
    kNoteCmdEdit = 103,   // "Update"
    kNoteCmdDelete = 104, // "Delete", after asking
};
