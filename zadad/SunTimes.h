#pragma once
// the second sunrise and sunset algorithm.

class CSunTimes {
public:
};
