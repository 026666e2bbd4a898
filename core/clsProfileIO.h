// The settings file of the program: typed key/value access to one INI file and one current
// section. Numbers are stored as decimal text, Booleans as "1"/"0", dates as
// "yyyy.mm.dd-hh:mm:ss" and texts in double quotes; reading converts back to the type of the
// caller's variable, whose current value is the default.
// Thread contract: user-interface thread only; `Section` is shared state of the one instance,
// so each caller sets it immediately before its own run of reads or writes.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace corvell {

// A date and time as the settings file stores it.
struct ProfileDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const ProfileDate&) const = default;
};

namespace profile_detail {

template <typename T>
using Plain = std::remove_cvref_t<std::decay_t<T>>;

template <typename T>
constexpr bool isText =
    std::is_same_v<Plain<T>, std::string> || std::is_same_v<Plain<T>, std::string_view> ||
    std::is_same_v<Plain<T>, const char*> || std::is_same_v<Plain<T>, char*>;

template <typename T>
constexpr bool isStored = std::is_same_v<Plain<T>, int16_t> || std::is_same_v<Plain<T>, int32_t> ||
                          std::is_same_v<Plain<T>, float> || std::is_same_v<Plain<T>, double> ||
                          std::is_same_v<Plain<T>, uint8_t> || std::is_same_v<Plain<T>, bool> ||
                          std::is_same_v<Plain<T>, ProfileDate> || isText<T>;

// The text a value is stored as.
std::string formatInteger(long long v);
std::string formatFloat(float v);
std::string formatDouble(double v);
std::string formatDate(const ProfileDate& d);

// Conversions of a stored text; nullopt when the text does not convert to the type.
std::optional<long long> parseInteger(std::string_view text, long long lo, long long hi);
std::optional<float> parseFloat(std::string_view text);
std::optional<double> parseDouble(std::string_view text);
bool parseBoolean(std::string_view text);
// nullopt for a text of another length than 19 (the target then stays as it was).
std::optional<ProfileDate> parseDate(std::string_view text, bool& valid);

template <typename T>
std::string toText(const T& v) {
    using P = Plain<T>;
    if constexpr (std::is_same_v<P, bool>) {
        return v ? "1" : "0";
    } else if constexpr (std::is_same_v<P, float>) {
        return formatFloat(v);
    } else if constexpr (std::is_same_v<P, double>) {
        return formatDouble(v);
    } else if constexpr (std::is_same_v<P, ProfileDate>) {
        return formatDate(v);
    } else if constexpr (isText<T>) {
        return std::string(std::string_view(v));
    } else {
        return formatInteger(static_cast<long long>(v));
    }
}

}  // namespace profile_detail

class clsProfileIO {
  public:
    const std::string& name() const { return name_; }
    void setName(std::string fileName) { name_ = std::move(fileName); }
    const std::string& path() const { return path_; }
    const std::string& Section() const { return section_; }
    void setSection(std::string section) { section_ = std::move(section); }

    // The directory becomes the program directory with a "/" after it.
    void SetCurrentPath();
    // `path` followed directly by `name`.
    std::string GetMyProfile() const;

    // Writes the value's text under the key of the current section. The file holds 16- and
    // 32-bit integers, bytes, single and double floats, Booleans, texts and dates; any other
    // type, or a write that did not reach the file, gives False.
    template <typename T>
    bool saveData(std::string_view key, const T& value) {
        if constexpr (!profile_detail::isStored<T>) {
            return false;
        } else if constexpr (profile_detail::isText<T>) {
            return writeText(key, "\"" + profile_detail::toText(value) + "\"");
        } else {
            return writeText(key, profile_detail::toText(value));
        }
    }

    // Reads the key into `target`, converted to its type; a missing key gives the target's
    // current value. False, with the target unchanged, for a type the file cannot hold or a
    // text that does not convert.
    template <typename T>
    bool loadData(std::string_view key, T& target) {
        const T fallback = target;
        return load(key, target, fallback);
    }

    // As above with an explicit default, which must be of the target's type (else False and
    // nothing is read).
    template <typename T, typename D>
    bool loadData(std::string_view key, T& target, const D& fallback) {
        using namespace profile_detail;
        if constexpr (std::is_same_v<Plain<T>, std::string> && isText<D>) {
            return load(key, target, std::string(std::string_view(fallback)));
        } else if constexpr (!std::is_same_v<Plain<T>, Plain<D>>) {
            return false;
        } else {
            return load(key, target, fallback);
        }
    }

    // Removes the key from the current section; nonzero when that succeeded.
    int16_t killKey(std::string_view key);

    // The text before its first NUL, or the whole text when it has none.
    static std::string StripTerminator(std::string_view text);

  private:
    bool writeText(std::string_view key, const std::string& text);
    std::optional<std::string> readText(std::string_view key);

    template <typename T>
    bool load(std::string_view key, T& target, const T& fallback) {
        using namespace profile_detail;
        using P = Plain<T>;
        if constexpr (!isStored<T> || !std::is_same_v<P, T> ||
                      (isText<T> && !std::is_same_v<P, std::string>)) {
            return false;
        } else {
            std::optional<std::string> stored = readText(key);
            if (!stored) {
                if constexpr (std::is_same_v<P, ProfileDate>) return true;
                stored = toText(fallback);
            }
            const std::string text = StripTerminator(*stored);
            if constexpr (std::is_same_v<P, std::string>) {
                target = text;
                return true;
            } else if constexpr (std::is_same_v<P, bool>) {
                target = parseBoolean(text);
                return true;
            } else if constexpr (std::is_same_v<P, float>) {
                return assign(target, parseFloat(text));
            } else if constexpr (std::is_same_v<P, double>) {
                return assign(target, parseDouble(text));
            } else if constexpr (std::is_same_v<P, ProfileDate>) {
                bool valid = true;
                const auto date = parseDate(text, valid);
                if (date) target = *date;
                return valid;
            } else {
                const auto n = parseInteger(text, std::numeric_limits<P>::min(),
                                            std::numeric_limits<P>::max());
                if (!n) return false;
                target = static_cast<P>(*n);
                return true;
            }
        }
    }

    template <typename T, typename V>
    static bool assign(T& target, const std::optional<V>& v) {
        if (!v) return false;
        target = *v;
        return true;
    }

    std::string name_ = "Profile.INI";
    std::string path_;
    std::string section_;
};

}  // namespace corvell
