// SPDX-License-Identifier: MIT
// iconpng: writes one size of an icon as a PNG, for the desktop's icon theme.
//
// Usage: iconpng ICON.ico SIZE OUT.png
// The largest image in the icon whose size divides SIZE is enlarged by repeating each pixel, so a
// pixel-grid icon stays crisp at every size; a size that no image divides is refused.

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args.at(2).toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1) {
        std::fprintf(stderr, "usage: iconpng ICON.ico SIZE OUT.png\n");
        return 2;
    }

    QImageReader reader(args.at(1), "ico");
    QImage best;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        const QImage image = reader.read();
        if (!image.isNull() && image.width() == image.height() && size % image.width() == 0 &&
            image.width() > best.width())
            best = image;
    }
    if (best.isNull()) {
        std::fprintf(stderr, "%s: no image whose size divides %d\n", qPrintable(args.at(1)), size);
        return 1;
    }
    const QImage scaled = best.convertToFormat(QImage::Format_ARGB32)
                              .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!scaled.save(args.at(3), "PNG")) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}
