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
#include <QLibrary>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace ui {

namespace {

// The sound libraries are loaded at the first right answer, not when the program starts, so
// that start-up time and memory stay as they were for a learner who never answers right.
struct SoundLibraries
{
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_open) open = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&g_settings_schema_source_get_default) schemaSource = nullptr;
    decltype(&g_settings_schema_source_lookup) lookup = nullptr;
    decltype(&g_settings_schema_unref) unrefSchema = nullptr;
    decltype(&g_settings_new) newSettings = nullptr;
    decltype(&g_settings_get_boolean) getBoolean = nullptr;
    decltype(&g_settings_get_string) getString = nullptr;
    decltype(&g_object_unref) unref = nullptr;
    decltype(&g_free) free = nullptr;

    // False when either library or one of its functions is missing: then the bell is silent.
    bool load()
    {
        QLibrary canberra(QStringLiteral("canberra"), 0);
        QLibrary gio(QStringLiteral("gio-2.0"), 0);
        const auto find = [](QLibrary &library, auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            return function != nullptr;
        };
        return find(canberra, create, "ca_context_create") &&
               find(canberra, changeProps, "ca_context_change_props") &&
               find(canberra, open, "ca_context_open") && find(canberra, play, "ca_context_play") &&
               find(canberra, destroy, "ca_context_destroy") &&
               find(gio, schemaSource, "g_settings_schema_source_get_default") &&
               find(gio, lookup, "g_settings_schema_source_lookup") &&
               find(gio, unrefSchema, "g_settings_schema_unref") &&
               find(gio, newSettings, "g_settings_new") &&
               find(gio, getBoolean, "g_settings_get_boolean") &&
               find(gio, getString, "g_settings_get_string") &&
               find(gio, unref, "g_object_unref") && find(gio, free, "g_free");
    }
};

SoundLibraries sound;

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
    GSettingsSchemaSource *source = sound.schemaSource();
    GSettingsSchema *schema =
        source ? sound.lookup(source, "org.gnome.desktop.sound", TRUE) : nullptr;
    if (!schema)
        return sounds;
    GSettings *settings = sound.newSettings("org.gnome.desktop.sound");
    sounds.enabled = sound.getBoolean(settings, "event-sounds");
    gchar *theme = sound.getString(settings, "theme-name");
    if (theme && *theme)
        sounds.theme = theme;
    sound.free(theme);
    sound.unref(settings);
    sound.unrefSchema(schema);
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
            sound.destroy(context);
    }

    static ca_context *open()
    {
        if (!sound.load())
            return nullptr;
        const DesktopSounds sounds = desktopSounds();
        if (!sounds.enabled)
            return nullptr;
        ca_context *context = nullptr;
        if (sound.create(&context) != CA_SUCCESS)
            return nullptr;
        const std::string name = QCoreApplication::applicationName().toStdString();
        sound.changeProps(context, CA_PROP_APPLICATION_NAME, name.c_str(), CA_PROP_APPLICATION_ID,
                          "tessarine.quiz.Tessarine", CA_PROP_CANBERRA_XDG_THEME_NAME,
                          sounds.theme.c_str(), nullptr);
        if (sound.open(context) != CA_SUCCESS) {
            sound.destroy(context);
            return nullptr;
        }
        return context;
    }

    void play(ca_context *context) const
    {
        const int result = sound.play(context, 0, CA_PROP_EVENT_ID, "bell",
                                      CA_PROP_EVENT_DESCRIPTION, "Right answer", nullptr);
        // A theme without a bell, or none at all: the program's own short sound.
        if (result == CA_ERROR_NOTFOUND)
            sound.play(context, 0, CA_PROP_MEDIA_FILENAME, fallback.c_str(),
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
