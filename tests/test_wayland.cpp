// SPDX-License-Identifier: MIT
// The real program on a Wayland desktop with a panel (weston's desktop shell, headless): a level
// opened and answered by keys covers the whole display, exactly as the level screen draws itself
// at that size on the offscreen platform.
#include "shell.h"

#include "access.h"
#include "form.h"
#include "forms.h"
#include "runtime.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

const QSize Output(1366, 768);

int differingPixels(const QImage &shot, const QImage &expected)
{
    if (shot.size() != expected.size())
        return expected.width() * expected.height();
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            count += shot.pixel(x, y) != expected.pixel(x, y);
    return count;
}

// The whole output, as weston-screenshooter takes it into the current folder.
QImage screenshot()
{
    QProcess::execute("weston-screenshooter", {});
    QImage image;
    for (const QString &file : QDir().entryList({"wayland-screenshot-*.png"})) {
        image.load(file);
        QFile::remove(file);
    }
    return image;
}

} // namespace

class WaylandRun : public QObject
{
    Q_OBJECT

    QTemporaryDir runtimeDir;
    QProcess weston, program;

private slots:
    void aLevelCoversTheWholeDisplay()
    {
        // The desktop of the processes that this test starts, in a folder of its own.
        QDir::setCurrent(runtimeDir.path());
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
        qputenv("WAYLAND_DISPLAY", "tessarine");
        weston.start("weston", {"--backend=headless-backend.so", "--use-pixman", "--debug",
                                "--no-config", "--width=1366", "--height=768", "--socket=tessarine",
                                "--modules=" WESTON_KEYBOARD});
        QVERIFY2(weston.waitForStarted(), "weston is needed (tools/dev installs it)");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists("tessarine"), 10000);

        // The program's wall clock stands still, so that it shuffles its questions as the
        // offscreen rendering below does from the same clock reading, in nanoseconds.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "wayland");
        env.insert("LD_PRELOAD", FAKETIME_LIBRARY);
        env.insert("FAKETIME", "2024-01-01 00:00:00");
        env.insert("TZ", "UTC");
        env.insert("DONT_FAKE_MONOTONIC", "1");
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(TESSARINE_PROGRAM);
        QVERIFY(program.waitForStarted());
        ui::test::seedFromNumber(1704067200ull * 1000000000ull);
        ui::test::setScreenSize(Output.width() * 15.0, Output.height() * 15.0);
        ui::installAccessAids();
        shell::defineForms();
        shell::start();

        // Alt+1 opens level 1 from the menu, Alt+S starts it, Alt+1 picks the first answer. Each
        // is typed until the display shows what the level screen draws after it: typed again, it
        // does nothing, since the button it clicks is disabled or its level already open.
        const std::pair<const char *, Qt::Key> steps[] = {
            {"56 2\n", Qt::Key_1}, {"56 31\n", Qt::Key_S}, {"56 2\n", Qt::Key_1}};
        ui::Form *level = nullptr;
        for (const auto &[keyCodes, key] : steps) {
            QTRY_VERIFY(QGuiApplication::focusWindow());
            QTest::keyClick(QGuiApplication::focusWindow(), key, Qt::AltModifier);
            QTest::qWait(300);
            QVERIFY((level = ui::forms::instance("frmScience1")));
            const QImage expected = level->window()->grab().toImage();
            QElapsedTimer waited;
            waited.start();
            int differing;
            do {
                weston.write(keyCodes);
                QTest::qWait(200);
                differing = differingPixels(screenshot(), expected);
            } while (differing > 4 && waited.elapsed() < 15000);
            QVERIFY2(differing <= 4, qPrintable(QStringLiteral("%1 pixels of the display differ "
                                                               "from the level screen")
                                                    .arg(differing)));
        }
        for (const char *name : {"cmdNext", "cmdQuit", "Image1"}) {
            const auto *widget = level->window()->findChild<QWidget *>(name);
            const QRect onScreen(widget->mapTo(level->window(), QPoint()), widget->size());
            QVERIFY2(widget->isVisible() && QRect(QPoint(), Output).contains(onScreen), name);
        }
    }

    void cleanupTestCase()
    {
        ui::forms::test::reset();
        program.kill();
        weston.kill();
        program.waitForFinished();
        weston.waitForFinished();
    }
};

QTEST_MAIN(WaylandRun)
#include "test_wayland.moc"
