#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace amsaview::testing {

// The element a window test works on; a missing one ends the run with its name.
template <typename T>
T& Child(const QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) {
        qFatal("no element named %s", qPrintable(name));
    }
    return *child;
}

}  // namespace amsaview::testing
