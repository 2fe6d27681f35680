#include "editing/CategoryCombo.h"

#include "store/CalendarData.h"
#include "zadad/Utility.h"

#include <QComboBox>

void CCategoryCombo::Fill(QComboBox& combo, const CCalendarData& data, BOOL forNote) {
    combo.clear();
    combo.addItem(forNote ? QStringLiteral("No Category") : QStringLiteral("All"), 0);
    const auto& categories = data.m_arrCategories;
    for (std::size_t i = 1; i < categories.size(); ++i)
        combo.addItem(QString::fromStdString(categories[i].m_strName), categories[i].m_nID);
}

WORD CCategoryCombo::SelectedID(const QComboBox& combo) {
    return static_cast<WORD>(combo.currentIndex() < 0 ? 0 : combo.currentData().toInt());
}

void CCategoryCombo::Select(QComboBox& combo, WORD id) {
    const int index = CUtility::GetIDIndex(combo, id);
    combo.setCurrentIndex(index < 0 ? 0 : index);
}
