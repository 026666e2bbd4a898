#include "core/objEDGES.h"

namespace corvell {

clsEDGES* objEDGES::find(std::string_view name) {
    for (auto& entry : tables_) {
        if (entry.first == name) return &entry.second;
    }
    return nullptr;
}

const clsEDGES* objEDGES::table(std::string_view name) const {
    for (const auto& entry : tables_) {
        if (entry.first == name) return &entry.second;
    }
    return nullptr;
}

bool objEDGES::isEnabled(std::string_view name) const {
    const clsEDGES* t = table(name);
    return t && t->name() == kEnabled;
}

void objEDGES::addTable(std::string_view name) {
    if (find(name)) return;
    clsEDGES t;
    t.setName(kEnabled);
    tables_.emplace_back(std::string(name), std::move(t));
}

void objEDGES::disableTable(std::string_view name) {
    if (clsEDGES* t = find(name)) t->setName(kDisabled);
}

void objEDGES::enableTable(std::string_view name) {
    if (clsEDGES* t = find(name)) t->setName(kEnabled);
}

void objEDGES::add(std::string_view table, std::string_view key, int32_t low, int32_t high) {
    if (clsEDGES* t = find(table)) t->add(key, low, high);
}

bool objEDGES::inside(int32_t f) const {
    for (const auto& entry : tables_) {
        if (entry.second.name() == kEnabled && entry.second.inside(f) == clsEDGES::isINSIDE) {
            return true;
        }
    }
    return false;
}

int32_t objEDGES::nextedge(int32_t f, bool up) const {
    if (tables_.empty()) return f;
    int32_t forward = 0;
    int32_t wrapped = 0;
    for (const auto& entry : tables_) {
        if (entry.second.name() != kEnabled) continue;
        const int32_t e = entry.second.nextedge(f, up);
        const bool isForward = up ? e >= f : e <= f;
        int32_t& kept = isForward ? forward : wrapped;
        const bool better = up ? e < kept : e > kept;
        if (kept == 0 || better) kept = e;
    }
    return forward != 0 ? forward : wrapped;
}

}  // namespace corvell
