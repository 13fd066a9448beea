// SPDX-License-Identifier: MIT
// On Linux Qt's beep rings the X server's bell, which many desktops silence and Wayland lacks:
// the bell event of the freedesktop sound theme, through the user's sound server, is what
// desktop programs play instead.
#include "bell.h"

// Before Qt's headers, whose signals keyword GIO uses as a name.
#include <canberra.h>
#include <gio/gio.h>

#include <QCoreApplication>
#include <QDir>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace ui {

namespace {

// The desktop's choice of sounds, where it keeps one (GNOME and the desktops built on it).
struct DesktopSounds
{
    bool enabled = true;
    std::string theme = "freedesktop";
};

DesktopSounds desktopSounds()
{
    DesktopSounds sounds;
    // Asking GSettings for a schema it does not have ends the program: look first.
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    GSettingsSchema *schema =
        source ? g_settings_schema_source_lookup(source, "org.gnome.desktop.sound", TRUE) : nullptr;
    if (!schema)
        return sounds;
    GSettings *settings = g_settings_new("org.gnome.desktop.sound");
    sounds.enabled = g_settings_get_boolean(settings, "event-sounds");
    gchar *theme = g_settings_get_string(settings, "theme-name");
    if (theme && *theme)
        sounds.theme = theme;
    g_free(theme);
    g_object_unref(settings);
    g_settings_schema_unref(schema);
    return sounds;
}

// Opening the sound server may take a moment, or time out: a thread of its own does it, so
// that the marks of a right answer appear at once.
class Bell
{
public:
    ~Bell()
    {
        {
            const std::lock_guard lock(mutex);
            stopping = true;
        }
        wake.notify_one();
        if (worker.joinable())
            worker.join();
    }

    void ring()
    {
        {
            const std::lock_guard lock(mutex);
            if (!worker.joinable()) {
                // Found beside the program, as installed and in the build folder alike.
                fallback = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                           QStringLiteral("/../share/tessarine/right-answer.wav"))
                               .toStdString();
                worker = std::thread([this] { run(); });
            }
            pending = true;
        }
        wake.notify_one();
    }

private:
    void run()
    {
        ca_context *context = open();
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return stopping || pending; });
            if (stopping)
                break;
            // Answers faster than the sound server are one sound.
            pending = false;
            lock.unlock();
            if (context)
                play(context);
            lock.lock();
        }
        lock.unlock();
        if (context)
            ca_context_destroy(context);
    }

    static ca_context *open()
    {
        const DesktopSounds sounds = desktopSounds();
        if (!sounds.enabled)
            return nullptr;
        ca_context *context = nullptr;
        if (ca_context_create(&context) != CA_SUCCESS)
            return nullptr;
        const std::string name = QCoreApplication::applicationName().toStdString();
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, name.c_str(),
                                CA_PROP_APPLICATION_ID, "tessarine.quiz.Tessarine",
                                CA_PROP_CANBERRA_XDG_THEME_NAME, sounds.theme.c_str(), nullptr);
        if (ca_context_open(context) != CA_SUCCESS) {
            ca_context_destroy(context);
            return nullptr;
        }
        return context;
    }

    void play(ca_context *context) const
    {
        const int result = ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell",
                                           CA_PROP_EVENT_DESCRIPTION, "Right answer", nullptr);
        // A theme without a bell, or none at all: the program's own short sound.
        if (result == CA_ERROR_NOTFOUND)
            ca_context_play(context, 0, CA_PROP_MEDIA_FILENAME, fallback.c_str(),
                            CA_PROP_EVENT_DESCRIPTION, "Right answer", nullptr);
    }

    std::mutex mutex;
    std::condition_variable wake;
    std::thread worker;
    bool pending = false;
    bool stopping = false;
    std::string fallback;
};

} // namespace

void ringBell()
{
    static Bell bell;
    bell.ring();
}

} // namespace ui
