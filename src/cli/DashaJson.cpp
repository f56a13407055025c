#include "cli/DashaJson.h"

namespace amsaview::json {
namespace {

char* Copy(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

char* Periods(char* out, const VimshottariDasha& dasha, int level, int first, int levels) {
    *out++ = '[';
    for (int index = first; index < first + kDashaLordCount; ++index) {
        const DashaPeriod period = dasha.Period(level, index);
        out = Copy(out, index == first ? "{\"end\":\"" : ",{\"end\":\"");
        out = WriteIsoMoment(out, period.end);
        out = Copy(out, "\",\"lord\":\"");
        out = Copy(out, DashaLordName(period.lord));
        if (level < levels) {
            out = Copy(out, "\",\"periods\":");
            out = Periods(out, dasha, level + 1, FirstSubPeriod(index), levels);
            out = Copy(out, ",\"start\":\"");
        } else {
            out = Copy(out, "\",\"start\":\"");
        }
        out = WriteIsoMoment(out, period.start);
        out = Copy(out, "\"}");
    }
    *out++ = ']';
    return out;
}

}  // namespace

char* CompactDashaPeriods(char* out, const VimshottariDasha& dasha, int levels) {
    return Periods(out, dasha, 1, 0, levels);
}

}  // namespace amsaview::json
