#include "ui/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace corvell::ui {

namespace {

QString qtFilter(const QString& filter) {
    const int bar = filter.indexOf('|');
    if (bar < 0) return filter;
    return filter.left(bar) + " (" + filter.mid(bar + 1).replace(';', ' ') + ")";
}

QString withExtension(QString name, const QString& ext) {
    if (!name.isEmpty() && !ext.isEmpty() && QFileInfo(name).suffix().isEmpty()) {
        name += "." + ext;
    }
    return name;
}

class QtFileChooser : public FileChooser {
  public:
    std::optional<QString> open(QWidget* owner, const FileDialogRequest& r) override {
        QFileDialog dialog(owner, QString(), r.fileName, qtFilter(r.filter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(r.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setDefaultSuffix(r.defaultExt);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().front();
    }
    std::optional<QString> save(QWidget* owner, const FileDialogRequest& r) override {
        QFileDialog dialog(owner, QString(), r.fileName, qtFilter(r.filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(r.defaultExt);
        if (!r.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return withExtension(dialog.selectedFiles().front(), r.defaultExt);
    }
};

FileChooser* installed = nullptr;

}  // namespace

FileChooser& fileChooser() {
    static QtFileChooser qt;
    return installed ? *installed : qt;
}

void setFileChooser(FileChooser* chooser) {
    installed = chooser;
}

}  // namespace corvell::ui
