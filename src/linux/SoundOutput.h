#pragma once

// What the sound module (libzorbiks-sound.so) offers the program: named
// sounds on the desktop's sound system. Its calls may wait for the sound
// server, so the program makes them on a thread of their own
// (SystemSounds), never on the thread of the screens.

#include <QString>

namespace zorbiks {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Connects to the sound system; false when there is none.
    virtual bool open() = 0;
    // Starts the sound and returns without waiting for its end.
    virtual void play(const QString &name) = 0;
};

// The module's one function. With `theme` set, a name is an event sound of
// the XDG sound theme "zorbiks" (the first theme folder that has the sound
// wins), and `folder` holds the program's own copy of the theme's files, used
// when no theme folder has the sound; otherwise a name is played from
// <folder>/<name>.wav alone.
using MakeSoundOutput = SoundOutput *(*)(const QString &folder, bool theme);
inline constexpr char makeSoundOutputFunction[] = "zorbiks_make_sound_output";

} // namespace zorbiks
