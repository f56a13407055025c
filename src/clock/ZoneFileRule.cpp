#include "clock/ZoneFileRule.h"

#include <fstream>
#include <iterator>
#include <map>
#include <mutex>

#include "clock/ZoneInfoFolder.h"

namespace amsaview {

std::optional<std::string> FooterOfZoneFile(std::string_view contents) {
    // Only version 2 and later files carry a footer: "\n" rule "\n" at the end.
    if (contents.size() < 6 || contents.substr(0, 4) != "TZif" || contents[4] < '2' ||
        contents.back() != '\n') {
        return std::nullopt;
    }
    const std::string_view body = contents.substr(0, contents.size() - 1);
    const std::size_t start = body.rfind('\n');
    if (start == std::string_view::npos || start + 1 == body.size()) {
        return std::nullopt;
    }
    return std::string(body.substr(start + 1));
}

namespace {

std::optional<std::string> ReadZoneFileRule(std::string_view ianaZone) {
    // A zone name never climbs out of the folder.
    if (ianaZone.empty() || ianaZone.front() == '/' ||
        ianaZone.find("..") != std::string_view::npos) {
        return std::nullopt;
    }
    std::ifstream file(std::string(kZoneInfoFolder) + "/" + std::string(ianaZone),
                       std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    const std::string contents{std::istreambuf_iterator<char>(file),
                               std::istreambuf_iterator<char>()};
    return FooterOfZoneFile(contents);
}

}  // namespace

std::optional<std::string> ZoneFileRule(std::string_view ianaZone) {
    // Asked on every clock lookup past a zone's last written transition (each
    // keystroke in the form, every birth of a batch): the file is read once.
    static std::mutex guard;
    static std::map<std::string, std::optional<std::string>, std::less<>> rules;
    const std::scoped_lock lock(guard);
    if (const auto found = rules.find(ianaZone); found != rules.end()) {
        return found->second;
    }
    return rules.emplace(std::string(ianaZone), ReadZoneFileRule(ianaZone)).first->second;
}

}  // namespace amsaview
