#include "feedbacksound.h"

#include "forms/app.h"
#include "forms/sound.h"

#include <QWidget>

namespace drills {

QString feedbackSoundPath(bool right)
{
    return forms::withFinalSlash(forms::programFolder())
        + (right ? QStringLiteral("sound/yes.wav") : QStringLiteral("sound/no.wav"));
}

void playFeedbackSound(QWidget *window, bool right)
{
    if (window && window->isVisible())
        window->repaint();
    forms::playSound(feedbackSoundPath(right));
}

} // namespace drills
