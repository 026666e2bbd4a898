#include "platform/single_instance.h"

#include <thread>

namespace platform {

SingleInstance::SingleInstance(const std::string& name)
    : instance_(name), ending_(name + "-ending") {}

SingleInstance::~SingleInstance() {
    // The instance goes first, so a start that finds the ending mark gone also finds the
    // instance free.
    if (held_) instance_.unlock();
    if (endingHeld_) ending_.unlock();
}

bool SingleInstance::holderEnding() {
    if (!ending_.try_lock()) return true;
    ending_.unlock();
    return false;
}

std::string SingleInstance::lockProblem() const {
    const std::string instance = instance_.lockProblem();
    return instance.empty() ? ending_.lockProblem() : instance;
}

bool SingleInstance::acquire(std::chrono::milliseconds waitForEnding) {
    if (held_) return true;
    refusal_ = Refusal::None;
    // A mutex without its lock file excludes within this process only: it would take the
    // instance beside any other process.
    if (!instance_.systemWide() || !ending_.systemWide()) {
        refusal_ = Refusal::NoLockFile;
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + waitForEnding;
    for (;;) {
        if (instance_.try_lock()) break;
        if (!holderEnding()) {
            // The holder may have ended just now, after the first look.
            if (!instance_.try_lock()) {
                refusal_ = Refusal::HolderRuns;
                return false;
            }
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            refusal_ = Refusal::HolderStillEnding;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!instance_.systemWide()) {  // a forked process that could not open the file again
        instance_.unlock();
        refusal_ = Refusal::NoLockFile;
        return false;
    }
    held_ = true;
    return true;
}

void SingleInstance::ending() {
    if (!held_ || endingHeld_) return;
    // Held by another only for the moment a later start looks at it.
    ending_.lock();
    endingHeld_ = true;
}

}  // namespace platform
