// The program as a whole hands every panel and dialog its neighbours: the three panel modes show
// the real panels, the dialog commands reach the real dialogs, keyboard keys on a panel without
// a key pad reach the tuning panel of the panel mode, and the DTMF message comes back loaded
// after it has closed itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <cstdlib>
#include <optional>
#include <string>

#include "app/Program.h"
#include "core/ProgramObjects.h"
#include "core/ProgramValues.h"
#include "core/frmTesselbase.h"
#include "memory/clsMEMORY.h"
#include "panels/common/InPlaceEditor.h"
#include "panels/common/PanelLabel.h"
#include "panels/dialogs/DlgAFOption.h"
#include "panels/dialogs/DlgCtcssOption.h"
#include "panels/dtmf/dlgDTMFmessage.h"
#include "panels/dtmf/dlgDTMFoption.h"
#include "panels/radio/frmRadio.h"
#include "panels/receiver/frmReceiver.h"
#include "panels/tuner/frmTuner.h"
#include "resources/ArtCatalog.h"
#include "resources/Artwork.h"
#include "scan/DlgScanOption.h"
#include "scan/frmScanPad.h"
#include "scan/frmScope.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/accessible_tree.h"
#include "tests/support/artifacts.h"
#include "tests/support/fake_quillon.h"
#include "tests/support/scripted_presenter.h"
#include "tests/support/temp_home.h"
#include "ui/AccessibleReadout.h"
#include "ui/ImageHotZone.h"

namespace corvell::test {
namespace {

using shell::PanelSlot;

class Wiring : public ProgramTest {};

TEST_F(Wiring, EveryPanelModeShowsTheRealPanels) {
    ASSERT_TRUE(started);
    EXPECT_NE(panelAs<panels::frmTuner>(PanelSlot::Tuner), nullptr);
    EXPECT_NE(panelAs<frmScanPad>(PanelSlot::ScanPad), nullptr);
    EXPECT_NE(panelAs<frmScope>(PanelSlot::Scope), nullptr);
    for (PanelSlot slot :
         {PanelSlot::Tuner, PanelSlot::Mode, PanelSlot::ScanPad, PanelSlot::Scope}) {
        EXPECT_TRUE(main().panelVisible(slot)) << static_cast<int>(slot);
    }
    main().KeyAction("RADIO");
    EXPECT_NE(panelAs<panels::frmRadio>(PanelSlot::Radio), nullptr);
    EXPECT_TRUE(main().panelVisible(PanelSlot::Radio));
    EXPECT_FALSE(main().panelVisible(PanelSlot::Tuner));
    main().KeyAction("RECEIVER");
    EXPECT_NE(panelAs<panels::frmReceiver>(PanelSlot::Receiver), nullptr);
    EXPECT_TRUE(main().panelVisible(PanelSlot::Receiver));
    EXPECT_FALSE(main().panelVisible(PanelSlot::Radio));
    main().resize(1060, 720);
    main().Timer1_Timer();
    EXPECT_TRUE(saveScreenshot(main(), "main-receiver"));
    main().KeyAction("SIMPLE");
    main().Timer1_Timer();
    EXPECT_TRUE(saveScreenshot(main(), "main-simple"));
}

TEST_F(Wiring, DialogCommandsReachTheRealDialogs) {
    ASSERT_TRUE(started);
    main().KeyAction("SCANSET");
    auto* scan = dynamic_cast<DlgScanOption*>(main().dialog("SCANSET"));
    ASSERT_NE(scan, nullptr);
    EXPECT_TRUE(scan->isVisible());
    main().KeyAction("SCANSET");
    EXPECT_FALSE(scan->isVisible());

    main().KeyAction("DTMFSET");
    EXPECT_NE(dynamic_cast<panels::dlgDTMFoption*>(main().dialog("DTMFSET")), nullptr);
    main().KeyAction("EXTSP");
    EXPECT_NE(dynamic_cast<panels::DlgAFOption*>(main().dialog("EXTSP")), nullptr);
    // The tone dialog the tuning panels open is the one the frame runs each tick.
    EXPECT_NE(dynamic_cast<panels::DlgCtcssOption*>(main().dialog("CTCSS")), nullptr);
}

TEST_F(Wiring, TheDtmfMessageComesBackLoadedAfterClosingItself) {
    ASSERT_TRUE(started);
    main().KeyAction("DTMFM");
    auto* message = dynamic_cast<panels::dlgDTMFmessage*>(main().dialog("DTMFM"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->isLoaded());
    message->Unload(ui::UnloadMode::CodeClose);
    EXPECT_FALSE(message->isVisible());
    main().KeyAction("DTMFM");
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->isLoaded());
}

TEST_F(Wiring, KeysOnTheScopeWindowReachTheTuningPanelOfTheMode) {
    ASSERT_TRUE(started);
    main().KeyAction("POWER");
    main().KeyAction("POWER");
    frmTesselbase& rx = *program->receiver();
    auto* scope = panelAs<frmScope>(PanelSlot::Scope);
    ASSERT_NE(scope, nullptr);
    const int32_t before = rx.afgain();
    // The up arrow raises the AF gain, in SIMPLE through the tuner panel's keyboard.
    QTest::keyClick(scope, Qt::Key_Up);
    EXPECT_GT(rx.afgain(), before);
}

// Each panel's skin is drawn from the catalog and its keys from the panel's own layout; every key
// a user can press must sit on a drawn face of the skin at the same place, or show a picture of
// its own (the radio's list places), or its legend would be missing from the panel.
TEST_F(Wiring, EveryNamedKeyOfEveryPanelSitsOnItsSkin) {
    ASSERT_TRUE(started);
    for (const DrawnSkin& s : kDrawnSkins) {
        const art::ArtRow* row = art::findArtRow(s.skinId);
        ASSERT_TRUE(row && row->skin) << s.skinId;
        ui::PanelWindow* panel = main().panel(s.slot);
        ASSERT_NE(panel, nullptr);
        int named = 0;
        for (const ui::ImageHotZone* zone : panel->findChildren<ui::ImageHotZone*>()) {
            if (zone->legend().isEmpty()) continue;
            ++named;
            const QRect at(zone->mapTo(panel, QPoint(0, 0)), zone->size());
            bool onSkin = zone->imageId() != 0 && art::hasArtwork(zone->imageId());
            for (const art::SkinItem& item : row->skin->items) {
                onSkin |= QRect(item.x, item.y, item.width, item.height).contains(at.center());
            }
            EXPECT_TRUE(onSkin) << s.skinId << " " << zone->legend().toStdString() << " at "
                                << at.x() << "," << at.y();
        }
        EXPECT_GT(named, 0) << s.skinId;
    }
}

// A screen reader walking any panel hears every key by its legend, every lamp by its legend and
// state, and each read-out as one text; no image of the panel is a button without a name.
TEST_F(Wiring, EveryPanelNamesEveryButtonAndIndicator) {
    ASSERT_TRUE(started);
    main().KeyAction("RADIO");
    main().KeyAction("RECEIVER");
    int readouts = 0;
    for (const shell::PanelSlotInfo& info : shell::kPanelSlots) {
        ui::PanelWindow* panel = main().panel(info.slot);
        ASSERT_NE(panel, nullptr) << info.member;
        int buttons = 0;
        for (const AccessibleNode& node : accessibleTree(panel)) {
            switch (node.role) {
                case QAccessible::Button:
                    ++buttons;
                    EXPECT_FALSE(node.name.isEmpty()) << info.member;
                    break;
                case QAccessible::Indicator:
                    EXPECT_TRUE(node.name.contains(QRegularExpression("^\\S.*: \\S+")))
                        << info.member << " " << node.name.toStdString();
                    break;
                default:
                    break;
            }
            if (qobject_cast<ui::AccessibleReadout*>(node.object)) {
                ++readouts;
                EXPECT_EQ(node.role, QAccessible::StaticText);
            }
        }
        EXPECT_GT(buttons, 0) << info.member;
    }
    EXPECT_EQ(readouts, 4);  // tuner, radio and receiver frequency, DTMF code
}

// The user's locale set to Japanese before the program starts, and put back after it has ended.
class JapaneseLocale {
  protected:
    JapaneseLocale() {
        if (const char* old = std::getenv("LC_ALL")) saved_ = old;
        ::setenv("LC_ALL", "ja_JP.UTF-8", 1);
    }
    ~JapaneseLocale() {
        if (saved_) {
            ::setenv("LC_ALL", saved_->c_str(), 1);
        } else {
            ::unsetenv("LC_ALL");
        }
        SetLanguageOffset(0);  // the program took its language from the locale
    }

  private:
    std::optional<std::string> saved_;
};

class JapaneseWiring : private JapaneseLocale, public Wiring {};

TEST_F(JapaneseWiring, TheRadioNamesItsBankAndChannelInTheLocaleFontAsTheOtherPanelsDo) {
    ASSERT_TRUE(started);
    main().KeyAction("RECEIVER");
    main().KeyAction("RADIO");
    auto* radio = panelAs<panels::frmRadio>(PanelSlot::Radio);
    auto* receiver = panelAs<panels::frmReceiver>(PanelSlot::Receiver);
    auto* tuner = panelAs<panels::frmTuner>(PanelSlot::Tuner);
    ASSERT_TRUE(radio && receiver && tuner);
    auto faces = [](const QWidget* w) { return w->font().families().join(',').toStdString(); };
    const std::string locale = faces(receiver->picBankName());
    EXPECT_NE(locale.find("IPAGothic"), std::string::npos) << locale;
    EXPECT_EQ(faces(tuner->picBankName()), locale);
    EXPECT_EQ(faces(radio->label(panels::RadioLabel::BankName)), locale);
    EXPECT_EQ(faces(radio->label(panels::RadioLabel::ChName)), locale);
    EXPECT_EQ(faces(radio->txtMEMOname()), locale);
}

}  // namespace
}  // namespace corvell::test
