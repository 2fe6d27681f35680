#include "options/PropertyOther.h"

#include "editing/DialogLayout.h"
#include "editing/NumberField.h"
#include "options/LocationOptions.h"
#include "store/MessageBox.h"
#include "views/TabOrder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kFieldWidth = 48;

// The name a screen reader says for a control: its label, or the row and
// column it stands in.
template <typename Widget> Widget* Spoken(Widget* widget, const char* spoken) {
    widget->setAccessibleName(QString::fromLatin1(spoken));
    return widget;
}

CNumberField* Field(int max, const char* name, const char* spoken, QWidget* parent) {
    auto* field = Spoken(CDialogLayout::Named(new CNumberField(0, max, parent), name), spoken);
    field->setMaximumWidth(kFieldWidth);
    return field;
}

QComboBox* List(QStringList items, const char* name, const char* spoken, QWidget* parent) {
    auto* list = Spoken(CDialogLayout::Named(new QComboBox(parent), name), spoken);
    list->addItems(items);
    return list;
}

bool Read(CNumberField* field, unsigned& value) {
    int read = 0;
    if (!field->ReadValue(read)) return false;
    value = static_cast<unsigned>(read);
    return true;
}

} // namespace

CPropertyOther::CPropertyOther(CLocationOptions& values, bool& opened, QWidget* parent)
    : COptionPage(parent), m_values(values), m_bOpened(opened) {
    m_pShowSun = CDialogLayout::Named(
        new QCheckBox(QStringLiteral("Show Sunrise/Sunset Information"), this), "showSun");
    m_pDaylight =
        CDialogLayout::Named(new QCheckBox(QStringLiteral("Daylight Saving"), this), "daylight");
    m_pStartWithSession = CDialogLayout::Named(
        new QCheckBox(QStringLiteral("Start with the desktop session"), this), "startWithSession");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pShowSun);
    layout->addWidget(CreateLocationGrid());
    layout->addWidget(CreateZoneRow());
    layout->addWidget(m_pDaylight);
    layout->addStretch(1);
    layout->addWidget(m_pStartWithSession);
    connect(m_pShowSun, &QCheckBox::clicked, this, &CPropertyOther::UpdateEnabled);
    CTabOrder::Set({m_pShowSun, m_pLatSide, m_pLatDeg, m_pLatMin, m_pLatSec, m_pLongSide,
                    m_pLongDeg, m_pLongMin, m_pLongSec, m_pZoneSign, m_pZoneHours, m_pZoneMinutes,
                    m_pDaylight, m_pStartWithSession});
}

QWidget* CPropertyOther::CreateLocationGrid() {
    auto* box = new QWidget(this);
    m_pLatSide =
        List({QStringLiteral("North"), QStringLiteral("South")}, "latSide", "Latitude", box);
    m_pLatDeg = Field(CLocationOptions::kMaxLatitude, "latDeg", "Latitude degrees", box);
    m_pLatMin = Field(CLocationOptions::kMaxMinutes, "latMin", "Latitude minutes", box);
    m_pLatSec = Field(CLocationOptions::kMaxMinutes, "latSec", "Latitude seconds", box);
    m_pLongSide =
        List({QStringLiteral("West"), QStringLiteral("East")}, "longSide", "Longitude", box);
    m_pLongDeg = Field(CLocationOptions::kMaxLongitude, "longDeg", "Longitude degrees", box);
    m_pLongMin = Field(CLocationOptions::kMaxMinutes, "longMin", "Longitude minutes", box);
    m_pLongSec = Field(CLocationOptions::kMaxMinutes, "longSec", "Longitude seconds", box);

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const char* const headers[] = {"Deg", "Min", "Sec"};
    for (int column = 0; column < 3; ++column)
        grid->addWidget(new QLabel(QString::fromLatin1(headers[column]), box), 0, column + 2,
                        Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Latitude"), box), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Longitude"), box), 2, 0);
    QWidget* const cells[2][4] = {{m_pLatSide, m_pLatDeg, m_pLatMin, m_pLatSec},
                                  {m_pLongSide, m_pLongDeg, m_pLongMin, m_pLongSec}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column)
            grid->addWidget(cells[row][column], row + 1, column + 1);
    grid->setColumnStretch(5, 1);
    return box;
}

QWidget* CPropertyOther::CreateZoneRow() {
    auto* row = new QWidget(this);
    m_pZoneSign = List({QStringLiteral("+"), QStringLiteral("-")}, "zoneSign", "TimeZone GMT", row);
    QStringList hours;
    for (int hour = 0; hour <= CLocationOptions::kMaxZoneHours; ++hour)
        hours << QString::number(hour);
    m_pZoneHours = List(hours, "zoneHours", "Hour", row);
    m_pZoneMinutes = Field(CLocationOptions::kMaxZoneMinutes, "zoneMinutes", "Minute", row);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("TimeZone    GMT"), row));
    layout->addWidget(m_pZoneSign);
    layout->addWidget(m_pZoneHours);
    layout->addWidget(new QLabel(QStringLiteral("Hour"), row));
    layout->addWidget(m_pZoneMinutes);
    layout->addWidget(new QLabel(QStringLiteral("Minute"), row));
    layout->addStretch(1);
    return row;
}

void CPropertyOther::Enter() {
    if (m_bOpened) return;
    m_bOpened = true;
    ShowValues();
    UpdateEnabled();
}

void CPropertyOther::ShowValues() {
    const CLocationOptions& v = m_values;
    m_pShowSun->setChecked(v.m_bShowSunInfo);
    m_pLatSide->setCurrentIndex(v.m_nLatHemisphere);
    m_pLatDeg->SetValue(static_cast<int>(v.m_nLatDeg));
    m_pLatMin->SetValue(static_cast<int>(v.m_nLatMin));
    m_pLatSec->SetValue(static_cast<int>(v.m_nLatSec));
    m_pLongSide->setCurrentIndex(v.m_nLongHemisphere);
    m_pLongDeg->SetValue(static_cast<int>(v.m_nLongDeg));
    m_pLongMin->SetValue(static_cast<int>(v.m_nLongMin));
    m_pLongSec->SetValue(static_cast<int>(v.m_nLongSec));
    m_pZoneSign->setCurrentIndex(v.m_nZoneSign);
    m_pZoneHours->setCurrentIndex(v.m_nZoneHours);
    m_pZoneMinutes->SetValue(static_cast<int>(v.m_nZoneMinutes));
    m_pDaylight->setChecked(v.m_bDaylightSaving);
    m_pStartWithSession->setChecked(v.m_bStartWithSession);
}

void CPropertyOther::UpdateEnabled() {
    const bool show = m_pShowSun->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_pLatSide, m_pLatDeg, m_pLatMin, m_pLatSec, m_pLongSide, m_pLongDeg, m_pLongMin,
             m_pLongSec, m_pZoneSign, m_pZoneHours, m_pZoneMinutes, m_pDaylight})
        control->setEnabled(show);
}

bool CPropertyOther::ReadFields(CLocationOptions& read) {
    return Read(m_pLatDeg, read.m_nLatDeg) && Read(m_pLatMin, read.m_nLatMin) &&
           Read(m_pLatSec, read.m_nLatSec) && Read(m_pLongDeg, read.m_nLongDeg) &&
           Read(m_pLongMin, read.m_nLongMin) && Read(m_pLongSec, read.m_nLongSec) &&
           Read(m_pZoneMinutes, read.m_nZoneMinutes);
}

bool CPropertyOther::Leave() {
    if (!m_bOpened) return true;
    CLocationOptions read = m_values;
    if (!ReadFields(read)) return false;
    read.m_nLatHemisphere = m_pLatSide->currentIndex() == CLocationOptions::kSouth
                                ? CLocationOptions::kSouth
                                : CLocationOptions::kNorth;
    read.m_nLongHemisphere = m_pLongSide->currentIndex() == CLocationOptions::kEast
                                 ? CLocationOptions::kEast
                                 : CLocationOptions::kWest;
    read.m_nZoneSign = m_pZoneSign->currentIndex() == CLocationOptions::kMinus
                           ? CLocationOptions::kMinus
                           : CLocationOptions::kPlus;
    read.m_nZoneHours = std::max(m_pZoneHours->currentIndex(), 0);
    read.m_bShowSunInfo = m_pShowSun->isChecked();
    read.m_bDaylightSaving = m_pDaylight->isChecked();
    read.m_bStartWithSession = m_pStartWithSession->isChecked();
    if (!read.IsZoneInRange()) {
        CMessageBox::Current().Show(CLocationOptions::kZoneMessage, kCaptionProgram,
                                    CMessageBox::kIconWarning, CMessageBox::kButtonsOk);
        m_pZoneHours->setFocus();
        return false;
    }
    m_values = read;
    return true;
}
