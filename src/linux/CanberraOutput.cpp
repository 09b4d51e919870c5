// The sound module, libzorbiks-sound.so: named sounds through libcanberra,
// the freedesktop event-sound library, on PulseAudio (or PipeWire's
// PulseAudio server) or ALSA, whichever the desktop has.

#include "linux/SoundOutput.h"

#include <QDir>
#include <QFile>

#include <canberra.h>

namespace zorbiks {

namespace {

class CanberraOutput final : public SoundOutput {
public:
    CanberraOutput(const QString &folder, bool theme)
        : folder_(folder)
        , theme_(theme)
    {}
    ~CanberraOutput() override { close(); }

    bool open() override
    {
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return false;
        }
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Зорбикс",
                                CA_PROP_APPLICATION_ID, "ru.zorbiks.Zorbiks",
                                CA_PROP_APPLICATION_ICON_NAME, "zorbiks",
                                CA_PROP_CANBERRA_XDG_THEME_NAME, "zorbiks", nullptr);
        if (ca_context_open(context_) == CA_SUCCESS)
            return true;
        close();
        return false;
    }

    void play(const QString &name) override
    {
        if (!context_)
            return;
        // The file is read and sent anew each time, not kept in the sound
        // server, so that a sound replaced in a theme folder is heard at
        // its next play (PulseAudio would not keep "нет" and "спасибо"
        // anyway: its names are Latin).
        if (theme_) {
            const QByteArray id = name.toUtf8();
            if (ca_context_play(context_, 0, CA_PROP_EVENT_ID, id.constData(),
                                CA_PROP_CANBERRA_CACHE_CONTROL, "never",
                                nullptr) != CA_ERROR_NOTFOUND)
                return;
        }
        const QByteArray file = QFile::encodeName(QDir(folder_).filePath(name + ".wav"));
        ca_context_play(context_, 0, CA_PROP_MEDIA_FILENAME, file.constData(), nullptr);
    }

private:
    void close()
    {
        if (context_)
            ca_context_destroy(context_);
        context_ = nullptr;
    }

    QString folder_;
    bool theme_;
    ca_context *context_ = nullptr;
};

} // namespace

} // namespace zorbiks

extern "C" Q_DECL_EXPORT zorbiks::SoundOutput *zorbiks_make_sound_output(const QString &folder,
                                                                         bool theme)
{
    return new zorbiks::CanberraOutput(folder, theme);
}
