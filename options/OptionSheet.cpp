#include "options/OptionSheet.h"

#include "options/PropertyAppearance.h"
#include "options/PropertyCategory.h"
#include "options/PropertyHoliday.h"
#include "options/PropertyOther.h"
#include "options/PropertyTime.h"
#include "res/Resources.h"
#include "store/ProgramFlags.h"

#include <QDialogButtonBox>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The pages' size at the sheet's 8-point font: 246 x 162 dialog units.
constexpr int kPageWidth = 369;
constexpr int kPageHeight = 264;

} // namespace

COptionSheet::COptionSheet(CCalendarData& data, QWidget* parent) : QDialog(parent), m_data(data) {
    g_bOptionsOpen = 1;
    setWindowTitle(QStringLiteral("Options"));
    setWindowIcon(resources::Icon(resources::kIconOptions));
    m_values.Fill(m_data);

    m_pTabs = new QTabWidget(this);
    m_pTabs->setMinimumSize(kPageWidth, kPageHeight);
    AddPage(new CPropertyTime(m_values.m_note), "Note");
    AddPage(new CPropertyHoliday(m_values.m_holidays, m_values.m_bHolidayOpened), "Holiday");
    AddPage(new CPropertyCategory(m_values.m_categories, m_values.m_bCategoriesOpened),
            "Categories");
    AddPage(new CPropertyAppearance(m_values.m_appearance), "Appearance");
    AddPage(new CPropertyOther(m_values.m_location, m_values.m_bLocationOpened), "Other");
    // Every caption stays whole in a large desktop font: the sheet widens
    // instead of scrolling its tabs.
    m_pTabs->tabBar()->setUsesScrollButtons(false);
    m_pages.front()->Enter();
    connect(m_pTabs, &QTabWidget::currentChanged, this, &COptionSheet::OnTabChanged);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionSheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs, 1);
    layout->addWidget(buttons);
}

COptionSheet::~COptionSheet() {
    g_bOptionsOpen = 0;
}

COptionSheet::Outcome COptionSheet::Run(CCalendarData& data, QWidget* parent) {
    if (g_nAlarmsRinging != 0) return kCancelled;
    COptionSheet sheet(data, parent);
    if (sheet.exec() != QDialog::Accepted) return kCancelled;
    return sheet.m_bSaved ? kSaved : kNotSaved;
}

void COptionSheet::AddPage(COptionPage* page, const char* caption) {
    page->setObjectName(QString::fromLatin1(caption));
    m_pTabs->addTab(page, QString::fromLatin1(caption));
    m_pages.push_back(page);
}

void COptionSheet::OnTabChanged(int index) {
    if (index < 0 || index == m_nCurrent) return;
    // A page whose fields do not read keeps the user on it.
    if (!m_pages[static_cast<std::size_t>(m_nCurrent)]->Leave()) {
        const QSignalBlocker block(m_pTabs);
        m_pTabs->setCurrentIndex(m_nCurrent);
        return;
    }
    m_nCurrent = index;
    m_pages[static_cast<std::size_t>(index)]->Enter();
}

void COptionSheet::accept() {
    if (!m_pages[static_cast<std::size_t>(m_nCurrent)]->Leave()) return;
    // The "Note" page's values are written back whether or not it was shown last.
    if (m_nCurrent != 0 && !m_pages.front()->Leave()) {
        m_pTabs->setCurrentIndex(0);
        return;
    }
    // The sheet closes either way: its values are in the settings now, and
    // a file that cannot be written is not mended by staying open.
    m_bSaved = m_values.Commit(m_data);
    g_bOptionsOpen = 0;
    QDialog::accept();
}
