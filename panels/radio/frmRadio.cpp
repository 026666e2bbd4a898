#include "panels/radio/frmRadio.h"

#include <QEvent>
#include <QMouseEvent>

#include "panels/common/InPlaceEditor.h"
#include "panels/common/PanelLabel.h"
#include "ui/Fonts.h"
#include "ui/Geometry.h"
#include "ui/ImageHotZone.h"
#include "ui/Labels.h"

namespace corvell::panels {
namespace {

QColor colourOf(TextColour c) {
    switch (c) {
        case TextColour::White:
            return QColor(255, 255, 255);
        case TextColour::Grey:
            return QColor(127, 127, 127);
        case TextColour::Black:
            break;
    }
    return QColor(0, 0, 0);
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

}  // namespace

frmRadio::frmRadio(const RadioLogic::Neighbours& neighbours, QWidget* parent,
                   ui::HoldEnvironment* hold)
    : DrawnPanel({QStringLiteral("Radio Form"), kRadioSkinId, kRadioImageCount, "", true, hold},
                 parent),
      txtBANKname_(new InPlaceEditor(this)),
      txtMEMOname_(new InPlaceEditor(this)),
      picPowerOff_(new QWidget(this)),
      imgSCOPEerr_(new ui::ImageHotZone(0, this)),
      logic_(neighbours, repeater(), images(), *this) {
    setCaption(QStringLiteral("Radio Form"));
    declareReadout(kRadioFirstDigitImage, kRadioFirstDigitImage + 10, QStringLiteral("Frequency"),
                   ui::AccessibleReadout::frequencyReading);
    declareIndicators({{25, "BLK"},
                       {30, "S-METER"},
                       {31, "CENTRE"},
                       {32, "BUSY"},
                       {58, "M.W"},
                       {59, "M.CLR"},
                       {61, "MHz"}});
    // The frame pieces, and the hot zone over the step label, say nothing by themselves.
    for (int index : {26, 27, 28, 29, 60}) declarePicture(index);
    imgSCOPEerr_->leaveOutOfTree();
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new PanelLabel(this);
        labels_[i]->setAutoFillBackground(false);
    }
    for (std::size_t i = 0; i < lblMEMO_.size(); ++i) {
        auto* label = new PanelLabel(this);
        label->setAutoFillBackground(false);
        label->setAlignment(Qt::AlignCenter);
        label->installEventFilter(this);
        lblMEMO_[i] = label;
    }
    picPowerOff_->setAutoFillBackground(true);
    picPowerOff_->setPalette(QPalette(QColor(0x20, 0x22, 0x24)));
    auto editable = [this] { return logic_.canEditNames(); };
    names_ = new NameEditors(
        *this,
        {label(RadioLabel::BankName), txtBANKname_, editable,
         [this] { return logic_.bankNameForEdit(); },
         [this](const std::string& text) {
             label(RadioLabel::BankName)->setFittedText(QString::fromStdString(text));
             logic_.StoreBankName(text);
         }},
        {label(RadioLabel::ChName), txtMEMOname_, editable,
         [this] { return logic_.chNameForEdit(); },
         [this](const std::string& text) {
             label(RadioLabel::ChName)->setFittedText(QString::fromStdString(text));
             logic_.StoreChName(text);
         }},
        {[this] { logic_.CheckBlank(); },
         [this] { logic_.cancelEntry(); },
         {},
         [this] {
             for (RadioLabel which : {RadioLabel::BankName, RadioLabel::ChName}) {
                 setTextColour(label(which), Qt::black);
             }
         }});
}

frmRadio::~frmRadio() = default;

int frmRadio::DispAll() {
    std::array<int16_t, kRadioListPlaces> listShown{};
    for (int i = 0; i < kRadioListPlaces; ++i) {
        listShown[static_cast<std::size_t>(i)] = images().shown(kRadioFirstListImage + i);
    }
    const int changed = DrawnPanel::DispAll();
    // The list captions lie on the list pictures; only a list picture shown anew comes over
    // them. Raising them for any other picture would redraw the whole list each time.
    for (int i = 0; i < kRadioListPlaces; ++i) {
        if (images().shown(kRadioFirstListImage + i) != listShown[static_cast<std::size_t>(i)]) {
            for (PanelLabel* l : lblMEMO_) l->raise();
            break;
        }
    }
    return changed;
}

PanelLabel* frmRadio::label(RadioLabel which) const {
    return labels_.at(static_cast<std::size_t>(which));
}

void frmRadio::onLoad() {
    LayoutPanel();
    ui::KeepFormOnScreen(this);
}

void frmRadio::LayoutPanel() {
    clearLayout();
    imgSCOPEerr_->setGeometry(-1000, -1000, 1, 1);
    for (const RadioImage& image : RadioImages()) {
        const RadioRect r = RadioPictureRect(image);
        placeImage(image.index, QRect(r.x, r.y, r.width, r.height),
                   image.legend ? QString::fromLatin1(image.legend) : QString());
    }
    for (int i = 0; i < kRadioListPlaces; ++i) {
        const RadioRect r = RadioListLabelRect(i);
        PanelLabel* l = lblMEMO(i);
        l->setGeometry(r.x, r.y, r.width, r.height);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(9);
        font.setBold(true);
        l->setFont(font);
        l->raise();
    }
    for (const RadioLabelPlace& place : RadioLabelPlaces()) {
        PanelLabel* l = label(place.label);
        l->setGeometry(place.rect.x, place.rect.y, place.rect.width, place.rect.height);
        l->setFont(place.fontFamily ? ui::programFont(place.points, place.bold)
                                    : ui::localeFont(locale_, place.points));
        ui::FitLabelFontFrom(l, QString::fromLatin1(place.sample), place.points);
        setTextColour(l, Qt::black);
        l->raise();
    }
    txtBANKname_->setGeometry(67, 90, 168, 21);
    txtBANKname_->setFont(label(RadioLabel::BankName)->font());
    txtMEMOname_->setGeometry(67, 108, 168, 21);
    txtMEMOname_->setFont(label(RadioLabel::ChName)->font());
    txtBANKname_->dismiss();
    txtMEMOname_->dismiss();
    picPowerOff_->setVisible(true);
    picPowerOff_->setGeometry(-5000, -5000, kRadioSkinWidth, kRadioSkinHeight);
    picPanel()->lower();
    DispAll();
}

void frmRadio::showLabel(RadioLabel which, const std::string& text) {
    PanelLabel* l = label(which);
    setTextColour(l, Qt::black);
    const QString q = QString::fromStdString(text);
    if (which == RadioLabel::BankName || which == RadioLabel::ChName) {
        l->setFittedText(q);
    } else {
        l->setText(q);
    }
}

void frmRadio::showListCaption(int place, const std::string& text) {
    lblMEMO(place)->setText(QString::fromStdString(text));
}

void frmRadio::setListColour(int place, TextColour colour) {
    setTextColour(lblMEMO(place), colourOf(colour));
}

void frmRadio::setCentrePicture(int16_t id) {
    img(kRadioCentreImage)->setImageId(id);
}

bool frmRadio::nameEditorOpen() const {
    return names_->isOpen();
}

bool frmRadio::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < kRadioListPlaces; ++i) {
            if (watched == lblMEMO(i)) {
                logic_.ListLabelDown(i);
                return true;
            }
        }
    }
    return DrawnPanel::eventFilter(watched, event);
}

}  // namespace corvell::panels
