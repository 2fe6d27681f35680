#pragma once
// The calendar grid of a month or a week printed to a PDF file exactly as the
// calendar window's Print command prints it, with no display: a Qt
// application on the offscreen platform is made for it when none runs yet.

#include "agenda/AgendaRange.h"

#include <string>

class CCalendarData;

bool PrintAgendaPdf(CCalendarData& data, const AgendaPeriod& period, const std::string& file,
                    std::string& error);
