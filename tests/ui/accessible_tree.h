/// Reading a window as a screen reader does, inside the test program: its accessible tree
/// and the objects in it that show on screen without a name.
#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace tazkova::testing {

/// Every object of `window`'s accessible tree that is showing and has no name, as
/// "role objectName" lines; `count` is told how many showing objects there are.
inline QStringList UnnamedShowing(QWidget* window, int* count = nullptr) {
    QStringList unnamed;
    int showing = 0;
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || !node->isValid()) return;
        const QAccessible::State state = node->state();
        if (state.invisible || state.offscreen) return;
        ++showing;
        if (node->text(QAccessible::Name).trimmed().isEmpty()) {
            QObject* object = node->object();
            unnamed << QStringLiteral("%1 %2 (%3)")
                           .arg(int(node->role()))
                           .arg(object ? object->objectName() : QString())
                           .arg(object ? QLatin1String(object->metaObject()->className())
                                       : QLatin1String("?"));
        }
        for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(window));
    if (count) *count = showing;
    return unnamed;
}

}  // namespace tazkova::testing
