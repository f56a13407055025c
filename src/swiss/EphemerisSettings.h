#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace amsaview {

// Where the positions of a chart come from.
enum class EphemerisKind { BuiltIn, Swiss };

// The sidereal zero point used with Swiss Ephemeris; Tropical subtracts none.
enum class AyanamsaMode {
    Lahiri,
    LahiriIcrc,
    TrueChitra,
    Krishnamurti,
    Raman,
    FaganBradley,
    Tropical
};

// Rahu as the mean or the true (osculating) ascending node of the Moon.
enum class LunarNode { Mean, True };

// The choice of position source and its options; passed to the computation,
// never read from anywhere inside it.
struct EphemerisSettings {
    EphemerisKind kind = EphemerisKind::BuiltIn;
    AyanamsaMode ayanamsa = AyanamsaMode::Lahiri;
    LunarNode node = LunarNode::Mean;
    std::string dataPath;  // Swiss Ephemeris data folder; empty: PackagedSwissDataPath()

    bool operator==(const EphemerisSettings&) const = default;
};

// In the order a list offers them.
inline constexpr std::array kEphemerisKinds = {EphemerisKind::BuiltIn, EphemerisKind::Swiss};
inline constexpr std::array kAyanamsaModes = {
    AyanamsaMode::Lahiri,       AyanamsaMode::LahiriIcrc, AyanamsaMode::TrueChitra,
    AyanamsaMode::Krishnamurti, AyanamsaMode::Raman,      AyanamsaMode::FaganBradley,
    AyanamsaMode::Tropical,
};
inline constexpr std::array kLunarNodes = {LunarNode::Mean, LunarNode::True};

// Names for windows ("Lahiri ICRC") and keys for the command line ("lahiri-icrc").
std::string_view DisplayName(EphemerisKind kind);
std::string_view DisplayName(AyanamsaMode mode);
std::string_view DisplayName(LunarNode node);
std::string_view CommandLineKey(EphemerisKind kind);
std::string_view CommandLineKey(AyanamsaMode mode);
std::string_view CommandLineKey(LunarNode node);

// The value whose command-line key is `key` exactly; none for anything else.
std::optional<EphemerisKind> EphemerisKindFromKey(std::string_view key);
std::optional<AyanamsaMode> AyanamsaModeFromKey(std::string_view key);
std::optional<LunarNode> LunarNodeFromKey(std::string_view key);

// One line naming what computed a chart: "Swiss Ephemeris, Lahiri ayanamsa,
// mean node" or "Built-in method".
std::string MethodDescription(const EphemerisSettings& settings);

// The folder Debian's swe-basic-data installs its files into.
std::string_view PackagedSwissDataPath();

}  // namespace amsaview
