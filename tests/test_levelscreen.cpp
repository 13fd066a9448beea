// The level screen as a learner meets it: Ready, Asking, Answered and Completed, through
// clicks and access keys, the marks, pictures and beeps, the fitting to the display and Quit.
#include "fixtures.h"
#include "screens.h"

#include "frmscience.h"

#include "levelbanks.h"

#include "forms.h"
#include "runtime.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using quiz::frmScience;

namespace {

const QString Completed = QStringLiteral("You have Completed this level.");
const QColor Black(0, 0, 0), Red(255, 0, 0), Blue(0, 0, 255);

frmScience *open(int level)
{
    auto *screen =
        static_cast<frmScience *>(ui::forms::show(QStringLiteral("frmScience%1").arg(level)));
    screen->activateWindow();
    return screen;
}

using screens::button;
using screens::label;

QPushButton *answerButton(QWidget *screen, int option)
{
    return button(screen, QStringLiteral("Command%1").arg(option));
}

QLabel *optionLabel(QWidget *screen, int option)
{
    return label(screen, QStringLiteral("Label%1").arg(option + 5));
}

QString text1(QWidget *screen)
{
    return screen->findChild<QTextEdit *>("Text1")->toPlainText();
}

QColor colour(QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

QImage shownPicture(QWidget *screen)
{
    return label(screen, "Image1")->pixmap().toImage();
}

QImage picture(QWidget *screen, const char *image)
{
    return label(screen, image)->pixmap().toImage();
}

// The fixture's record on screen, read from the question the learner sees.
int shownRecord(QWidget *screen)
{
    return text1(screen).section(' ', -1).toInt();
}

int correctOf(int record)
{
    return 1 + record % 4;
}

void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

bool answerButtonsEnabled(QWidget *screen, bool enabled)
{
    for (int k = 1; k <= 4; ++k) {
        if (answerButton(screen, k)->isEnabled() != enabled)
            return false;
    }
    return true;
}

} // namespace

class LevelScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        quiz::defineLevelScreens();
        for (int level = 1; level <= 6; ++level)
            bank::test::setLevelBank(level, fixtures::numberedBank());
    }

    void init()
    {
        ui::forms::test::reset();
        ui::test::reset();
        ui::test::setScreenSize(9600, 7200);
    }

    void readyStateAfterLoad_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QColor>("title");
        QTest::newRow("1") << 1 << QColor(255, 0, 0);
        QTest::newRow("2") << 2 << QColor(0, 128, 0);
        QTest::newRow("3") << 3 << QColor(128, 64, 0);
        QTest::newRow("4") << 4 << QColor(128, 0, 0);
        QTest::newRow("5") << 5 << QColor(0, 0, 255);
        QTest::newRow("6") << 6 << QColor(128, 0, 128);
    }

    void readyStateAfterLoad()
    {
        QFETCH(int, level);
        QFETCH(QColor, title);
        frmScience *screen = open(level);
        QCOMPARE(screen->objectName(), QString("frmScience%1").arg(level));
        QVERIFY(screen->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(button(screen, "cmdNext")->text(), QString("&Start"));
        QVERIFY(button(screen, "cmdNext")->isEnabled());
        QVERIFY(button(screen, "cmdQuit")->isEnabled());
        QVERIFY(answerButtonsEnabled(screen, false));
        QCOMPARE(text1(screen), QString("Level %1 consists 250 Questions. Click on Start Button "
                                        "to start the Quiz")
                                    .arg(level));
        for (const char *empty :
             {"Label6", "Label7", "Label8", "Label9", "Label10", "Label11", "Label14"})
            QCOMPARE(label(screen, empty)->text(), QString());
        QVERIFY(shownPicture(screen).isNull());
        QCOMPARE(label(screen, "Label2")->text(), QString("Tessarine"));
        QCOMPARE(colour(label(screen, "Label2")), title);
        // The title takes the width of its caption and keeps its left edge.
        QCOMPARE(screen->control("Label2").left(), 2400.0);
        QCOMPARE(label(screen, "Label2")->width(), label(screen, "Label2")->sizeHint().width());
        QCOMPARE(screen->control("Label2").width(), label(screen, "Label2")->width() * 15.0);
        QCOMPARE(screen->findChild<QWidget *>("Frame1")->property("title").toString(),
                 QString("Click The Correct  Answer"));
        QCOMPARE(screen->questionNo(), qint16(0));
        QCOMPARE(screen->score(), qint16(0));
    }

    void startShowsTheFirstQuestionOfTheOrder()
    {
        frmScience *screen = open(1);
        click(button(screen, "cmdNext"));
        const int first = screen->questionOrder()(1);
        QCOMPARE(shownRecord(screen), first);
        QCOMPARE(text1(screen), QString("Fixture question %1").arg(first));
        QCOMPARE(optionLabel(screen, 1)->text(), QString("Fixture answer %1a").arg(first));
        QCOMPARE(optionLabel(screen, 4)->text(), QString("Fixture answer %1d").arg(first));
        QCOMPARE(label(screen, "Label10")->text(), QString("1"));
        QCOMPARE(label(screen, "Label14")->text(), QString());
        QCOMPARE(button(screen, "cmdNext")->text(), QString("&Next"));
        QVERIFY(!button(screen, "cmdNext")->isEnabled());
        QVERIFY(answerButtonsEnabled(screen, true));
    }

    void aCorrectPickIsMarkedScoredAndBeeps()
    {
        frmScience *screen = open(2);
        click(button(screen, "cmdNext"));
        const int right = correctOf(shownRecord(screen));
        click(answerButton(screen, right));

        for (int k = 1; k <= 4; ++k)
            QCOMPARE(colour(optionLabel(screen, k)), k == right ? Blue : Black);
        QCOMPARE(label(screen, "Label14")->text(), QString::number(right));
        QCOMPARE(label(screen, "Label11")->text(), QString("1"));
        QCOMPARE(shownPicture(screen), picture(screen, "Image2"));
        QVERIFY(!shownPicture(screen).isNull());
        QCOMPARE(label(screen, "Image1")->accessibleName(), QString("Smiling face"));
        QCOMPARE(ui::test::beepCount(), 1);
        QVERIFY(answerButtonsEnabled(screen, false));
        QVERIFY(button(screen, "cmdNext")->isEnabled());
    }

    void aWrongPickShowsTheRightOneAndStaysSilent()
    {
        frmScience *screen = open(2);
        click(button(screen, "cmdNext"));
        const int right = correctOf(shownRecord(screen));
        const int wrong = right % 4 + 1;
        click(answerButton(screen, wrong));

        for (int k = 1; k <= 4; ++k)
            QCOMPARE(colour(optionLabel(screen, k)), k == right ? Blue : k == wrong ? Red : Black);
        QCOMPARE(label(screen, "Label14")->text(), QString::number(right));
        QCOMPARE(label(screen, "Label11")->text(), QString()); // no correct pick yet
        QCOMPARE(shownPicture(screen), picture(screen, "Image3"));
        QCOMPARE(label(screen, "Image1")->accessibleName(), QString("Frowning face"));
        QVERIFY(shownPicture(screen) != picture(screen, "Image2"));
        QCOMPARE(ui::test::beepCount(), 0);
        QVERIFY(answerButtonsEnabled(screen, false));
        QVERIFY(button(screen, "cmdNext")->isEnabled());
        // The marks stay as they are until Next.
        QCOMPARE(colour(optionLabel(screen, wrong)), Red);
    }

    void nextClearsTheMarksAndMovesOn()
    {
        frmScience *screen = open(3);
        click(button(screen, "cmdNext"));
        const int right = correctOf(shownRecord(screen));
        click(answerButton(screen, right % 4 + 1));
        click(button(screen, "cmdNext"));
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(colour(optionLabel(screen, k)), Black);
        QVERIFY(shownPicture(screen).isNull());
        QCOMPARE(label(screen, "Label14")->text(), QString());
        QCOMPARE(label(screen, "Label10")->text(), QString("2"));
        QCOMPARE(shownRecord(screen), int(screen->questionOrder()(2)));
    }

    void aQuestionCanBeNeitherSkippedNorAnsweredTwice()
    {
        frmScience *screen = open(4);
        click(button(screen, "cmdNext"));
        const int record = shownRecord(screen);
        click(button(screen, "cmdNext")); // disabled while the question waits
        QCOMPARE(shownRecord(screen), record);
        QCOMPARE(label(screen, "Label10")->text(), QString("1"));

        const int right = correctOf(record);
        click(answerButton(screen, right));
        for (int k = 1; k <= 4; ++k)
            click(answerButton(screen, k)); // all disabled after one answer
        QCOMPARE(label(screen, "Label11")->text(), QString("1"));
        QCOMPARE(ui::test::beepCount(), 1);
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(colour(optionLabel(screen, k)), k == right ? Blue : Black);
    }

    void aWholeAttemptAsksEveryRecordOnceInOrder()
    {
        frmScience *screen = open(5);
        std::vector<int> asked;
        int expectedScore = 0;
        for (int n = 1; n <= 250; ++n) {
            click(button(screen, "cmdNext"));
            QCOMPARE(label(screen, "Label10")->text(), QString::number(n));
            const int record = shownRecord(screen);
            asked.push_back(record);
            QCOMPARE(record, int(screen->questionOrder()(n)));
            // Right on two questions of three.
            const int right = correctOf(record);
            const bool pickRight = n % 3 != 0;
            click(answerButton(screen, pickRight ? right : right % 4 + 1));
            expectedScore += pickRight;
            if (expectedScore > 0)
                QCOMPARE(label(screen, "Label11")->text(), QString::number(expectedScore));
        }
        std::vector<int> sorted = asked;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < 250; ++i)
            QCOMPARE(sorted[std::size_t(i)], i + 1);
        QCOMPARE(ui::test::beepCount(), expectedScore);

        const int last = asked.back();
        click(button(screen, "cmdNext"));
        QCOMPARE(text1(screen), Completed);
        QVERIFY(!button(screen, "cmdNext")->isEnabled());
        QCOMPARE(button(screen, "cmdNext")->text(), QString("&Next"));
        QVERIFY(answerButtonsEnabled(screen, false));
        QVERIFY(button(screen, "cmdQuit")->isEnabled());
        QCOMPARE(label(screen, "Label10")->text(), QString("250"));
        QCOMPARE(label(screen, "Label14")->text(), QString::number(correctOf(last)));
        QCOMPARE(label(screen, "Label11")->text(), QString::number(expectedScore));
        QCOMPARE(optionLabel(screen, 2)->text(), QString("Fixture answer %1b").arg(last));
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(colour(optionLabel(screen, k)), Black);
        QVERIFY(shownPicture(screen).isNull());

        // Nothing more can be asked or answered.
        click(button(screen, "cmdNext"));
        click(answerButton(screen, 1));
        QCOMPARE(text1(screen), Completed);
        QCOMPARE(screen->questionNo(), qint16(251));
    }

    void allRightScoresTwoHundredAndFifty()
    {
        frmScience *screen = open(6);
        for (int n = 1; n <= 250; ++n) {
            click(button(screen, "cmdNext"));
            click(answerButton(screen, correctOf(shownRecord(screen))));
        }
        QCOMPARE(label(screen, "Label11")->text(), QString("250"));
        QCOMPARE(ui::test::beepCount(), 250);
    }

    void theKeyboardAloneTakesALevel()
    {
        frmScience *screen = open(1);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QTest::keyClick(screen, Qt::Key_N, Qt::AltModifier); // not yet: it reads Start
        QTest::qWait(200);
        QCOMPARE(label(screen, "Label10")->text(), QString());

        QTest::keyClick(screen, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(label(screen, "Label10")->text(), QString("1"));
        const int right = correctOf(shownRecord(screen));
        QTest::keyClick(screen, Qt::Key(Qt::Key_0 + right), Qt::AltModifier);
        QTRY_COMPARE(label(screen, "Label14")->text(), QString::number(right));
        QCOMPARE(label(screen, "Label11")->text(), QString("1"));

        // Alt+S no longer works once the button reads Next.
        QTest::keyClick(screen, Qt::Key_S, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(label(screen, "Label10")->text(), QString("1"));
        QTest::keyClick(screen, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(label(screen, "Label10")->text(), QString("2"));
        const int wrong = correctOf(shownRecord(screen)) % 4 + 1;
        QTest::keyClick(screen, Qt::Key(Qt::Key_0 + wrong), Qt::AltModifier);
        QTRY_COMPARE(colour(optionLabel(screen, wrong)), Red);

        QTest::keyClick(screen, Qt::Key_Q, Qt::AltModifier);
        QTRY_VERIFY(!ui::forms::isLoaded("frmScience1"));
    }

    void twoAnswerKeysInQuickSuccessionJudgeOnlyOne()
    {
        frmScience *screen = open(3);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        click(button(screen, "cmdNext"));
        const int right = correctOf(shownRecord(screen));
        const int wrong = right % 4 + 1;
        // Both keys go down before the first animated click lands.
        QTest::keyClick(screen, Qt::Key(Qt::Key_0 + wrong), Qt::AltModifier);
        QTest::keyClick(screen, Qt::Key(Qt::Key_0 + right), Qt::AltModifier);
        QTest::keyClick(screen, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(label(screen, "Label14")->text(), QString::number(right));
        QTest::qWait(400);
        QCOMPARE(colour(optionLabel(screen, wrong)), Red);
        QCOMPARE(colour(optionLabel(screen, right)), Blue);
        QCOMPARE(label(screen, "Label11")->text(), QString());
        QCOMPARE(ui::test::beepCount(), 0);
        QCOMPARE(label(screen, "Label10")->text(), QString("1"));
    }

    void anAnswerKeyJustAfterQuitDoesNothing()
    {
        frmScience *screen = open(6);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        click(button(screen, "cmdNext"));
        const int right = correctOf(shownRecord(screen));
        QTest::keyClick(screen, Qt::Key_Q, Qt::AltModifier);
        QTest::keyClick(screen, Qt::Key(Qt::Key_0 + right), Qt::AltModifier);
        QTRY_VERIFY(!ui::forms::isLoaded("frmScience6"));
        QTest::qWait(300);
        QCOMPARE(ui::test::beepCount(), 0);
    }

    void spaceOnTheFocusedButtonGoesStartAnswerNext()
    {
        // A keyboard learner's focus follows the attempt: never onto Quit by surprise.
        frmScience *screen = open(2);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        button(screen, "cmdNext")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(label(screen, "Label10")->text(), QString("1"));
        QCOMPARE(QApplication::focusWidget(), answerButton(screen, 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!label(screen, "Label14")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), button(screen, "cmdNext"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(label(screen, "Label10")->text(), QString("2"));
        QVERIFY(ui::forms::isLoaded("frmScience2"));
    }

    void fitsTheDesignSizeDisplay()
    {
        frmScience *screen = open(1);
        QCOMPARE(screen->width(), 9600.0);
        QCOMPARE(screen->height(), 7200.0);
        QCOMPARE(screen->geometry(), QRect(0, 0, 640, 480));
        for (const char *wide : {"Frame1", "Text1", "Frame2", "Frame3"})
            QCOMPARE(screen->control(wide).width(), 9375.0);
        QCOMPARE(screen->control("cmdQuit").left(), 7920.0);
        QCOMPARE(screen->control("Frame2").top(), 6200.0);
        QCOMPARE(screen->control("Frame3").top(), 5184.0);
        QCOMPARE(screen->control("Label4").left(), 6840.0);
        QCOMPARE(screen->control("Label11").left(), 8880.0);
        QCOMPARE(screen->control("Picture1").left(), 1320.0);
        QCOMPARE(screen->control("Image1").left(), 4492.5);
        QCOMPARE(screen->control("Label13").left(), 3892.5);
        QCOMPARE(screen->control("Label14").left(), 5892.5);
        QCOMPARE(screen->control("Label6").width(), 8775.0);
    }

    void fitsALargerDisplay()
    {
        ui::test::setScreenSize(12000, 9000);
        frmScience *screen = open(3);
        QCOMPARE(screen->geometry(), QRect(0, 0, 800, 600));
        for (const char *wide : {"Frame1", "Text1", "Frame2", "Frame3"})
            QCOMPARE(screen->control(wide).width(), 11775.0);
        QCOMPARE(screen->control("cmdQuit").left(), 10320.0);
        QCOMPARE(screen->control("Label4").left(), 9240.0);
        QCOMPARE(screen->control("Label11").left(), 11280.0);
        QCOMPARE(screen->control("Frame2").top(), 8000.0);
        QCOMPARE(screen->control("Frame3").top(), 6480.0);
        QCOMPARE(screen->control("Label14").left(), screen->control("Label13").left() + 2000);
        // The option labels grow with their panel and keep its margins.
        for (const char *option : {"Label6", "Label7", "Label8", "Label9"}) {
            QCOMPARE(screen->control(option).width(), 11775.0 - 600);
            QCOMPARE(screen->control(option).left(), 480.0);
        }
        // Pixels follow the twips.
        QCOMPARE(screen->findChild<QWidget *>("Frame2")->geometry(), QRect(8, 533, 785, 57));
    }

    void quitInAnyStateEndsTheAttempt_data()
    {
        QTest::addColumn<int>("clicks"); // 0 Ready, 1 Asking, 2 Answered, 501 Completed
        QTest::newRow("ready") << 0;
        QTest::newRow("asking") << 1;
        QTest::newRow("answered") << 2;
        QTest::newRow("completed") << 501;
    }

    void quitInAnyStateEndsTheAttempt()
    {
        QFETCH(int, clicks);
        frmScience *screen = open(4);
        for (int i = 0; i < clicks; ++i) {
            if (i % 2 == 0)
                click(button(screen, "cmdNext"));
            else
                click(answerButton(screen, correctOf(shownRecord(screen))));
        }
        const std::vector<int> before = [&] {
            std::vector<int> order;
            for (int i = 1; i <= 250; ++i)
                order.push_back(screen->questionOrder()(i));
            return order;
        }();
        QPointer<frmScience> old = screen;
        click(button(screen, "cmdQuit"));
        QVERIFY(!ui::forms::isLoaded("frmScience4"));
        QVERIFY(!old->isVisible());

        frmScience *again = open(4);
        QVERIFY(again != nullptr);
        QCOMPARE(button(again, "cmdNext")->text(), QString("&Start"));
        QVERIFY(answerButtonsEnabled(again, false));
        QCOMPARE(label(again, "Label11")->text(), QString());
        QCOMPARE(label(again, "Label10")->text(), QString());
        QCOMPARE(again->score(), qint16(0));
        std::vector<int> after;
        for (int i = 1; i <= 250; ++i)
            after.push_back(again->questionOrder()(i));
        QVERIFY(after != before);
    }

    void quitLeavesOtherLevelsAlone()
    {
        frmScience *one = open(1);
        frmScience *two = open(2);
        click(button(one, "cmdNext"));
        click(button(two, "cmdQuit"));
        QVERIFY(ui::forms::isLoaded("frmScience1"));
        QCOMPARE(label(one, "Label10")->text(), QString("1"));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    LevelScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_levelscreen.moc"
