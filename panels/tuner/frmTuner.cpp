#include "panels/tuner/frmTuner.h"

#include <QPainter>

#include "panels/common/InPlaceEditor.h"
#include "panels/common/PanelLabel.h"
#include "panels/tuner/TunerKeys.h"
#include "resources/Artwork.h"
#include "ui/Fonts.h"
#include "ui/Geometry.h"
#include "ui/Labels.h"

namespace corvell::panels {
namespace {

const QColor kCyan(0, 255, 255);
const QColor kBlack(0, 0, 0);

// Sizes the channel-label font: eleven characters of a typical station name.
const QString kSampleStationName = QStringLiteral("MARINE CH16");

}  // namespace

DialMark::DialMark(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(33, 27);
    hide();
}

void DialMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1.5));
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}

frmTuner::frmTuner(const TunerLogic::Neighbours& neighbours, QWidget* parent,
                   ui::HoldEnvironment* hold)
    : DrawnPanel(
          {QStringLiteral("Tuner Form"), kTunerSkinId, kTunerImageCount, "TUNER", false, hold},
          parent),
      picBankName_(new PanelLabel(this)),
      picChName_(new PanelLabel(this)),
      picTsName_(new PanelLabel(this)),
      txtBANKname_(new InPlaceEditor(this)),
      txtMEMOname_(new InPlaceEditor(this)),
      shapeDial_(new DialMark(this)),
      logic_(neighbours, repeater(), images(), *this) {
    setCaption(QStringLiteral("Tuner Form"));
    for (const TunerImage& image : TunerImages()) {
        if (image.action == TunerAction::Indicator)
            declareIndicator(image.index, QString::fromLatin1(image.legend));
    }
    declareReadout(kFirstReadoutImage, kFirstReadoutImage + 11, QStringLiteral("Frequency"),
                   ui::AccessibleReadout::frequencyReading);
    names_ = new NameEditors(
        *this,
        {picBankName_, txtBANKname_, [this] { return logic_.canEditBankName(); },
         [this] { return logic_.bankNameForEdit(); },
         [this](const std::string& text) {
             picBankName_->setFittedText(QString::fromStdString(logic_.StoreBankName(text)));
         }},
        {picChName_, txtMEMOname_, [this] { return logic_.canEditChName(); },
         [this] { return logic_.chNameForEdit(); },
         [this](const std::string& text) { logic_.StoreChName(text); }},
        {[this] { logic_.CheckBlank(); }, [this] { logic_.cancelEntry(); }, {}, {}});
}

frmTuner::~frmTuner() = default;

void frmTuner::onLoad() {
    LayoutPanel();
    ui::KeepFormOnScreen(this);
    txtMEMOname_->dismiss();
    txtBANKname_->dismiss();
    picTsName_->setColours(kCyan, kBlack);
}

void frmTuner::LayoutPanel() {
    clearLayout();
    for (const TunerImage& image : TunerImages()) {
        placeImage(image.index, QRect(image.x, image.y, image.width, image.height),
                   QString::fromLatin1(image.legend));
    }
    for (const ReadoutPlace& place : TunerReadoutPlaces()) {
        const bool point = place.index == 31 || place.index == 35;
        placeImage(place.index,
                   QRect(place.left, kReadoutTop, point ? kReadoutPointWidth : kReadoutDigitWidth,
                         kReadoutHeight));
    }
    picPanel()->lower();

    picChName_->setGeometry(74, 64, 162, 16);
    picChName_->setFont(ui::localeFont(locale_, 14));
    ui::FitLabelFontFrom(picChName_, kSampleStationName, 14);
    txtMEMOname_->setGeometry(74, 64, 162, 16);
    txtMEMOname_->setFont(picChName_->font());
    picBankName_->setGeometry(74, 94, 71, 16);
    picBankName_->setFont(ui::localeFont(locale_, 14));
    ui::FitLabelFontFrom(picBankName_, QStringLiteral("Bank1"), 14);
    txtBANKname_->setGeometry(74, 94, 71, 16);
    txtBANKname_->setFont(picBankName_->font());
    picTsName_->setGeometry(186, 94, 50, 16);
    picTsName_->setFont(ui::programFont(11, true));
    ui::FitLabelFontFrom(picTsName_, QStringLiteral("500Hz"), 11);
    for (PanelLabel* label : {picChName_, picBankName_, picTsName_})
        label->setColours(kCyan, kBlack);

    logic_.InitDial();
    shapeDial_->show();
    shapeDial_->raise();
    DispAll();
}

void frmTuner::Task_exec() {
    if (isVisible()) DispAll();
}

void frmTuner::Tuner_Key_Operation(int keyCode, int shift) {
    logic_.Tuner_Key_Operation(keyCode, shift);
}

bool frmTuner::nameEditorOpen() const {
    return names_->isOpen();
}

void frmTuner::showLabel(TunerLabel label, const std::string& text) {
    const QString q = QString::fromStdString(text);
    switch (label) {
        case TunerLabel::Step:
            picTsName_->setText(q);
            break;
        case TunerLabel::Bank:
            picBankName_->setColours(kCyan, kBlack);
            picBankName_->setFittedText(q);
            break;
        case TunerLabel::Channel:
            picChName_->setColours(kCyan, kBlack);
            picChName_->setFittedText(q);
            break;
    }
}

void frmTuner::moveDialMark(int left, int top) {
    shapeDial_->move(left, top);
    shapeDial_->raise();
}

}  // namespace corvell::panels
