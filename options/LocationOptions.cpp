#include "options/LocationOptions.h"

#include "store/CalendarData.h"
#include "store/ProgramFlags.h"

#include <cmath>

namespace {

// The whole part of a stored value as the page shows it; a damaged value
// (not a number, beyond any field) shows as 0 instead of wrapping around.
unsigned Whole(double value) {
    const double whole = std::fabs(std::trunc(value));
    return std::isfinite(whole) && whole < 1e6 ? static_cast<unsigned>(whole) : 0u;
}

// Negative values and negative zero alike.
int SideOf(double value, int negativeSide) {
    return std::signbit(value) ? negativeSide : 0;
}

double Signed(unsigned magnitude, bool negative) {
    const double value = static_cast<double>(magnitude);
    return negative ? -value : value; // -0.0 keeps the side of a zero
}

} // namespace

CLocationOptions CLocationOptions::FromData(const CCalendarData& data) {
    CLocationOptions o;
    o.m_nLatDeg = Whole(data.m_dLatDeg);
    o.m_nLatMin = Whole(data.m_dLatMin);
    o.m_nLatSec = Whole(data.m_dLatSec);
    o.m_nLongDeg = Whole(data.m_dLongDeg);
    o.m_nLongMin = Whole(data.m_dLongMin);
    o.m_nLongSec = Whole(data.m_dLongSec);
    o.m_nLatHemisphere = SideOf(data.m_dLatDeg, kSouth);
    o.m_nLongHemisphere = SideOf(data.m_dLongDeg, kEast);
    // A zone has no side at zero: UTC is "+0" whatever the sign of its zero.
    o.m_nZoneSign = data.m_dTimeZone < 0 ? kMinus : kPlus;
    // Counted in whole minutes, rounded: a zone saved as 5 h 20 min is held as
    // 5.3333..., and cutting its minutes would show (and save back) 5 h 19 min.
    const unsigned minutes = Whole(std::round(data.m_dTimeZone * 60.0));
    o.m_nZoneHours = static_cast<int>(minutes / 60);
    o.m_nZoneMinutes = minutes % 60;
    // A zone the sun times cannot use counts as UTC there, and shows so here.
    if (!o.IsZoneInRange()) o.m_nZoneHours = 0, o.m_nZoneMinutes = 0, o.m_nZoneSign = kPlus;
    o.m_bShowSunInfo = g_bShowSunInfo;
    o.m_bDaylightSaving = data.m_bDaylightSaving;
    return o;
}

void CLocationOptions::ToData(CCalendarData& data) const {
    data.m_dLatMin = m_nLatMin;
    data.m_dLatSec = m_nLatSec;
    data.m_dLongMin = m_nLongMin;
    data.m_dLongSec = m_nLongSec;
    data.m_dLatDeg = Signed(m_nLatDeg, m_nLatHemisphere == kSouth);
    data.m_dLongDeg = Signed(m_nLongDeg, m_nLongHemisphere == kEast);
    data.m_bDaylightSaving = m_bDaylightSaving;
    data.m_dTimeZone = ZoneHours();
    g_bShowSunInfo = m_bShowSunInfo;
}

double CLocationOptions::ZoneHours() const {
    const double hours = m_nZoneHours + m_nZoneMinutes / 60.0;
    return m_nZoneSign == kMinus ? -hours : hours;
}

bool CLocationOptions::IsZoneInRange() const {
    const int minutes = m_nZoneHours * 60 + static_cast<int>(m_nZoneMinutes);
    return m_nZoneSign == kMinus ? -minutes >= kZoneWestLimit : minutes <= kZoneEastLimit;
}
