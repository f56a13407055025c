#include "cli/DashaJson.h"

namespace amsaview::json {
namespace {

char* Copy(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

// A start is the end of the period before it, or the start of its own first
// sub-period: copied from where that was written rather than reckoned again.
char* Periods(char* out, const VimshottariDasha& dasha, int level, int first, int levels,
              const char*& firstStart) {
    *out++ = '[';
    const char* previousEnd = nullptr;
    for (int index = first; index < first + kDashaLordCount; ++index) {
        const DashaPeriod period = dasha.Period(level, index);
        out = Copy(out, index == first ? "{\"end\":\"" : ",{\"end\":\"");
        const char* end = out;
        out = WriteIsoMoment(out, period.end);
        out = Copy(out, "\",\"lord\":\"");
        out = Copy(out, DashaLordName(period.lord));
        const char* subStart = nullptr;
        if (level < levels) {
            out = Copy(out, "\",\"periods\":");
            out = Periods(out, dasha, level + 1, FirstSubPeriod(index), levels, subStart);
            out = Copy(out, ",\"start\":\"");
        } else {
            out = Copy(out, "\",\"start\":\"");
        }
        if (index == first) {
            firstStart = out;
        }
        if (const char* same = previousEnd != nullptr ? previousEnd : subStart) {
            out = Copy(out, {same, kIsoMomentSize});
        } else {
            out = WriteIsoMoment(out, period.start);
        }
        out = Copy(out, "\"}");
        previousEnd = end;
    }
    *out++ = ']';
    return out;
}

}  // namespace

char* CompactDashaPeriods(char* out, const VimshottariDasha& dasha, int levels) {
    const char* firstStart = nullptr;
    return Periods(out, dasha, 1, 0, levels, firstStart);
}

}  // namespace amsaview::json
