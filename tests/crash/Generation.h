#pragma once
// The notes of one numbered state of the data file, made so that a reader
// can tell states apart and see a state that is not whole: every note
// carries the generation in its title, the note count and the body lengths
// follow from it, and a state may add one expired note that loading drops.

#include <string>

class CCalendarData;

class CGeneration {
public:
    // A few thousand notes of all three stored kinds.
    static constexpr int kBaseCount = 3000;

    // Turns the notes in data into generation g in place: retitles every
    // note, adds the ones g has and deletes those it has not.
    static void Make(CCalendarData& data, int g);
    // Adds the note that loading drops (a repeated note that ended in 2001).
    static void AddExpired(CCalendarData& data, int g);
    // The generation data holds, whether the expired note is there, or -1
    // with why in error when the notes are not one whole generation.
    static int Of(const CCalendarData& data, bool& withExpired, std::string& error);
    static int Count(int g) { return kBaseCount + (g % 7) * 13; }
};
