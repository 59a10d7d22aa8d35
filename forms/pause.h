#pragma once

class QWidget;

namespace forms {

// Waits until the seconds count of now() has gone up by `seconds`: the first
// second is only what is left of the current one. Events keep flowing and the
// CPU stays idle; the wait is measured on the monotonic clock. Returns false
// when it ended early because the window of `owner` was unloaded or the
// program ended. Under manual time it calls the pause hook, then moves time on
// by exactly its length.
bool pauseWholeSeconds(QWidget *owner, int seconds);

} // namespace forms
