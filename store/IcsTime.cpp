#include "store/IcsTime.h"

#include <QDateTime>

#include <string>

namespace {

icaltimetype Fields(const COleDateTime& t, bool date) {
    icaltimetype value = icaltime_null_time();
    value.year = t.GetYear();
    value.month = t.GetMonth();
    value.day = t.GetDay();
    value.is_date = date ? 1 : 0;
    if (!date) {
        value.hour = t.GetHour();
        value.minute = t.GetMinute();
        value.second = t.GetSecond();
    }
    return value;
}

QDateTime ToQt(const icaltimetype& value, const QTimeZone& zone) {
    return QDateTime(QDate(value.year, value.month, value.day),
                     QTime(value.hour, value.minute, value.second), zone);
}

icaltimetype FieldsOf(const QDateTime& t) {
    icaltimetype value = icaltime_null_time();
    value.year = t.date().year();
    value.month = t.date().month();
    value.day = t.date().day();
    value.hour = t.time().hour();
    value.minute = t.time().minute();
    value.second = t.time().second();
    return value;
}

COleDateTime FromQt(const QDateTime& t) {
    const QDate date = t.date();
    const QTime time = t.time();
    return COleDateTime(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                        time.second());
}

COleDateTime UtcToLocal(const icaltimetype& value) {
    return FromQt(ToQt(value, QTimeZone::utc()).toTimeZone(QTimeZone::systemTimeZone()));
}

// Qt's zone for a TZID: an IANA name, a Windows name, or an IANA name at the
// end of a longer one ("/mozilla.org/20070129_1/Europe/Berlin").
QTimeZone NamedZone(const std::string& tzid) {
    for (std::size_t from = 0; from != std::string::npos;) {
        const QByteArray id = QByteArray::fromStdString(tzid.substr(from));
        if (QTimeZone::isTimeZoneIdAvailable(id)) return QTimeZone(id);
        const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(id);
        if (!iana.isEmpty()) return QTimeZone(iana);
        from = tzid.find('/', from + 1);
        if (from != std::string::npos) ++from;
    }
    return QTimeZone();
}

} // namespace

namespace icstime {

icaltimetype Floating(const COleDateTime& t) {
    return Fields(t, false);
}

icaltimetype Date(const COleDateTime& t) {
    return Fields(t, true);
}

icaltimetype Utc(const COleDateTime& t) {
    const QDateTime utc =
        ToQt(Fields(t, false), QTimeZone::systemTimeZone()).toTimeZone(QTimeZone::utc());
    icaltimetype value = Fields(FromQt(utc), false);
    value.zone = icaltimezone_get_utc_timezone();
    return value;
}

bool Writable(const COleDateTime& t) {
    return t.GetStatus() == COleDateTime::valid && t.GetYear() <= kLastYear;
}

COleDateTime WallTime(const icaltimetype& value) {
    if (icaltime_is_null_time(value)) {
        COleDateTime none;
        none.SetStatus(COleDateTime::invalid);
        return none;
    }
    return value.is_date ? COleDateTime(value.year, value.month, value.day, 0, 0, 0)
                         : COleDateTime(value.year, value.month, value.day, value.hour,
                                        value.minute, value.second);
}

} // namespace icstime

CIcsZone CIcsZone::Of(icalproperty* prop, icalcomponent* event) {
    CIcsZone zone;
    if (icaltime_is_utc(icalvalue_get_datetime(icalproperty_get_value(prop)))) {
        zone.m_kind = Kind::kUtc;
        return zone;
    }
    icalparameter* param = icalproperty_get_first_parameter(prop, ICAL_TZID_PARAMETER);
    const char* tzid = param ? icalparameter_get_tzid(param) : nullptr;
    if (!tzid || !*tzid) return zone;
    zone.m_zone = NamedZone(tzid);
    if (zone.m_zone.isValid()) {
        zone.m_kind = Kind::kNamed;
        return zone;
    }
    zone.m_pFileZone = icalproperty_get_datetime_with_component(prop, event).zone;
    zone.m_kind = zone.m_pFileZone ? Kind::kFileZone : Kind::kUnknown;
    return zone;
}

CLocalTime CIcsZone::ToLocal(const icaltimetype& value) const {
    CLocalTime local = ToLocalTime(value);
    if (local.m_dtTime.GetStatus() == COleDateTime::valid && !icstime::Writable(local.m_dtTime))
        local.m_dtTime.SetStatus(COleDateTime::invalid);
    return local;
}

CLocalTime CIcsZone::ToLocalTime(const icaltimetype& value) const {
    CLocalTime local;
    const COleDateTime wall = icstime::WallTime(value);
    local.m_dtTime = wall;
    if (value.is_date || wall.GetStatus() != COleDateTime::valid) return local;
    switch (icaltime_is_utc(value) ? Kind::kUtc : m_kind) {
    case Kind::kFloating:
        break;
    case Kind::kUtc:
        local.m_dtTime = UtcToLocal(value);
        break;
    case Kind::kNamed:
        local.m_dtTime = FromQt(ToQt(value, m_zone).toTimeZone(QTimeZone::systemTimeZone()));
        break;
    case Kind::kFileZone: {
        icaltimetype zoned = value;
        zoned.zone = m_pFileZone;
        local.m_dtTime =
            UtcToLocal(icaltime_convert_to_zone(zoned, icaltimezone_get_utc_timezone()));
        break;
    }
    case Kind::kUnknown:
        local.m_bUnknownZone = true;
        break;
    }
    local.m_bConverted = local.m_dtTime != wall;
    return local;
}

icaltimetype CIcsZone::WallOf(const icaltimetype& value) const {
    icaltimetype wall = value;
    wall.zone = nullptr;
    if (value.is_date || !icaltime_is_utc(value)) return wall;
    // A time Qt cannot place stays as it is.
    const auto in = [&value, &wall](const QTimeZone& zone) {
        const QDateTime t = ToQt(value, QTimeZone::utc()).toTimeZone(zone);
        return t.isValid() ? FieldsOf(t) : wall;
    };
    switch (m_kind) {
    case Kind::kUtc:
        return wall;
    case Kind::kNamed:
        return in(m_zone);
    case Kind::kFileZone: {
        icaltimetype zoned =
            icaltime_convert_to_zone(value, const_cast<icaltimezone*>(m_pFileZone));
        zoned.zone = nullptr;
        return zoned;
    }
    case Kind::kFloating:
    case Kind::kUnknown:
        break;
    }
    // A floating series is local time.
    return in(QTimeZone::systemTimeZone());
}
