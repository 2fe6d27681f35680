#!/usr/bin/python3
"""Writes the reference tables of the almanac tests from an ephemeris that
shares no code with the program: Debian's python3-ephem (libastro).

    /usr/bin/python3 tests/data/almanac/make_reference.py

moon_phases.csv  every principal phase of every third lunation from January
                 2000 to December 2100, as Julian Ephemeris Days (dynamical
                 time): ephem gives universal time, so Delta-T from ephem's
                 own model is added back.
sun_times.csv    sunrise and sunset, in minutes after 0h UT of the date, for
                 places on every continent: the sun's centre 50' below the
                 horizon with the air pressure set to 0
                 (no refraction model), the event before and after the local
                 solar noon of the date. Polar day or night is written as an
                 empty time.
"""

import math
import os

import ephem

HERE = os.path.dirname(os.path.abspath(__file__))
DUBLIN_TO_JD = 2415020.0  # ephem counts days from 1899-12-31 12:00

PHASES = (ephem.next_new_moon, ephem.next_first_quarter_moon, ephem.next_full_moon,
          ephem.next_last_quarter_moon)


def moon_phases():
    rows = []
    first_new_moon = ephem.Date("2000/1/6 18:14")
    lunation = 0
    while True:
        approx = first_new_moon + lunation * 29.530588853
        if ephem.Date(approx).datetime().year > 2100:
            break
        for phase, following in enumerate(PHASES):
            ut = following(ephem.Date(approx + phase * 7.38 - 3.0))
            tt = ut + ephem.delta_t(ut) / 86400.0
            rows.append((lunation, phase, tt + DUBLIN_TO_JD))
        lunation += 3
    with open(os.path.join(HERE, "moon_phases.csv"), "w") as out:
        out.write("# Principal phases of the Moon, every third lunation 2000-2100.\n")
        out.write("# Made by make_reference.py with python3-ephem %s: universal time from\n"
                  % ephem.__version__)
        out.write("# ephem.next_*_moon plus ephem.delta_t, so dynamical time (TT).\n")
        out.write("# k = lunations after the new moon of 6 January 2000; phase 0 new,\n")
        out.write("# 1 first quarter, 2 full, 3 last quarter; jde = Julian Ephemeris Day.\n")
        out.write("k,phase,jde\n")
        for k, phase, jde in rows:
            out.write("%d,%d,%.6f\n" % (k, phase, jde))


# name, latitude (north +), longitude (WEST +), standard zone (hours east of UTC)
PLACES = [
    ("New York", 40.7128, 74.0060, -5),
    ("Los Angeles", 34.0522, 118.2437, -8),
    ("Anchorage", 61.2181, 149.9003, -9),
    ("Honolulu", 21.3069, 157.8583, -10),
    ("Quito", -0.1807, 78.4678, -5),
    ("Lima", -12.0464, 77.0428, -5),
    ("Buenos Aires", -34.6037, 58.3816, -3),
    ("Ushuaia", -54.8019, 68.3030, -3),
    ("London", 51.5074, 0.1278, 0),
    ("Reykjavik", 64.1466, 21.9426, 0),
    ("Tromso", 69.6492, -18.9553, 1),
    ("Moscow", 55.7558, -37.6173, 3),
    ("Accra", 5.6037, 0.1870, 0),
    ("Cairo", 30.0444, -31.2357, 2),
    ("Nairobi", -1.2921, -36.8219, 3),
    ("Cape Town", -33.9249, -18.4241, 2),
    ("Mumbai", 19.0760, -72.8777, 5.5),
    ("Kathmandu", 27.7172, -85.3240, 5.75),
    ("Singapore", 1.3521, -103.8198, 8),
    ("Pontianak", -0.0263, -109.3425, 7),
    ("Tokyo", 35.6762, -139.6503, 9),
    ("Sydney", -33.8688, -151.2093, 10),
    ("Auckland", -36.8485, -174.7633, 13),
    ("Chatham Islands", -43.9535, 176.5597, 12.75),
    ("Apia", -13.8333, 171.7667, 13),
    ("Kiritimati", 1.8721, 157.4278, 14),
    ("McMurdo Station", -77.8419, -166.6863, 12),
]

DATES = ["2003/6/21", "2003/12/21", "2000/1/1", "2010/3/20", "2024/9/22", "2037/5/5",
         "2050/2/1", "2068/8/10", "2099/11/15"]


def sun_event(observer, sun, noon, rising):
    try:
        if rising:
            event = observer.previous_rising(sun, start=noon, use_center=True)
        else:
            event = observer.next_setting(sun, start=noon, use_center=True)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    return event


def sun_times():
    sun = ephem.Sun()
    with open(os.path.join(HERE, "sun_times.csv"), "w") as out:
        out.write("# Sunrise and sunset, minutes after 0h UT of the date (may be negative or\n")
        out.write("# above 1440), from python3-ephem %s via make_reference.py: the sun's\n"
                  % ephem.__version__)
        out.write("# centre 0.8333 degrees below the horizon, pressure 0, the rising before\n")
        out.write("# and the setting after the local solar noon of the date. Empty = the sun\n")
        out.write("# stays up or down. Latitude north +, longitude WEST +, zone hours east.\n")
        out.write("place,lat,lon_west,zone,date,sunrise_utc_min,sunset_utc_min\n")
        for name, lat, lon_west, zone in PLACES:
            observer = ephem.Observer()
            observer.lat = str(lat)
            observer.lon = str(-lon_west)
            observer.elevation = 0
            observer.pressure = 0
            observer.horizon = "-0.8333"
            for date in DATES:
                midnight = ephem.Date(date)
                noon = ephem.Date(midnight + 0.5 + lon_west / 360.0)
                values = []
                for rising in (True, False):
                    event = sun_event(observer, sun, noon, rising)
                    # An event more than a day from noon is another day's.
                    if event is None or abs(event - noon) > 1.0:
                        values.append("")
                    else:
                        values.append("%.2f" % ((event - midnight) * 1440.0))
                y, m, d = (int(p) for p in date.split("/"))
                out.write("%s,%.4f,%.4f,%g,%04d-%02d-%02d,%s,%s\n"
                          % (name, lat, lon_west, zone, y, m, d, values[0], values[1]))


if __name__ == "__main__":
    moon_phases()
    sun_times()
