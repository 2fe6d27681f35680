#pragma once
// CNoteOccurrence: one entry of a calendar day: when the note occurs and
// which note it is. The note stays owned by the note manager; a day list is
// only valid until the notes change.

#include "zadad/OleDateTime.h"

class CNote;

class CNoteOccurrence {
public:
    CNoteOccurrence() = default;
    CNoteOccurrence(const COleDateTime& time, CNote* note) : m_dtTime(time), m_pNote(note) {}

    COleDateTime m_dtTime;
    CNote* m_pNote = nullptr;
};
