// A window's accessibility tree as a screen reader walks it, through the QAccessible interfaces:
// every node below the window with its role, name and description.
#pragma once

#include <QAccessible>
#include <QWidget>
#include <vector>

namespace corvell::test {

struct AccessibleNode {
    QAccessible::Role role;
    QString name;
    QString description;
    QObject* object;
};

inline void collectAccessible(QAccessibleInterface* node, std::vector<AccessibleNode>& out) {
    for (int i = 0; node && i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child) continue;
        out.push_back({child->role(), child->text(QAccessible::Name),
                       child->text(QAccessible::Description), child->object()});
        collectAccessible(child, out);
    }
}

inline std::vector<AccessibleNode> accessibleTree(QWidget* window) {
    std::vector<AccessibleNode> nodes;
    collectAccessible(QAccessible::queryAccessibleInterface(window), nodes);
    return nodes;
}

// The names of the nodes of one role, in tree order.
inline QStringList accessibleNames(QWidget* window, QAccessible::Role role) {
    QStringList names;
    for (const AccessibleNode& node : accessibleTree(window)) {
        if (node.role == role) names << node.name;
    }
    return names;
}

// The text of the static text described as `description`; a null string when there is none.
inline QString accessibleReadout(QWidget* window, const QString& description) {
    for (const AccessibleNode& node : accessibleTree(window)) {
        if (node.role == QAccessible::StaticText && node.description == description)
            return node.name;
    }
    return {};
}

}  // namespace corvell::test
