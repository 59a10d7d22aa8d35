#pragma once
#include "drills/look.h"

namespace halvery {

// The suite menu: the drills and cards of this program, the two tutor
// programs it starts, the about box and the exit.
class Form7 : public drills::DrillWindow {
    Q_OBJECT
public:
    Form7();
    void onLoad() override;

private:
    void Command1_Click();
    void Command8_Click();
    void Form_KeyPress(int key);
    // Starts a program from the zorurav folder; the menu stays.
    void siblingLaunch(const QString &name);

    QString programFolder_;
};

} // namespace halvery
