// What a run needs from the page that starts it.
#pragma once

namespace hydrolofter {

class RunHost {
public:
    virtual ~RunHost() = default;
    /// Disables starting another run, enables cancelling.
    virtual void beginRun() = 0;
    /// Progress 0..100.
    virtual void setProgress(int percent) = 0;
    /// True once the user has asked to cancel this run. Asked after every step of a
    /// flight, so it must be cheap; a window runs the flight on a thread of its own and
    /// answers from an atomic flag.
    virtual bool cancelRequested() = 0;
    /// Re-enables starting a run, disables cancelling, resets the progress.
    virtual void endRun() = 0;
};

/// The host of a run without a window: nothing to show, never cancelled.
class QuietRunHost final : public RunHost {
public:
    void beginRun() override {}
    void setProgress(int) override {}
    bool cancelRequested() override { return false; }
    void endRun() override {}
};

} // namespace hydrolofter
