#pragma once
// Angle constants shared by the date and sun helpers. They are these exact
// literals, a little shorter than full double precision, and the sun
// computations use them so that their times round the same way everywhere.

class CAngleConstants {
public:
    static constexpr double PI = 3.14159265358979;
    static constexpr double TPI = 6.28318530717958;
    static constexpr double RADS = 0.0174532925199433; // radians per degree
    static constexpr double DEGS = 57.2957795130823;   // degrees per radian
};
