#pragma once
// CPicture: an image loaded from a file or from the program's built-in
// "IMAGE" resources, drawn stretched or tiled (the window and toolbar
// textures, the start-up logo). BMP, JPEG and PNG are read. A large picture
// (a photograph chosen as a texture) is scaled down as it is read: a texture
// needs only a tile, and a full-size photograph would fill the memory.

#include "zadad/WinTypes.h"

#include <memory>
#include <string>

class QIODevice;
class QImage;
class QPainter;

class CPicture {
public:
    // The longest side a picture keeps; longer ones are read scaled down to
    // it, keeping their proportions.
    static constexpr int kMaxSide = 1024;

    CPicture();
    ~CPicture();
    CPicture(const CPicture&) = delete;
    CPicture& operator=(const CPicture&) = delete;

    // Each load releases the image loaded before. They return false when the
    // image cannot be found or decoded; nothing is drawn then.
    bool Load(unsigned resourceID);
    bool Load(const std::string& file);
    void Release();

    // Set by every load attempt that found image data, decodable or not.
    bool m_bLoaded = false;

    bool IsValid() const;
    int Width() const;  // pixels; 0 without an image
    int Height() const; // pixels; 0 without an image
    // Draws the whole picture stretched into rect.
    void Render(QPainter* dc, const RECT& rect) const;
    // The decoded image, or null without one.
    const QImage* Image() const { return m_pImage.get(); }

private:
    bool LoadFrom(QIODevice& source);

    std::unique_ptr<QImage> m_pImage;
};
