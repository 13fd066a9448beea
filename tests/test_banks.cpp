// SPDX-License-Identifier: MIT
// Every question and option of the six banks built into the program is shown whole, on the
// smallest display and on a common large one.
#include "frmscience.h"

#include "levelbanks.h"
#include "presentrecord.h"

#include "forms.h"
#include "runtime.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTextEdit>

class BanksTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quiz::defineLevelScreens(); }

    void everyTextIsShownWhole_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("1024 x 768") << 1024 << 768;
        QTest::newRow("1920 x 1080") << 1920 << 1080;
    }

    void everyTextIsShownWhole()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        ui::test::setScreenSize(width * 15.0, height * 15.0);
        int checked = 0;
        for (int level = 1; level <= 6; ++level) {
            ui::Form *screen = ui::forms::show(QString("frmScience%1").arg(level));
            auto *text1 = screen->window()->findChild<QTextEdit *>("Text1");
            const bank::LevelBank &bank = bank::levelBank(level);
            for (int r = 1; r <= 250; ++r) {
                qint16 correct = 0;
                bank::PresentRecord(*screen, bank, r, correct);
                QTextDocument *document = text1->document();
                document->setTextWidth(text1->viewport()->width());
                const qreal needed = document->documentLayout()->documentSize().height();
                if (needed > text1->viewport()->height())
                    QFAIL(qPrintable(QString("level %1 record %2: the question needs %3 px, the "
                                             "box shows %4")
                                         .arg(level)
                                         .arg(r)
                                         .arg(needed)
                                         .arg(text1->viewport()->height())));
                for (int option = 1; option <= 4; ++option) {
                    auto *label =
                        screen->window()->findChild<QLabel *>(QString("Label%1").arg(option + 5));
                    const QFontMetrics metrics(label->font());
                    const int textWidth = metrics.horizontalAdvance(label->text());
                    if (textWidth > label->contentsRect().width() ||
                        metrics.height() > label->height())
                        QFAIL(qPrintable(QString("level %1 record %2 option %3 is cut: %4 px of "
                                                 "text in %5 px")
                                             .arg(level)
                                             .arg(r)
                                             .arg(option)
                                             .arg(textWidth)
                                             .arg(label->contentsRect().width())));
                    ++checked;
                }
            }
            ui::forms::unload(screen->name());
        }
        QCOMPARE(checked, 6 * 250 * 4);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    BanksTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_banks.moc"
