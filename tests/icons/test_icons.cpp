// Checks the committed icons: file structure, how Qt decodes them, and mkicons' source checks.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace {

struct ImageShape
{
    int size;
    int bits;
};

struct IconShape
{
    const char *name;
    QList<ImageShape> images;
    qsizetype fileSize;
};

const QList<IconShape> &iconShapes()
{
    static const QList<IconShape> shapes = {
        {"globe", {{32, 4}}, 766},   {"computer", {{32, 1}, {32, 4}, {32, 4}}, 1846},
        {"shuttle", {{32, 4}}, 766}, {"dish", {{32, 4}}, 766},
        {"bulb", {{32, 4}}, 766},    {"flask", {{32, 4}}, 766},
        {"couple", {{32, 4}}, 766},  {"runner", {{32, 4}, {16, 4}}, 1078},
        {"smile", {{32, 4}}, 766},   {"frown", {{32, 4}}, 766},
    };
    return shapes;
}

// The standard 16-colour palette, as the blue-green-red-zero quads the file stores.
const QByteArray standardPalette = QByteArray::fromHex("00000000"
                                                       "00008000"
                                                       "00800000"
                                                       "00808000"
                                                       "80000000"
                                                       "80008000"
                                                       "80800000"
                                                       "c0c0c000"
                                                       "80808000"
                                                       "0000ff00"
                                                       "00ff0000"
                                                       "00ffff00"
                                                       "ff000000"
                                                       "ff00ff00"
                                                       "ffff0000"
                                                       "ffffff00");
const QByteArray monochromePalette = QByteArray::fromHex("00000000ffffff00");

QString iconPath(const char *name)
{
    return QStringLiteral(TESSARINE_ICON_DIR "/%1.ico").arg(QLatin1String(name));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

unsigned u8(const QByteArray &bytes, qsizetype at)
{
    return static_cast<unsigned char>(bytes.at(at));
}

unsigned u16(const QByteArray &bytes, qsizetype at)
{
    return u8(bytes, at) | u8(bytes, at + 1) << 8;
}

unsigned u32(const QByteArray &bytes, qsizetype at)
{
    return u16(bytes, at) | u16(bytes, at + 2) << 16;
}

int rowBytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

QList<QImage> decode(const char *name)
{
    QImageReader reader(iconPath(name), "ico");
    QList<QImage> images;
    const int count = reader.imageCount();
    for (int i = 0; i < count && reader.jumpToImage(i); ++i)
        images.append(reader.read().convertToFormat(QImage::Format_ARGB32));
    return images;
}

bool isTransparent(const QImage &image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 0;
}

// The face icons draw their mouth in black inside this box, clear of the face's outline.
const QRect mouthBox(8, 17, 16, 10);

// How far the middle of the mouth sits below its corners, in pixels; positive for a smile.
std::optional<double> mouthCurve(const QImage &face)
{
    QList<double> columnY;
    QList<int> columns;
    for (int x = mouthBox.left(); x <= mouthBox.right(); ++x) {
        double sum = 0;
        int count = 0;
        for (int y = mouthBox.top(); y <= mouthBox.bottom(); ++y) {
            if (!isTransparent(face, x, y) && (face.pixel(x, y) & 0xffffff) == 0) {
                sum += y;
                ++count;
            }
        }
        if (count > 0) {
            columns.append(x);
            columnY.append(sum / count);
        }
    }
    if (columns.size() < 6)
        return std::nullopt;
    const double corners = (columnY.first() + columnY.last()) / 2;
    const double middle = columnY.at(columnY.size() / 2);
    return middle - corners;
}

struct RunResult
{
    int exitCode;
    QString errors;
};

RunResult runMkicons(const QString &source, const QString &target)
{
    QProcess process;
    process.start(QStringLiteral(TESSARINE_MKICONS), {source, target});
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, QStringLiteral("mkicons did not finish normally")};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray grid(int size, char fill)
{
    QByteArray rows;
    for (int i = 0; i < size; ++i)
        rows += QByteArray(size, fill) + '\n';
    return rows;
}

} // namespace

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void structure_data();
    void structure();
    void decodes_data();
    void decodes();
    void smileAndFrownDiffer();
    void mkiconsAcceptsWellFormedSource();
    void mkiconsRejectsMalformedSource_data();
    void mkiconsRejectsMalformedSource();
};

void TestIcons::structure_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < iconShapes().size(); ++i)
        QTest::newRow(iconShapes().at(i).name) << i;
}

void TestIcons::structure()
{
    QFETCH(int, index);
    const IconShape &shape = iconShapes().at(index);
    const QByteArray bytes = readAll(iconPath(shape.name));
    QCOMPARE(bytes.size(), shape.fileSize);

    const auto count = static_cast<unsigned>(shape.images.size());
    QCOMPARE(u16(bytes, 0), 0u);
    QCOMPARE(u16(bytes, 2), 1u); // icon, not cursor
    QCOMPARE(u16(bytes, 4), count);

    unsigned expectedOffset = 6 + 16 * count;
    for (unsigned i = 0; i < count; ++i) {
        const ImageShape image = shape.images.at(i);
        const auto size = static_cast<unsigned>(image.size);
        const auto bits = static_cast<unsigned>(image.bits);
        const unsigned paletteBytes = 4u << bits;
        const unsigned xorBytes = static_cast<unsigned>(rowBytes(image.size, image.bits)) * size;
        const unsigned andBytes = static_cast<unsigned>(rowBytes(image.size, 1)) * size;
        const unsigned imageBytes = 40 + paletteBytes + xorBytes + andBytes;

        const qsizetype entry = 6 + 16 * i;
        QCOMPARE(u8(bytes, entry), size);
        QCOMPARE(u8(bytes, entry + 1), size);
        QCOMPARE(u8(bytes, entry + 2), 1u << bits);
        QCOMPARE(u8(bytes, entry + 3), 0u);
        QCOMPARE(u16(bytes, entry + 4), 1u);
        QCOMPARE(u16(bytes, entry + 6), bits);
        QCOMPARE(u32(bytes, entry + 8), imageBytes);
        QCOMPARE(u32(bytes, entry + 12), expectedOffset);

        const qsizetype header = expectedOffset;
        QCOMPARE(u32(bytes, header), 40u);
        QCOMPARE(u32(bytes, header + 4), size);
        QCOMPARE(u32(bytes, header + 8), 2 * size);
        QCOMPARE(u16(bytes, header + 12), 1u);
        QCOMPARE(u16(bytes, header + 14), bits);
        QCOMPARE(u32(bytes, header + 16), 0u);
        QCOMPARE(bytes.mid(header + 40, paletteBytes),
                 bits == 1 ? monochromePalette : standardPalette);
        expectedOffset += imageBytes;
    }
    QCOMPARE(qsizetype(expectedOffset), bytes.size());
}

void TestIcons::decodes_data()
{
    structure_data();
}

void TestIcons::decodes()
{
    QFETCH(int, index);
    const IconShape &shape = iconShapes().at(index);
    const QList<QImage> images = decode(shape.name);
    QCOMPARE(images.size(), shape.images.size());

    for (qsizetype i = 0; i < images.size(); ++i) {
        const QImage &image = images.at(i);
        const int size = shape.images.at(i).size;
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(isTransparent(image, 0, 0));
        QVERIFY(isTransparent(image, size - 1, 0));
        QVERIFY(isTransparent(image, 0, size - 1));
        QVERIFY(isTransparent(image, size - 1, size - 1));

        int transparent = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                transparent += isTransparent(image, x, y) ? 1 : 0;
        const int all = size * size;
        // The subject should fill a good part of the square but leave the background showing.
        QVERIFY2(transparent >= all / 8, qPrintable(QString::number(transparent)));
        QVERIFY2(all - transparent >= all / 5, qPrintable(QString::number(all - transparent)));
    }
}

void TestIcons::smileAndFrownDiffer()
{
    const QList<QImage> smile = decode("smile");
    const QList<QImage> frown = decode("frown");
    QCOMPARE(smile.size(), 1);
    QCOMPARE(frown.size(), 1);
    QVERIFY(smile.first() != frown.first());
    QVERIFY(smile.first().copy(mouthBox) != frown.first().copy(mouthBox));

    // The faces must differ in shape, not only in colour.
    const auto smileCurve = mouthCurve(smile.first());
    const auto frownCurve = mouthCurve(frown.first());
    QVERIFY2(smileCurve.has_value(), "no mouth found in smile.ico");
    QVERIFY2(frownCurve.has_value(), "no mouth found in frown.ico");
    QVERIFY2(*smileCurve >= 2, qPrintable(QString::number(*smileCurve)));
    QVERIFY2(*frownCurve <= -2, qPrintable(QString::number(*frownCurve)));
}

void TestIcons::mkiconsAcceptsWellFormedSource()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString source = dir.filePath("good.txt");
    const QString target = dir.filePath("good.ico");
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# two images\nimage 32x32 4bit\n" + grid(32, 'E') + "\nimage 16x16 1bit\n" +
               grid(16, '.'));
    file.close();

    const RunResult result = runMkicons(source, target);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(readAll(target).size(), 6 + 2 * 16 + 744 + (40 + 8 + 64 + 64));
}

void TestIcons::mkiconsRejectsMalformedSource_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");

    const QByteArray header = "image 16x16 4bit\n";
    const QByteArray row = QByteArray(16, '.') + '\n';
    QTest::newRow("short row") << header + row + QByteArray(15, '.') + '\n' + grid(16, '.') << 3
                               << QStringLiteral("letters");
    QTest::newRow("long row") << header + QByteArray(17, '.') + '\n' + grid(16, '.') << 2
                              << QStringLiteral("letters");
    QTest::newRow("unknown letter") << header + row + row + "......G.........\n" + grid(16, '.')
                                    << 4 << QStringLiteral("unknown letter");
    QTest::newRow("lower-case letter")
        << header + "a...............\n" + grid(16, '.') << 2 << QStringLiteral("unknown letter");
    QTest::newRow("colour in monochrome")
        << "image 16x16 1bit\n" + row + "...7............\n" + grid(16, '.') << 3
        << QStringLiteral("unknown letter");
    QTest::newRow("too few rows") << "# short\n" + header + grid(16, '.').mid(17) << 17
                                  << QStringLiteral("rows");
    QTest::newRow("too many rows")
        << header + grid(16, '.') + row << 18 << QStringLiteral("too many rows");
    QTest::newRow("bad depth") << "image 16x16 8bit\n" + grid(16, '.') << 1
                               << QStringLiteral("depth");
    QTest::newRow("no header") << grid(16, '.') << 1 << QStringLiteral("header");
}

void TestIcons::mkiconsRejectsMalformedSource()
{
    QFETCH(QByteArray, source);
    QFETCH(int, line);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString sourcePath = dir.filePath("bad.txt");
    const QString targetPath = dir.filePath("bad.ico");
    QFile file(sourcePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(source);
    file.close();

    const RunResult result = runMkicons(sourcePath, targetPath);
    QVERIFY2(result.exitCode > 0, qPrintable(result.errors));
    QVERIFY2(result.errors.contains(QStringLiteral("bad.txt:%1: ").arg(line)),
             qPrintable(result.errors));
    QVERIFY2(result.errors.contains(reason), qPrintable(result.errors));
    QVERIFY(!QFile::exists(targetPath));
}

QTEST_MAIN(TestIcons)
#include "test_icons.moc"
