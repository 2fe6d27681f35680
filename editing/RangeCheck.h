#pragma once
// Reading a whole number typed into a field, with the message the user gets
// when it is not one or lies outside the field's range.

#include <string>

class CRangeCheck {
public:
    enum Result { kValid, kNotInteger, kOutOfRange };

    // Reads text (blanks around it allowed) as an integer in [min, max].
    static Result Read(const std::string& text, int min, int max, int& value);
    // What the user is told for a result other than kValid.
    static std::string Message(Result result, int min, int max);
};
