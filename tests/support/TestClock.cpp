#include "tests/support/TestClock.h"

CTestClock::CTestClock(const COleDateTime& now) : m_now(now) {
    CClock::Install(this);
}

CTestClock::~CTestClock() {
    CClock::Install(nullptr);
}
