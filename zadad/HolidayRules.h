#pragma once
// the holiday line parser and the Easter, Good Friday and Election Day rules.

class CHolidayRules {
public:
};
