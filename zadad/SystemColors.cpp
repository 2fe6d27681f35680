#include "zadad/SystemColors.h"

#include "zadad/ColorUtility.h"
#include "zadad/QtTypes.h"

#include <QGuiApplication>
#include <QPalette>

namespace systemcolors {

namespace {
QColor FromPalette(QPalette::ColorRole role, QColor fallback) {
    if (!QGuiApplication::instance()) return fallback;
    return QGuiApplication::palette().color(QPalette::Active, role);
}
} // namespace

QColor ButtonHighlight() {
    return FromPalette(QPalette::Light, QColor(255, 255, 255));
}
QColor ButtonShadow() {
    return FromPalette(QPalette::Mid, QColor(128, 128, 128));
}
QColor DarkShadow() {
    return FromPalette(QPalette::Shadow, QColor(0, 0, 0));
}
QColor WindowText() {
    return FromPalette(QPalette::Text, QColor(0, 0, 0));
}
QColor Window() {
    return FromPalette(QPalette::Base, QColor(255, 255, 255));
}

QColor ReadableOn(const QColor& text, COLORREF background) {
    const COLORREF readable = CColorUtility::GetReadableColor(FromQColor(text), background);
    return readable == FromQColor(text) ? text : ToQColor(readable);
}

QColor TextOn(COLORREF background, bool dark) {
    const QColor text = dark ? FromPalette(QPalette::HighlightedText, QColor(255, 255, 255))
                             : FromPalette(QPalette::WindowText, QColor(0, 0, 0));
    return ReadableOn(text, background);
}

QColor TextOn(COLORREF background) {
    return TextOn(background, CColorUtility::GetReverseColor(background) == RGB(255, 255, 255));
}

} // namespace systemcolors
