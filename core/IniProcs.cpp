#include "core/IniProcs.h"

#include "core/TextProcs.h"
#include "platform/ini_document.h"
#include "platform/private_profile.h"

namespace corvell {

std::string ReadIniString(const std::string& file, std::string_view section, std::string_view key) {
    // Cutting at a NUL can leave a carriage return or tab at the end, which the file's reader
    // drops around every value (and a write turns into a blank): dropped here too, the value
    // reads the same before and after it is written back.
    const std::string cut = CutAtNul(platform::readProfileString(file, section, key, ""));
    return std::string(platform::IniDocument::trimTrailingBlanks(cut));
}

std::string ReadIniInt(const std::string& file, std::string_view section, std::string_view key) {
    return std::to_string(platform::readProfileInt(file, section, key, 0));
}

int16_t WriteIniString(const std::string& file, std::string_view section, std::string_view key,
                       std::optional<std::string_view> value) {
    const bool ok = value ? platform::writeProfileString(file, section, key, *value)
                          : platform::deleteProfileKey(file, section, key);
    return ok ? 1 : 0;
}

std::string WriteIniInt(const std::string& file, std::string_view section, std::string_view key,
                        int16_t value) {
    return platform::writeProfileString(file, section, key, std::to_string(value)) ? "1" : "0";
}

}  // namespace corvell
