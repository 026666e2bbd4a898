// Counts the paint events the application delivers, widget by widget, while it lives: a view at
// rest must draw nothing, and a change must draw only the widgets that show it.
// Thread contract: user-interface thread only.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

namespace corvell::test {

class PaintCounter : public QObject {
  public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    int paints(const QWidget* w) const {
        const auto it = counts_.find(w);
        return it == counts_.end() ? 0 : it->second;
    }
    int total() const {
        int sum = 0;
        for (const auto& [widget, count] : counts_) sum += count;
        return sum;
    }
    // Every widget that painted, as "<window class> / <class>#<name or place>", with its count.
    std::map<std::string, int> byName() const {
        std::map<std::string, int> out;
        for (const auto& [widget, count] : counts_) out[names_.at(widget)] += count;
        return out;
    }
    // Each paint in order: the widget and the bounding box of what it drew, in the coordinates
    // of its window.
    struct Paint {
        const QWidget* widget;
        QRect inWindow;
    };
    const std::vector<Paint>& paintsInOrder() const { return order_; }

    std::string report() const {
        std::string text;
        for (const auto& [name, count] : byName()) {
            text += "  " + std::to_string(count) + "  " + name + "\n";
        }
        return text;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            const auto* w = static_cast<const QWidget*>(watched);
            if (++counts_[w] == 1) names_[w] = nameOf(w);
            const QRect box = static_cast<QPaintEvent*>(event)->region().boundingRect();
            order_.push_back({w, box.translated(w->mapTo(w->window(), QPoint(0, 0)))});
        }
        return false;
    }

  private:
    static std::string nameOf(const QWidget* w) {
        std::string text = w->metaObject()->className();
        if (!w->objectName().isEmpty()) {
            text += "#" + w->objectName().toStdString();
        } else {
            const QRect r = w->geometry();
            text += " at " + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
                    std::to_string(r.width()) + "x" + std::to_string(r.height());
        }
        if (const QWidget* top = w->window(); top != w) {
            text = std::string(top->metaObject()->className()) + " / " + text;
        }
        return text;
    }

    std::map<const QWidget*, int> counts_;
    std::map<const QWidget*, std::string> names_;
    std::vector<Paint> order_;
};

}  // namespace corvell::test
