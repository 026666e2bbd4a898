// Thin INI procedures for files other than the settings file (the memory-channel files and
// the scan settings): file name first, then section and key.
// Thread contract: any thread (the INI engine serialises its calls).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvell {

// The key's value cut at a NUL and without trailing blanks; the empty text when missing.
std::string ReadIniString(const std::string& file, std::string_view section, std::string_view key);

// The decimal text of the key's integer; "0" when missing.
std::string ReadIniInt(const std::string& file, std::string_view section, std::string_view key);

// Writes the value, or deletes the key when there is none. 1 when the change reached the
// file (or the batch it belongs to), 0 when it failed.
int16_t WriteIniString(const std::string& file, std::string_view section, std::string_view key,
                       std::optional<std::string_view> value);

// Writes the value's decimal text; returns "1" on success, "0" on failure.
std::string WriteIniInt(const std::string& file, std::string_view section, std::string_view key,
                        int16_t value);

}  // namespace corvell
