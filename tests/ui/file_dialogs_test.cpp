#include <gtest/gtest.h>

#include "tests/support/ScriptedFileDialogs.h"
#include "ui/FileDialogs.h"

namespace corvell::ui {
namespace {

TEST(FileDialogs, BarSeparatedFiltersBecomeQtNameFilters) {
    EXPECT_EQ(qtNameFilters("*.MCH|*.mch"), QStringList{"*.MCH (*.mch)"});
    EXPECT_EQ(qtNameFilters("(EXE)|*.EXE;*.COM|Screen Saver|*.SCR|Wave Audio|*.WAV|All Files|*.*"),
              (QStringList{"(EXE) (*.EXE *.COM)", "Screen Saver (*.SCR)", "Wave Audio (*.WAV)",
                           "All Files (*.*)"}));
    EXPECT_EQ(qtNameFilters("Memory (*.MCH)|*.MCH"), QStringList{"Memory (*.MCH)"});
    EXPECT_TRUE(qtNameFilters("").isEmpty());
    EXPECT_TRUE(qtNameFilters("lonely description").isEmpty());
}

TEST(FileDialogs, AnInstalledStandInAnswersAndRecordsUntilItGoes) {
    FileDialogs* qtDialogs = &fileDialogs();
    {
        test::ScriptedFileDialogs scripted;
        ASSERT_EQ(&fileDialogs(), &scripted);
        scripted.answerNext(QString("/tmp/x/BANDS.MCH"));
        FileDialogRequest open;
        open.filter = "*.MCH|*.mch";
        open.fileName = "*.MCH";
        open.fileMustExist = true;
        EXPECT_EQ(fileDialogs().getOpenFileName(open), QString("/tmp/x/BANDS.MCH"));
        FileDialogRequest save;
        save.title = "Save";
        EXPECT_EQ(fileDialogs().getSaveFileName(save), std::nullopt);  // nothing scripted: Cancel
        ASSERT_EQ(scripted.shown().size(), 2u);
        EXPECT_FALSE(scripted.shown()[0].save);
        EXPECT_TRUE(scripted.shown()[0].request.fileMustExist);
        EXPECT_TRUE(scripted.shown()[1].save);
        EXPECT_EQ(scripted.shown()[1].request.title, "Save");
    }
    EXPECT_EQ(&fileDialogs(), qtDialogs);
}

}  // namespace
}  // namespace corvell::ui
