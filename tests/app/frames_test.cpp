// The windows of the running program as a user touches them: a drawn panel is only its face and
// moves by it, the radio and receiver panels refuse a close, every window shows the program's
// own icon, and a dialog with no saved position opens centred over the main window. Pictures
// of the panels without frames, at the display's scale (the same test runs again at 200 %).
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "panels/common/DrawnPanel.h"
#include "panels/dialogs/DlgCtcssOption.h"
#include "resources/Artwork.h"
#include "resources/ProgramIcon.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/artifacts.h"
#include "ui/SkinPicture.h"

namespace corvell::test {
namespace {

using shell::PanelSlot;

class Frames : public ProgramTest {
  protected:
    QMdiSubWindow* frameOf(PanelSlot slot) {
        for (QMdiSubWindow* s : main().mdiArea()->subWindowList()) {
            if (s->widget() == main().panel(slot)) return s;
        }
        return nullptr;
    }
    // The face a user drags the panel by.
    QWidget* faceOf(PanelSlot slot) {
        ui::PanelWindow* panel = main().panel(slot);
        if (auto* drawn = dynamic_cast<panels::DrawnPanel*>(panel)) return drawn->picPanel();
        return panel->findChild<ui::SkinPicture*>();
    }
};

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(QSize(32, 32), 1.0).toImage();
}

TEST_F(Frames, ADrawnPanelIsOnlyItsFaceAndTheMemoryListKeepsItsFrame) {
    ASSERT_TRUE(started);
    for (const DrawnSkin& s : kDrawnSkins) {
        SCOPED_TRACE(s.skinId);
        QMdiSubWindow* sub = frameOf(s.slot);
        ASSERT_NE(sub, nullptr);
        EXPECT_TRUE(sub->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_FALSE(sub->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(sub->size(), art::artworkSize(s.skinId));
        EXPECT_EQ(sub->minimumSize(), sub->maximumSize());
    }
    QMdiSubWindow* list = frameOf(PanelSlot::Mch);
    EXPECT_FALSE(list->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_NE(list->minimumSize(), list->maximumSize());
    EXPECT_GT(list->size().height(), main().panel(PanelSlot::Mch)->height());
}

TEST_F(Frames, TheRadioAndReceiverPanelsRefuseACloseAndTheOthersHideByTheirOwnWord) {
    ASSERT_TRUE(started);
    for (const char* word : {"RADIO", "RECEIVER"}) {
        SCOPED_TRACE(word);
        main().KeyAction(word);
        const PanelSlot slot =
            std::string(word) == "RADIO" ? PanelSlot::Radio : PanelSlot::Receiver;
        ASSERT_TRUE(main().panelVisible(slot));
        EXPECT_FALSE(frameOf(slot)->close());
        EXPECT_TRUE(main().panelVisible(slot));
        EXPECT_TRUE(main().panel(slot)->fVisiblePwrOn);
    }
    main().KeyAction("SIMPLE");
    ASSERT_TRUE(main().panelVisible(PanelSlot::Tuner));
    EXPECT_FALSE(frameOf(PanelSlot::Tuner)->close());  // refused, and "TUNER" hides it
    EXPECT_FALSE(main().panelVisible(PanelSlot::Tuner));
    EXPECT_TRUE(main().panel(PanelSlot::Tuner)->isLoaded());
    main().KeyAction("TUNER");
    EXPECT_TRUE(main().panelVisible(PanelSlot::Tuner));
}

TEST_F(Frames, APanelMovesByItsFace) {
    ASSERT_TRUE(started);
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    for (const char* word : {"RECEIVER", "SIMPLE"}) {
        main().KeyAction(word);
        const PanelSlot slot =
            std::string(word) == "RECEIVER" ? PanelSlot::Receiver : PanelSlot::ScanPad;
        SCOPED_TRACE(word);
        QMdiSubWindow* sub = frameOf(slot);
        QWidget* face = faceOf(slot);
        ASSERT_TRUE(sub && face && main().panelVisible(slot));
        sub->move(20, 10);
        QTest::mousePress(face, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseMove(face, QPoint(34, 24));
        QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(34, 24));
        EXPECT_EQ(sub->pos(), QPoint(50, 30));
        EXPECT_EQ(sub->size(), main().panel(slot)->size());
    }
}

TEST_F(Frames, EveryWindowShowsTheProgramsOwnIcon) {
    ASSERT_TRUE(started);
    const QImage own = iconImage(art::programIcon());
    ASSERT_FALSE(own.isNull());
    EXPECT_EQ(iconImage(QApplication::windowIcon()), own);
    main().KeyAction("MEMORY");
    main().KeyAction("SCANSET");
    main().KeyAction("DTMFSET");
    std::vector<QWidget*> windows = {&main(), frameOf(PanelSlot::Mch)};
    for (const char* word : {"SCANSET", "DTMFSET", "CTCSS", "EXTSP", "DTMFM"}) {
        if (ui::Form* d = main().dialog(word, true)) windows.push_back(d);
    }
    for (QWidget* w : windows) {
        SCOPED_TRACE(w->windowTitle().toStdString());
        EXPECT_EQ(iconImage(w->windowIcon()), own);
    }
}

TEST_F(Frames, ADialogWithNoSavedPositionOpensCentredOverTheMainWindowKeptOnTheScreen) {
    ASSERT_TRUE(started);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    main().setGeometry(60, 40, 600, 440);
    main().show();
    auto open = [&](const char* word) -> ui::Form* {
        ui::Form* d = main().dialog(word, true);
        if (std::string(word) == "CTCSS") {
            dynamic_cast<panels::DlgCtcssOption&>(*d).DispOn();  // as the tone key opens it
        } else {
            main().KeyAction(word);
        }
        return d;
    };
    for (const char* word : {"SCANSET", "DTMFSET", "CTCSS"}) {
        SCOPED_TRACE(word);
        ui::Form* d = open(word);
        ASSERT_TRUE(d && d->isVisible());
        const QPoint off = d->frameGeometry().center() - main().frameGeometry().center();
        EXPECT_LE(off.manhattanLength(), 2) << off.x() << "," << off.y();
        EXPECT_TRUE(screen.contains(d->frameGeometry())) << d->x() << "," << d->y();
        d->hide();
    }
}

// Under a window manager a small fixed dialog offers its close box, and neither minimise nor
// maximise: every hint is given, since a window naming none is offered every function.
TEST_F(Frames, EveryDialogOffersItsCloseBoxButNeitherMinimiseNorMaximise) {
    ASSERT_TRUE(started);
    main().show();
    main().KeyAction("COMPORT");
    Qt::WindowFlags about;  // the About window is modal: read while it is open
    QTimer::singleShot(0, [&] {
        if (shell::frmTitle* w = main().aboutWindow()) {
            about = w->windowFlags();
            QTest::mouseClick(w->okButton(), Qt::LeftButton);
        }
    });
    main().KeyAction("ABOUT");
    EXPECT_TRUE(about.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(about.testFlag(Qt::WindowMinimizeButtonHint) ||
                 about.testFlag(Qt::WindowMaximizeButtonHint));
    std::vector<QWidget*> dialogs = {main().comDialog()};
    for (const char* word : {"SCANSET", "DTMFSET", "DTMFM", "CTCSS", "EXTSP"}) {
        if (ui::Form* d = main().dialog(word, true)) dialogs.push_back(d);
    }
    ASSERT_EQ(dialogs.size(), 6u);
    for (QWidget* d : dialogs) {
        ASSERT_NE(d, nullptr);
        SCOPED_TRACE(d->windowTitle().toStdString());
        const Qt::WindowFlags flags = d->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    }
}

class SavedDialogs : public ProgramTest {
  protected:
    SavedDialogs()
        : ProgramTest(
              "[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\nDLGSCANX=1500\r\nDLGSCANY=750\r\n"
              "DLGDTMFX=750\r\nDLGDTMFY=1500\r\n") {}
};

TEST_F(SavedDialogs, ADialogWithASavedPositionOpensThere) {
    ASSERT_TRUE(started);
    main().setGeometry(60, 40, 600, 440);
    main().KeyAction("SCANSET");
    EXPECT_EQ(main().dialog("SCANSET")->pos(), QPoint(100, 50));
    main().KeyAction("DTMFSET");
    EXPECT_EQ(main().dialog("DTMFSET")->pos(), QPoint(50, 100));
}

// Pictures of the three panel modes and the function panels without frames, named by the scale
// they are drawn at ("-100", and "-200" when run with QT_SCALE_FACTOR=2).
TEST_F(Frames, PicturesOfThePanelsWithoutFrames) {
    ASSERT_TRUE(started);
    const QString scale = QString::number(qRound(qApp->devicePixelRatio() * 100));
    main().resize(1060, 720);
    main().show();
    main().KeyAction("DTMF");
    main().KeyAction("MEMORY");
    main().Timer1_Timer();
    EXPECT_TRUE(saveScreenshot(main(), "frameless-simple-" + scale));
    main().KeyAction("DTMF");
    main().KeyAction("MEMORY");
    main().KeyAction("RADIO");
    main().Timer1_Timer();
    EXPECT_TRUE(saveScreenshot(main(), "frameless-radio-" + scale));
    main().KeyAction("RECEIVER");
    main().Timer1_Timer();
    EXPECT_TRUE(saveScreenshot(main(), "frameless-receiver-" + scale));
}

}  // namespace
}  // namespace corvell::test
