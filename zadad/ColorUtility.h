#pragma once
// colour arithmetic and texture sampling.

class CColorUtility {
public:
};
