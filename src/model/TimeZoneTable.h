#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace amsaview {

struct TimeZone {
    std::string_view listText;           // shown unchanged in the zone list
    std::int32_t standardOffsetSeconds;  // east positive: UT = local standard time − this
};

// Hours and minutes of an offset east of Greenwich, both of the same sign.
constexpr std::int32_t ClockOffset(int hours, int minutes = 0) {
    return hours * 3600 + minutes * 60;
}

inline constexpr int kTimeZoneCount = 71;
inline constexpr int kDefaultTimeZoneRow = 29;  // Greenwich Mean Time

// The shift is a fixed value of the row; the list text is never parsed (row 34
// reads "+5.3" yet is five and a half hours ahead).
inline constexpr std::array<TimeZone, kTimeZoneCount> TimeZoneTable = {{
    {"Alaska/Hawaii Daylight Time,AHDT,-9.0", ClockOffset(-9)},
    {"Alaska/Hawaii Standard Time,AHST,-10.0", ClockOffset(-10)},
    {"Alaska/Hawaii War Time,AHWT,-9.0", ClockOffset(-9)},
    {"Atlantic Standard Time,AST,-4.0", ClockOffset(-4)},
    {"Atlantic War Time,AWT,-3.0", ClockOffset(-3)},
    {"Australian Central Daylight Time,ACDT,+10.5", ClockOffset(10, 30)},
    {"Australian Central Standard Time,ACST,+9.5", ClockOffset(9, 30)},
    {"Australian Eastern Daylight Time,AEDT,+11.0", ClockOffset(11)},
    {"Australian Eastern Standard Time,AEST,+10.0", ClockOffset(10)},
    {"Australian Western Daylight Time,AWDT,+9.0", ClockOffset(9)},
    {"Australian Western Standard Time,AWST,+8.0", ClockOffset(8)},
    {"Azores Time, AT, -2.0", ClockOffset(-2)},
    {"Baghdad Time, BAT, +3.0", ClockOffset(3)},
    {"Bering Standard Time,BET,-11.0", ClockOffset(-11)},
    {"Brazil Zone 2,BZT2,-3.0", ClockOffset(-3)},
    {"British Double Summer Time,BDST,+2.0", ClockOffset(2)},
    {"British Summer Time,BST,+1.0", ClockOffset(1)},
    {"British War Time,BWT,+2.0", ClockOffset(2)},
    {"Central Daylight Time,CDT,-5.0", ClockOffset(-5)},
    {"Central European Daylight,CED,+2.0", ClockOffset(2)},
    {"Central European Time,CET,+1.0", ClockOffset(1)},
    {"Central Standard Time,CST,-6.0", ClockOffset(-6)},
    {"Central War Time,CWT,-5.0", ClockOffset(-5)},
    {"China Coast Time,CCT,+8.0", ClockOffset(8)},
    {"Eastern Daylight Time,EDT,-4.0", ClockOffset(-4)},
    {"Eastern European Daylight Time,EED,+3.0", ClockOffset(3)},
    {"Eastern European Time,EET,+2.0", ClockOffset(2)},
    {"Eastern Standard Time,EST,-5.0", ClockOffset(-5)},
    {"Eastern War Time,EWT,-4.0", ClockOffset(-4)},
    {"Greenwich Mean Time,GMT,0.0", ClockOffset(0)},
    {"Guam Standard Time,GST,+10.0", ClockOffset(10)},
    {"Hawaiian Daylight Time,HDT,-9.5", ClockOffset(-9, -30)},
    {"Hawaiian Standard Time,HST,-10.5", ClockOffset(-10, -30)},
    {"Hawaiian War Time,HWT,-9.5", ClockOffset(-9, -30)},
    {"Indian Time, IST, +5.3", ClockOffset(5, 30)},
    {"Int'l Date Line East,IDLE,+12.0", ClockOffset(12)},
    {"Int'l Date Line West,IDLW,-12.0", ClockOffset(-12)},
    {"Iran Time, IT, +3.5", ClockOffset(3, 30)},
    {"Japan Standard Time,JST,+9.0", ClockOffset(9)},
    {"Java Time, JT, +7.5", ClockOffset(7, 30)},
    {"Middle European Daylight Time,MED,+2.0", ClockOffset(2)},
    {"Middle European Time,MET,+1.0", ClockOffset(1)},
    {"Moluccas Time, MT, +8.5", ClockOffset(8, 30)},
    {"Mountain Daylight Time,MDT,-6.0", ClockOffset(-6)},
    {"Mountain Standard Time,MST,-7.0", ClockOffset(-7)},
    {"Mountain War Time,MWT,-6.0", ClockOffset(-6)},
    {"New Zealand Std Summer Time,NZST,+13.0", ClockOffset(13)},
    {"New Zealand Std Time,NZT,+12.0", ClockOffset(12)},
    {"New Zealand Summer Time,NZS,+12.5", ClockOffset(12, 30)},
    {"New Zealand Time,NZ,+11.5", ClockOffset(11, 30)},
    {"Newfoundland Standard Time,NST,-3.5", ClockOffset(-3, -30)},
    {"Nome Time, NT, -11.0", ClockOffset(-11)},
    {"North Sumatra Time,NST,+6.5", ClockOffset(6, 30)},
    {"Pacific Daylight Time,PDT,-7.0", ClockOffset(-7)},
    {"Pacific Standard Time,PST,-8.0", ClockOffset(-8)},
    {"Pacific War Time,PWT,-7.0", ClockOffset(-7)},
    {"South Australia Daylight Time,SAD,+10.5", ClockOffset(10, 30)},
    {"South Australia Daylight Time,SDT,+10.5", ClockOffset(10, 30)},
    {"South Australia Standard Time,SAST,+9.5", ClockOffset(9, 30)},
    {"South Australia Standard Time,SAT,+9.5", ClockOffset(9, 30)},
    {"South Sumatra Time,SST,+7.0", ClockOffset(7)},
    {"Universal Time, UT, 0.0", ClockOffset(0)},
    {"USSR Zone 10,UZ10,+11.0", ClockOffset(11)},
    {"USSR Zone 3,USZ3,+4.0", ClockOffset(4)},
    {"USSR Zone 4,USZ4,+5.0", ClockOffset(5)},
    {"USSR Zone 5,USZ5,+6.0", ClockOffset(6)},
    {"USSR Zone 6,USZ6,+7.0", ClockOffset(7)},
    {"West Africa Time,WAT,-1.0", ClockOffset(-1)},
    {"Yukon Daylight Time,YDT,-8.0", ClockOffset(-8)},
    {"Yukon Standard Time,YST,-9.0", ClockOffset(-9)},
    {"Yukon War Time,YWT,-8.0", ClockOffset(-8)},
}};

inline constexpr std::int32_t kDaylightSavingSeconds = 3600;

// The offset from UT in force under a row of the list, daylight saving
// included; none for a row outside the list.
std::optional<std::int32_t> UtcOffsetOfRow(std::optional<int> row, bool dst);

}  // namespace amsaview
