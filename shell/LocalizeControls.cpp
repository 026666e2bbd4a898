#include "shell/LocalizeControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <limits>

#include "core/ProgramValues.h"
#include "platform/leading_number.h"
#include "resources/StringTable.h"

namespace corvell::shell {

std::optional<int> strictId(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return v;
}

int leadingId(const QString& text) {
    return platform::RoundToInt16(platform::LeadingNumber(text.toStdString())).value_or(0);
}

namespace {

std::optional<QString> resource(std::optional<int> id) {
    if (!id) return std::nullopt;
    const int full = *id + LanguageOffset();
    if (!res::HasResString(full)) return std::nullopt;
    return res::LoadResString(full);
}

QString tagOf(const QObject& o) {
    return o.property("Tag").toString();
}

void localizeAction(QAction& action) {
    if (action.isSeparator()) return;
    if (auto text = resource(strictId(action.text()))) action.setText(*text);
    if (QMenu* sub = action.menu()) {
        for (QAction* a : sub->actions()) localizeAction(*a);
    }
}

void setCaption(QWidget& w, const QString& text) {
    if (auto* b = qobject_cast<QAbstractButton*>(&w)) {
        b->setText(text);
    } else if (auto* g = qobject_cast<QGroupBox*>(&w)) {
        g->setTitle(text);
    } else {
        w.setWindowTitle(text);
    }
}

void localizeWidget(QWidget& w) {
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        if (auto text = resource(strictId(tagOf(*label)))) label->setText(*text);
    } else if (auto* menu = qobject_cast<QMenu*>(&w)) {
        for (QAction* a : menu->actions()) localizeAction(*a);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(&w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (auto t = resource(strictId(tabs->tabBar()->tabData(i).toString())))
                tabs->setTabText(i, *t);
            if (auto t = resource(strictId(tabs->tabToolTip(i)))) tabs->setTabToolTip(i, *t);
        }
    } else if (auto* bar = qobject_cast<QToolBar*>(&w)) {
        for (QAction* a : bar->actions()) {
            if (auto t = resource(strictId(a->toolTip()))) a->setToolTip(*t);
        }
    } else if (auto* tree = qobject_cast<QTreeWidget*>(&w)) {
        QTreeWidgetItem* header = tree->headerItem();
        for (int c = 0; header && c < header->columnCount(); ++c) {
            if (auto t = resource(strictId(header->data(c, Qt::UserRole).toString())))
                header->setText(c, *t);
        }
    } else {
        const int n = leadingId(tagOf(w));
        if (n > 0) {
            if (auto t = resource(n)) setCaption(w, *t);
        }
        const int m = leadingId(w.toolTip());
        if (m >= 1) {
            if (auto t = resource(m)) w.setToolTip(*t);
        }
    }
}

}  // namespace

void LocalizeControls(QWidget& form) {
    for (QWidget* child : form.findChildren<QWidget*>()) localizeWidget(*child);
}

}  // namespace corvell::shell
