// Worker threads that are joined when they go out of scope (std::jthread, which not every
// standard library we build with has).
#pragma once

#include <thread>
#include <utility>
#include <vector>

namespace hydrolofter {

class JoinedThreads {
public:
    JoinedThreads() = default;
    JoinedThreads(const JoinedThreads&) = delete;
    JoinedThreads& operator=(const JoinedThreads&) = delete;
    ~JoinedThreads() {
        for (std::thread& t : threads_)
            t.join();
    }
    /// Starts f on a thread of its own; throws std::system_error when none can be had.
    template <class F> void start(F&& f) { threads_.emplace_back(std::forward<F>(f)); }
    bool empty() const { return threads_.empty(); }

private:
    std::vector<std::thread> threads_;
};

} // namespace hydrolofter
