// One run on a thread of its own, so that the window keeps answering while it flies.
#pragma once

#include "runs/RunHost.h"
#include "runs/RunSettings.h"
#include "runs/SampleSeries.h"
#include "runs/SimulationInputs.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace hydrolofter {

/// Flies runSimulation on a worker thread (a sweep's own worker threads under it). The
/// window hears of progress and of the end through queued signals, and asks to stop through
/// an atomic flag that the run reads between steps; nothing on the worker thread touches a
/// widget.
class RunWorker final : public QObject, private RunHost {
    Q_OBJECT
public:
    explicit RunWorker(QObject* parent = nullptr);
    /// Cancels a run in progress and waits for it.
    ~RunWorker() override;

    /// What the worker thread does: fills the series, reporting through the host.
    using Job = std::function<void(RunHost& host, SampleSeries& series)>;
    /// Starts the job; does nothing while a run is in progress.
    void start(Job job);
    /// From start until finished has been delivered.
    bool isRunning() const { return m_running; }
    /// The run stops after its current step (a sweep: its current block of steps).
    void cancel() { m_cancel.store(true, std::memory_order_relaxed); }
    bool wasCancelled() const { return m_cancel.load(std::memory_order_relaxed); }
    /// Blocks until the worker thread has ended.
    void wait();
    /// The series of the run that has finished.
    std::unique_ptr<SampleSeries> takeSeries() { return std::move(m_series); }

signals:
    void progressChanged(int percent);
    /// The run has ended (completed, cancelled, refused or failed): takeSeries says how.
    void finished();

private:
    // RunHost, called on the worker thread.
    void beginRun() override {}
    void setProgress(int percent) override;
    bool cancelRequested() override { return wasCancelled(); }
    void endRun() override {}

    void onThreadFinished();

    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_cancel{false};
    // A flight moves its progress every tenth of a simulated second, far more often than a
    // window can show: at most one report waits in the window's queue, carrying the latest.
    std::atomic<int> m_progress{0};
    std::atomic<bool> m_progressQueued{false};
    bool m_running = false;
    Job m_job;
    std::unique_ptr<SampleSeries> m_series;
};

} // namespace hydrolofter
