#pragma once
// A realistic large store for the store benchmarks: ten years of memos and
// one-time reminders, daily to yearly recurring notes and history copies,
// with rich-text bodies of a few hundred bytes.

#include "zadad/Clock.h"

class CCalendarData;

// The instant the benchmarks run at, so that every run builds the same store.
class CBenchClock : public CClock {
public:
    COleDateTime Now() const override { return COleDateTime(2026, 12, 8, 9, 30, 0); }
};

// The number of notes FillLargeStore adds.
inline constexpr int kLargeStoreNotes = 60000;

void FillLargeStore(CCalendarData& data);
