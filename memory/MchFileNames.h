// Which memory-file names a directory already holds. A name counts as taken in any letter case
// (".MCH" and ".mch" alike), and whether or not this process may read the file.
// Thread contract: a plain value; any thread.
#pragma once

#include <string>
#include <unordered_set>

namespace corvell {

class MchFileNames {
  public:
    // Lists the directory once; a directory that cannot be listed still answers by probing.
    explicit MchFileNames(const std::string& directory);

    bool taken(const std::string& fileName) const;

  private:
    std::string directory_;
    std::unordered_set<std::string> folded_;
};

}  // namespace corvell
