#include "RunWorker.h"

#include "runs/RunSimulation.h"

#include <QThread>

namespace hydrolofter {

RunWorker::RunWorker(QObject* parent) : QObject(parent) {}

RunWorker::~RunWorker() {
    cancel();
    wait();
}

void RunWorker::start(Job job) {
    if (m_running)
        return;
    wait(); // the last thread object, finished, is replaced
    m_job = std::move(job);
    m_series = std::make_unique<SampleSeries>();
    m_cancel.store(false, std::memory_order_relaxed);
    m_running = true;
    m_thread.reset(QThread::create([this] { m_job(*this, *m_series); }));
    // Emitted on the worker thread, delivered on this object's (the window's) thread.
    connect(m_thread.get(), &QThread::finished, this, &RunWorker::onThreadFinished,
            Qt::QueuedConnection);
    m_thread->start();
}

void RunWorker::setProgress(int percent) {
    m_progress.store(percent, std::memory_order_relaxed);
    if (m_progressQueued.exchange(true))
        return; // the report already queued will carry this value
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_progressQueued.store(false);
            emit progressChanged(m_progress.load(std::memory_order_relaxed));
        },
        Qt::QueuedConnection);
}

void RunWorker::wait() {
    if (m_thread)
        m_thread->wait();
}

void RunWorker::onThreadFinished() {
    if (!m_running)
        return;
    m_running = false;
    emit finished();
}

} // namespace hydrolofter
