#include "ui/AccessibleImages.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QMenu>

#include "resources/ArtCatalog.h"
#include "ui/AccessibleReadout.h"
#include "ui/ImageHotZone.h"
#include "ui/PanelWindow.h"

namespace corvell::ui {
namespace {

bool litFace(art::Face face) {
    switch (face) {
        case art::Face::Off:
        case art::Face::Dark:
        case art::Face::Normal:
            return false;
        default:
            return true;
    }
}

// A key is a push button with a press action; an indicator only shows its state.
class HotZoneAccessible : public QAccessibleWidget {
  public:
    explicit HotZoneAccessible(ImageHotZone* zone) : QAccessibleWidget(zone, QAccessible::Button) {}

    QAccessible::Role role() const override {
        return zone()->accessibleKind() == ImageHotZone::AccessibleKind::Indicator
                   ? QAccessible::Indicator
                   : QAccessible::Button;
    }
    QStringList actionNames() const override {
        if (zone()->accessibleKind() != ImageHotZone::AccessibleKind::Key) return {};
        return {pressAction()};
    }
    void doAction(const QString& action) override {
        if (zone()->accessibleKind() == ImageHotZone::AccessibleKind::Key &&
            action == pressAction()) {
            zone()->press();
        }
    }

  private:
    ImageHotZone* zone() const { return static_cast<ImageHotZone*>(widget()); }
};

class ReadoutAccessible : public QAccessibleObject {
  public:
    explicit ReadoutAccessible(AccessibleReadout* readout) : QAccessibleObject(readout) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(readout()->window());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name || t == QAccessible::Value) return readout()->text();
        if (t == QAccessible::Description) return readout()->description();
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !readout()->window()->isVisible();
        return s;
    }
    QRect rect() const override {
        const QRect area = readout()->area();
        return QRect(readout()->window()->mapToGlobal(area.topLeft()), area.size());
    }

  private:
    AccessibleReadout* readout() const { return static_cast<AccessibleReadout*>(object()); }
};

// A window of drawn images: its child widgets as Qt lists them, less the hot zones left out of
// the tree, then its read-outs.
class ImageWindowAccessible : public QAccessibleWidget {
  public:
    explicit ImageWindowAccessible(QWidget* window)
        : QAccessibleWidget(window,
                            window->isWindow() ? QAccessible::Window : QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(listed().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QObject*> objects = listed();
        if (index < 0 || index >= objects.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(objects.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return static_cast<int>(listed().indexOf(child->object()));
    }

  private:
    QList<QObject*> listed() const {
        QList<QObject*> objects;
        for (QObject* object : widget()->children()) {
            if (auto* w = qobject_cast<QWidget*>(object)) {
                if (w->isWindow() || qobject_cast<QMenu*>(w)) continue;
                auto* zone = qobject_cast<ImageHotZone*>(w);
                if (zone && zone->accessibleKind() == ImageHotZone::AccessibleKind::Hidden)
                    continue;
                objects.append(w);
            } else if (qobject_cast<AccessibleReadout*>(object)) {
                objects.append(object);
            }
        }
        return objects;
    }
};

QAccessibleInterface* imageFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("corvell::ui::ImageHotZone") && object->isWidgetType()) {
        return new HotZoneAccessible(static_cast<ImageHotZone*>(object));
    }
    if (className == QLatin1String("corvell::ui::AccessibleReadout")) {
        return new ReadoutAccessible(static_cast<AccessibleReadout*>(object));
    }
    if (className == QLatin1String("corvell::ui::PanelWindow") && object->isWidgetType()) {
        return new ImageWindowAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

QChar pictureCharacter(int id) {
    const art::ArtRow* row = id != 0 ? art::findArtRow(id) : nullptr;
    if (!row || !row->caption || !*row->caption) return QLatin1Char(' ');
    return QString::fromUtf8(row->caption).at(0);
}

QString pictureState(int id, const QString& legend) {
    const art::ArtRow* row = id != 0 ? art::findArtRow(id) : nullptr;
    if (!row || !litFace(row->state)) return QStringLiteral("off");
    const QString caption = QString::fromUtf8(row->caption ? row->caption : "");
    switch (row->primitive) {
        case art::Prim::DisplayText:
        case art::Prim::MeterSteps:
        case art::Prim::MeterBar:
            if (!caption.isEmpty()) return caption;
            return QStringLiteral("on");
        default:
            return caption.isEmpty() || caption == legend ? QStringLiteral("on") : caption;
    }
}

void installImageAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(imageFactory);
        return true;
    }();
    (void)installed;
}

// Before any window exists, so no window's interface is made and kept without the factory.
Q_CONSTRUCTOR_FUNCTION(installImageAccessibility)

}  // namespace corvell::ui
