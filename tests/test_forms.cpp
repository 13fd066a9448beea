// The forms layer: lifecycle, the end of the program, geometry, colours, access keys,
// The design tables name only the fields that differ from a default; GCC 12 would flag every
// field left out of a designated initializer.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
// pictures, the random source and run-time errors.
#include "colour.h"
#include "form.h"
#include "forms.h"
#include "int16.h"
#include "picture.h"
#include "runtime.h"
#include "screens.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace ui;

namespace {

int loads = 0;
std::function<void(Form &)> goHandler;

FormDesign testDesign()
{
    using enum ControlKind;
    return {
        .name = "frmTest",
        .border = Border::FixedSingle,
        .caption = "Test",
        .clientWidth = 4500,
        .clientHeight = 3000,
        .controls =
            {
                {.name = "Frame1",
                 .kind = Frame,
                 .caption = "Panel",
                 .geometry = {300, 600, 3000, 1500}},
                {.name = "Label1",
                 .kind = Label,
                 .container = "Frame1",
                 .caption = "Design",
                 .geometry = {150, 300, 2400, 375}},
                {.name = "cmdGo",
                 .kind = CommandButton,
                 .caption = "&Go",
                 .geometry = {150, 150, 1200, 375},
                 .tabIndex = 0},
                {.name = "cmdOff",
                 .kind = CommandButton,
                 .caption = "&Off",
                 .geometry = {1500, 150, 1200, 375},
                 .tabIndex = 1},
                {.name = "Image1",
                 .kind = Image,
                 .geometry = {3450, 150, 480, 480},
                 .picture = "smile.ico"},
                {.name = "Image2", .kind = Image, .geometry = {3450, 750, 480, 480}},
            },
    };
}

class TestForm : public Form
{
public:
    explicit TestForm(const char *name) : Form(named(name))
    {
        onClick("cmdGo", [this] {
            if (goHandler)
                goHandler(*this);
        });
        onClick("cmdOff", [] { QFAIL("a disabled button took a click"); });
        control("cmdOff").setEnabled(false);
    }
    void Form_Load() override { ++loads; }

private:
    static FormDesign named(const char *name)
    {
        FormDesign design = testDesign();
        design.name = name;
        return design;
    }
};

using screens::button;
using screens::settle;

} // namespace

class FormsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        forms::define("frmA", [] { return new TestForm("frmA"); });
        forms::define("frmB", [] { return new TestForm("frmB"); });
    }

    void init()
    {
        forms::test::reset();
        ui::test::reset();
        loads = 0;
        goHandler = nullptr;
    }

    void loadShowAndUnload()
    {
        Form *a = forms::load("frmA");
        QCOMPARE(loads, 1);
        QVERIFY(!a->isVisible());
        QCOMPARE(forms::load("frmA"), a);
        QCOMPARE(loads, 1);
        QCOMPARE(a->objectName(), QString("frmA"));

        QCOMPARE(forms::show("frmA"), a);
        QVERIFY(QTest::qWaitForWindowActive(a));
        QVERIFY(a->isVisible());
        QVERIFY(!a->isModal());
        QVERIFY(!a->parentWidget());

        a->control("Label1").setCaption("Changed");
        QPointer<Form> old = a;
        forms::unload("frmA");
        QVERIFY(!forms::isLoaded("frmA"));
        settle();
        QVERIFY(old.isNull());

        Form *again = forms::show("frmA");
        QCOMPARE(loads, 2);
        QCOMPARE(again->control("Label1").caption(), QString("Design"));
    }

    void showingAFormLoadsItFirst()
    {
        Form *b = forms::show("frmB");
        QCOMPARE(loads, 1);
        QVERIFY(forms::isLoaded("frmB"));
        QVERIFY(b->isVisible());
    }

    void programEndsOnlyWhenNoFormIsLeftBetweenEvents()
    {
        Form *a = forms::show("frmA");
        QVERIFY(QTest::qWaitForWindowActive(a));
        // A handler that unloads its own form, the last one, and then opens another.
        goHandler = [](Form &self) {
            forms::unload(self.name());
            self.control("Label1").setCaption("still usable after its own unload");
            forms::show("frmB");
        };
        QTest::mouseClick(button(a, "cmdGo"), Qt::LeftButton);
        settle();
        QVERIFY(!forms::programEnded());
        QVERIFY(forms::isLoaded("frmB"));
        QCOMPARE(forms::loadedCount(), 1);

        forms::unload("frmB");
        QVERIFY(!forms::programEnded()); // decided between events, not inside the call
        settle();
        QVERIFY(forms::programEnded());
    }

    void closingAWindowUnloadsThatFormOnly()
    {
        Form *a = forms::show("frmA");
        forms::show("frmB");
        a->close();
        settle();
        QVERIFY(!forms::isLoaded("frmA"));
        QVERIFY(forms::isLoaded("frmB"));
        QVERIFY(!forms::programEnded());
        QCOMPARE(loads, 2); // nothing was loaded in its place

        forms::instance("frmB")->close();
        settle();
        QVERIFY(forms::programEnded());
    }

    void geometryIsKeptAsSetAndPlacedInPixels()
    {
        Form *a = forms::load("frmA");
        Control &label = a->control("Label1");
        QCOMPARE(label.left(), 150.0);
        label.setLeft(1234.5);
        label.setTop(-7.25);
        label.setWidth(3000.4);
        QCOMPARE(label.left(), 1234.5);
        QCOMPARE(label.top(), -7.25);
        QCOMPARE(label.width(), 3000.4);
        QCOMPARE(label.widget()->geometry(), QRect(82, 0, 200, 25));
        // A control in a frame is placed in the frame's coordinates.
        QCOMPARE(label.widget()->parentWidget()->objectName(), QString("Frame1"));
        QCOMPARE(label.widget()->mapTo(a, QPoint(0, 0)), QPoint(20 + 82, 40 + 0));

        a->setLeft(1500.75);
        a->setWidth(6000);
        QCOMPARE(a->left(), 1500.75);
        QCOMPARE(a->width(), 6000.0);
        QCOMPARE(a->pos().x(), 100);
        QCOMPARE(a->size().width(), 400);
    }

    void screenSizeIsInTwips()
    {
        const QSize pixels = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(screenWidth(), pixels.width() * 15.0);
        QCOMPARE(screenHeight(), pixels.height() * 15.0);
        ui::test::setScreenSize(12000, 9000);
        QCOMPARE(screenWidth(), 12000.0);
        QCOMPARE(screenHeight(), 9000.0);
    }

    void packedColoursPutRedInTheLowByte()
    {
        QCOMPARE(fromPacked(255), QColor(255, 0, 0));
        QCOMPARE(fromPacked(16711680), QColor(0, 0, 255));
        QCOMPARE(fromPacked(16512), QColor(128, 64, 0));
        QCOMPARE(toPacked(QColor(128, 0, 128)), 8388736u);

        Form *a = forms::load("frmA");
        Control &label = a->control("Label1");
        label.setForeColour(16711680);
        QCOMPARE(label.foreColour(), 16711680u);
        QCOMPARE(label.widget()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        label.setForeColour(0);
        QCOMPARE(label.widget()->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }

    void accessKeysClickEnabledButtonsOnly()
    {
        Form *a = forms::show("frmA");
        QVERIFY(QTest::qWaitForWindowActive(a));
        int clicks = 0;
        goHandler = [&clicks](Form &) { ++clicks; };
        QTest::keyClick(a, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(clicks, 1);

        a->control("cmdGo").setEnabled(false);
        QTest::keyClick(a, Qt::Key_G, Qt::AltModifier);
        QTest::keyClick(a, Qt::Key_O, Qt::AltModifier); // cmdOff, disabled from the start
        QTest::qWait(300);
        QCOMPARE(clicks, 1);
        QTest::mouseClick(button(a, "cmdGo"), Qt::LeftButton);
        QCOMPARE(clicks, 1);

        // Disabled between the key press and the animated click: no click either.
        a->control("cmdGo").setEnabled(true);
        QTest::keyClick(a, Qt::Key_G, Qt::AltModifier);
        a->control("cmdGo").setEnabled(false);
        QTest::qWait(300);
        QCOMPARE(clicks, 1);
    }

    void labelsShowAmpersandsButButtonsTakeThemAsAccessKeys()
    {
        Form *a = forms::load("frmA");
        a->control("Label1").setCaption("Hershey & Chase");
        auto *label = a->findChild<QLabel *>("Label1");
        QCOMPARE(label->text(), QString("Hershey & Chase"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(button(a, "cmdGo")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_G));
    }

    void picturesAreShownCopiedAndCleared()
    {
        Form *a = forms::load("frmA");
        Control &source = a->control("Image1");
        Control &target = a->control("Image2");
        QCOMPARE(source.picture().pixmap.size(), QSize(32, 32));
        QVERIFY(target.picture().isNull());

        target.setPicture(source.picture());
        auto *shown = a->findChild<QLabel *>("Image2");
        QCOMPARE(shown->pixmap().toImage(), source.picture().pixmap.toImage());
        QCOMPARE(shown->accessibleName(), QString("Smiling face"));
        QVERIFY(!shown->hasScaledContents());

        target.setPicture({});
        QVERIFY(target.picture().isNull());
        QVERIFY(shown->pixmap().isNull());
        QCOMPARE(shown->accessibleName(), QString());
    }

    void computerIconShowsItsColourImage()
    {
        // The file holds a monochrome image first; the screens want the coloured one.
        const QImage image = loadPicture("computer.ico").pixmap.toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 3, "the monochrome image was picked");
    }

    void randomValuesLieInHalfOpenUnitInterval()
    {
        rtcRandomize();
        double sum = 0;
        float lowest = 1, highest = 0;
        constexpr int Draws = 2'000'000;
        for (int i = 0; i < Draws; ++i) {
            const float r = rtcRandomNext();
            if (r < 0.0f || r >= 1.0f)
                QFAIL(qPrintable(QString("value out of [0, 1): %1").arg(double(r), 0, 'g', 10)));
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
            sum += r;
        }
        QVERIFY(lowest < 1e-5f);
        QVERIFY(highest > 1 - 1e-5f);
        QVERIFY(qAbs(sum / Draws - 0.5) < 0.002);
    }

    void everyRandomizeReseeds()
    {
        auto draw = [] {
            std::vector<float> values;
            for (int i = 0; i < 8; ++i)
                values.push_back(rtcRandomNext());
            return values;
        };
        rtcRandomize();
        const auto first = draw();
        rtcRandomize(); // within the same clock tick, as likely as not
        const auto second = draw();
        rtcRandomize();
        const auto third = draw();
        QVERIFY(first != second);
        QVERIFY(second != third);
        QCOMPARE(ui::test::randomizeCount(), 3);
    }

    void fedRandomValuesComeFirstAndExactly()
    {
        const float justBelowOne = std::nextafter(1.0f, 0.0f);
        ui::test::feedRandom({0.5f, 0.0f, justBelowOne});
        QCOMPARE(rtcRandomNext(), 0.5f);
        QCOMPARE(rtcRandomNext(), 0.0f);
        QCOMPARE(rtcRandomNext(), justBelowOne);
        const float next = rtcRandomNext();
        QVERIFY(next >= 0.0f && next < 1.0f);
    }

    void applicationKnowsItsTitleAndVersion()
    {
        initApplication();
        QCOMPARE(appTitle(), QString("Tessarine"));
        QCOMPARE(QCoreApplication::applicationName(), QString("Tessarine"));
        QCOMPARE(QCoreApplication::applicationVersion(), QString("1.0.0"));
        QCOMPARE(appMajor(), 1);
        QCOMPARE(appMinor(), 0);
        QCOMPARE(appRevision(), 0);
    }

    void runtimeErrorsEscapingAHandlerAreReported()
    {
        QStringList reported;
        ui::test::onFailure([&reported](const QString &message) { reported << message; });
        Form *a = forms::show("frmA");
        qint16 counter = 32767;
        goHandler = [&counter](Form &) { counter = add16(counter, 1); };
        QTest::mouseClick(button(a, "cmdGo"), Qt::LeftButton);
        QCOMPARE(reported, QStringList{"Overflow"});
        QCOMPARE(counter, qint16(32767));
        QVERIFY(failed());

        // One error ends the program; a later one is not reported on top of it.
        goHandler = [](Form &) { Array16<0, 250>().set(251, 1); };
        QTest::mouseClick(button(a, "cmdGo"), Qt::LeftButton);
        QCOMPARE(reported.size(), 1);
    }

    void arraysRejectIndexesOutsideTheirBounds()
    {
        Array16<0, 250> order;
        order.set(0, 5);
        order.set(250, 7);
        QCOMPARE(order(0), qint16(5));
        QCOMPARE(order(250), qint16(7));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, order.set(251, 1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, order(-1));
        QCOMPARE(add16(-32767, -1), qint16(-32768));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, add16(-32768, -1));
    }

    void anUncaughtErrorShowsAMessageAndEndsWithAFailureStatus()
    {
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TESSARINE_TEST_CHILD", "overflow");
        child.setProcessEnvironment(env);
        child.start();
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1);
        const QString shown = QString::fromUtf8(child.readAllStandardOutput());
        QVERIFY2(shown.contains("Tessarine has met an error and must close.") &&
                     shown.contains("Overflow"),
                 qPrintable(shown));
    }
};

// As a child process: a handler overflows under the real error path; the message box it shows
// is read out and closed as a person would.
static int overflowChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    forms::define("frmA", [] { return new TestForm("frmA"); });
    Form *a = forms::show("frmA");
    qint16 counter = 32767;
    goHandler = [&counter](Form &) { counter = add16(counter, 1); };
    QTimer::singleShot(0, a, [a] { button(a, "cmdGo")->click(); });
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            printf("%s\n", qPrintable(box->text()));
            fflush(stdout);
            box->accept();
        }
    });
    reader.start(50);
    return QApplication::exec();
}

int main(int argc, char **argv)
{
    if (qgetenv("TESSARINE_TEST_CHILD") == "overflow")
        return overflowChild(argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    FormsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_forms.moc"
