#include "core/SettingsWriteWatch.h"

#include <filesystem>

#include "platform/message_box.h"

namespace corvell {
namespace {

std::string normal(const std::string& path) {
    return std::filesystem::path(path).lexically_normal().string();
}

// The file, then the reason in brackets without the file's name a second time.
std::string fileAndReason(const std::string& path, const std::string& why) {
    return path + "\r\n(" + platform::failureReason(path, why) + ")";
}

}  // namespace

SettingsWriteWatch::SettingsWriteWatch(std::string path) : path_(normal(path)) {
    platform::setProfileWriteListener(this);
}

SettingsWriteWatch::~SettingsWriteWatch() {
    platform::setProfileWriteListener(nullptr);
}

bool SettingsWriteWatch::checkNow() {
    std::string why;
    if (platform::profileWritable(path_, &why)) return true;
    if (!failing_) beginFailing(notWritableText(path_, why));
    return false;
}

void SettingsWriteWatch::profileWritten(const std::string& path, const std::string& failure) {
    if (normal(path) != path_) return;
    if (failure.empty()) {
        failing_ = false;
    } else if (!failing_) {
        beginFailing(notSavedText(path_, failure));
    }
}

void SettingsWriteWatch::beginFailing(const std::string& text) {
    failing_ = true;
    std::string line = text;
    for (auto at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n", at)) {
        line.replace(at, 2, " ");
    }
    platform::logLine("Corvell", line);
    if (showBoxes_) platform::tellUser(text, platform::MessageIcon::Warning);
}

std::string SettingsWriteWatch::notWritableText(const std::string& path, const std::string& why) {
    return "The settings file cannot be written:\r\n" + fileAndReason(path, why) +
           "\r\nCorvell runs on, but changed settings will not be kept.";
}

std::string SettingsWriteWatch::notSavedText(const std::string& path, const std::string& why) {
    return "The settings could not be saved in\r\n" + fileAndReason(path, why) +
           "\r\nWhat was changed since the last save is not kept.";
}

}  // namespace corvell
