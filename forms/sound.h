#pragma once
#include <QString>

#include <functional>

namespace forms {

// Plays a sound file and returns when it has finished, after the file's length
// plus a second at most. A missing or unreadable file, or a machine without a
// sound device, returns at once, silently.
void playSound(const QString &path);

// The length of a sound file in milliseconds; -1 when it cannot be read.
int soundLengthMs(const QString &path);

namespace testing {
// While a hook is set, playSound() hands it the path and plays nothing.
void setSoundHook(std::function<void(const QString &path)> hook);
} // namespace testing

} // namespace forms
