// Build tool: writes the program's icon, the steam picture, as a PNG file for the desktop
// (vaporis_write_icon FILE SIZE). It paints into an image, so it needs no display.
#include <cstdio>
#include <string>

#include <QImage>
#include <QPainter>

#include "ui/qt/pictures.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: vaporis_write_icon FILE SIZE\n", stderr);
        return 2;
    }
    const int size = std::stoi(argv[2]);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    vaporis::ui::paintSteam(painter, QRectF(0, 0, size, size));
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
