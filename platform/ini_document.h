// The text of one INI file held in memory: sections in brackets, key=value lines, and every
// other line kept exactly as it was read, with its own line end, so that editing one key
// leaves the rest of the file byte for byte. Names match without regard to ASCII case.
// Thread contract: a document is a plain value; callers serialise access to one instance.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

class IniDocument {
  public:
    enum class Edit { Unchanged, Changed, Invalid };

    // The text without the blanks reading drops at the end of a value (blank, tab, carriage
    // return, vertical tab, form feed).
    static std::string_view trimTrailingBlanks(std::string_view text);

    // Reads any bytes; nothing is ever refused (damaged lines become "other" lines).
    static IniDocument parse(std::string_view bytes);

    // The document as file bytes, every line with the line end it had (new lines get the
    // file's first line end, LF for a new file).
    std::string serialize() const;

    // The value of the first matching key in the first matching section, with blanks around
    // it removed (enclosing quotes are left to the caller); nullopt when there is none.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;

    // Sets the key (creating section and key when missing). Invalid when a name is empty,
    // holds a line break, or would not read back as the same name (a key holding "=" or
    // opening with a byte-order mark, a section holding "]"). Line feeds inside the value,
    // and a carriage return before one or at its end, become blanks so the value stays one
    // line; any other carriage return is kept, as reading keeps it. Unchanged when the key
    // already reads as this value.
    Edit set(std::string_view section, std::string_view key, std::string_view value);

    // Removes every line of the key in the first matching section.
    Edit erase(std::string_view section, std::string_view key);

  private:
    enum class Eol : unsigned char { None, Lf, CrLf };
    enum class Kind : unsigned char { Other, Header, Key };

    struct Line {
        std::string text;
        Eol eol = Eol::None;
        Kind kind = Kind::Other;
        std::string folded;  // the key's name in lower case (keys only)
        std::size_t valueBegin = 0;
        std::size_t valueEnd = 0;
    };
    struct Section {
        Line header;
        std::string folded;
        std::vector<Line> lines;
    };

    static Line makeLine(std::string text, Eol eol);
    Section* findSection(std::string_view folded);
    const Section* findSection(std::string_view folded) const;
    Line* lastLine();
    void endLastLine();

    std::vector<Line> preamble_;  // lines before the first section
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // first section of each name
    Eol newEol_ = Eol::Lf;
    bool eolKnown_ = false;
};

}  // namespace platform
