#pragma once
// The byte layout of "Note.Dat" (and of "Note.bak" and exported files): a
// header of three time stamps and the alarm ID, the settings block, then the
// notes block. Reading fills the data object field by field, so whatever was
// read before a damaged spot stays in it.

#include "store/NoteManager.h"

class CArchive;
class CCalendarData;
class CDataFileReader;

class CDataFile {
public:
    // firstStamp goes into the first header slot, now into the second. The
    // bytes go to write a piece at a time, or all into ar.
    static void Store(const CNoteManager::ByteSink& write, CCalendarData& data,
                      const COleDateTime& firstStamp, const COleDateTime& now);
    static void Store(CArchive& ar, CCalendarData& data, const COleDateTime& firstStamp,
                      const COleDateTime& now);
    // Throws CArchiveException for a cut or malformed file.
    static void Load(CDataFileReader& in, CCalendarData& data);
    static void Load(CArchive& ar, CCalendarData& data);

    // Format versions in thousandths, as the file stores them: the oldest
    // files store no version at all, and 1.5 added the location fields.
    static constexpr int kOldestVersion = 1000;
    static constexpr int kLocationVersion = 1500;

private:
    static void LoadSettings(CArchive& ar, CCalendarData& data);
    static void ExchangeHeader(CArchive& ar, CCalendarData& data);
    static void ExchangeDisplay(CArchive& ar, CCalendarData& data);
    static void ExchangeAlarmOptions(CArchive& ar, CCalendarData& data);
    static void ExchangeLocation(CArchive& ar, CCalendarData& data);
    static void StoreCategories(CArchive& ar, CCalendarData& data);
    static void LoadCategories(CArchive& ar, CCalendarData& data);
    static int LoadVersion(CArchive& ar, CCalendarData& data);
};
