#pragma once

#include <string>

// A moment in universal time as a table entry, "month,day,year,hour,minute,"
// without leading zeros, rounded to the nearest minute (the rounding may
// carry into the next day, month or year).
std::string EntryText(double jdUt);
