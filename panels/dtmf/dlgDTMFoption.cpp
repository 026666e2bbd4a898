#include "panels/dtmf/dlgDTMFoption.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <QValidator>
#include <optional>
#include <string>

#include "core/LocaleProcs.h"
#include "core/ProgramObjects.h"
#include "core/clsDtmfOption.h"
#include "ui/DialogFlags.h"
#include "ui/DialogPosition.h"
#include "ui/FileDialogs.h"
#include "ui/Fonts.h"

namespace corvell::panels {
namespace {

constexpr const char* kSection = "DATA";
constexpr const char* kKeyX = "DLGDTMFX";
constexpr const char* kKeyY = "DLGDTMFY";
constexpr const char* kKeyTab = "DLGDTMFCURRTAB";
constexpr int kMinimumWidth = 380;

const char* const kTypeCaptions[3] = {"Display Message", "Execute File", "Play .WAV File"};

// The code box takes only what a decoder can report; a to d are taken as A to D.
class ReceiveCodeValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return clsDtmfOption::IsReceiveCode(input.toStdString()) ? Acceptable : Invalid;
    }
};

// Programs on Linux have no extension of their own, so any file may be started (a document is
// opened by the desktop); sounds are wave files whatever the case of their extension.
constexpr const char* kBrowseFilter = "Programs and documents|*|Wave Audio|*.[wW][aA][vV]";

}  // namespace

dlgDTMFoption::dlgDTMFoption(clsDtmfOption& option, QWidget* parent)
    : ui::Form(parent, ui::fixedDialogFlags(Qt::Dialog)),
      option_(option),
      tabs_(new QTabBar(this)),
      label1_(new QLabel(QStringLiteral("Receive CODE"), this)),
      txtCode_(new QLineEdit(this)),
      txtFile_(new QLineEdit(this)),
      cmdRef_(new QPushButton(QStringLiteral(".."), this)),
      cmdOk_(new QPushButton(QStringLiteral("Close"), this)) {
    setCaption(QStringLiteral("DTMF Setting"));
    for (int t = 1; t <= kTabs; ++t) tabs_->addTab(QString::number(t));
    tabs_->setExpanding(false);

    auto* frame1 = new QGroupBox(QStringLiteral("Action"), this);
    auto* types = new QVBoxLayout;
    for (std::size_t i = 0; i < optType_.size(); ++i) {
        optType_[i] = new QRadioButton(QString::fromLatin1(kTypeCaptions[i]), frame1);
        // Not exclusive by the toolkit: a stored type that names no action selects none.
        optType_[i]->setAutoExclusive(false);
        types->addWidget(optType_[i]);
        connect(optType_[i], &QRadioButton::clicked, this, [this, i] {
            if (updating_) return;
            for (std::size_t j = 0; j < optType_.size(); ++j) optType_[j]->setChecked(j == i);
            controlsChanged();
        });
    }
    auto* file = new QHBoxLayout;
    file->addWidget(txtFile_, 1);
    cmdRef_->setFixedWidth(32);
    file->addWidget(cmdRef_);
    auto* frameLayout = new QVBoxLayout(frame1);
    frameLayout->addLayout(types);
    frameLayout->addLayout(file);

    // The tab page under the strip: one face shared by the five tabs.
    auto* page = new QFrame(this);
    page->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(page);
    grid->addWidget(label1_, 0, 0);
    grid->addWidget(txtCode_, 0, 1);
    grid->addWidget(frame1, 1, 0, 1, 2);
    page->setObjectName(QStringLiteral("Picture1"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk_);
    auto* column = new QVBoxLayout(this);
    column->setSpacing(0);
    column->addWidget(tabs_);
    column->addWidget(page, 1);
    column->addSpacing(8);
    column->addLayout(buttons);
    setMinimumWidth(kMinimumWidth);

    txtCode_->setValidator(new ReceiveCodeValidator(txtCode_));
    connect(txtCode_, &QLineEdit::textChanged, this, [this] {
        if (!updating_) controlsChanged();
    });
    connect(txtFile_, &QLineEdit::textChanged, this, [this] {
        if (!updating_) controlsChanged();
    });
    connect(tabs_, &QTabBar::currentChanged, this, [this] { tabClicked(); });
    connect(cmdRef_, &QPushButton::clicked, this, [this] { browse(); });
    connect(cmdOk_, &QPushButton::clicked, this, [this] { hide(); });
}

QRadioButton* dlgDTMFoption::optDTMFtype(int i) const {
    return i >= 0 && i < static_cast<int>(optType_.size()) ? optType_[static_cast<std::size_t>(i)]
                                                           : nullptr;
}

int dlgDTMFoption::selectedEntry() const {
    return tabs_->currentIndex() + 1;
}

void dlgDTMFoption::onLoad() {
    updating_ = false;
    const ui::LocaleFont locale = ui::ProgramLocaleFont(IsJapaneseLocale());
    for (QLineEdit* box : {txtCode_, txtFile_}) box->setFont(ui::localeFont(locale, 9));
    // Fixed at the size its controls take: the window manager offers neither maximise nor
    // resize, which would only spread them over the screen.
    setFixedSize(sizeHint().expandedTo(QSize(kMinimumWidth, 0)));
}

void dlgDTMFoption::Init() {
    Load();
    clsProfileIO& p = ProgramProfile();
    p.setSection(kSection);
    int32_t x = 0, y = 0, tab = 1;
    p.loadData(kKeyX, x, int32_t{0});
    p.loadData(kKeyY, y, int32_t{0});
    p.loadData(kKeyTab, tab, int32_t{1});
    ui::PlaceAtSavedPosition(*this, x, y);
    if (tab >= 1 && tab <= tabs_->count()) {
        updating_ = true;  // the entry is taken below, once
        tabs_->setCurrentIndex(tab - 1);
        updating_ = false;
    }
    takeEntry(selectedEntry());
}

void dlgDTMFoption::takeEntry(int entry) {
    code_ = option_.GetRecieveCode(entry);
    type_ = option_.GetActionType(entry);
    text_ = option_.GetActionFile(entry);
    showMembers();
}

void dlgDTMFoption::showMembers() {
    if (updating_) return;
    updating_ = true;
    // A box that already shows its text is left alone, so the caret stays where the user types.
    const auto put = [](QLineEdit* box, const std::string& text) {
        const QString shown = QString::fromStdString(text);
        if (box->text() != shown) box->setText(shown);
    };
    put(txtCode_, code_);
    for (std::size_t i = 0; i < optType_.size(); ++i) {
        optType_[i]->setChecked(static_cast<int16_t>(i) == type_);
    }
    put(txtFile_, text_);
    updating_ = false;
}

void dlgDTMFoption::controlsChanged() {
    code_ = txtCode_->text().toStdString();
    // With no button selected (a stored type that names no action) the type stays as it was.
    for (std::size_t i = 0; i < optType_.size(); ++i) {
        if (optType_[i]->isChecked()) {
            type_ = static_cast<int16_t>(i);
            break;
        }
    }
    text_ = txtFile_->text().toStdString();
    showMembers();
    storeMembers();
}

void dlgDTMFoption::storeMembers() {
    const int entry = selectedEntry();
    option_.SetRecieveCode(entry, code_);
    option_.SetActionType(entry, type_);
    option_.SetActionFile(entry, text_);
}

void dlgDTMFoption::tabClicked() {
    if (updating_) return;
    takeEntry(selectedEntry());
}

void dlgDTMFoption::browse() {
    ui::FileDialogRequest request;
    request.filter = QString::fromLatin1(kBrowseFilter);
    request.fileMustExist = true;
    request.overwritePrompt = true;
    const std::optional<QString> chosen = ui::fileDialogs().getOpenFileName(request);
    if (chosen) txtFile_->setText(*chosen);  // a cancel leaves the text as it was
}

void dlgDTMFoption::SavePlacement() {
    clsProfileIO& p = ProgramProfile();
    p.setSection(kSection);
    if (const std::optional<QPoint> at = ui::PositionToSave(*this)) {
        p.saveData(kKeyX, static_cast<int32_t>(at->x()));
        p.saveData(kKeyY, static_cast<int32_t>(at->y()));
    }
    p.saveData(kKeyTab, static_cast<int32_t>(selectedEntry()));
}

bool dlgDTMFoption::onQueryUnload(ui::UnloadMode mode) {
    if (mode == ui::UnloadMode::UserClose) {
        hide();
        return false;
    }
    SavePlacement();
    return true;
}

void dlgDTMFoption::showEvent(QShowEvent* event) {
    takeEntry(selectedEntry());
    ui::Form::showEvent(event);
}

bool dlgDTMFoption::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && isLoaded()) {
        storeMembers();
        SavePlacement();
    }
    return ui::Form::event(event);
}

}  // namespace corvell::panels
