#include "app/Program.h"

#include <QApplication>
#include <functional>

#include "app/ProgramPanels.h"
#include "core/LocaleProcs.h"
#include "core/ProgramObjects.h"
#include "core/ProgramValues.h"
#include "core/QuillonApi.h"
#include "core/frmTesselbase.h"
#include "memory/MemoryListOps.h"
#include "memory/clsMEMORY.h"
#include "platform/file_exists.h"
#include "platform/program_dir.h"
#include "resources/ProgramIcon.h"
#include "shell/frmTitle.h"

namespace corvell::app {

namespace {
// The user guide shipped beside the executable.
constexpr const char* kHelpFileName = "Corvell.html";
}  // namespace

std::string Program::instanceLockName(const std::string& programDir) {
    // By the real path: a start through a symbolic link to a folder is a start on that folder.
    const std::string real = platform::realDirectory(programDir);
    return "Corvell-instance-" + std::to_string(std::hash<std::string>{}(real));
}

namespace {

// The folder as the user named it, with its real path when that reads otherwise.
std::string folderWords(const std::string& dir) {
    const std::string real = platform::realDirectory(dir);
    return real == dir ? dir : dir + " (" + real + ")";
}

// What a start that does not run says on standard error; nothing when another Corvell runs on
// normally (that start ends quietly).
std::string refusalText(const platform::SingleInstance& instance, const std::string& dir) {
    using Refusal = platform::SingleInstance::Refusal;
    switch (instance.refusal()) {
        case Refusal::HolderStillEnding:
            return "Corvell: a Corvell is still running on the folder " + folderWords(dir) +
                   ": it was ending but has not ended within " +
                   std::to_string(Program::kWaitForEnding.count() / 1000) +
                   " s. Start again once it has ended.\n";
        case Refusal::NoLockFile:
            return "Corvell: cannot tell whether another Corvell runs on the folder " +
                   folderWords(dir) + ": " + instance.lockProblem() +
                   ". Set XDG_RUNTIME_DIR to a folder of your own that exists, or unset it.\n";
        case Refusal::None:
        case Refusal::HolderRuns:
            break;
    }
    return {};
}

}  // namespace

Program::Program() : Program(Options()) {}

Program::Program(Options options) : options_(std::move(options)) {}

Program::~Program() {
    end_.reset();
    main_.reset();
    panels_.reset();
    if (receiver_) {
        if (ProgramReceiver() == receiver_.get()) SetProgramReceiver(nullptr);
        receiver_.reset();
    }
    // The link library goes before the instance does, so a start that waited for this one
    // meets none of its link left (its shared buffer still marked as served, say).
    if (instance_ && instance_->held()) ResetQuillonLibrary();
}

bool Program::start() {
    refusal_.clear();
    const std::string dir = platform::programDirectory();

    // 1. A second start of the program ends quietly; one made while the first is still
    // ending waits for it, and says so when it gives up.
    instance_ = std::make_unique<platform::SingleInstance>(instanceLockName(dir));
    if (!instance_->acquire(kWaitForEnding)) {
        refusal_ = refusalText(*instance_, dir);
        return false;
    }
    steps_.push_back("single instance");

    // 2. The help file beside the executable, when it is there.
    const std::string exeDir = options_.executableDir.empty()
                                   ? QCoreApplication::applicationDirPath().toStdString()
                                   : options_.executableDir;
    const std::string help = exeDir + "/" + kHelpFileName;
    helpFile_ = platform::fileOpensForReading(help) ? help : std::string();
    steps_.push_back("help file");

    // 3. Language.
    SetLanguageOffset(IsJapaneseLocale() ? 1000 : 0);
    steps_.push_back("language");

    // 4. The splash, painted before anything slow happens. Every window, the splash first, shows
    // the program's own icon.
    QApplication::setWindowIcon(art::programIcon());
    auto splash = std::make_unique<shell::frmTitle>();
    splash->ShowTitle();
    steps_.push_back("splash");

    // 5-7. Profile, settings, placement.
    clsProfileIO& profile = ProgramProfile();
    profile.SetCurrentPath();
    profile.setName("Corvell.ini");
    writeWatch_ = std::make_unique<SettingsWriteWatch>(profile.GetMyProfile());
    steps_.push_back("profile");
    ProgramSettings().Init(&profile);
    steps_.push_back("settings");
    placement_.Init(&profile);
    steps_.push_back("placement");

    // 8. The receiver object, with the memory file as its share of the settings.
    receiver_ = std::make_unique<frmTesselbase>();
    SetProgramReceiver(receiver_.get());
    receiver_->setSettingsPart(&memoryFileSetting_);
    receiver_->Init();
    if (options_.watchPeriodMs > 0) receiver_->setWatchPeriodMs(options_.watchPeriodMs);
    receiver_->Load();
    steps_.push_back("receiver");

    // 9. The main window.
    shell::MainParts parts;
    parts.receiver = receiver_.get();
    parts.profile = &profile;
    parts.settings = &ProgramSettings();
    parts.placement = &placement_;
    parts.memory = &ProgramMemory();
    parts.memoryList = &ProgramMemoryList();
    panels_ = std::make_unique<ProgramPanels>(*receiver_);
    parts.panels = panels_->panelFactories();
    parts.scanOption = panels_->scanOption();
    parts.ctcss = panels_->ctcss();
    parts.dtmfOption = panels_->dtmfOption();
    parts.dtmfMessage = panels_->dtmfMessage();
    parts.afOption = panels_->afOption();
    parts.programDir = exeDir;
    parts.helpFile = helpFile_;
    parts.runModal = options_.runModal;
    parts.ending = [this] { instance_->ending(); };
    parts.ended = options_.ended;
    parts.secondOfDay = options_.secondOfDay;
    parts.settingsFailureTold = [this] { return writeWatch_->failing(); };
    main_ = std::make_unique<shell::frmMain>(std::move(parts));
    // From here an end by signal is caught: while start-up shows a dialog it ends that, after
    // start-up it ends the program.
    end_ = std::make_unique<ProgramEnd>(*main_, *writeWatch_);
    panels_->setFrame(main_.get());
    splashSeenByLoad_ = splash->isVisible();
    main_->MDIForm_Load();
    if (main_->loadStopped()) {
        // Ended at the first run's dialog: what was read goes unsaved, nothing was changed.
        receiver_->Abandon();
        return false;
    }
    panels_->linkLoadedFrame();
    main_->show();
    steps_.push_back("main window");

    // 10. The splash goes.
    splash->close();
    splash.reset();
    steps_.push_back("splash closed");

    // Every save would fail: say so once, now, rather than at each save.
    writeWatch_->checkNow();
    end_->listen();
    return true;
}

}  // namespace corvell::app
