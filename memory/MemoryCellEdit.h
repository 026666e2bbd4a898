// The rules of editing the memory list's cells in place: which editor a key opens on which
// column and with what, and what Enter in that editor stores into the channel. Typing into a
// blank channel's name, frequency or remark first fills the channel from the receiver.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvell {

class MemoryListOps;

// The editor a cell opens.
struct CellEditorRequest {
    enum class Kind { None, Text, List };
    Kind kind = Kind::None;
    // Text box: its first content and length limit (-1: the limit it had).
    std::string text;
    int maxLength = -1;
    // List: its entries and the entry selected (-1: none).
    std::vector<std::string> items;
    int selected = -1;

    static CellEditorRequest Text(std::string text, int maxLength);
    static CellEditorRequest List(const std::vector<std::string>& items, int selected);
};

class MemoryCellEdit {
  public:
    // The key of Enter and of a double click.
    static constexpr const char* kEnter = "\r";

    explicit MemoryCellEdit(MemoryListOps& ops);

    // The editor that `key` (the typed character as text, or kEnter) opens on `column` of
    // `channel` of the active bank.
    CellEditorRequest Begin(int channel, int column, const std::string& key) const;
    // Enter in the text box on `column`: stores what the column's rules accept, then redraws
    // the list and marks the memory changed (also when nothing was stored).
    void CommitText(int channel, int column, const std::string& text);
    // Enter, Space or a double click in the list of `column`: the entry `index` (-1: none).
    void CommitList(int channel, int column, int index);
    // The channel becomes what the receiver is tuned to, named "NONAME" without a remark.
    void FillChannelFromReceiver(int channel);

    static const std::vector<std::string>& ModeList();
    static const std::vector<std::string>& FilterList();
    static const std::vector<std::string>& OnOffList();
    static const std::vector<std::string>& ToneList();
    // The 20 fixed tuning-step names in step order.
    static const std::vector<std::string>& StepList();

    // The cell rules the scan sheets share.
    // A name or remark as stored from the box: trailing blanks cut, a pasted "," turned into "_".
    static std::string NameText(const std::string& text);
    // A frequency text in MHz as Hz: none unless the text starts (after blanks) with a number
    // (a sign may come first, then a digit, or a point and a digit), or when it is beyond 32 bits.
    static std::optional<int32_t> FrequencyHz(std::string_view text);
    // Entry `index` of a list chosen in a cell; the first entry for an index out of range.
    static const std::string& Entry(const std::vector<std::string>& list, int index);

  private:
    MemoryListOps& ops_;
};

}  // namespace corvell
