// Records what the toolkit tells screen readers, without a screen reader: an
// accessibility bridge, linked into the test binary as a static plugin, receives
// every accessibility event the game's windows raise.
#pragma once

#include <QAccessible>
#include <QPointer>
#include <vector>

namespace ferlow::test {

struct RecordedEvent {
    QPointer<QObject> object;
    QAccessible::Event type;
};

class AccessibilityRecorder {
public:
    // Starts recording afresh; recording stops when the recorder goes.
    AccessibilityRecorder();
    ~AccessibilityRecorder();
    AccessibilityRecorder(const AccessibilityRecorder&) = delete;
    AccessibilityRecorder& operator=(const AccessibilityRecorder&) = delete;

    const std::vector<RecordedEvent>& events() const;
    void clear();
    // Events of `type`, in order.
    std::vector<QObject*> objectsOf(QAccessible::Event type) const;
    int count(QAccessible::Event type, const QObject* object = nullptr) const;
};

}  // namespace ferlow::test
