#include "ui/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace corvell::ui {
namespace {

std::optional<QString> runDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialDir);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && request.fileMustExist
                           ? QFileDialog::ExistingFile
                           : QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.defaultExtension.isEmpty()) dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (!request.fileName.isEmpty() && !request.fileName.contains('*')) {
        dialog.selectFile(request.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

class QtFileDialogs : public FileDialogs {
  public:
    std::optional<QString> getOpenFileName(const FileDialogRequest& request) override {
        return runDialog(request, QFileDialog::AcceptOpen);
    }
    std::optional<QString> getSaveFileName(const FileDialogRequest& request) override {
        return runDialog(request, QFileDialog::AcceptSave);
    }
};

FileDialogs* g_installed = nullptr;

}  // namespace

FileDialogs& fileDialogs() {
    static QtFileDialogs qtDialogs;
    return g_installed != nullptr ? *g_installed : qtDialogs;
}

void setFileDialogs(FileDialogs* dialogs) {
    g_installed = dialogs;
}

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
        if (description.endsWith('(' + patterns + ')')) {
            filters << description;
        } else {
            filters << QStringLiteral("%1 (%2)").arg(description, patterns);
        }
    }
    return filters;
}

}  // namespace corvell::ui
