#include "ui/Form.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <vector>

namespace corvell::ui {
namespace {

class RecordingForm : public Form {
  public:
    std::vector<std::string> log;
    bool refuseUserClose = false;
    std::vector<UnloadMode> modes;

  protected:
    void onLoad() override { log.push_back("load"); }
    bool onQueryUnload(UnloadMode mode) override {
        modes.push_back(mode);
        log.push_back("query");
        return !(refuseUserClose && mode == UnloadMode::UserClose);
    }
    void onUnload() override { log.push_back("unload"); }
};

TEST(Form, LoadsOnceAndUnloadsAfterAskingWithTheReason) {
    RecordingForm form;
    form.Load();
    form.Load();
    form.show();
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.Unload(UnloadMode::AppEnding));
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(form.log, (std::vector<std::string>{"load", "query", "unload"}));
    EXPECT_EQ(form.modes, (std::vector<UnloadMode>{UnloadMode::AppEnding}));
    form.Load();  // a window can be loaded again after an unload
    EXPECT_EQ(form.log.back(), "load");
}

TEST(Form, TheWindowsOwnCloseIsAUserCloseAndCanBeRefused) {
    RecordingForm form;
    form.refuseUserClose = true;
    form.Load();
    form.show();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(form.modes, (std::vector<UnloadMode>{UnloadMode::UserClose}));
    // The program itself may still unload it.
    EXPECT_TRUE(form.Unload(UnloadMode::CodeClose));
    EXPECT_EQ(form.log.back(), "unload");
}

TEST(Form, ClosingTheChildWindowFrameAsksTheFormInsideIt) {
    QMdiArea area;
    auto* form = new RecordingForm;
    form->refuseUserClose = true;
    form->Load();
    QMdiSubWindow* frame = area.addSubWindow(form);
    area.show();
    frame->show();
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(form->modes, (std::vector<UnloadMode>{UnloadMode::UserClose}));
}

TEST(Form, AReferenceReadsNullOnceTheWindowIsGone) {
    auto* form = new RecordingForm;
    form->setCaption("Tuner");
    EXPECT_EQ(form->windowTitle(), "Tuner");
    FormRef<RecordingForm> ref(form);
    EXPECT_FALSE(ref.isNull());
    delete form;
    EXPECT_TRUE(ref.isNull());
}

}  // namespace
}  // namespace corvell::ui
