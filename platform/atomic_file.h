// Replacing a file's whole content so that readers and crashes only ever see the old file or
// the new one: the bytes go to a temporary file beside it, which is then renamed over it. The
// temporary has a short name of its own, so any name the folder takes can be saved.
// Thread contract: any thread; two writers of one path must be serialised by the caller.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Writes `bytes` as the new content of `path`. A symbolic link is followed, so the file it
// names is replaced, or made when it does not exist yet, and the link stays (a link whose
// target folder is missing fails). An existing file keeps its permission bits; a new one
// gets 0666 less the umask. A read-only file (no write permission bit, or one this process may
// not write) is not replaced. On failure nothing is left behind, the old file is untouched,
// `error` (when given) holds the reason and the result is false; only a failed sync of the
// directory comes after the rename, and then says the new content may not be on the disk yet.
// True means the new content and its name have reached the disk (the file and then its
// directory are synced). A name longer than the file system takes fails before anything is
// written. Leftover temporary files in the folder of saves whose process is gone are removed
// first.
bool replaceFileAtomically(const std::string& path, std::string_view bytes,
                           std::string* error = nullptr);

// Whether replaceFileAtomically could write `path` now: the name holds no directory, other
// special file or read-only file, and its directory takes a new file as large as the present
// one (a trial temporary file is made, given that room, and removed again: a full disk fails).
// Nothing else changes; `error` (when given) holds the reason.
bool canReplaceFile(const std::string& path, std::string* error = nullptr);

// Removes the temporary files that saves by processes that have since ended left in the folder
// of `path` (a save killed half-way). Those of running processes and all other files stay.
void removeStaleTemporaries(const std::string& path);

}  // namespace platform
