#pragma once
// CPropertyAppearance: the "Appearance" page of the options: the window and
// toolbar texture pictures, "Reset" to the built-in ones, and a small
// preview of both with a sample of the text colours.

#include "options/OptionPage.h"

class CAppearanceOptions;
class QPainter;

class CPropertyAppearance : public COptionPage {
    Q_OBJECT
public:
    static constexpr int kPreviewWidth = 220;
    static constexpr int kPreviewHeight = 200;

    CPropertyAppearance(CAppearanceOptions& values, QWidget* parent = nullptr);

    void OnWindowTexture();
    void OnToolbarTexture();
    void OnReset();
    // Where the preview sits on the page.
    QRect PreviewRect() const;
    // Draws the preview into dc over rect.
    static void DrawPreview(QPainter& dc, const QRect& rect, const CAppearanceOptions& values);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A texture picture from the user; false on Cancel, and after telling
    // the user when the chosen file is no picture that can be read.
    bool ChooseTexture(std::string& path);

    CAppearanceOptions& m_values;
    QWidget* m_pPreviewPlace = nullptr;
};
