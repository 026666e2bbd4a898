#include "core/clsDtmfOption.h"

#include "core/ProgramObjects.h"
#include "core/ValueProcs.h"
#include "platform/message_box.h"

namespace corvell {
namespace {

std::string remoteKey(int entry) {
    return "REMOTE" + std::to_string(entry);
}

}  // namespace

bool clsDtmfOption::IsReceiveCode(std::string_view code) {
    return code.find_first_not_of(kCodeCharacters) == std::string_view::npos;
}

std::string clsDtmfOption::GetRecieveCode(int entry) const {
    return valid(entry) ? code_[static_cast<std::size_t>(entry)] : std::string();
}

void clsDtmfOption::SetRecieveCode(int entry, const std::string& code) {
    if (valid(entry)) code_[static_cast<std::size_t>(entry)] = code;
}

int16_t clsDtmfOption::GetActionType(int entry) const {
    return valid(entry) ? type_[static_cast<std::size_t>(entry)] : int16_t{0};
}

void clsDtmfOption::SetActionType(int entry, int16_t type) {
    if (valid(entry)) type_[static_cast<std::size_t>(entry)] = type;
}

std::string clsDtmfOption::GetActionFile(int entry) const {
    return valid(entry) ? text_[static_cast<std::size_t>(entry)] : std::string();
}

void clsDtmfOption::SetActionFile(int entry, const std::string& text) {
    if (valid(entry)) text_[static_cast<std::size_t>(entry)] = text;
}

void clsDtmfOption::remo_param_load() {
    clsProfileIO& p = ProgramProfile();
    p.setSection("DTMF");
    int32_t v = 0;
    p.loadData("DTMFON", v, int32_t{0});
    dtmfOn_ = v != 0;
    v = 0;
    p.loadData("REMOTEON", v, int32_t{0});
    remoteOn_ = v != 0;
    for (int n = 0; n < kEntries; ++n) {
        const auto i = static_cast<std::size_t>(n);
        std::string value;
        p.setSection("DTMF");
        p.loadData(remoteKey(n), value, "");
        // Code and type are the first two fields; the text is everything after the second
        // comma, so a message or path with commas in it survives a save and the next start.
        const std::size_t first = value.find(',');
        const std::size_t second =
            first == std::string::npos ? std::string::npos : value.find(',', first + 1);
        // A code no received string can equal would run nothing: the entry is blank instead,
        // and the log says why it is gone.
        const bool codeOk = second != std::string::npos && IsReceiveCode(value.substr(0, first));
        if (second != std::string::npos && !codeOk) {
            platform::logLine("Corvell",
                              "DTMF entry " + remoteKey(n) + " loads as blank: its code \"" +
                                  value.substr(0, first) + "\" holds more than 0-9, A-D, * and #");
        }
        if (codeOk) {
            code_[i] = value.substr(0, first);
            // A type that is no number, or none that fits, leaves the type as it was.
            if (const auto number =
                    profile_detail::parseDouble(value.substr(first + 1, second - first - 1))) {
                if (const auto type = RoundToInt16(*number)) type_[i] = *type;
            }
            text_[i] = value.substr(second + 1);
        } else {
            code_[i].clear();
            type_[i] = 0;
            text_[i].clear();
        }
    }
}

void clsDtmfOption::remo_param_save() {
    clsProfileIO& p = ProgramProfile();
    p.setSection("DTMF");
    for (int n = 0; n < kEntries; ++n) {
        const auto i = static_cast<std::size_t>(n);
        p.saveData(remoteKey(n), code_[i] + "," + std::to_string(type_[i]) + "," + text_[i]);
    }
    p.saveData("DTMFON", dtmfOn_);
    p.saveData("REMOTEON", remoteOn_);
}

}  // namespace corvell
