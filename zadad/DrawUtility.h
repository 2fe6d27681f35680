#pragma once
// gradients, shading, dots, bevels, regions and tiling.

class CDrawUtility {
public:
};
