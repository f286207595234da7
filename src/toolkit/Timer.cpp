// TTimer over SetTimer on the utility window.
#include "toolkit/Timer.h"

#include "toolkit/Application.h"

#include <windows.h>

#include <map>

namespace folvane {

namespace {

std::map<UINT_PTR, TTimer*>& Timers()
{
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

UINT_PTR NextTimerId()
{
    // Ids are never reused, so a WM_TIMER still queued for a dead timer finds nothing.
    static UINT_PTR next = 0x1000;
    return ++next;
}

} // namespace

TTimer::TTimer(TComponent* owner)
    : TComponent(owner)
{
    UpdateTimer();
}

TTimer::~TTimer()
{
    enabled_ = false;
    UpdateTimer();
}

void TTimer::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value)
{
    if (value == interval_)
        return;
    interval_ = value;
    UpdateTimer();
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (id_) {
        KillTimer(Application().UtilityWindow(), id_);
        Timers().erase(id_);
        id_ = 0;
    }
    if (!enabled_ || interval_ == 0 || IsLoading() || IsDestroying())
        return;
    UINT_PTR id = NextTimerId();
    if (SetTimer(Application().UtilityWindow(), id, interval_, nullptr)) {
        id_ = id;
        Timers()[id] = this;
    }
}

bool TTimer::Dispatch(UINT_PTR id)
{
    auto it = Timers().find(id);
    if (it == Timers().end())
        return false;
    it->second->Timer();
    return true;
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}

} // namespace folvane
