#include "swiss/EphemerisSettings.h"

#include <algorithm>

namespace amsaview {
namespace {

template <typename Value>
struct NamedValue {
    Value value;
    std::string_view displayName;
    std::string_view key;
};

constexpr NamedValue<EphemerisKind> kKindNames[] = {
    {EphemerisKind::BuiltIn, "Built-in method", "builtin"},
    {EphemerisKind::Swiss, "Swiss Ephemeris", "swiss"},
};

constexpr NamedValue<AyanamsaMode> kAyanamsaNames[] = {
    {AyanamsaMode::Lahiri, "Lahiri", "lahiri"},
    {AyanamsaMode::LahiriIcrc, "Lahiri ICRC", "lahiri-icrc"},
    {AyanamsaMode::TrueChitra, "True Chitra", "true-chitra"},
    {AyanamsaMode::Krishnamurti, "Krishnamurti", "krishnamurti"},
    {AyanamsaMode::Raman, "Raman", "raman"},
    {AyanamsaMode::FaganBradley, "Fagan-Bradley", "fagan-bradley"},
    {AyanamsaMode::Tropical, "None (tropical)", "none"},
};

constexpr NamedValue<LunarNode> kNodeNames[] = {
    {LunarNode::Mean, "Mean node", "mean"},
    {LunarNode::True, "True node", "true"},
};

template <typename Value, std::size_t N>
const NamedValue<Value>& Find(const NamedValue<Value> (&table)[N], Value value) {
    return *std::find_if(std::begin(table), std::end(table),
                         [value](const NamedValue<Value>& row) { return row.value == value; });
}

template <typename Value, std::size_t N>
std::optional<Value> FindKey(const NamedValue<Value> (&table)[N], std::string_view key) {
    for (const NamedValue<Value>& row : table) {
        if (row.key == key) {
            return row.value;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string_view DisplayName(EphemerisKind kind) {
    return Find(kKindNames, kind).displayName;
}
std::string_view DisplayName(AyanamsaMode mode) {
    return Find(kAyanamsaNames, mode).displayName;
}
std::string_view DisplayName(LunarNode node) {
    return Find(kNodeNames, node).displayName;
}
std::string_view CommandLineKey(EphemerisKind kind) {
    return Find(kKindNames, kind).key;
}
std::string_view CommandLineKey(AyanamsaMode mode) {
    return Find(kAyanamsaNames, mode).key;
}
std::string_view CommandLineKey(LunarNode node) {
    return Find(kNodeNames, node).key;
}

std::optional<EphemerisKind> EphemerisKindFromKey(std::string_view key) {
    return FindKey(kKindNames, key);
}
std::optional<AyanamsaMode> AyanamsaModeFromKey(std::string_view key) {
    return FindKey(kAyanamsaNames, key);
}
std::optional<LunarNode> LunarNodeFromKey(std::string_view key) {
    return FindKey(kNodeNames, key);
}

std::string MethodDescription(const EphemerisSettings& settings) {
    if (settings.kind == EphemerisKind::BuiltIn) {
        return std::string(DisplayName(EphemerisKind::BuiltIn));
    }
    std::string text(DisplayName(EphemerisKind::Swiss));
    if (settings.ayanamsa == AyanamsaMode::Tropical) {
        text += ", tropical (no ayanamsa)";
    } else {
        text += ", ";
        text += DisplayName(settings.ayanamsa);
        text += " ayanamsa";
    }
    text += ", ";
    text += CommandLineKey(settings.node);
    text += " node";
    return text;
}

std::string_view PackagedSwissDataPath() {
    return AMSAVIEW_SWISS_DATA_DIR;
}

}  // namespace amsaview
