#pragma once
#include "corvanesheet.h"

#include <QString>
#include <vector>

namespace corvane {

class StepTutorForm;

// Caption of size button `which` (0 shortest dividend) for a divisor length.
QString sizeCaption(int divisorLength, int which);
// The worksheet of a divisor length for size button `which`.
const Worksheet &familyMember(int divisorLength, int which);
// The worksheets a size button unloads after showing its target.
std::vector<const Worksheet *> unloadedBySizeSwitch(int divisorLength, const Worksheet &target);

// A worksheet's window, one per worksheet, loaded under the worksheet's name.
StepTutorForm *loadSheet(const Worksheet &sheet);
void showSheet(const Worksheet &sheet);
void unloadSheet(const Worksheet &sheet);
void showMenu();
void unloadMenu();

} // namespace corvane
