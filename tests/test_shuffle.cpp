// SPDX-License-Identifier: MIT
// The question order: a permutation of 1..250 drawn by rejection, reseeded at every shuffle.
#include "questionorder.h"

#include "runtime.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <vector>

namespace {

// A draw that the shuffle turns into record number d.
float drawFor(int d)
{
    return float((d - 1 + 0.5) / 250.0);
}

std::vector<int> entries(const quiz::QuestionOrderArray &order)
{
    std::vector<int> values;
    for (int i = 1; i <= 250; ++i)
        values.push_back(order(i));
    return values;
}

bool isPermutation(const std::vector<int> &values)
{
    std::vector<int> records(250);
    std::iota(records.begin(), records.end(), 1);
    return std::is_permutation(values.begin(), values.end(), records.begin(), records.end());
}

using Draws = std::vector<float>;
using Places = std::vector<std::pair<int, int>>; // place in the order, record number

} // namespace

class ShuffleTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ui::test::reset(); }

    void drawsBecomeTheOrder_data()
    {
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<Places>("places");

        // Place i gets 251 - i; before each, the draws of numbers already used are drawn again.
        Draws repeats;
        for (int i = 1; i <= 250; ++i) {
            if (i > 1)
                repeats.insert(repeats.end(), {drawFor(250), drawFor(252 - i)});
            repeats.push_back(drawFor(251 - i));
        }
        QTest::newRow("repeats drawn again") << repeats << Places{{1, 250}, {2, 249}, {250, 1}};

        // 0 gives record 1; the largest float below 1 gives 250, never 251; 0.004 x 250 is
        // 1.00000005 in double precision: record 2.
        Draws edges{0.0f, std::nextafter(1.0f, 0.0f), 0.004f, 0.996f};
        for (int d = 3; d <= 248; ++d)
            edges.push_back(drawFor(d));
        QTest::newRow("edges of the unit interval")
            << edges << Places{{1, 1}, {2, 250}, {3, 2}, {4, 249}, {5, 3}};

        Draws lastLeft;
        for (int d = 1; d <= 250; ++d)
            if (d != 137)
                lastLeft.push_back(drawFor(d));
        for (int used = 1; used <= 40; ++used)
            lastLeft.push_back(drawFor(used));
        lastLeft.push_back(drawFor(137));
        QTest::newRow("the last place takes the one left") << lastLeft << Places{{250, 137}};
    }

    void drawsBecomeTheOrder()
    {
        QFETCH(Draws, draws);
        QFETCH(Places, places);
        draws.push_back(0.5f); // left over: the order is complete before it
        ui::test::feedRandom(draws);
        quiz::QuestionOrderArray order;
        for (int i = 1; i <= 250; ++i)
            order.set(i, qint16(i)); // an earlier attempt's order, still in the array
        qint16 fill = -3;
        quiz::shuffleQuestionOrder(order, fill);

        for (auto [place, record] : places)
            QCOMPARE(order(place), qint16(record));
        QVERIFY(isPermutation(entries(order)));
        QCOMPARE(fill, qint16(251));
        QCOMPARE(order(0), qint16(0));
        QCOMPARE(ui::rtcRandomNext(), 0.5f);
        QCOMPARE(ui::test::randomizeCount(), 1);
    }

    void everyShuffleIsAFreshEvenPermutation()
    {
        // Over many shuffles, each a new permutation, every record is about as likely first.
        constexpr int Runs = 3000;
        std::set<std::vector<int>> seen;
        std::vector<int> firsts(251, 0);
        for (int run = 0; run < Runs; ++run) {
            quiz::QuestionOrderArray order;
            qint16 fill = 0;
            quiz::shuffleQuestionOrder(order, fill);
            QVERIFY(isPermutation(entries(order)));
            QVERIFY(seen.insert(entries(order)).second);
            ++firsts[std::size_t(order(1))];
        }
        QCOMPARE(ui::test::randomizeCount(), Runs);
        const int most = *std::max_element(firsts.begin(), firsts.end());
        QVERIFY2(most < 40, qPrintable(QString("a record came first %1 times").arg(most)));
        QVERIFY(std::count(firsts.begin() + 1, firsts.end(), 0) < 10);
    }
};

QTEST_GUILESS_MAIN(ShuffleTest)
#include "test_shuffle.moc"
