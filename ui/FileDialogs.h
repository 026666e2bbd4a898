// Open and save file dialogs behind a seam: the program shows Qt's dialogs, tests install a
// chooser that answers. An empty answer means the user cancelled.
// Thread contract: user-interface thread only.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace corvell::ui {

struct FileDialogRequest {
    QString filter;          // e.g. "*.MCH|*.mch": description before the bar, pattern after it
    QString defaultExt;      // added when the chosen name has none, e.g. "MCH"
    QString fileName;        // the name the dialog starts with (may hold a directory)
    bool mustExist = false;  // open: the file must exist
    bool overwritePrompt = true;  // save: ask before replacing a file
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> open(QWidget* owner, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> save(QWidget* owner, const FileDialogRequest& request) = 0;
};

// The chooser in use: the one installed, else Qt's dialogs.
FileChooser& fileChooser();
// nullptr brings back Qt's dialogs. Not owned.
void setFileChooser(FileChooser* chooser);

}  // namespace corvell::ui
