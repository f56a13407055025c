#include "ui/settings/MethodSettings.h"

#include <QSettings>

#include "qtcommon/QtText.h"

namespace amsaview {
namespace {

const QString kEphemerisKey = QStringLiteral("method/ephemeris");
const QString kAyanamsaKey = QStringLiteral("method/ayanamsa");
const QString kNodeKey = QStringLiteral("method/node");

template <typename Value>
Value Read(const QSettings& store, const QString& key,
           std::optional<Value> (*fromKey)(std::string_view), Value fallback) {
    const std::string text = store.value(key).toString().toStdString();
    return fromKey(text).value_or(fallback);
}

}  // namespace

EphemerisSettings ReadMethodSettings(const QSettings& store) {
    const EphemerisSettings defaults;
    EphemerisSettings method;
    method.kind = Read(store, kEphemerisKey, EphemerisKindFromKey, defaults.kind);
    method.ayanamsa = Read(store, kAyanamsaKey, AyanamsaModeFromKey, defaults.ayanamsa);
    method.node = Read(store, kNodeKey, LunarNodeFromKey, defaults.node);
    return method;
}

void WriteMethodSettings(QSettings& store, const EphemerisSettings& method) {
    store.setValue(kEphemerisKey, ToQString(CommandLineKey(method.kind)));
    store.setValue(kAyanamsaKey, ToQString(CommandLineKey(method.ayanamsa)));
    store.setValue(kNodeKey, ToQString(CommandLineKey(method.node)));
}

}  // namespace amsaview
