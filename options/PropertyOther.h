#pragma once
// CPropertyOther: the "Other" page of the options: whether the almanac line
// shows sunrise and sunset, and where the user is: latitude and longitude in
// degrees, minutes and seconds with their hemispheres, the time zone and
// daylight saving; and whether the program starts with the desktop session.

#include "options/OptionPage.h"

class CLocationOptions;
class CNumberField;
class QCheckBox;
class QComboBox;
class QGridLayout;

class CPropertyOther : public COptionPage {
    Q_OBJECT
public:
    CPropertyOther(CLocationOptions& values, bool& opened, QWidget* parent = nullptr);

    void Enter() override;
    bool Leave() override;

private:
    QWidget* CreateLocationGrid();
    QWidget* CreateZoneRow();
    void ShowValues();
    // Every place and zone control follows "Show Sunrise/Sunset Information".
    void UpdateEnabled();
    bool ReadFields(CLocationOptions& read);

    CLocationOptions& m_values;
    bool& m_bOpened;

    QCheckBox* m_pShowSun = nullptr;
    QComboBox* m_pLatSide = nullptr;
    CNumberField* m_pLatDeg = nullptr;
    CNumberField* m_pLatMin = nullptr;
    CNumberField* m_pLatSec = nullptr;
    QComboBox* m_pLongSide = nullptr;
    CNumberField* m_pLongDeg = nullptr;
    CNumberField* m_pLongMin = nullptr;
    CNumberField* m_pLongSec = nullptr;
    QComboBox* m_pZoneSign = nullptr;
    QComboBox* m_pZoneHours = nullptr;
    CNumberField* m_pZoneMinutes = nullptr;
    QCheckBox* m_pDaylight = nullptr;
    QCheckBox* m_pStartWithSession = nullptr;
};
