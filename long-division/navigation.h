#pragma once
#include "sheet.h"

#include <QString>
#include <vector>

namespace corvane {

QString sheetName(SheetId id);

// Caption of size button `which` (0 shortest dividend) for a divisor length.
QString sizeCaption(int divisorLength, int which);
// The worksheet of a divisor length for size button `which`.
SheetId familyMember(int divisorLength, int which);
// The worksheets a size button unloads after showing its target.
std::vector<SheetId> unloadedBySizeSwitch(int divisorLength, SheetId target);

void showSheet(SheetId id);
void unloadSheet(SheetId id);
void showMenu();
void unloadMenu();

} // namespace corvane
