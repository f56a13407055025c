#pragma once

#include <QString>
#include <string_view>

namespace amsaview {

// The core keeps its texts as UTF-8; Qt shows them as QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text someone typed, set apart for the bidirectional algorithm (first
// strong isolate … pop directional isolate): its right-to-left letters or a
// stray override stay inside and cannot reorder the text drawn around it.
inline QString Isolated(const QString& userText) {
    return QChar(0x2068) + userText + QChar(0x2069);
}

}  // namespace amsaview
