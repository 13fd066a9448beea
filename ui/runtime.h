// SPDX-License-Identifier: MIT
// The services every screen relies on: display size, beep, random numbers, application
// identity and the handling of run-time errors, each with a seam for tests.
#pragma once

#include <QString>

#include <functional>
#include <stdexcept>
#include <vector>

namespace ui {

// An error that nothing in the program catches: it is reported and ends the program.
class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(const QString &message);
    QString message() const;
};

// Display size in twips (15 twips to a device-independent pixel).
double screenWidth();
double screenHeight();

// Sounds the system beep and returns at once.
void rtcBeep();

// Seeds the generator from the clock; two calls in the same clock tick still seed differently.
void rtcRandomize();
// The next value r of the generator, 0 <= r < 1.
float rtcRandomNext();

// Decimal digits, a minus sign if negative, no leading blank.
QString integerText(int value);

QString appTitle();
int appMajor();
int appMinor();
int appRevision();
// Gives the Qt application the program's name and version; called once at start-up.
void initApplication();

// Runs a handler; a run-time error escaping it is reported and ends the program.
void runHandler(const std::function<void()> &handler);
// Reports a run-time error in a message box and ends the program with a non-zero status.
void fail(const QString &message);
// True once a run-time error has been reported.
bool failed();

// Seams for tests.
namespace test {
// Beeps since start-up (or since the last reset).
int beepCount();
// Values that rtcRandomNext returns, in order, before it goes back to the generator.
void feedRandom(const std::vector<float> &values);
// Makes rtcRandomize seed from this number instead of the clock, so that a run repeats.
void seedFromNumber(unsigned long long seed);
// Number of rtcRandomize calls so far.
int randomizeCount();
// Pretends the display has this size in twips; 0 x 0 goes back to the real display.
void setScreenSize(double widthTwips, double heightTwips);
// Receives run-time errors instead of the message box and the end of the program.
void onFailure(std::function<void(const QString &)> handler);
// Forgets counts, fed values, screen size, failure handler and the failed state.
void reset();
} // namespace test

} // namespace ui
