#pragma once
#include <string>

#include "platform/system.h"

namespace vidmora {

// Local wall-clock time, cut to the whole second. One reading serves the folder walk and the whole
// name of one capture or snapshot, so a file never points into a day folder its walk did not make.
DateTime CurrentTime(const System& sys);

// The same day at 00:00:00.
DateTime DateOnly(const DateTime& t);

// "2012年12月17日": year, month and day without leading zeros.
std::string DateText(const DateTime& t);

// The date text followed by the shortest time part that keeps every non-zero field:
// "19时38分41秒", "19时38分", "19时", or nothing at midnight. A zero inside the chosen form is "0".
std::string DateTimeText(const DateTime& t);

}  // namespace vidmora
