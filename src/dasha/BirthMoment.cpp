#include "dasha/BirthMoment.h"

#include <chrono>

namespace amsaview {

UtSeconds BirthUtSeconds(const BirthData& birth) {
    using namespace std::chrono;
    const sys_days date{year_month_day{year{birth.year}, month{static_cast<unsigned>(birth.month)},
                                       day{static_cast<unsigned>(birth.day)}}};
    const sys_seconds local =
        date + hours{birth.hour} + minutes{birth.minute} + seconds{birth.second};
    return (local - seconds{birth.utcOffsetSeconds}).time_since_epoch().count();
}

}  // namespace amsaview
