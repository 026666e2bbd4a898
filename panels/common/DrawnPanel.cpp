#include "panels/common/DrawnPanel.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "resources/Artwork.h"
#include "ui/DragByFace.h"
#include "ui/VirtualKeys.h"

namespace corvell::panels {
SkinView::SkinView(int skinId, QWidget* parent) : QWidget(parent), skinId_(skinId) {
    resize(art::artworkSize(skinId));
}

QSize SkinView::sizeHint() const {
    return art::artworkSize(skinId_);
}

void SkinView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, art::artwork(skinId_, devicePixelRatioF()));
}

void SkinView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (auto* panel = qobject_cast<DrawnPanel*>(parentWidget())) panel->DragByPanel(*event);
}

DrawnPanel::DrawnPanel(const Setup& setup, QWidget* parent)
    : ui::PanelWindow(setup.placementKey, parent),
      closeWord_(setup.closeWord),
      redrawBeforePress_(setup.redrawBeforePress),
      repeater_(setup.hold),
      images_(setup.imageCount),
      picPanel_(new SkinView(setup.skinId, this)) {
    setFocusPolicy(Qt::StrongFocus);
    repeater_.setObjForm(this);
    img_.resize(static_cast<std::size_t>(setup.imageCount) + 1, nullptr);
    declared_.resize(img_.size());
    for (int i = 1; i <= setup.imageCount; ++i) {
        auto* zone = new ui::ImageHotZone(i, this);
        connect(zone, &ui::ImageHotZone::mouseDown, this, &DrawnPanel::imageMouseDown);
        connect(zone, &ui::ImageHotZone::mouseMove, this,
                [this](int index, int button, int shift, float x, float y) {
                    repeater_.MouseMove(static_cast<int16_t>(index), static_cast<int16_t>(button),
                                        static_cast<int16_t>(shift), x, y);
                });
        connect(zone, &ui::ImageHotZone::mouseUp, this,
                [this](int index, int button, int shift, float x, float y) {
                    repeater_.MouseUp(static_cast<int16_t>(index), static_cast<int16_t>(button),
                                      static_cast<int16_t>(shift), x, y);
                });
        connect(zone, &ui::ImageHotZone::dblClick, this,
                [this](int index) { repeater_.DblClick(static_cast<int16_t>(index)); });
        img_[static_cast<std::size_t>(i)] = zone;
    }
    FitFormToPanel();
    clearLayout();
}

DrawnPanel::~DrawnPanel() {
    // The widget must not call back into a half-destroyed panel.
    repeater_.setObjForm(nullptr);
}

ui::ImageHotZone* DrawnPanel::img(int index) const {
    if (index < 1 || static_cast<std::size_t>(index) >= img_.size()) return nullptr;
    return img_[static_cast<std::size_t>(index)];
}

int DrawnPanel::DispAll() {
    const int changed = images_.DispAll([this] { DispIndicators(); },
                                        [this](int index, int16_t id) {
                                            ui::ImageHotZone* zone = img(index);
                                            zone->setImageId(id);
                                            zone->raise();
                                        });
    if (changed > 0) {
        for (ui::AccessibleReadout* readout : readouts_) readout->refresh();
    }
    return changed;
}

void DrawnPanel::FitFormToPanel() {
    const QSize size = picPanel_->sizeHint();
    picPanel_->setGeometry(0, 0, size.width(), size.height());
    picPanel_->lower();
    setFixedSize(size);
    repeater_.SetOffsetPosision(0, 0);
}

void DrawnPanel::DragByPanel(const QMouseEvent& press) {
    ui::DragByFace(this, picPanel_, press);
}

void DrawnPanel::clearLayout() {
    images_.clear();
    for (std::size_t i = 1; i < img_.size(); ++i) {
        img_[i]->setImageId(0);
        img_[i]->setGeometry(-1000, -1000, 1, 1);
        img_[i]->leaveOutOfTree();
    }
}

void DrawnPanel::placeImage(int index, const QRect& rect, const QString& legend) {
    ui::ImageHotZone* zone = img(index);
    if (!zone) return;
    zone->setGeometry(rect);
    const Declared& declared = declared_[static_cast<std::size_t>(index)];
    const bool onPanel = rect.intersects(QRect(QPoint(0, 0), size()));
    switch (onPanel ? declared.kind : ui::ImageHotZone::AccessibleKind::Hidden) {
        case ui::ImageHotZone::AccessibleKind::Key:
            zone->setLegend(legend);
            break;
        case ui::ImageHotZone::AccessibleKind::Indicator:
            zone->setIndicator(declared.legend, declared.stateOf);
            break;
        case ui::ImageHotZone::AccessibleKind::Hidden:
            zone->leaveOutOfTree();
            break;
    }
    zone->raise();
}

void DrawnPanel::declareIndicator(int index, const QString& legend,
                                  ui::ImageHotZone::StateOf stateOf) {
    if (!img(index)) return;
    declared_[static_cast<std::size_t>(index)] = {ui::ImageHotZone::AccessibleKind::Indicator,
                                                  legend, std::move(stateOf)};
}

void DrawnPanel::declareIndicators(std::initializer_list<std::pair<int, const char*>> indicators) {
    for (auto [index, legend] : indicators) declareIndicator(index, QString::fromLatin1(legend));
}

void DrawnPanel::declarePicture(int index) {
    if (!img(index)) return;
    declared_[static_cast<std::size_t>(index)] = {ui::ImageHotZone::AccessibleKind::Hidden, {}, {}};
}

ui::AccessibleReadout* DrawnPanel::declareReadout(int first, int last, const QString& description,
                                                  ui::AccessibleReadout::Reading reading) {
    std::vector<ui::ImageHotZone*> places;
    for (int i = first; i <= last; ++i) {
        if (!img(i)) continue;
        declarePicture(i);
        places.push_back(img(i));
    }
    auto* readout =
        new ui::AccessibleReadout(this, description, std::move(places), std::move(reading));
    readouts_.push_back(readout);
    readout->refresh();
    return readout;
}

void DrawnPanel::placeImages(const ImagePlace* table, int count) {
    for (int i = 1; i <= count; ++i) {
        const ImagePlace& image = table[i];
        placeImage(i, QRect(image.x, image.y, image.width, image.height),
                   image.legend ? QString::fromLatin1(image.legend) : QString());
    }
}

void DrawnPanel::imageMouseDown(int index, int button, int shift, float x, float y) {
    if (redrawBeforePress_) DispAll();
    setFocus(Qt::MouseFocusReason);
    repeater_.setRepeatTime1st(repeatTime1st(index));
    repeater_.setRepeatTime2nd(repeatTime2nd(index));
    beforePress(index);
    repeater_.MouseDown(img(index), static_cast<int16_t>(index), static_cast<int16_t>(button),
                        static_cast<int16_t>(shift), x, y);
    if (!redrawBeforePress_) DispAll();
}

bool DrawnPanel::onQueryUnload(ui::UnloadMode mode) {
    if (mode != ui::UnloadMode::UserClose) return true;
    if (!closeWord_.empty() && owner()) owner()->KeyAction(closeWord_);
    return false;
}

void DrawnPanel::keyPressEvent(QKeyEvent* event) {
    const int keyCode = ui::virtualKeyFromQt(*event);
    if (keyCode == 0 || nameEditorOpen()) {
        ui::PanelWindow::keyPressEvent(event);
        return;
    }
    onPanelKey(keyCode, ui::shiftStateFromQt(event->modifiers()));
}

bool DrawnPanel::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) DispAll();
    return ui::PanelWindow::event(event);
}

}  // namespace corvell::panels
