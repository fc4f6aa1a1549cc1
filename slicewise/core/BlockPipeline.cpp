#include "slicewise/core/BlockPipeline.h"
#include "framework/Handles.h"
#include <deque>
#include <system_error>

struct BlockPipeline::Lane {
    BlockPipeline* owner = nullptr;
    BlockWorker* worker = nullptr;     // none on the call thread
    std::deque<CopyBlock*> queue;
    std::function<void()> call;        // the call thread's next call
    std::exception_ptr callFailure;    // what the last call threw
    size_t pending = 0;   // queued or being taken
    KernelHandle thread;
    bool givenUp = false;              // blocked beyond Stop's wait
    std::shared_ptr<void> keepAlive;   // moved to the thread when it starts
};

class BlockPipeline::Guard {
public:
    explicit Guard(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~Guard() { ReleaseSRWLockExclusive(&lock_); }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

private:
    SRWLOCK& lock_;
};

BlockPipeline::BlockPipeline(const std::vector<BlockWorker*>& workers, size_t blocks,
                             size_t blockSize, WaitHook whileWaiting,
                             std::shared_ptr<void> keepAlive)
    : blocks_(blocks), users_(blocks, 0), whileWaiting_(std::move(whileWaiting)),
      detachable_(keepAlive != nullptr) {
    for (CopyBlock& block : blocks_) {
        block.bytes.resize(blockSize);
        free_.push_back(&block);
    }
    try {
        StartLane(nullptr, keepAlive);
        for (BlockWorker* worker : workers)
            StartLane(worker, keepAlive);
    } catch (...) {
        (void)Stop();   // no worker has a block yet: each ends at once
        throw;
    }
}

void BlockPipeline::StartLane(BlockWorker* worker, const std::shared_ptr<void>& keepAlive) {
    lanes_.push_back(std::unique_ptr<Lane>(new Lane));
    Lane& lane = *lanes_.back();
    lane.owner = this;
    lane.worker = worker;
    lane.keepAlive = keepAlive;
    lane.thread.Reset(CreateThread(nullptr, 0, LaneMain, &lane, 0, nullptr));
    if (!lane.thread)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
}

// With a keepAlive, the owner (and so this) goes only once every thread has
// let it go, that is when every thread is done with the pipeline.
BlockPipeline::~BlockPipeline() {
    if (!detachable_)
        (void)Stop();   // waits until every thread has ended
}

// The owner can go as soon as keepAlive is let go, on this very thread,
// which touches nothing of the pipeline after that.
DWORD WINAPI BlockPipeline::LaneMain(void* context) {
    Lane& lane = *static_cast<Lane*>(context);
    std::shared_ptr<void> keepAlive;
    {
        Guard guard(lane.owner->lock_);
        keepAlive.swap(lane.keepAlive);
    }
    lane.owner->Work(lane);
    return 0;
}

void BlockPipeline::Work(Lane& lane) {
    if (!lane.worker)
        return RunCall(lane);
    for (;;) {
        CopyBlock* block = nullptr;
        bool skip = false;
        {
            Guard guard(lock_);
            while (!stopping_ && lane.queue.empty())
                SleepConditionVariableSRW(&work_, &lock_, INFINITE, 0);
            if (stopping_)
                return;
            block = lane.queue.front();
            lane.queue.pop_front();
            skip = failure_ != nullptr;
        }
        if (!skip) {
            try {
                lane.worker->Take(*block);
            } catch (...) {
                Guard guard(lock_);
                if (!failure_)
                    failure_ = std::current_exception();
            }
        }
        Guard guard(lock_);
        --lane.pending;
        Release(block);
        WakeAllConditionVariable(&done_);
    }
}

void BlockPipeline::RunCall(Lane& lane) {
    for (;;) {
        std::function<void()> call;
        {
            Guard guard(lock_);
            while (!stopping_ && !lane.call)
                SleepConditionVariableSRW(&work_, &lock_, INFINITE, 0);
            if (stopping_)
                return;
            call.swap(lane.call);
        }
        std::exception_ptr failure;
        try {
            call();
        } catch (...) {
            failure = std::current_exception();
        }
        Guard guard(lock_);
        lane.callFailure = failure;
        --lane.pending;
        WakeAllConditionVariable(&done_);
    }
}

void BlockPipeline::Release(CopyBlock* block) {
    if (--users_[block - blocks_.data()] == 0)
        free_.push_back(block);
}

void BlockPipeline::RaiseFailure() {
    if (failure_)
        std::rethrow_exception(failure_);
}

// Waits for done_ until done() holds or a worker failed; between slices the
// hook runs without the lock.
template <class Done>
void BlockPipeline::Await(Done done) {
    while (!done() && !failure_) {
        if (SleepConditionVariableSRW(&done_, &lock_, whileWaiting_ ? kWaitSliceMs : INFINITE, 0) ||
            !whileWaiting_)
            continue;
        ReleaseSRWLockExclusive(&lock_);
        bool goOn = false;
        try {
            goOn = whileWaiting_();
        } catch (...) {
            AcquireSRWLockExclusive(&lock_);
            throw;
        }
        AcquireSRWLockExclusive(&lock_);
        if (!goOn)
            throw CopyStopped();
    }
}

CopyBlock& BlockPipeline::Next() {
    Guard guard(lock_);
    Await([this] { return !free_.empty(); });
    RaiseFailure();
    CopyBlock* block = free_.back();
    free_.pop_back();
    return *block;
}

void BlockPipeline::Submit(CopyBlock& block) {
    Guard guard(lock_);
    RaiseFailure();
    users_[&block - blocks_.data()] = static_cast<int>(lanes_.size() - 1);
    if (lanes_.size() == 1)
        free_.push_back(&block);
    for (auto& lane : lanes_) {
        if (!lane->worker)
            continue;
        lane->queue.push_back(&block);
        ++lane->pending;
    }
    WakeAllConditionVariable(&work_);
}

void BlockPipeline::Drain(const BlockWorker* worker) {
    Guard guard(lock_);
    for (auto& lane : lanes_)
        if (!worker || lane->worker == worker)
            Await([&lane] { return lane->pending == 0; });
    RaiseFailure();
}

void BlockPipeline::Call(std::function<void()> call) {
    Lane& lane = *lanes_.front();
    Guard guard(lock_);
    RaiseFailure();
    lane.call.swap(call);
    lane.callFailure = nullptr;
    ++lane.pending;
    WakeAllConditionVariable(&work_);
    Await([&lane] { return lane.pending == 0; });
    RaiseFailure();
    if (lane.callFailure)
        std::rethrow_exception(lane.callFailure);
}

bool BlockPipeline::Stop() noexcept {
    {
        Guard guard(lock_);
        stopping_ = true;
        WakeAllConditionVariable(&work_);
    }
    return EndLanes();
}

// A lane given up once is not waited for again.
bool BlockPipeline::EndLanes() noexcept {
    bool allEnded = true;
    for (auto& lane : lanes_) {
        if (!lane->thread)
            continue;
        if (!lane->givenUp && AwaitThread(lane->thread.Get()))
            lane->thread.Reset();
        else
            lane->givenUp = true;
        allEnded = allEnded && !lane->givenUp;
    }
    return allEnded;
}

// true once the thread has ended. Without a keepAlive what the worker uses
// goes when Stop returns, so it is waited for as long as it takes.
bool BlockPipeline::AwaitThread(HANDLE thread) const noexcept {
    const DWORD slice = 10;
    for (DWORD waited = 0; WaitForSingleObject(thread, slice) == WAIT_TIMEOUT; waited += slice) {
        // The call may only now have begun: cancelled again at every slice.
        CancelSynchronousIo(thread);
        if (detachable_ && waited >= kStopWaitMs)
            return false;
    }
    return true;
}
