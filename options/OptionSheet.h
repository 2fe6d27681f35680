#pragma once
// COptionSheet: the modal "Options" sheet with its five pages, "Note",
// "Holiday", "Categories", "Appearance" and "Other". It is filled from the
// settings when it opens; OK writes them back, saves the data file and reads
// it again. Reminder checks pause while it is open, and it does not open at
// all while an alarm rings.

#include "options/OptionValues.h"

#include <QDialog>

#include <vector>

class CCalendarData;
class COptionPage;
class QTabWidget;

class COptionSheet : public QDialog {
    Q_OBJECT
public:
    // How a run of the sheet ended: cancelled (or refused), OK with the data
    // file saved and read back, or OK with the file not written (the user has
    // been told; the new settings are in memory, still to be saved).
    enum Outcome { kCancelled, kSaved, kNotSaved };

    COptionSheet(CCalendarData& data, QWidget* parent = nullptr);
    ~COptionSheet() override;

    // Runs the sheet modally; cancelled at once, with nothing shown, while
    // an alarm rings.
    static Outcome Run(CCalendarData& data, QWidget* parent = nullptr);

    COptionValues& Values() { return m_values; }
    QTabWidget* Tabs() const { return m_pTabs; }
    COptionPage* Page(int index) const { return m_pages[static_cast<std::size_t>(index)]; }

public slots:
    void accept() override;

private:
    void AddPage(COptionPage* page, const char* caption);
    void OnTabChanged(int index);

    CCalendarData& m_data;
    COptionValues m_values;
    QTabWidget* m_pTabs = nullptr;
    std::vector<COptionPage*> m_pages;
    int m_nCurrent = 0;
    bool m_bSaved = false;
};
