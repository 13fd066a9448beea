// SPDX-License-Identifier: MIT
// The whole program played at random with clicks and keys, as a restless learner would, checking
// after every event what a learner relies on. TESSARINE_PLAY_SEED repeats a run,
// TESSARINE_PLAY_EVENTS sets its length.
#include "levelbanks.h"
#include "shell.h"

#include "form.h"
#include "forms.h"
#include "int16.h"
#include "runtime.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

#include <random>

namespace {

const QString Completed = QStringLiteral("You have Completed this level.");
const QColor Black(0, 0, 0), Red(255, 0, 0), Blue(0, 0, 255);

template<typename T> T *child(ui::Form *form, const QString &name)
{
    return form->window()->findChild<T *>(name);
}

QString caption(ui::Form *form, const QString &label)
{
    return child<QLabel>(form, label)->text();
}

QImage picture(ui::Form *form, const QString &image)
{
    return child<QLabel>(form, image)->pixmap().toImage();
}

QColor optionColour(ui::Form *form, int option)
{
    return child<QLabel>(form, QStringLiteral("Label%1").arg(option + 5))
        ->palette()
        .color(QPalette::WindowText);
}

// A message with its numbers filled in.
template<typename... Args> QString say(const char *format, Args... args)
{
    return QString::asprintf(format, args...);
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// What the player remembers of one attempt at a level, to compare with its next look.
struct Attempt
{
    QPointer<ui::Form> form;
    int asked = 0;
    int score = 0;
    bool answered = false;
    QSet<QString> questions;
};

class Player
{
public:
    explicit Player(quint64 seed) : random(seed), seed(seed)
    {
        for (int level = 1; level <= bank::LevelCount; ++level) {
            for (const bank::QuestionRecord &r : bank::levelBank(level).records)
                records[level].insert(r.Question, &r);
        }
        startProgram();
    }

    // One event of a learner's, then the look at every screen; empty, or what went wrong.
    QString play()
    {
        std::vector<ui::Form *> open;
        for (const QString &name : screenNames()) {
            if (ui::Form *form = ui::forms::instance(name); form && form->window()->isVisible())
                open.push_back(form);
        }
        if (open.empty())
            return "a screen is loaded but none is shown";
        // Mostly the screen in front, as a learner works on one screen at a time.
        const auto front = std::find_if(open.begin(), open.end(), [](ui::Form *form) {
            return form->window() == QApplication::activeWindow();
        });
        ui::Form *form = front != open.end() && pick(5) ? *front : open[pick(open.size())];
        // Leaving a level is rare enough that an attempt is now and then completed; the menu and
        // the About screen are left often enough that the program ends and starts again.
        const std::size_t kind = pick(1000);
        if (kind < (form->name().startsWith("frmScience") ? 2 : 100))
            leave(form);
        else if (kind < 10)
            pressAccessKeys(form);
        else if (kind < 200)
            pressSpace(form);
        else
            click(form);
        settle();
        ++events;
        return look();
    }

    QString summary() const
    {
        return say("seed %llu: %d events, %d runs of the program, %d screens opened, %d attempts "
                   "completed",
                   seed, events, runs, opened, completed);
    }

private:
    static QStringList screenNames()
    {
        QStringList names{"frmmenu", "frmPelko"};
        for (int level = 1; level <= bank::LevelCount; ++level)
            names << QStringLiteral("frmScience%1").arg(level);
        return names;
    }

    std::size_t pick(std::size_t n) { return std::size_t(random() % n); }

    void startProgram()
    {
        ui::forms::test::reset();
        ui::test::reset();
        ui::test::seedFromNumber(seed + quint64(runs));
        menuLeft = false;
        rightAnswers = 0;
        ++runs;
        shell::start();
        settle();
    }

    static bool leaves(const QPushButton *button)
    {
        return QStringList{"cmdQuit", "cmdExit", "cmdOk"}.contains(button->objectName());
    }

    // A button that does not leave the screen, mostly one that is enabled.
    void click(ui::Form *form)
    {
        auto buttons = form->window()->findChildren<QPushButton *>();
        buttons.removeIf(leaves);
        if (pick(4))
            buttons.removeIf([](auto *button) { return !button->isEnabled(); });
        if (buttons.isEmpty())
            return;
        QTest::mouseClick(buttons[qsizetype(pick(std::size_t(buttons.size())))], Qt::LeftButton);
    }

    // The button that leaves the screen, or the window system's close box.
    void leave(ui::Form *form)
    {
        auto buttons = form->window()->findChildren<QPushButton *>();
        buttons.removeIf([](auto *button) { return !leaves(button); });
        if (pick(2))
            QTest::mouseClick(buttons.front(), Qt::LeftButton);
        else
            form->window()->close();
    }

    bool activate(ui::Form *form)
    {
        form->window()->activateWindow();
        return QTest::qWaitFor([&] { return QApplication::activeWindow() == form->window(); },
                               1000);
    }

    void pressSpace(ui::Form *form)
    {
        if (!activate(form))
            return;
        QWidget *focused = QApplication::focusWidget();
        if (auto *button = qobject_cast<QPushButton *>(focused); button && leaves(button))
            return;
        const QString was = focused ? focused->objectName() : QString();
        QTest::keyClick(focused ? focused : form->window(), Qt::Key_Space);
        // The focus follows the attempt: from Start or Next to option 1, from an answer to Next.
        if (!form->name().startsWith("frmScience") || !ui::forms::isLoaded(form->name()) ||
            child<QTextEdit>(form, "Text1")->toPlainText() == Completed)
            return;
        focusAfterSpace = {};
        if (was == "cmdNext" && !child<QPushButton>(form, "cmdNext")->isEnabled())
            focusAfterSpace = "Command1";
        else if (was.startsWith("Command") && child<QPushButton>(form, "cmdNext")->isEnabled())
            focusAfterSpace = "cmdNext";
        const QWidget *now = QApplication::focusWidget();
        if (!focusAfterSpace.isEmpty() && (!now || now->objectName() != focusAfterSpace))
            focusError = QStringLiteral("after Space on %1 the focus is not on %2")
                             .arg(was, focusAfterSpace);
    }

    // One or two access keys in quick succession; Qt clicks a moment after each key.
    void pressAccessKeys(ui::Form *form)
    {
        static const QHash<QString, QList<QKeyCombination>> keys{
            {"frmmenu",
             {Qt::ALT | Qt::Key_1, Qt::ALT | Qt::Key_4, Qt::ALT | Qt::Key_6, Qt::ALT | Qt::Key_X,
              QKeyCombination(Qt::Key_Escape)}},
            {"frmPelko", {Qt::ALT | Qt::Key_O, QKeyCombination(Qt::Key_Return)}},
            {"level",
             {Qt::ALT | Qt::Key_S, Qt::ALT | Qt::Key_N, Qt::ALT | Qt::Key_Q, Qt::ALT | Qt::Key_1,
              Qt::ALT | Qt::Key_2, Qt::ALT | Qt::Key_3, Qt::ALT | Qt::Key_4}},
        };
        const auto &choice = keys.value(keys.contains(form->name()) ? form->name() : "level");
        if (!activate(form))
            return;
        // A key that leaves the screen comes alone: with an answer before it, the marks of that
        // answer would go with the screen before anyone saw them.
        const QList<QKeyCombination> leaving{Qt::ALT | Qt::Key_Q, Qt::ALT | Qt::Key_X,
                                             QKeyCombination(Qt::Key_Escape)};
        const std::size_t count = 1 + pick(2);
        for (std::size_t n = 0; n < count; ++n) {
            const QKeyCombination key = choice[qsizetype(pick(std::size_t(choice.size())))];
            if (leaving.contains(key) && count > 1)
                continue;
            QTest::keyClick(form->window(), key.key(), key.keyboardModifiers());
        }
        (void)QTest::qWaitFor(
            [] {
                for (QWidget *window : QApplication::topLevelWidgets())
                    for (auto *button : window->findChildren<QPushButton *>())
                        if (button->isDown())
                            return false;
                return true;
            },
            1000);
        settle();
    }

    QString look()
    {
        if (!focusError.isEmpty())
            return std::exchange(focusError, {});
        const bool menu = ui::forms::isLoaded("frmmenu");
        if (menuLeft && menu)
            return "the menu came back after Exit";
        menuLeft = menuLeft || !menu;
        if (ui::forms::isLoaded("frmPelko") && menu)
            return "the About screen is open beside the menu";
        if (ui::forms::programEnded() != (ui::forms::loadedCount() == 0))
            return say("%d screens are open and the program has %sended", ui::forms::loadedCount(),
                       ui::forms::programEnded() ? "" : "not ");
        if (ui::forms::programEnded()) {
            startProgram();
            return {};
        }
        const QRect display = QGuiApplication::primaryScreen()->geometry();
        // Centred before the window system adds its frame: the outer corner and the client size.
        for (const char *name : {"frmmenu", "frmPelko"}) {
            const QWidget *window =
                ui::forms::isLoaded(name) ? ui::forms::instance(name)->window() : nullptr;
            if (window && (QRect(window->pos(), window->size()).center() - display.center())
                                  .manhattanLength() > 1)
                return QStringLiteral("%1 is not centred").arg(name);
        }
        for (int level = 1; level <= bank::LevelCount; ++level) {
            if (ui::Form *form = ui::forms::instance(QStringLiteral("frmScience%1").arg(level))) {
                const QString problem = lookAtLevel(level, form);
                if (!problem.isEmpty())
                    return QStringLiteral("level %1: %2").arg(level).arg(problem);
            }
        }
        if (ui::test::beepCount() != rightAnswers)
            return say("%d beeps for %d right answers", ui::test::beepCount(), rightAnswers);
        return {};
    }

    QString lookAtLevel(int level, ui::Form *form)
    {
        Attempt &attempt = attempts[level];
        if (attempt.form != form) {
            attempt = {};
            attempt.form = form;
            ++opened;
        }
        if (form->window()->geometry() != QGuiApplication::primaryScreen()->geometry())
            return "the screen does not fill the display";
        const auto *next = child<QPushButton>(form, "cmdNext");
        const QString text = child<QTextEdit>(form, "Text1")->toPlainText();
        int enabledAnswers = 0;
        for (int k = 1; k <= 4; ++k)
            enabledAnswers +=
                child<QPushButton>(form, QStringLiteral("Command%1").arg(k))->isEnabled();
        const int asked = caption(form, "Label10").toInt();
        const int score = caption(form, "Label11").toInt();
        if (!child<QPushButton>(form, "cmdQuit")->isEnabled())
            return "Quit is disabled";

        if (next->text() == "&Start") {
            if (!next->isEnabled() || enabledAnswers || asked || attempt.asked)
                return "not ready to start";
            return {};
        }
        if (asked != attempt.asked && asked != attempt.asked + 1)
            return say("the question number went from %d to %d", attempt.asked, asked);
        if (text == Completed) {
            if (next->isEnabled() || enabledAnswers || asked != 250 || attempt.asked != 250)
                return "completed with a button still enabled or a question left";
            completed += std::exchange(attempt.answered, false);
            return {};
        }
        if (asked == attempt.asked + 1) {
            if (attempt.questions.contains(text))
                return QStringLiteral("\"%1\" asked twice in one attempt").arg(text);
            attempt.questions.insert(text);
            attempt.asked = asked;
            attempt.answered = false;
        }
        const bank::QuestionRecord *record = records[level].value(text);
        if (!record)
            return QStringLiteral("\"%1\" is not a question of this level").arg(text);
        const QStringList options{record->Option1, record->Option2, record->Option3,
                                  record->Option4};
        for (int k = 1; k <= 4; ++k) {
            if (caption(form, QStringLiteral("Label%1").arg(k + 5)) != options[k - 1])
                return QStringLiteral("option %1 does not read as stored").arg(k);
        }
        if (!next->isEnabled()) {
            if (enabledAnswers != 4 || !caption(form, "Label14").isEmpty() ||
                !picture(form, "Image1").isNull() || score != attempt.score)
                return "a question waits with the marks of an answer";
            for (int k = 1; k <= 4; ++k) {
                if (optionColour(form, k) != Black)
                    return QStringLiteral("option %1 is coloured before an answer").arg(k);
            }
            return {};
        }
        if (enabledAnswers)
            return "an answered question still takes answers";
        if (caption(form, "Label14") != QString::number(record->Correct) ||
            optionColour(form, record->Correct) != Blue)
            return "the correct option is not shown in blue and by its number";
        int red = 0;
        for (int k = 1; k <= 4; ++k)
            red += optionColour(form, k) == Red;
        const bool right = red == 0;
        if (red > 1 || picture(form, "Image1") != picture(form, right ? "Image2" : "Image3"))
            return "the marks and the face disagree";
        const int expected = attempt.score + (right && !attempt.answered);
        if (score != expected || score > asked)
            return QStringLiteral("the marks read %1 instead of %2").arg(score).arg(expected);
        rightAnswers += right && !attempt.answered;
        attempt.answered = true;
        attempt.score = score;
        return {};
    }

    std::mt19937_64 random;
    const quint64 seed;
    QHash<QString, const bank::QuestionRecord *> records[bank::LevelCount + 1];
    Attempt attempts[bank::LevelCount + 1];
    bool menuLeft = false;
    int rightAnswers = 0;
    QString focusAfterSpace, focusError;
    int events = 0, runs = 0, opened = 0, completed = 0;
};

struct Overflowing
{
    qint16 count = 32767;
    ui::Array16<1, 3> values;
    void addOne() { count = ui::add16(count, 1); }
    void readPastTheEnd() { count = values(4); }
};
using Step = void (Overflowing::*)();

} // namespace

class PlayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { shell::defineForms(); }
    void cleanupTestCase() { ui::forms::test::reset(); }

    void aRestlessLearnerMeetsNoSurprise()
    {
        const quint64 seed = qEnvironmentVariableIsSet("TESSARINE_PLAY_SEED")
                                 ? qgetenv("TESSARINE_PLAY_SEED").toULongLong()
                                 : std::random_device()();
        const int events = qEnvironmentVariableIntValue("TESSARINE_PLAY_EVENTS");
        Player player(seed);
        for (int n = 1; n <= (events > 0 ? events : 4000); ++n) {
            const QString problem = player.play();
            QVERIFY2(problem.isEmpty(), qPrintable(say("event %d, %s; to repeat: "
                                                       "TESSARINE_PLAY_SEED=%llu",
                                                       n, qPrintable(problem), seed)));
        }
        qInfo("%s", qPrintable(player.summary()));
    }

    void anErrorInAStepIsReportedOnceAndEndsTheProgram_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("message");
        QTest::newRow("overflow") << &Overflowing::addOne << "Overflow";
        QTest::newRow("subscript") << &Overflowing::readPastTheEnd << "Subscript out of range";
    }

    void anErrorInAStepIsReportedOnceAndEndsTheProgram()
    {
        QFETCH(Step, step);
        QFETCH(QString, message);
        ui::test::reset();
        QStringList reported;
        ui::test::onFailure([&](const QString &m) { reported << m; });
        Overflowing overflowing;
        const auto handler = ui::step(&overflowing, step);
        handler();
        handler();
        QCOMPARE(reported, QStringList{message});
        QVERIFY(ui::failed());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    PlayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_play.moc"
