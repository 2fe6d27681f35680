#pragma once
// A clock the tests set and move by hand. Installing it makes every
// COleDateTime::GetCurrentTime() in the program read it; it uninstalls itself
// when it goes out of scope.

#include "zadad/Clock.h"

class CTestClock : public CClock {
public:
    explicit CTestClock(const COleDateTime& now = COleDateTime(2026, 12, 8, 9, 30, 0));
    ~CTestClock() override;
    CTestClock(const CTestClock&) = delete;
    CTestClock& operator=(const CTestClock&) = delete;

    COleDateTime Now() const override { return m_now; }
    void Set(const COleDateTime& now) { m_now = now; }
    void Advance(const COleDateTimeSpan& span) { m_now += span; }

private:
    COleDateTime m_now;
};
