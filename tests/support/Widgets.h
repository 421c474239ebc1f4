// Finding a window's controls by their object names in widget tests.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

namespace quillmark::test {

// The child of type T named name; ends the test program when there is none, since every later
// step would only fail on a null pointer.
template <typename T = QWidget>
T* Child(const QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}

}  // namespace quillmark::test
