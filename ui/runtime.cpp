// SPDX-License-Identifier: MIT
#include "runtime.h"

#include "bell.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>

namespace ui {

namespace {

constexpr double TwipsPerPixel = 15.0;

int beeps = 0;
int randomizes = 0;
std::uint64_t generatorState = 0;
std::uint64_t seedCount = 0;
std::deque<float> fedValues;
std::optional<std::uint64_t> fixedClock;
double fakeScreenWidth = 0;
double fakeScreenHeight = 0;
std::function<void(const QString &)> failureHandler;
bool hasFailed = false;

// splitmix64: small, fast and uniform enough for shuffling questions.
std::uint64_t nextRandom()
{
    std::uint64_t z = (generatorState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

QSize screenPixels()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(640, 480);
}

} // namespace

RuntimeError::RuntimeError(const QString &message) : std::runtime_error(message.toStdString()) {}

QString RuntimeError::message() const
{
    return QString::fromStdString(what());
}

double screenWidth()
{
    return fakeScreenWidth > 0 ? fakeScreenWidth : screenPixels().width() * TwipsPerPixel;
}

double screenHeight()
{
    return fakeScreenHeight > 0 ? fakeScreenHeight : screenPixels().height() * TwipsPerPixel;
}

void rtcBeep()
{
    ++beeps;
    ringBell();
}

void rtcRandomize()
{
    ++randomizes;
    const auto ticks =
        fixedClock.value_or(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // The count keeps two seedings within one clock tick apart.
    generatorState = static_cast<std::uint64_t>(ticks) ^ (++seedCount * 0xD1B54A32D192ED03ull);
    nextRandom();
}

float rtcRandomNext()
{
    if (!fedValues.empty()) {
        const float value = fedValues.front();
        fedValues.pop_front();
        return value;
    }
    // 24 random bits fill a float's mantissa exactly, so the result is never rounded up to 1.
    return static_cast<float>(nextRandom() >> 40) * 0x1.0p-24f;
}

QString integerText(int value)
{
    return QString::number(value);
}

QString appTitle()
{
    return QStringLiteral("Tessarine");
}
int appMajor()
{
    return TESSARINE_VERSION_MAJOR;
}
int appMinor()
{
    return TESSARINE_VERSION_MINOR;
}
int appRevision()
{
    return TESSARINE_VERSION_PATCH;
}

void initApplication()
{
    QCoreApplication::setApplicationName(appTitle());
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(appMajor()).arg(appMinor()).arg(appRevision()));
    QGuiApplication::setApplicationDisplayName(appTitle());
}

void runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        fail(error.message());
    }
}

void fail(const QString &message)
{
    if (hasFailed)
        return;
    hasFailed = true;
    if (failureHandler) {
        failureHandler(message);
        return;
    }
    QMessageBox::critical(
        nullptr, appTitle(),
        QStringLiteral("%1 has met an error and must close.\n\n%2").arg(appTitle(), message));
    QCoreApplication::exit(1);
}

bool failed()
{
    return hasFailed;
}

namespace test {

int beepCount()
{
    return beeps;
}

void feedRandom(const std::vector<float> &values)
{
    fedValues.insert(fedValues.end(), values.begin(), values.end());
}

int randomizeCount()
{
    return randomizes;
}

void seedFromNumber(unsigned long long seed)
{
    fixedClock = seed;
}

void setScreenSize(double widthTwips, double heightTwips)
{
    fakeScreenWidth = widthTwips;
    fakeScreenHeight = heightTwips;
}

void onFailure(std::function<void(const QString &)> handler)
{
    failureHandler = std::move(handler);
}

void reset()
{
    beeps = 0;
    randomizes = 0;
    fedValues.clear();
    fixedClock.reset();
    seedCount = 0;
    fakeScreenWidth = fakeScreenHeight = 0;
    failureHandler = nullptr;
    hasFailed = false;
}

} // namespace test

} // namespace ui
