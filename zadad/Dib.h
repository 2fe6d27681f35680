#pragma once
// CDib: a 32-bit device-independent bitmap in memory, stored bottom-up
// (row 0 is the bottom row), each pixel the value 0x00RRGGBB. Region shapes
// are read from it pixel by pixel.

#include "zadad/WinTypes.h"

#include <vector>

class QImage;
class QPainter;

class CDib {
public:
    // Makes a black bitmap of the size; false (and zero size) when the size
    // is not positive or too large to hold.
    bool Create(int width, int height);
    void Delete();
    // Copies every row of the image, RGB only, into this bitmap (created at
    // the image's size).
    bool Fill(const QImage& image);
    // Loads the program's bitmap resource bitmapID into this bitmap; false
    // when there is none or it cannot be decoded.
    bool LoadResource(unsigned bitmapID);
    // Draws the bitmap with its top left corner at (x, y).
    void Draw(QPainter* dc, int x, int y) const;

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // Pixel of storage row `row` (0 = bottom) and column x: 0x00RRGGBB.
    DWORD Pixel(int x, int row) const {
        return m_bits[static_cast<std::size_t>(row) * m_nWidth + x];
    }
    DWORD* Bits() { return m_bits.data(); }

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<DWORD> m_bits;
};
