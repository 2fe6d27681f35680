#pragma once
// Owning handles for what libical hands out: components, recurrence
// iterators and the strings it allocates for the caller.

#include <libical/ical.h>

#include <cstdlib>
#include <memory>
#include <string>

struct CIcalComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using IcalComponentPtr = std::unique_ptr<icalcomponent, CIcalComponentFree>;

struct CIcalIteratorFree {
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};
using IcalIteratorPtr = std::unique_ptr<icalrecur_iterator, CIcalIteratorFree>;

// A string libical allocated for the caller (the *_r functions), taken over and freed.
inline std::string TakeIcalString(char* text) {
    if (!text) return std::string();
    std::string copy(text);
    std::free(text);
    return copy;
}
