#pragma once
#include <QString>

class QWidget;

namespace drills {

// The sound file played after an answer: the program's folder followed by
// "sound/yes.wav" or "sound/no.wav".
QString feedbackSoundPath(bool right);

// Repaints the window, so its message and counts show, then plays the sound
// and returns when it has ended. No input reaches the window meanwhile.
void playFeedbackSound(QWidget *window, bool right);

} // namespace drills
