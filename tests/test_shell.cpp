// The shell as a learner meets it: the menu at start-up, levels opened side by side, the
// About screen after Exit, and the end of the program once no screen is left.
#include "fixtures.h"
#include "screens.h"

#include "shell.h"

#include "frmscience.h"
#include "levelbanks.h"

#include "form.h"
#include "forms.h"
#include "runtime.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using quiz::frmScience;

namespace {

ui::Form *form(const char *name)
{
    return ui::forms::instance(QLatin1String(name));
}

using screens::button;
using screens::settle;

QString labelText(QWidget *screen, const char *name)
{
    return screens::label(screen, name)->text();
}

ui::Form *startProgram()
{
    shell::start();
    ui::Form *menu = form("frmmenu");
    if (menu)
        menu->activateWindow();
    return menu;
}

// What the About screen shows at the moment it first becomes visible.
class AboutWatcher : public QObject
{
public:
    QStringList seen;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == "frmPelko") {
            auto *about = static_cast<QWidget *>(watched);
            seen = {about->windowTitle(), labelText(about, "lblTitle"),
                    labelText(about, "lblVersion")};
        }
        return false;
    }
};

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui::initApplication();
        shell::defineForms();
        for (int level = 1; level <= 6; ++level)
            bank::test::setLevelBank(level, fixtures::numberedBank());
    }

    void init()
    {
        ui::forms::test::reset();
        ui::test::reset();
        ui::test::setScreenSize(12000, 9000);
    }

    void startsOnTheCentredMenu()
    {
        ui::Form *menu = startProgram();
        QVERIFY(menu);
        QVERIFY(menu->isVisible());
        QCOMPARE(ui::forms::loadedCount(), 1);
        const QList<QPushButton *> buttons = menu->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 7);
        for (QPushButton *b : buttons)
            QVERIFY(b->isEnabled());
        for (int level = 1; level <= 6; ++level)
            QCOMPARE(button(menu, QString("cmdLevel%1").arg(level))->text(),
                     QString("Level   &%1").arg(level));
        QCOMPARE(button(menu, "cmdExit")->text(), QString("E&xit"));
        QCOMPARE(labelText(menu, "Label1"), QString("Tessarine"));
        QVERIFY(labelText(menu, "Label2").startsWith("Developed by   "));
        QVERIFY(!menu->windowIcon().isNull());
        // 7200 x 3660 twips in the middle of 12000 x 9000.
        QCOMPARE(menu->left(), 2400.0);
        QCOMPARE(menu->top(), 2670.0);
        QCOMPARE(menu->pos(), QPoint(160, 178));
    }

    void aMenuLargerThanTheScreenOverhangsEqually()
    {
        ui::test::setScreenSize(6000, 3000);
        ui::Form *menu = startProgram();
        QCOMPARE(menu->left(), -600.0);
        QCOMPARE(menu->top(), -330.0);
        QCOMPARE(menu->left() + menu->width() - 6000, 600.0);
    }

    void levelsOpenSideBySideEachWithItsOwnAttempt()
    {
        ui::Form *menu = startProgram();
        QTest::mouseClick(button(menu, "cmdLevel1"), Qt::LeftButton);
        auto *one = static_cast<frmScience *>(form("frmScience1"));
        QVERIFY(one && one->isVisible());
        QVERIFY(menu->isVisible() && menu->isEnabled());
        QTest::mouseClick(button(one, "cmdNext"), Qt::LeftButton);

        QTest::mouseClick(button(menu, "cmdLevel3"), Qt::LeftButton);
        auto *three = static_cast<frmScience *>(form("frmScience3"));
        QVERIFY(three && three->isVisible());
        QCOMPARE(button(three, "cmdNext")->text(), QString("&Start"));
        QCOMPARE(one->questionNo(), qint16(1));
        QCOMPARE(ui::forms::loadedCount(), 3);
    }

    void anOpenLevelIsOnlyBroughtToTheFront()
    {
        ui::Form *menu = startProgram();
        QTest::mouseClick(button(menu, "cmdLevel2"), Qt::LeftButton);
        auto *two = static_cast<frmScience *>(form("frmScience2"));
        QTest::mouseClick(button(two, "cmdNext"), Qt::LeftButton);
        const int right =
            1 + two->findChild<QTextEdit *>("Text1")->toPlainText().section(' ', -1).toInt() % 4;
        QTest::mouseClick(button(two, QString("Command%1").arg(right)), Qt::LeftButton);
        const QString question = two->findChild<QTextEdit *>("Text1")->toPlainText();
        const qint16 first = two->questionOrder()(1), last = two->questionOrder()(250);

        menu->activateWindow();
        QTest::mouseClick(button(menu, "cmdLevel2"), Qt::LeftButton);
        QTest::mouseClick(button(menu, "cmdLevel2"), Qt::LeftButton);
        QCOMPARE(form("frmScience2"), two);
        QCOMPARE(two->questionNo(), qint16(1));
        QCOMPARE(two->score(), qint16(1));
        QCOMPARE(two->questionOrder()(1), first);
        QCOMPARE(two->questionOrder()(250), last);
        QCOMPARE(two->findChild<QTextEdit *>("Text1")->toPlainText(), question);
        QCOMPARE(labelText(two, "Label11"), QString("1"));
        QVERIFY(button(two, "cmdNext")->isEnabled());
    }

    void quitAndReopenStartsANewAttempt()
    {
        ui::Form *menu = startProgram();
        QTest::mouseClick(button(menu, "cmdLevel6"), Qt::LeftButton);
        auto *six = static_cast<frmScience *>(form("frmScience6"));
        QTest::mouseClick(button(six, "cmdNext"), Qt::LeftButton);
        QTest::mouseClick(button(six, "cmdQuit"), Qt::LeftButton);
        settle();
        QVERIFY(!ui::forms::isLoaded("frmScience6"));
        QVERIFY(menu->isVisible());
        QVERIFY(!ui::forms::programEnded());

        QTest::mouseClick(button(menu, "cmdLevel6"), Qt::LeftButton);
        six = static_cast<frmScience *>(form("frmScience6"));
        QCOMPARE(button(six, "cmdNext")->text(), QString("&Start"));
        QCOMPARE(six->questionNo(), qint16(0));
    }

    void accessKeysOpenLevelsAndExit()
    {
        ui::Form *menu = startProgram();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        for (int level = 1; level <= 6; ++level) {
            menu->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(menu));
            QTest::keyClick(menu, Qt::Key(Qt::Key_0 + level), Qt::AltModifier);
            QTRY_VERIFY(ui::forms::isLoaded(QString("frmScience%1").arg(level)));
        }
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QTest::keyClick(menu, Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(ui::forms::isLoaded("frmPelko"));
        QVERIFY(!ui::forms::isLoaded("frmmenu"));

        ui::Form *about = form("frmPelko");
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!ui::forms::isLoaded("frmPelko"));
        QCOMPARE(ui::forms::loadedCount(), 6);
    }

    void escapeLeavesTheMenuAndEnterClosesTheAbout()
    {
        ui::Form *menu = startProgram();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(ui::forms::isLoaded("frmPelko"));
        ui::Form *about = form("frmPelko");
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, Qt::Key_Return);
        QTRY_VERIFY(!ui::forms::isLoaded("frmPelko"));
        settle();
        QVERIFY(ui::forms::programEnded());
    }

    void exitWithLevelsOpenLeavesThemRunning()
    {
        AboutWatcher watcher;
        qApp->installEventFilter(&watcher);
        ui::Form *menu = startProgram();
        QTest::mouseClick(button(menu, "cmdLevel1"), Qt::LeftButton);
        QTest::mouseClick(button(menu, "cmdLevel4"), Qt::LeftButton);
        auto *four = static_cast<frmScience *>(form("frmScience4"));
        QTest::mouseClick(button(four, "cmdNext"), Qt::LeftButton);

        QTest::mouseClick(button(menu, "cmdExit"), Qt::LeftButton);
        settle();
        qApp->removeEventFilter(&watcher);
        QVERIFY(!ui::forms::isLoaded("frmmenu"));
        ui::Form *about = form("frmPelko");
        QVERIFY(about && about->isVisible());
        QCOMPARE(watcher.seen, QStringList({"About Tessarine", "Tessarine", "Version 1.0.0"}));
        QVERIFY(!about->isModal());
        QCOMPARE(four->questionNo(), qint16(1));

        // The level goes on while the About screen is shown.
        const int right =
            1 + four->findChild<QTextEdit *>("Text1")->toPlainText().section(' ', -1).toInt() % 4;
        QTest::mouseClick(button(four, QString("Command%1").arg(right)), Qt::LeftButton);
        QCOMPARE(four->score(), qint16(1));

        QTest::mouseClick(button(about, "cmdOk"), Qt::LeftButton);
        settle();
        QVERIFY(!ui::forms::isLoaded("frmPelko"));
        QVERIFY(!ui::forms::programEnded());
        QVERIFY(!ui::forms::isLoaded("frmmenu")); // nothing brings the menu back

        QTest::mouseClick(button(four, "cmdQuit"), Qt::LeftButton);
        settle();
        QVERIFY(!ui::forms::programEnded());
        QTest::mouseClick(button(form("frmScience1"), "cmdQuit"), Qt::LeftButton);
        settle();
        QVERIFY(ui::forms::programEnded());
        QVERIFY(!ui::forms::isLoaded("frmmenu"));
    }

    void theAboutScreenIsCentredAndShowsItsTexts()
    {
        ui::Form *menu = startProgram();
        QTest::mouseClick(button(menu, "cmdExit"), Qt::LeftButton);
        ui::Form *about = form("frmPelko");
        QCOMPARE(about->top(), 9000 / 2 - 3540 / 2.0);
        QCOMPARE(about->left(), 12000 / 2 - 5970 / 2.0);
        QCOMPARE(labelText(about, "lblDescription"), QString("Education Software"));
        QVERIFY(labelText(about, "Label5").startsWith("e-mail : "));
        QVERIFY(!labelText(about, "lblDisclaimer").isEmpty());
        QVERIFY(about->windowIcon().isNull() ||
                about->windowIcon().cacheKey() != menu->windowIcon().cacheKey());
        // Tab order starts on OK.
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(QApplication::focusWidget(), button(about, "cmdOk"));
    }

    void everyCaptionIsShownWhole()
    {
        ui::Form *menu = startProgram();
        QTest::mouseClick(button(menu, "cmdLevel1"), Qt::LeftButton);
        QTest::mouseClick(button(menu, "cmdExit"), Qt::LeftButton);
        for (const char *name : {"frmScience1", "frmPelko"}) {
            ui::Form *screen = form(name);
            for (QLabel *label : screen->findChildren<QLabel *>()) {
                if (label->text().isEmpty())
                    continue;
                const QRect room = label->contentsRect();
                const QFontMetrics metrics(label->font());
                // The metric-compatible face may come out a pixel wider than the original.
                const bool whole =
                    label->wordWrap()
                        ? label->heightForWidth(room.width()) <= room.height()
                        : metrics.horizontalAdvance(label->text()) <= room.width() + 1;
                QVERIFY2(whole, qPrintable(QString("%1 %2: \"%3\" is cut")
                                               .arg(name, label->objectName(), label->text())));
            }
            for (QPushButton *b : screen->findChildren<QPushButton *>())
                QVERIFY(QFontMetrics(b->font()).horizontalAdvance(b->text().remove('&')) <
                        b->width());
        }
    }

    void closingTheMenuShowsNoAboutScreen()
    {
        ui::Form *menu = startProgram();
        menu->close();
        settle();
        QVERIFY(!ui::forms::isLoaded("frmmenu"));
        QVERIFY(!ui::forms::isLoaded("frmPelko"));
        QVERIFY(ui::forms::programEnded());
    }

    void closingTheMenuWithALevelOpenKeepsTheLevel()
    {
        ui::Form *menu = startProgram();
        QTest::mouseClick(button(menu, "cmdLevel5"), Qt::LeftButton);
        menu->close();
        settle();
        QVERIFY(ui::forms::isLoaded("frmScience5"));
        QVERIFY(!ui::forms::isLoaded("frmPelko"));
        QVERIFY(!ui::forms::programEnded());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ShellTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_shell.moc"
