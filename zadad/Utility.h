#pragma once
// CUtility: every helper of the library as a static member. Each group lives
// in a header of its own; CUtility gathers them under the one name callers use
// (CUtility::GetEaster, CUtility::OneDay, CUtility::PI ...).

#include "zadad/AngleConstants.h"
#include "zadad/ColorUtility.h"
#include "zadad/ControlUtility.h"
#include "zadad/DateUtility.h"
#include "zadad/DrawUtility.h"
#include "zadad/HolidayRules.h"
#include "zadad/ProgramDirectory.h"
#include "zadad/SunTimes.h"

class CUtility : public CAngleConstants,
                 public CDateUtility,
                 public CProgramDirectory,
                 public CHolidayRules,
                 public CSunTimes,
                 public CColorUtility,
                 public CDrawUtility,
                 public CControlUtility {
public:
    virtual ~CUtility() = default;
};
