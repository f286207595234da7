// TTimer: a window-message timer (WM_TIMER on the toolkit's utility window) that raises
// OnTimer every Interval milliseconds while Enabled. Ticks arrive only while the thread
// handles messages; a timer does not start before its component has finished loading.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Controls.h"

#include <windows.h>

namespace folvane {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner = nullptr);
    ~TTimer() override;
    const char* ClassName() const override { return "TTimer"; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // Milliseconds; 0 stops the timer.
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned value);
    // True while a system timer is set.
    bool Running() const { return id_ != 0; }

    TNotifyEvent OnTimer;

    void Loaded() override;
    // Called for WM_TIMER on the utility window; false for an unknown id.
    static bool Dispatch(UINT_PTR id);

protected:
    virtual void Timer();

private:
    void UpdateTimer();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    UINT_PTR id_ = 0;
};

} // namespace folvane
