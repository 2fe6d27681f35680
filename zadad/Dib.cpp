#include "zadad/Dib.h"

#include "zadad/ResourcePath.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>

namespace {
// The largest bitmap made: well beyond any screen, well below what would
// exhaust memory when a damaged picture claims an absurd size.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;
} // namespace

bool CDib::Create(int width, int height) {
    Delete();
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPixels)
        return false;
    m_bits.assign(static_cast<std::size_t>(width) * height, 0);
    m_nWidth = width;
    m_nHeight = height;
    return true;
}

void CDib::Delete() {
    m_bits.clear();
    m_bits.shrink_to_fit();
    m_nWidth = 0;
    m_nHeight = 0;
}

bool CDib::Fill(const QImage& image) {
    if (!Create(image.width(), image.height())) return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < m_nHeight; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        DWORD* row = m_bits.data() + static_cast<std::size_t>(m_nHeight - 1 - y) * m_nWidth;
        for (int x = 0; x < m_nWidth; ++x)
            row[x] = line[x] & 0x00FFFFFF;
    }
    return true;
}

bool CDib::LoadResource(unsigned bitmapID) {
    Delete();
    QImageReader reader(QString::fromStdString(ResourcePath(kBitmapResource, bitmapID)));
    QImage image;
    return reader.read(&image) && Fill(image);
}

void CDib::Draw(QPainter* dc, int x, int y) const {
    if (!dc || m_bits.empty()) return;
    // RGB32 ignores the top byte, so the stored words are the pixels as they are.
    const QImage bottomUp(reinterpret_cast<const uchar*>(m_bits.data()), m_nWidth, m_nHeight,
                          m_nWidth * 4, QImage::Format_RGB32);
    dc->drawImage(x, y, bottomUp.mirrored(false, true));
}
