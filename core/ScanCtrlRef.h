// The receiver object's hold on the scan controller: what it and the scope controller read of
// it (scan speed and state), the one value they write back (slow1time), and the stop that a
// hand tuning from a lower layer (the memory list) asks of it. The main window
// hands over its controller of any type whose members carry these names; the reference keeps
// the object, it does not own it.
// Thread contract: user-interface thread only.
#pragma once

#include <cstdint>
#include <typeinfo>

namespace corvell {

class ScanCtrlRef {
  public:
    virtual ~ScanCtrlRef() = default;

    virtual int32_t speed() const = 0;
    virtual int32_t speedbase() const = 0;
    virtual int32_t slow1time() const = 0;
    virtual void setSlow1time(int16_t v) = 0;
    virtual int32_t scanning() const = 0;
    virtual int32_t pause() const = 0;
    virtual int32_t status() const = 0;
    // Stops a running scan (true when one ran) and clears the continue flag. A controller
    // without these members has no scan to stop: false and nothing.
    virtual bool scan_stop() = 0;
    virtual int32_t continus_reset() = 0;

    // The controller itself, for callers that know its type.
    virtual const std::type_info& type() const = 0;
    virtual void* object() const = 0;
};

// Reaches a controller's members by name.
template <class Ctrl>
class ScanCtrlAdapter final : public ScanCtrlRef {
  public:
    explicit ScanCtrlAdapter(Ctrl* ctrl) : ctrl_(ctrl) {}

    int32_t speed() const override { return ctrl_->speed(); }
    int32_t speedbase() const override { return ctrl_->speedbase(); }
    int32_t slow1time() const override { return ctrl_->slow1time(); }
    void setSlow1time(int16_t v) override { ctrl_->setSlow1time(v); }
    int32_t scanning() const override { return ctrl_->scanning(); }
    int32_t pause() const override { return ctrl_->pause(); }
    int32_t status() const override { return ctrl_->status(); }
    bool scan_stop() override {
        if constexpr (requires { ctrl_->scan_stop(); }) {
            return ctrl_->scan_stop();
        } else {
            return false;
        }
    }
    int32_t continus_reset() override {
        if constexpr (requires { ctrl_->continus_reset(); }) {
            return ctrl_->continus_reset();
        } else {
            return 0;
        }
    }

    const std::type_info& type() const override { return typeid(Ctrl); }
    void* object() const override { return ctrl_; }

  private:
    Ctrl* ctrl_;
};

}  // namespace corvell
