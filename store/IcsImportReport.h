#pragma once
// The message after a calendar import: how many notes came in, the
// categories made for them, and one short line for each kind of thing that
// could not be taken over as it stood ("3 events: repeat exceptions (EXDATE)
// left out"). For a file that could not be read, why, and that nothing changed.

#include "store/IcsImport.h"

#include <string>

std::string IcsImportReport(const CIcsImportResult& result, const std::string& source);
