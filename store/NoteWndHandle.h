#pragma once
// What a note knows of its desktop or alarm window: an opaque handle. The
// window side implements it; the note only tells it when the note goes away.

class CNoteWndHandle {
public:
    virtual ~CNoteWndHandle() = default;
    // True while the window itself runs the editor for its note; the note
    // then leaves the window alone when it is deleted.
    virtual bool IsEditingNote() const = 0;
    // The note is being deleted: the window closes and forgets it.
    virtual void NoteDeleted() = 0;
};
