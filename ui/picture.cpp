// SPDX-License-Identifier: MIT
#include "picture.h"

#include "runtime.h"

#include <QImageReader>
#include <QSet>

namespace ui {

namespace {

// The reader gives every image as 32-bit colour, so the original depth shows only in the count.
int colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

QString describe(QLatin1String iconFile)
{
    static const struct
    {
        const char *file;
        const char *description;
    } descriptions[] = {
        {"globe.ico", "The Earth"},          {"computer.ico", "A computer"},
        {"shuttle.ico", "A space shuttle"},  {"dish.ico", "A satellite dish"},
        {"bulb.ico", "A light bulb"},        {"flask.ico", "A laboratory flask"},
        {"couple.ico", "A man and a woman"}, {"runner.ico", "A runner"},
        {"smile.ico", "Smiling face"},       {"frown.ico", "Frowning face"},
    };
    for (const auto &entry : descriptions) {
        if (iconFile == QLatin1String(entry.file))
            return QString::fromLatin1(entry.description);
    }
    return {};
}

} // namespace

Picture loadPicture(const char *iconFile)
{
    QImageReader reader(QStringLiteral(":/icons/%1").arg(QLatin1String(iconFile)), "ico");
    QImage best;
    int bestColours = 0;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (image.size() != QSize(32, 32))
            continue;
        if (const int colours = colourCount(image); colours > bestColours) {
            best = image;
            bestColours = colours;
        }
    }
    if (best.isNull())
        throw RuntimeError(QStringLiteral("The picture %1 cannot be read").arg(iconFile));
    return {QPixmap::fromImage(best), describe(QLatin1String(iconFile))};
}

} // namespace ui
