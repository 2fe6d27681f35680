#include "options/PropertyAppearance.h"

#include "options/AppearanceOptions.h"
#include "res/Resources.h"
#include "store/MessageBox.h"
#include "views/FileDialog.h"
#include "views/TabOrder.h"
#include "zadad/Picture.h"
#include "zadad/QtTypes.h"
#include "zadad/SystemColors.h"
#include "zadad/Utility.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A one-pixel frame just inside r, as the old frame drawing put it.
void Frame(QPainter& dc, const QRect& r, const QColor& color) {
    dc.setPen(color);
    dc.setBrush(Qt::NoBrush);
    dc.drawRect(r.adjusted(0, 0, -1, -1));
}

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

CPropertyAppearance::CPropertyAppearance(CAppearanceOptions& values, QWidget* parent)
    : COptionPage(parent), m_values(values) {
    auto* window = Button("Window Texture", "windowTexture", this);
    auto* toolbar = Button("Toolbar Texture", "toolbarTexture", this);
    auto* reset = Button("Reset", "reset", this);
    connect(window, &QPushButton::clicked, this, &CPropertyAppearance::OnWindowTexture);
    connect(toolbar, &QPushButton::clicked, this, &CPropertyAppearance::OnToolbarTexture);
    connect(reset, &QPushButton::clicked, this, &CPropertyAppearance::OnReset);
    CTabOrder::Set({window, toolbar, reset});

    // Holds the preview's place in the layout; the page paints over it.
    m_pPreviewPlace = new QWidget(this);
    m_pPreviewPlace->setFixedSize(kPreviewWidth, kPreviewHeight);
    m_pPreviewPlace->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {window, toolbar, reset})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_pPreviewPlace, 0, Qt::AlignTop);
    layout->addStretch(1);
}

QRect CPropertyAppearance::PreviewRect() const {
    return m_pPreviewPlace->geometry();
}

bool CPropertyAppearance::ChooseTexture(std::string& path) {
    const QString chosen =
        CFileDialog::GetOpenFileName(this, QString(), QStringLiteral("*.bmp;*.jpg;*.jpeg"),
                                     QStringLiteral("Image File(*.bmp *.jpg *.jpeg)"));
    if (chosen.isEmpty()) return false;
    // A file that is no picture would leave the preview and the notes without
    // a texture; the one before is kept.
    CPicture picture;
    if (!picture.Load(chosen.toStdString())) {
        CMessageBox::Current().Show(chosen.toStdString() + " could not be read as a picture.",
                                    kCaptionWarning, CMessageBox::kIconWarning,
                                    CMessageBox::kButtonsOk);
        return false;
    }
    path = chosen.toStdString();
    update();
    return true;
}

void CPropertyAppearance::OnWindowTexture() {
    ChooseTexture(m_values.m_strWindowTexture);
}

void CPropertyAppearance::OnToolbarTexture() {
    ChooseTexture(m_values.m_strToolbarTexture);
}

void CPropertyAppearance::OnReset() {
    m_values.Reset(FromQColor(systemcolors::WindowText()), FromQColor(systemcolors::Window()));
    update();
}

void CPropertyAppearance::paintEvent(QPaintEvent* event) {
    COptionPage::paintEvent(event);
    const QRect place = PreviewRect();
    // Drawn off screen first, so the page never shows a half-drawn preview.
    QPixmap buffer(place.size());
    buffer.fill(Qt::transparent);
    {
        QPainter dc(&buffer);
        DrawPreview(dc, QRect(QPoint(0, 0), place.size()), m_values);
    }
    QPainter page(this);
    page.drawPixmap(place.topLeft(), buffer);
}

void CPropertyAppearance::DrawPreview(QPainter& dc, const QRect& rect,
                                      const CAppearanceOptions& values) {
    CUtility::TileTexture(&dc, ToRect(rect), values.m_strWindowTexture,
                          resources::kImageWindowTexture);
    QRect r2 = rect.translated(10, 10);
    CUtility::TileTexture(&dc, ToRect(r2), values.m_strToolbarTexture,
                          resources::kImageToolbarTexture);
    Frame(dc, r2, Qt::black);
    Frame(dc, r2.translated(1, 1), Qt::white);

    const QRect r3 = r2.translated(7, 31);
    dc.fillRect(r3, ToQColor(values.m_crTextBack));
    Frame(dc, r3, Qt::black);
    Frame(dc, r3.translated(1, 1), Qt::white);

    const QRect textRect = r3.translated(21, 21);
    dc.setPen(ToQColor(values.m_crText));
    dc.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                QStringLiteral("Text"));

    dc.setPen(Qt::white);
    dc.drawLine(rect.topLeft(), rect.topRight());
    dc.drawLine(rect.topLeft(), rect.bottomLeft());
    dc.setPen(Qt::black);
    dc.drawLine(rect.bottomLeft(), rect.bottomRight());
    dc.drawLine(rect.topRight(), rect.bottomRight());
}
