#include <QImage>
#include <QPainter>

#include "platform/qt_main_window.h"

// A heart glyph, one byte per row, bit 7 leftmost.
static const uint8_t IconGlyph[8] = {
    0x36, 0x7F, 0x7F, 0x7F, 0x3E, 0x1C, 0x08, 0x00,  // 0..7
};

QIcon programIcon() {
    const QColor border(0x6C, 0x5E, 0xB5);  // light blue frame around a blue screen
    const QColor paper(0x35, 0x28, 0x79);
    const QColor ink(0xFF, 0xFF, 0xFF);
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(border);
    QPainter painter(&image);
    painter.fillRect(2, 2, 28, 28, paper);
    // Each glyph pixel a 3 × 3 square, the glyph centred.
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column)
            if (IconGlyph[row] & (0x80 >> column)) painter.fillRect(4 + 3 * column, 5 + 3 * row, 3, 3, ink);
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}
