#include "core/LocaleProcs.h"

#include "core/TextProcs.h"
#include "platform/user_locale.h"

namespace corvell {

bool IsJapaneseLocale() {
    return CutAtNul(platform::userCountryCode()) == "81";
}

}  // namespace corvell
