#include "zadad/Picture.h"

#include "zadad/PainterPixels.h"
#include "zadad/ResourcePath.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace {

// The memory a picture may take while it is decoded at full size before it is
// scaled down (formats that cannot be read scaled). Pictures larger than this
// are refused: no texture is worth it.
constexpr int kDecodeLimitMegabytes = 512;

// The reader's memory limit is one for the whole program: it is raised for
// one read and put back after it.
class CDecodeLimit {
public:
    CDecodeLimit() : m_nBefore(QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(std::max(m_nBefore, kDecodeLimitMegabytes));
    }
    ~CDecodeLimit() { QImageReader::setAllocationLimit(m_nBefore); }
    CDecodeLimit(const CDecodeLimit&) = delete;
    CDecodeLimit& operator=(const CDecodeLimit&) = delete;

private:
    int m_nBefore;
};

// The size a picture is kept at: its own, or scaled down until both sides
// fit kMaxSide, in the same proportions.
QSize ReadSize(const QSize& size) {
    if (!size.isValid() ||
        (size.width() <= CPicture::kMaxSide && size.height() <= CPicture::kMaxSide))
        return size;
    return size.scaled(CPicture::kMaxSide, CPicture::kMaxSide, Qt::KeepAspectRatio)
        .expandedTo(QSize(1, 1));
}

} // namespace

CPicture::CPicture() = default;
CPicture::~CPicture() = default;

bool CPicture::Load(unsigned resourceID) {
    Release();
    QFile resource(QString::fromStdString(ResourcePath(kImageResource, resourceID)));
    if (!resource.open(QIODevice::ReadOnly)) return false;
    return LoadFrom(resource);
}

bool CPicture::Load(const std::string& file) {
    Release();
    QFile source(QString::fromStdString(file));
    if (!source.open(QIODevice::ReadOnly)) return false;
    return LoadFrom(source);
}

bool CPicture::LoadFrom(QIODevice& source) {
    m_bLoaded = true;
    // The format is told by the bytes, not by the name: textures chosen by
    // the user are often JPEG files named .bmp or the other way round. The
    // reader refuses images too large to allocate instead of failing later.
    QImageReader reader(&source);
    const QSize size = reader.size();
    const QSize readSize = ReadSize(size);
    if (readSize != size) reader.setScaledSize(readSize);
    const CDecodeLimit limit;
    QImage image;
    if (!reader.read(&image) || image.isNull()) return false;
    // A format that does not tell its size before it is read is scaled after.
    const QSize keep = ReadSize(image.size());
    if (keep != image.size())
        image = image.scaled(keep, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_pImage = std::make_unique<QImage>(std::move(image));
    return true;
}

void CPicture::Release() {
    m_pImage.reset();
}

bool CPicture::IsValid() const {
    return m_pImage != nullptr;
}

int CPicture::Width() const {
    return m_pImage ? m_pImage->width() : 0;
}

int CPicture::Height() const {
    return m_pImage ? m_pImage->height() : 0;
}

void CPicture::Render(QPainter* dc, const RECT& rect) const {
    if (!dc || !m_pImage) return;
    dc->drawImage(ToQRect(rect), *m_pImage);
}
