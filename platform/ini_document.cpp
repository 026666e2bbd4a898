#include "platform/ini_document.h"

#include <algorithm>

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view trim(std::string_view s) {
    const auto begin = s.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) return {};
    const auto end = s.find_last_not_of(kBlanks);
    return s.substr(begin, end - begin + 1);
}

std::string fold(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// The section name a header line declares: between "[" and the last "]", or to the end of
// the line when the bracket was never closed.
std::string_view headerName(std::string_view trimmed) {
    std::string_view inner = trimmed.substr(1);
    const auto close = inner.rfind(']');
    if (close != std::string_view::npos) inner = inner.substr(0, close);
    return trim(inner);
}

}  // namespace

std::string_view IniDocument::trimTrailingBlanks(std::string_view text) {
    const auto end = text.find_last_not_of(kBlanks);
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

IniDocument::Line IniDocument::makeLine(std::string text, Eol eol) {
    Line line;
    line.text = std::move(text);
    line.eol = eol;
    std::string_view view = line.text;
    if (view.starts_with(kBom)) view.remove_prefix(kBom.size());
    const std::string_view t = trim(view);
    if (t.starts_with('[')) {
        line.kind = Kind::Header;
        return line;
    }
    if (t.empty() || t.starts_with(';')) return line;
    const auto eq = view.find('=');
    if (eq == std::string_view::npos) return line;
    const std::string_view key = trim(view.substr(0, eq));
    if (key.empty()) return line;
    line.kind = Kind::Key;
    line.folded = fold(key);
    const std::size_t base = static_cast<std::size_t>(view.data() - line.text.data());
    const std::string_view rest = view.substr(eq + 1);
    const std::string_view value = trim(rest);
    if (value.empty()) {
        line.valueBegin = line.valueEnd = line.text.size();
    } else {
        line.valueBegin = base + static_cast<std::size_t>(value.data() - view.data());
        line.valueEnd = line.valueBegin + value.size();
    }
    return line;
}

IniDocument IniDocument::parse(std::string_view bytes) {
    IniDocument doc;
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto nl = bytes.find('\n', pos);
        std::string_view raw;
        Eol eol = Eol::None;
        if (nl == std::string_view::npos) {
            raw = bytes.substr(pos);
            pos = bytes.size();
        } else {
            raw = bytes.substr(pos, nl - pos);
            pos = nl + 1;
            eol = Eol::Lf;
            if (raw.ends_with('\r')) {
                raw.remove_suffix(1);
                eol = Eol::CrLf;
            }
            if (!doc.eolKnown_) {
                doc.newEol_ = eol;
                doc.eolKnown_ = true;
            }
        }
        Line line = makeLine(std::string(raw), eol);
        if (line.kind == Kind::Header) {
            std::string_view view = line.text;
            if (view.starts_with(kBom)) view.remove_prefix(kBom.size());
            Section section;
            section.folded = fold(headerName(trim(view)));
            section.header = std::move(line);
            doc.sectionIndex_.emplace(section.folded, doc.sections_.size());
            doc.sections_.push_back(std::move(section));
            current = &doc.sections_.back();
        } else if (current) {
            current->lines.push_back(std::move(line));
        } else {
            doc.preamble_.push_back(std::move(line));
        }
    }
    return doc;
}

std::string IniDocument::serialize() const {
    std::size_t total = 0;
    auto measure = [&total](const Line& l) { total += l.text.size() + 2; };
    std::for_each(preamble_.begin(), preamble_.end(), measure);
    for (const Section& s : sections_) {
        measure(s.header);
        std::for_each(s.lines.begin(), s.lines.end(), measure);
    }
    std::string out;
    out.reserve(total);
    auto emit = [&out](const Line& l) {
        out += l.text;
        if (l.eol == Eol::Lf) out += '\n';
        if (l.eol == Eol::CrLf) out += "\r\n";
    };
    std::for_each(preamble_.begin(), preamble_.end(), emit);
    for (const Section& s : sections_) {
        emit(s.header);
        std::for_each(s.lines.begin(), s.lines.end(), emit);
    }
    return out;
}

IniDocument::Section* IniDocument::findSection(std::string_view folded) {
    const auto it = sectionIndex_.find(std::string(folded));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const IniDocument::Section* IniDocument::findSection(std::string_view folded) const {
    const auto it = sectionIndex_.find(std::string(folded));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniDocument::Line* IniDocument::lastLine() {
    if (!sections_.empty()) {
        Section& s = sections_.back();
        return s.lines.empty() ? &s.header : &s.lines.back();
    }
    return preamble_.empty() ? nullptr : &preamble_.back();
}

void IniDocument::endLastLine() {
    Line* last = lastLine();
    if (last && last->eol == Eol::None) last->eol = newEol_;
}

std::optional<std::string_view> IniDocument::value(std::string_view section,
                                                   std::string_view key) const {
    const Section* s = findSection(fold(trim(section)));
    if (!s) return std::nullopt;
    const std::string foldedKey = fold(trim(key));
    for (const Line& line : s->lines) {
        if (line.kind == Kind::Key && line.folded == foldedKey) {
            return std::string_view(line.text).substr(line.valueBegin,
                                                      line.valueEnd - line.valueBegin);
        }
    }
    return std::nullopt;
}

IniDocument::Edit IniDocument::set(std::string_view section, std::string_view key,
                                   std::string_view value) {
    section = trim(section);
    key = trim(key);
    if (section.empty() || key.empty() || hasLineBreak(section) || hasLineBreak(key) ||
        section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos ||
        key.starts_with('[') || key.starts_with(';') || key.starts_with(kBom)) {
        return Edit::Invalid;  // (a mark opening a line is dropped on reading)
    }
    // Lines end at a line feed only, so a carriage return inside a value reads back as it is;
    // one that would end up before the line end (or before a line feed) is a blank instead.
    std::string clean(value);
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const bool lineEnd = i + 1 == clean.size() || clean[i + 1] == '\n';
        if (clean[i] == '\n' || (clean[i] == '\r' && lineEnd)) clean[i] = ' ';
    }

    const std::string foldedSection = fold(section);
    Section* s = findSection(foldedSection);
    if (!s) {
        endLastLine();
        Section fresh;
        fresh.folded = foldedSection;
        fresh.header = makeLine("[" + std::string(section) + "]", newEol_);
        sectionIndex_.emplace(foldedSection, sections_.size());
        sections_.push_back(std::move(fresh));
        s = &sections_.back();
    }

    const std::string foldedKey = fold(key);
    for (Line& line : s->lines) {
        if (line.kind != Kind::Key || line.folded != foldedKey) continue;
        const std::string_view current =
            std::string_view(line.text).substr(line.valueBegin, line.valueEnd - line.valueBegin);
        if (current == trim(clean)) return Edit::Unchanged;
        // Keep the line's own spelling of the key and its blanks; only the value changes.
        const std::size_t keep = current.empty() ? line.text.find('=') + 1 : line.valueBegin;
        line = makeLine(line.text.substr(0, keep) + clean, line.eol);
        return Edit::Changed;
    }

    // A new key goes after the section's last non-blank line, before any blank lines that
    // separate it from the next section.
    std::size_t at = s->lines.size();
    while (at > 0 && trim(s->lines[at - 1].text).empty()) --at;
    Line& before = at == 0 ? s->header : s->lines[at - 1];
    if (before.eol == Eol::None) before.eol = newEol_;
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at),
                    makeLine(std::string(key) + "=" + clean, newEol_));
    return Edit::Changed;
}

IniDocument::Edit IniDocument::erase(std::string_view section, std::string_view key) {
    Section* s = findSection(fold(trim(section)));
    if (!s) return Edit::Unchanged;
    const std::string foldedKey = fold(trim(key));
    const auto removed = std::erase_if(s->lines, [&](const Line& line) {
        return line.kind == Kind::Key && line.folded == foldedKey;
    });
    return removed ? Edit::Changed : Edit::Unchanged;
}

}  // namespace platform
