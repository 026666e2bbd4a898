// Private-profile (INI) files: typed look-ups of key=value lines in bracketed sections, with
// the matching rules settings files have always had (names without regard to case, blanks
// around names and values dropped, one pair of enclosing double quotes dropped on reading, a
// missing file or key giving the default). Each file is held in memory once; every write
// replaces the file atomically, and a ProfileBatch gathers many writes into one. What cannot
// be an INI file (a directory, FIFO or device, more than 64 MiB or a million lines) reads as
// empty; it and a read-only file are never replaced: writes to them fail.
// Thread contract: every function may be called from any thread; calls are serialised by one
// internal lock. A ProfileBatch belongs to the thread that made it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The value of a key, nullopt when the file, the section or the key is missing. A value held
// in one pair of double quotes comes back without them; no length limit applies.
std::optional<std::string> readProfileValue(const std::string& path, std::string_view section,
                                            std::string_view key);

// The value of a key, or `fallback` when there is none.
std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback);

// The leading decimal integer of a key's value (blanks and a sign allowed; a value with no
// digits is 0, one beyond 32 bits is held at the nearest limit), `fallback` when the key is
// missing or its value empty.
int32_t readProfileInt(const std::string& path, std::string_view section, std::string_view key,
                       int32_t fallback);

// Writes key=value, creating the file and the section when missing; other lines keep their
// bytes and order, a new key goes at the end of its section. Line feeds in the value become
// blanks (a lone carriage return is kept, as reading keeps it). False when the write did not reach
// the disk (or will not, within a batch: see ProfileBatch::commit) or a name cannot be stored; the
// file is then as it was.
bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

// Deletes every line of the key in its section; true when the key is gone from the file.
bool deleteProfileKey(const std::string& path, std::string_view section, std::string_view key);

// Whether writes to the file can reach the disk now: it can be replaced (see canReplaceFile)
// and reads as a settings file. `error` (when given) holds the reason when not.
bool profileWritable(const std::string& path, std::string* error = nullptr);

// The reason in a failure told for `path` (by profileWritable, a ProfileWriteListener or
// ProfileBatch::failure), without the file's name it may start with, for a text that names the
// file itself.
std::string failureReason(const std::string& path, std::string failure);

// Told of every attempt to put a file on the disk, on the thread that wrote and outside the
// engine's lock (so it may show a box or use the engine itself). A batch is one attempt, when it
// ends; a write that changes nothing is none.
class ProfileWriteListener {
  public:
    virtual ~ProfileWriteListener() = default;
    // `failure` is empty when the file reached the disk, else the reason it did not.
    virtual void profileWritten(const std::string& path, const std::string& failure) = 0;
};

// nullptr removes the listener again. It is not owned.
void setProfileWriteListener(ProfileWriteListener* listener);

// Forgets every file held in memory, so the next call reads the disk again (tests use it
// to simulate a restart). Files with writes pending in a batch are kept.
void clearProfileCache();

// While a batch for a file exists, writes to that file change only the copy in memory; the
// file is written once, by commit() (or by the destructor when commit() was not called).
// Batches of one file may nest; the outermost one writes.
class ProfileBatch {
  public:
    explicit ProfileBatch(std::string path);
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    // Ends the batch. True when every change reached the disk (or the outermost batch is
    // still open and will write them). On false the file on disk is as before the batch and
    // the changes are dropped from memory too. Calling it again repeats the answer.
    bool commit();
    // Why the file was not written when commit() failed to write it; empty otherwise.
    const std::string& failure() const { return failure_; }

  private:
    std::string path_;
    std::string failure_;
    bool open_ = true;
    bool committed_ = false;
};

}  // namespace platform
