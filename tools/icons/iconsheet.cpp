// SPDX-License-Identifier: MIT
// iconsheet: draws a contact sheet PNG of .ico files, as Qt reads them, for reviewing the icons.
//
// Usage: iconsheet OUT.png ICON.ico...
// Each icon gets a labelled cell showing every image in the file at 1x and at 4x, on the
// button-face grey the icons are meant to sit on.

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int zoom = 4;
constexpr int margin = 16;
constexpr int gap = 8;
constexpr int labelHeight = 20;
constexpr int columns = 2;
const QColor buttonFace(192, 192, 192);

struct Icon
{
    QString name;
    QList<QImage> images;
};

bool readIcon(const QString &path, Icon &icon)
{
    QImageReader reader(path, "ico");
    icon.name = QFileInfo(path).fileName();
    const int count = reader.imageCount();
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        QImage image = reader.read();
        if (image.isNull())
            break;
        icon.images.append(image.convertToFormat(QImage::Format_ARGB32));
    }
    if (icon.images.isEmpty()) {
        std::fprintf(stderr, "%s: cannot read icon: %s\n", qPrintable(path),
                     qPrintable(reader.errorString()));
        return false;
    }
    return true;
}

// Width of one image shown at 1x next to its 4x copy.
int pairWidth(const QImage &image)
{
    return image.width() * (1 + zoom) + gap;
}

int cellWidth(const Icon &icon)
{
    int width = 0;
    for (const QImage &image : icon.images)
        width += pairWidth(image) + margin;
    return width;
}

void drawCell(QPainter &painter, const Icon &icon, QPoint origin)
{
    painter.setPen(Qt::black);
    painter.drawText(QRect(origin, QSize(cellWidth(icon), labelHeight)),
                     Qt::AlignLeft | Qt::AlignVCenter, icon.name);
    int x = origin.x();
    const int bottom = origin.y() + labelHeight + 32 * zoom;
    for (const QImage &image : icon.images) {
        painter.drawImage(x, bottom - image.height(), image);
        x += image.width() + gap;
        const QImage big =
            image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        painter.drawImage(x, bottom - big.height(), big);
        x += big.width() + margin;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: iconsheet OUT.png ICON.ico...\n");
        return 2;
    }

    QList<Icon> icons;
    for (const QString &path : args.mid(2)) {
        Icon icon;
        if (!readIcon(path, icon))
            return 1;
        icons.append(icon);
    }

    int columnWidth = 0;
    for (const Icon &icon : icons)
        columnWidth = std::max(columnWidth, cellWidth(icon));
    const int rowHeight = labelHeight + 32 * zoom + margin;
    const int rows = (static_cast<int>(icons.size()) + columns - 1) / columns;

    QImage sheet(margin + columns * columnWidth, margin + rows * rowHeight, QImage::Format_RGB32);
    sheet.fill(buttonFace);
    QPainter painter(&sheet);
    for (int i = 0; i < icons.size(); ++i) {
        const QPoint origin(margin + (i % columns) * columnWidth,
                            margin + (i / columns) * rowHeight);
        drawCell(painter, icons[i], origin);
    }
    painter.end();

    if (!sheet.save(args.at(1), "PNG")) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
