#include "panels/receiver/frmReceiver.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QRegion>

#include "core/clsScopeDATA.h"
#include "core/frmScopeCtrl.h"
#include "core/frmTesselbase.h"
#include "panels/common/InPlaceEditor.h"
#include "panels/common/PanelLabel.h"
#include "panels/receiver/ReceiverKeys.h"
#include "panels/tuner/frmTuner.h"
#include "scan/ScopeDisplay.h"
#include "ui/Geometry.h"
#include "ui/Labels.h"
#include "ui/NeedleLine.h"

namespace corvell::panels {
namespace {

const QColor kCyan(0, 255, 255);
const QColor kBlack(0, 0, 0);

// Sizes the channel-label font: eleven characters of a typical station name.
const QString kSampleStationName = QStringLiteral("MARINE CH16");

QLabel* makeCover(QWidget* parent, const QRect& rect, const QString& text) {
    auto* cover = new QLabel(text, parent);
    cover->setGeometry(rect);
    cover->setAlignment(Qt::AlignCenter);
    cover->setStyleSheet(
        QStringLiteral("background: #000000; color: #00a0a8; font: bold 11px 'Arial';"));
    cover->hide();
    return cover;
}

// Digit places are 24 x 20 glyphs, points 4 x 20: the image takes its bitmap's size.
QRect imageRect(const RxImage& image) {
    if (image.index >= 61 && image.index <= 72) {
        const bool point = image.index == 65 || image.index == 69;
        return {image.x, image.y, point ? 4 : 24, 20};
    }
    return {image.x, image.y, image.width, image.height};
}

}  // namespace

// ---- S-meter and knob marks ----

SmeterPicture::SmeterPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The picture fills itself, so the skin under it never redraws for the needle.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SmeterPicture::setNeedle(Point pivot, Point tip) {
    if (visible_ && pivot == pivot_ && tip == tip_) return;
    // The scale hangs on the pivot: a new pivot redraws the whole picture.
    const QRect before = visible_ && pivot == pivot_
                             ? ui::needleBox(QPointF(pivot_.x, pivot_.y), QPointF(tip_.x, tip_.y))
                             : rect();
    pivot_ = pivot;
    tip_ = tip;
    visible_ = true;
    update(before | ui::needleBox(QPointF(pivot_.x, pivot_.y), QPointF(tip_.x, tip_.y)));
}

void SmeterPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    // The scale: ticks on the arc the needle's tip sweeps.
    p.setPen(QPen(QColor(0, 160, 168), 1));
    for (int level = 0; level <= 255; level += 51) {
        const Point outer = NeedleTip({62, pivot_.x, pivot_.y}, level);
        const Point inner = NeedleTip({57, pivot_.x, pivot_.y}, level);
        p.drawLine(QPointF(inner.x, inner.y), QPointF(outer.x, outer.y));
    }
    if (!visible_) return;
    ui::drawNeedle(p, QPointF(pivot_.x, pivot_.y), QPointF(tip_.x, tip_.y), Qt::white);
}

KnobMarks::KnobMarks(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

namespace {

// The pixels a two-pixel round-capped mark may touch.
QRect markArea(const Line& l) {
    return QRectF(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2))
        .normalized()
        .adjusted(-2, -2, 2, 2)
        .toAlignedRect();
}

}  // namespace

void KnobMarks::setMark(int k, const Line& line) {
    const auto i = static_cast<std::size_t>(k);
    if (i >= marks_.size()) return;
    const QRect before = shown_[i] ? markArea(marks_[i]) : QRect();
    marks_[i] = line;
    shown_[i] = true;
    // The marks lie over the whole panel: the mask keeps a redraw anywhere else on the panel
    // from drawing them again.
    QRegion area;
    for (std::size_t m = 0; m < marks_.size(); ++m) {
        if (shown_[m]) area += markArea(marks_[m]);
    }
    setMask(area);
    update(before | markArea(line));
}

void KnobMarks::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        if (!shown_[i]) continue;
        const Line& l = marks_[i];
        p.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
}

// ---- the panel ----

frmReceiver::frmReceiver(const ReceiverLogic::Neighbours& neighbours, QWidget* parent,
                         ui::HoldEnvironment* hold, const ui::LocaleFont& locale)
    : DrawnPanel(
          {QStringLiteral("Receiver Form"), kReceiverSkinId, kReceiverImageCount, "", true, hold},
          parent),
      rx_(neighbours.rx),
      locale_(locale),
      picTsName_(new PanelLabel(this)),
      picChName_(new PanelLabel(this)),
      picBankName_(new PanelLabel(this)),
      picChNum_(new PanelLabel(this)),
      picBankNum_(new PanelLabel(this)),
      txtMEMOname_(new InPlaceEditor(this)),
      txtBANKname_(new InPlaceEditor(this)),
      picSmeter_(new SmeterPicture(this)),
      knobMarks_(new KnobMarks(this)),
      shapeDial_(new DialMark(this)),
      picPowerOff_(makeCover(this, QRect(129, 19, 278, 99), QStringLiteral("POWER OFF"))),
      picScopeOff_(makeCover(this, QRect(139, 120, 201, 60), QStringLiteral("SCOPE OFF"))),
      pane_(neighbours.rx, this),
      logic_(neighbours, repeater(), images(), *this) {
    setCaption(QString::fromLatin1(kCaption));
    declareReadout(61, 72, QStringLiteral("Frequency"), ui::AccessibleReadout::frequencyReading);
    declareIndicators({{60, "BUSY"},
                       {73, "MODE"},
                       {74, "FILTER"},
                       {78, "TSQ"},
                       {79, "AUTO"},
                       {80, "CENTRE"},
                       {94, "M.WRITE"},
                       {95, "M.CLR"}});
    // The printed legends of the display (BANK, CH, FREQ, MODE, FILTER, TS).
    for (int index = 82; index <= 87; ++index) declarePicture(index);
    auto editable = [this] { return !logic_.isBlank(); };
    names_ = new NameEditors(
        *this,
        {picBankName_, txtBANKname_, editable, [this] { return logic_.bankNameForEdit(); },
         [this](const std::string& text) { logic_.StoreBankName(text); }},
        {picChName_, txtMEMOname_, editable, [this] { return logic_.chNameForEdit(); },
         [this](const std::string& text) { logic_.StoreChName(text); }},
        {[this] { logic_.CheckBlank(); },
         [this] { logic_.cancelEntry(); },
         [this] { DispAll(); },
         {}});
}

frmReceiver::~frmReceiver() = default;

void frmReceiver::onLoad() {
    picSmeter_->hide();
    logic_.tenkey().off();
    logic_.tenkey().setDigit(10);
    pane_.LayoutScope();
    scopePacing().period = 250;
    LayoutPanel();
    txtMEMOname_->dismiss();
    txtBANKname_->dismiss();
    ui::KeepFormOnScreen(this);
}

void frmReceiver::LayoutPanel() {
    clearLayout();
    for (const RxImage& image : ReceiverImages()) {
        placeImage(image.index, imageRect(image), QString::fromLatin1(image.legend));
    }
    picPanel()->lower();

    picSmeter_->setGeometry(13, 24, ReceiverLogic::kSmeterWidth, ReceiverLogic::kSmeterHeight);
    picSmeter_->show();
    picTsName_->setGeometry(350, 99, 51, 12);
    picTsName_->setFont(ui::programFont(9, true));
    ui::FitLabelFontFrom(picTsName_, QStringLiteral("500Hz"), 9);
    picChName_->setGeometry(203, 49, 198, 21);
    picChName_->setFont(ui::localeFont(locale_, 14));
    ui::FitLabelFontFrom(picChName_, kSampleStationName, 14);
    txtMEMOname_->setGeometry(203, 49, 198, 21);
    txtMEMOname_->setFont(picChName_->font());
    picBankName_->setGeometry(203, 26, 198, 21);
    picBankName_->setFont(ui::localeFont(locale_, 14));
    ui::FitLabelFontFrom(picBankName_, QStringLiteral("Bank1"), 14);
    txtBANKname_->setGeometry(203, 26, 198, 21);
    txtBANKname_->setFont(picBankName_->font());
    picChNum_->setGeometry(170, 57, 28, 14);
    picBankNum_->setGeometry(170, 34, 28, 14);
    for (PanelLabel* label : {picChNum_, picBankNum_}) {
        label->setFont(ui::programFont(9, true));
        ui::FitLabelFontFrom(label, QStringLiteral("88"), 9);
    }
    for (PanelLabel* label : {picChNum_, picBankNum_, picTsName_, picChName_, picBankName_}) {
        label->setColours(kCyan, kBlack);
        label->raise();
    }
    knobMarks_->setGeometry(rect());
    knobMarks_->raise();

    logic_.ResetKnobCache();
    logic_.InitDial();
    shapeDial_->show();
    shapeDial_->raise();
    DispAll();
    pane_.logic().ShowScopeStatus(true);
}

int frmReceiver::DispAll() {
    const int changed = DrawnPanel::DispAll();
    logic_.DispAfterImages();
    // Images brought forward by the redraw stay under the covers.
    if (picPowerOff_->isVisible()) picPowerOff_->raise();
    if (picScopeOff_->isVisible()) picScopeOff_->raise();
    return changed;
}

int frmReceiver::repeatTime1st(int index) const {
    return ReceiverRepeatTime1st(index);
}

int frmReceiver::repeatTime2nd(int index) const {
    return ReceiverRepeatTime2nd(index);
}

void frmReceiver::Task_exec() {
    if (inTask_ || !isLoaded()) return;
    inTask_ = true;
    const bool visible = isVisible();
    if (visible) {
        const bool off = rx_.Power() == 0;
        if (picPowerOff_->isHidden() == off) {
            picPowerOff_->setVisible(off);
            if (off) picPowerOff_->raise();
        }
        logic_.visibleTick();
    } else {
        logic_.hiddenTick();
    }
    const bool scopeOff = rx_.Power() == 0 || rx_.ScopeDATA().mode() == 0;
    // Whether the cover is shown within the panel: a hidden panel's covers all read as not
    // visible, which would show and raise the cover again on every tick.
    if (picScopeOff_->isHidden() == scopeOff) {
        picScopeOff_->setVisible(scopeOff);
        if (scopeOff) picScopeOff_->raise();
    }
    if (visible) {
        pane_.logic().visibleTick();
    } else {
        pane_.logic().hiddenTick();
    }
    inTask_ = false;
}

void frmReceiver::Tuner_Key_Operation(int keyCode, int shift) {
    logic_.Tuner_Key_Operation(keyCode, shift);
}

void frmReceiver::ScopeRefreshDisp() {
    pane_.logic().ScopeRefreshDisp();
}

bool frmReceiver::nameEditorOpen() const {
    return names_->isOpen();
}

bool frmReceiver::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) rx_.ScopeCtrl().ResendReq = 1;
    return DrawnPanel::event(event);
}

void frmReceiver::showDirect(int index, int16_t id) {
    ui::ImageHotZone* zone = img(index);
    // Raising a picture that did not change would redraw it and what lies over it.
    if (!zone || zone->imageId() == id) return;
    zone->setImageId(id);
    zone->raise();
}

void frmReceiver::showLabel(RxLabel label, const std::string& text) {
    const QString q = QString::fromStdString(text);
    switch (label) {
        case RxLabel::Step:
            picTsName_->setColours(kCyan, kBlack);
            picTsName_->setText(q);
            break;
        case RxLabel::BankName:
            picBankName_->setColours(kCyan, kBlack);
            picBankName_->setFittedText(q);
            break;
        case RxLabel::ChName:
            picChName_->setColours(kCyan, kBlack);
            picChName_->setFittedText(q);
            break;
        case RxLabel::BankNum:
            picBankNum_->setColours(kCyan, kBlack);
            picBankNum_->setText(q);
            break;
        case RxLabel::ChNum:
            picChNum_->setColours(kCyan, kBlack);
            picChNum_->setText(q);
            break;
    }
}

void frmReceiver::moveKnobMark(int k, const Line& line) {
    knobMarks_->setMark(k, line);
    knobMarks_->raise();
}

void frmReceiver::moveDialMark(PointF topLeft) {
    shapeDial_->move(static_cast<int>(topLeft.x), static_cast<int>(topLeft.y));
    shapeDial_->raise();
}

void frmReceiver::moveNeedle(Point pivot, Point tip) {
    picSmeter_->setNeedle(pivot, tip);
}

void frmReceiver::keyAction(const std::string& word) {
    if (owner()) owner()->KeyAction(word);
}

}  // namespace corvell::panels
