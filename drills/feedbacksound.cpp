#include "feedbacksound.h"

#include "forms/app.h"
#include "forms/sound.h"

#include <QWidget>

namespace drills {

QString withFinalSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString feedbackSoundPath(bool right)
{
    return withFinalSlash(forms::programFolder())
        + (right ? QStringLiteral("sound/yes.wav") : QStringLiteral("sound/no.wav"));
}

void playFeedbackSound(QWidget *window, bool right)
{
    if (window && window->isVisible())
        window->repaint();
    forms::playSound(feedbackSoundPath(right));
}

} // namespace drills
