// The bridge is a static plugin of this binary: the toolkit loads every
// accessibility bridge it finds and hands it each event, whether or not a
// screen reader is listening.
#define QT_STATICPLUGIN
#include "accessibility_recorder.h"

#include <QAccessibleBridge>
#include <QtPlugin>

namespace ferlow::test {
namespace {

std::vector<RecordedEvent> recorded;
bool recording = false;

class RecordingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        if (recording) recorded.push_back({event->object(), event->type()});
    }
};

}  // namespace

AccessibilityRecorder::AccessibilityRecorder()
{
    recorded.clear();
    recording = true;
}

AccessibilityRecorder::~AccessibilityRecorder()
{
    recording = false;
    recorded.clear();
}

const std::vector<RecordedEvent>& AccessibilityRecorder::events() const { return recorded; }

void AccessibilityRecorder::clear() { recorded.clear(); }

std::vector<QObject*> AccessibilityRecorder::objectsOf(QAccessible::Event type) const
{
    std::vector<QObject*> out;
    for (const RecordedEvent& e : recorded)
        if (e.type == type) out.push_back(e.object);
    return out;
}

int AccessibilityRecorder::count(QAccessible::Event type, const QObject* object) const
{
    int n = 0;
    for (const RecordedEvent& e : recorded)
        if (e.type == type && (!object || e.object == object)) ++n;
    return n;
}

}  // namespace ferlow::test

class FerlowTestRecorderPlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "accessibility_recorder.json")
public:
    QAccessibleBridge* create(const QString&) override { return new ferlow::test::RecordingBridge; }
};

Q_IMPORT_PLUGIN(FerlowTestRecorderPlugin)

#include "accessibility_recorder.moc"
