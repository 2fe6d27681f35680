#include "zadad/Picture.h"

#include "zadad/PainterPixels.h"
#include "zadad/ResourcePath.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>

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
    QImage image;
    if (!reader.read(&image) || image.isNull()) return false;
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
