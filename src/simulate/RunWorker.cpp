#include "RunWorker.h"

#include "runs/RunSimulation.h"

#include <QThread>

namespace hydrolofter {

RunWorker::RunWorker(QObject* parent) : QObject(parent) {}

RunWorker::~RunWorker() {
    cancel();
    wait();
}

void RunWorker::start(const RunSettings& settings, const SimulationInputs& inputs) {
    if (running_)
        return;
    wait(); // the last thread object, finished, is replaced
    settings_ = settings;
    inputs_ = inputs;
    series_ = std::make_unique<SampleSeries>();
    cancel_.store(false, std::memory_order_relaxed);
    running_ = true;
    thread_.reset(QThread::create([this] { runSimulation(settings_, inputs_, *this, *series_); }));
    // Emitted on the worker thread, delivered on this object's (the window's) thread.
    connect(thread_.get(), &QThread::finished, this, &RunWorker::onThreadFinished,
            Qt::QueuedConnection);
    thread_->start();
}

void RunWorker::setProgress(int percent) {
    progress_.store(percent, std::memory_order_relaxed);
    if (progressQueued_.exchange(true))
        return; // the report already queued will carry this value
    QMetaObject::invokeMethod(
        this,
        [this] {
            progressQueued_.store(false);
            emit progressChanged(progress_.load(std::memory_order_relaxed));
        },
        Qt::QueuedConnection);
}

void RunWorker::wait() {
    if (thread_)
        thread_->wait();
}

void RunWorker::onThreadFinished() {
    if (!running_)
        return;
    running_ = false;
    emit finished();
}

} // namespace hydrolofter
