// The user's locale as the program needs it: the country code (the international dialling
// code, "81" for Japan) of the locale named by LC_ALL, LC_MESSAGES or LANG, the first set.
// Thread contract: any thread; the answer follows the environment at the time of the call.
#pragma once

#include <string>

namespace platform {

// The country code, or the empty text when no locale is set, it is "C"/"POSIX", or its
// country is not known.
std::string userCountryCode();

}  // namespace platform
