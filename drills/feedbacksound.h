#pragma once
#include <QString>

class QWidget;

namespace drills {

// The folder with a final "/" (added unless it is already there).
QString withFinalSlash(const QString &folder);

// The sound file played after an answer: the program's folder followed by
// "sound/yes.wav" or "sound/no.wav".
QString feedbackSoundPath(bool right);

// Repaints the window, so its message and counts show, then plays the sound
// and returns when it has ended. No input reaches the window meanwhile.
void playFeedbackSound(QWidget *window, bool right);

} // namespace drills
