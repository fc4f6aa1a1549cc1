#include "slicewise/core/BlockPipeline.h"
#include "framework/Handles.h"
#include <deque>
#include <system_error>

struct BlockPipeline::Lane {
    BlockPipeline* owner = nullptr;
    BlockWorker* worker = nullptr;
    std::deque<CopyBlock*> queue;
    size_t pending = 0;   // queued or being taken
    KernelHandle thread;
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
                             size_t blockSize)
    : blocks_(blocks), users_(blocks, 0) {
    for (CopyBlock& block : blocks_) {
        block.bytes.resize(blockSize);
        free_.push_back(&block);
    }
    try {
        for (BlockWorker* worker : workers) {
            lanes_.push_back(std::unique_ptr<Lane>(new Lane));
            Lane& lane = *lanes_.back();
            lane.owner = this;
            lane.worker = worker;
            lane.thread.Reset(CreateThread(nullptr, 0, LaneMain, &lane, 0, nullptr));
            if (!lane.thread)
                throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
        }
    } catch (...) {
        Stop();
        throw;
    }
}

BlockPipeline::~BlockPipeline() { Stop(); }

DWORD WINAPI BlockPipeline::LaneMain(void* context) {
    Lane& lane = *static_cast<Lane*>(context);
    lane.owner->Work(lane);
    return 0;
}

void BlockPipeline::Work(Lane& lane) {
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

void BlockPipeline::Release(CopyBlock* block) {
    if (--users_[block - blocks_.data()] == 0)
        free_.push_back(block);
}

void BlockPipeline::RaiseFailure() {
    if (failure_)
        std::rethrow_exception(failure_);
}

CopyBlock& BlockPipeline::Next() {
    Guard guard(lock_);
    while (free_.empty() && !failure_)
        SleepConditionVariableSRW(&done_, &lock_, INFINITE, 0);
    RaiseFailure();
    CopyBlock* block = free_.back();
    free_.pop_back();
    return *block;
}

void BlockPipeline::Submit(CopyBlock& block) {
    Guard guard(lock_);
    RaiseFailure();
    users_[&block - blocks_.data()] = static_cast<int>(lanes_.size());
    if (lanes_.empty())
        free_.push_back(&block);
    for (auto& lane : lanes_) {
        lane->queue.push_back(&block);
        ++lane->pending;
    }
    WakeAllConditionVariable(&work_);
}

void BlockPipeline::Drain(const BlockWorker* worker) {
    Guard guard(lock_);
    for (auto& lane : lanes_)
        if (!worker || lane->worker == worker)
            while (lane->pending > 0 && !failure_)
                SleepConditionVariableSRW(&done_, &lock_, INFINITE, 0);
    RaiseFailure();
}

void BlockPipeline::Stop() noexcept {
    {
        Guard guard(lock_);
        stopping_ = true;
        WakeAllConditionVariable(&work_);
    }
    for (auto& lane : lanes_) {
        if (lane->thread) {
            WaitForSingleObject(lane->thread.Get(), INFINITE);
            lane->thread.Reset();
        }
    }
}
