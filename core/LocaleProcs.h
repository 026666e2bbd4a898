// The locale test that chooses English or Japanese texts.
// Thread contract: any thread.
#pragma once

namespace corvell {

// True exactly when the user locale's country code is "81"; false when there is none.
bool IsJapaneseLocale();

}  // namespace corvell
