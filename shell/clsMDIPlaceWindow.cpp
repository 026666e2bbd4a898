#include "shell/clsMDIPlaceWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QWidget>
#include <limits>
#include <optional>

#include "core/clsProfileIO.h"
#include "platform/leading_number.h"
#include "ui/FrameFit.h"
#include "ui/Geometry.h"
#include "ui/NormalRect.h"
#include "ui/PanelWindow.h"
#include "ui/Twips.h"

namespace corvell::shell {

namespace {

constexpr const char* kSection = "WINDOW_PLACEMENT";
constexpr const char* kFrameKey = "frmMain";

bool fitsInt32(int64_t v) {
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

// The record's flag for a window that is to come back maximised.
constexpr int32_t kRestoreMaximised = 2;

// How far the area of a child window is scrolled: its place in the area's whole extent is its
// position plus this.
QPoint scrollOf(QWidget& box) {
    const auto* sub = qobject_cast<QMdiSubWindow*>(&box);
    const QMdiArea* area = sub != nullptr ? sub->mdiArea() : nullptr;
    if (area == nullptr) return {};
    return {area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()};
}

}  // namespace

int16_t DecompStringAny(const std::string& text, std::vector<std::string>& fields) {
    if (text.empty()) return 0;
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == ',') {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    fields = std::move(out);
    return static_cast<int16_t>(std::min<std::size_t>(fields.size(), 32767));
}

std::string formatPlacement(const WindowPlacement& p) {
    std::string text;
    for (const PlacementField& f : kPlacementFields) {
        if (!text.empty()) text += ',';
        text += std::to_string(p.*(f.member));
    }
    return text;
}

bool parsePlacement(const std::string& text, WindowPlacement& out) {
    std::vector<std::string> fields;
    if (DecompStringAny(text, fields) != static_cast<int16_t>(kPlacementFields.size())) {
        return false;
    }
    WindowPlacement p;
    for (std::size_t i = 0; i < kPlacementFields.size(); ++i) {
        const std::optional<int32_t> v = platform::RoundToInt32(platform::LeadingNumber(fields[i]));
        if (!v) return false;
        p.*(kPlacementFields[i].member) = *v;
    }
    // The rectangle is applied as twips and as a size: both must be whole 32-bit values.
    const int64_t w = int64_t{p.right} - p.left;
    const int64_t h = int64_t{p.bottom} - p.top;
    if (w < 0 || h < 0 || !fitsInt32(w) || !fitsInt32(h)) return false;
    for (int32_t v : {p.left, p.top, p.right, p.bottom}) {
        if (!fitsInt32(int64_t{v} * ui::kTwipsPerPixel)) return false;
    }
    out = p;
    return true;
}

QWidget& clsMDIPlaceWindow::container(ui::PanelWindow& panel) {
    return *ui::windowFrameOf(&panel);
}

WindowPlacement clsMDIPlaceWindow::currentPlacement(QWidget& window, bool minimised) {
    WindowPlacement p;
    // Minimised or maximised, a window is kept at the rectangle it is restored to.
    const QRect rect = ui::normalRectOf(&window);
    if (window.isMaximized()) p.flags = kRestoreMaximised;
    p.showCmd = minimised ? 2 : (window.isVisible() ? 1 : 0);
    p.minX = p.minY = p.maxX = p.maxY = -1;
    p.left = rect.left();
    p.top = rect.top();
    p.right = rect.left() + rect.width();
    p.bottom = rect.top() + rect.height();
    return p;
}

bool clsMDIPlaceWindow::save(const std::string& key, const WindowPlacement& p) {
    if (!MyProfileObj) return false;
    MyProfileObj->setSection(kSection);
    return MyProfileObj->saveData(key, std::string_view(formatPlacement(p)));
}

bool clsMDIPlaceWindow::load(const std::string& key, WindowPlacement& out) {
    if (!MyProfileObj) return false;
    MyProfileObj->setSection(kSection);
    std::string text;
    if (!MyProfileObj->loadData(key, text, std::string())) return false;
    return parsePlacement(text, out);
}

bool clsMDIPlaceWindow::SaveMDIFormPlacement(QWidget& frame) {
    WindowPlacement p = currentPlacement(frame, frame.isMinimized());
    // A place whose title bar is off the screen would bring the frame back out of reach: the
    // frame as the window manager drew it is kept on the screen.
    const QRect fitted = ui::FrameFittedClientRect(
        QRect(p.left, p.top, p.right - p.left, p.bottom - p.top), ui::KnownFrameMargins(&frame));
    p.left = fitted.left();
    p.top = fitted.top();
    p.right = fitted.left() + fitted.width();
    p.bottom = fitted.top() + fitted.height();
    return save(kFrameKey, p);
}

bool clsMDIPlaceWindow::LoadMDIFormPlacement(QWidget& /*frame*/) {
    WindowPlacement p;
    if (!load(kFrameKey, p)) return false;
    MyPlacement = p;
    return true;
}

bool clsMDIPlaceWindow::SetMDIPlacement(QWidget& frame) {
    const WindowPlacement& p = MyPlacement;
    // Saved minimised or maximised, the frame comes back in its normal state and rectangle.
    frame.setWindowState(Qt::WindowNoState);
    // One saved larger than the screen (a smaller screen, another display scale) is fitted to
    // it, so no part of it is cut off by the screen's edge, its title bar included; the window
    // manager tells the size of its frame only once the window is shown, and the frame is
    // fitted again then.
    frame.setGeometry(QRect(p.left, p.top, p.right - p.left, p.bottom - p.top));
    ui::KeepFrameOnScreen(&frame);
    return true;
}

bool clsMDIPlaceWindow::SaveFormPlacement(ui::PanelWindow& panel) {
    QWidget& box = container(panel);
    WindowPlacement p = currentPlacement(box, false);
    p.showCmd = panel.fVisiblePwrOn ? 1 : 0;
    const QPoint scrolled = scrollOf(box);
    p.left += scrolled.x();
    p.right += scrolled.x();
    p.top += scrolled.y();
    p.bottom += scrolled.y();
    return save(panel.placementKey().toStdString(), p);
}

bool clsMDIPlaceWindow::LoadFormPlacement(ui::PanelWindow& panel) {
    WindowPlacement p;
    if (!load(panel.placementKey().toStdString(), p)) return false;
    panel.fVisiblePwrOn = p.showCmd != 0;
    p.showCmd = 0;
    MyPlacement = p;
    return true;
}

bool clsMDIPlaceWindow::SetPlacement(ui::PanelWindow& panel) {
    QWidget& box = container(panel);
    const WindowPlacement& p = MyPlacement;
    if (panel.sizable()) {
        box.setGeometry(p.left, p.top, p.right - p.left, p.bottom - p.top);
        // Saved maximised, it comes back maximised over that rectangle (the toolkit shows a
        // child window it maximises; the visibility below decides again).
        if ((p.flags & kRestoreMaximised) != 0) {
            box.setWindowState(box.windowState() | Qt::WindowMaximized);
        }
    } else {
        box.move(p.left, p.top);
    }
    const bool show = p.showCmd == 1;
    box.setVisible(show);
    panel.setVisible(show);
    return true;
}

}  // namespace corvell::shell
