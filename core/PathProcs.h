// Path procedures: whether a file exists, and a path taken apart into its directory and its
// file name, with "/" as the separator. Stateless.
// Thread contract: every function may be called from any thread.
#pragma once

#include <string>
#include <string_view>

namespace corvell {

// True when the file can be opened for reading; a path ending in "/" is tested without
// that last character. Never throws.
bool FileExists(std::string_view path);

// The text after the last "/"; a text without one is returned unchanged.
std::string GetFileNamePart(std::string_view path);

// The directory part without a trailing "/": "/dir/file.mch" gives "/dir", "dir/" gives "dir",
// a file in the root gives "/", a bare file name gives the process's current directory.
std::string GetPathPart(std::string_view path);

}  // namespace corvell
