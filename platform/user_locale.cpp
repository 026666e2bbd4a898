#include "platform/user_locale.h"

#include <cstdlib>
#include <string_view>

namespace platform {
namespace {

struct Country {
    std::string_view territory;
    std::string_view code;
};

// The countries whose users are most likely to run the program; others read as unknown.
constexpr Country kCountries[] = {
    {"JP", "81"}, {"US", "1"},   {"CA", "1"},  {"GB", "44"},  {"DE", "49"}, {"FR", "33"},
    {"IT", "39"}, {"ES", "34"},  {"NL", "31"}, {"BE", "32"},  {"CH", "41"}, {"AT", "43"},
    {"SE", "46"}, {"NO", "47"},  {"DK", "45"}, {"FI", "358"}, {"AU", "61"}, {"NZ", "64"},
    {"CN", "86"}, {"TW", "886"}, {"KR", "82"}, {"HK", "852"}, {"RU", "7"},  {"BR", "55"},
};

std::string_view localeName() {
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(var); value && *value) return value;
    }
    return {};
}

}  // namespace

std::string userCountryCode() {
    std::string_view name = localeName();
    // language[_TERRITORY][.codeset][@modifier]
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX") return {};
    const auto underscore = name.find('_');
    const std::string_view language = name.substr(0, underscore);
    if (language == "ja") return "81";
    if (underscore == std::string_view::npos) return {};
    const std::string_view territory = name.substr(underscore + 1);
    for (const Country& c : kCountries) {
        if (c.territory == territory) return std::string(c.code);
    }
    return {};
}

}  // namespace platform
