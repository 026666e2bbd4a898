// Text procedures shared by the whole program: NUL-terminated texts, case-blind search,
// comma lists and look-ups in text lists. Stateless.
// Thread contract: every function may be called from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvell {

// The characters before the first NUL; the empty text when there is no NUL.
std::string StripAtNul(std::string_view text);

// The characters before the first NUL; the whole text when there is no NUL.
std::string CutAtNul(std::string_view text);

// 1-based position of `find` in `text` from `start` (0 when absent). Compares in upper case
// unless `compare` is 0, which compares exactly. An empty `find` is found at `start`; a start
// below 1 counts as 1.
int32_t InStrNoCase(int32_t start, std::string_view text, std::string_view find, int compare = 1);
int32_t InStrNoCase(std::string_view text, std::string_view find);

// Splits at every "," into `pieces` (pieces untrimmed, "a,b," gives a, b and an empty one)
// and returns their count (held at 32767 for a longer list). An empty text returns 0 and
// leaves `pieces` as it was. The list is sized as it always was: one spare element after the
// pieces unless the text ends in ",".
int16_t SplitCommaList(std::string_view text, std::vector<std::string>& pieces);

// The first index whose element equals `key` exactly, else `fallback`.
int16_t FindStringIndex(const std::vector<std::string>& list, std::string_view key,
                        int16_t fallback);

// As FindStringIndex, with leading and trailing blanks removed from the elements and the key.
int16_t FindStringIndexTrim(const std::vector<std::string>& list, std::string_view key,
                            int16_t fallback);

// The text without leading and trailing blanks (spaces only, as the stored texts use).
std::string TrimBlanks(std::string_view text);
std::string TrimTrailingBlanks(std::string_view text);

}  // namespace corvell
