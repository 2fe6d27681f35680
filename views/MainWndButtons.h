#pragma once
// The calendar window's twenty-one shaped buttons: the toolbar, close and
// maximize, the four navigation arrows and the four filter buttons of the
// notes list. They are placed from the frame layout, show the set that
// belongs to the current view, word the arrows' tips by the calendar's
// mode, and take the window's textures: the toolbar and the arrows the
// window texture, the others the toolbar texture.

#include "views/FrameLayout.h"
#include "zadad/WinTypes.h"

#include <QObject>

#include <functional>
#include <map>

class CPicture;
class CRegionButton;
class QWidget;

class CMainWndButtons : public QObject {
    Q_OBJECT
public:
    CMainWndButtons(QWidget* parent, const CPicture* windowTexture, const CPicture* toolbarTexture,
                    int filterWidth);

    void Place(const CFrameLayout& layout);
    // The arrows with the calendar, the filter buttons with the notes list.
    void ShowSetFor(bool calendar);
    void SetMonthMode(bool month);
    void SetZoomed(bool zoomed);
    void SetTextures(const CPicture* windowTexture, const CPicture* toolbarTexture);
    void SetFilterTextColor(COLORREF color);
    // Shows the filter button of the list's filter pressed.
    void LatchFilter(int filter);

    CRegionButton* Button(int id) const;

signals:
    void command(int id);

private:
    CRegionButton* Add(int id, std::function<QRegion(qreal)> shape, const CPicture* texture,
                       QSize size, const QString& caption = QString());

    std::map<int, CRegionButton*> m_buttons;
};
