// The open and save file dialogs, behind a seam: the program shows Qt's dialogs, tests install
// a scripted stand-in (tests/support/ScriptedFileDialogs.h) that records each request and
// answers it. A cancelled dialog answers with no value.
// Thread contract: user-interface thread only.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace corvell::ui {

struct FileDialogRequest {
    QString title;
    // Pairs of description and patterns joined by "|", patterns split by ";":
    // "Wave Audio|*.WAV|All Files|*.*".
    QString filter;
    QString defaultExtension;  // added to a typed name that has none ("MCH")
    QString fileName;          // the name offered at first; may be a pattern such as "*.MCH"
    QString initialDir;
    bool fileMustExist = false;    // open: only an existing file can be chosen
    bool overwritePrompt = false;  // save: asks before replacing a file
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> getOpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> getSaveFileName(const FileDialogRequest& request) = 0;
};

// The dialogs in use: Qt's unless a stand-in is installed.
FileDialogs& fileDialogs();
// Installs a stand-in (not owned); nullptr returns to Qt's dialogs.
void setFileDialogs(FileDialogs* dialogs);

// "Wave Audio|*.WAV;*.WAVE|All Files|*.*" as Qt's name filters
// {"Wave Audio (*.WAV *.WAVE)", "All Files (*.*)"}. A description that already ends with its
// patterns in brackets is kept as it is.
QStringList qtNameFilters(const QString& filter);

}  // namespace corvell::ui
