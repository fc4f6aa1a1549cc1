#pragma once
// The copy of Divide and Merge reads on the window's thread and hands every
// block to workers that each run on a thread of their own: the writer of the
// file being written and the hashes. A block returns to the pool when every
// worker is done with it, so reading runs ahead of the slowest worker by the
// pool at most, and each worker sees the blocks in the order they were read.
// An exception thrown by a worker is raised again on the reading thread by
// the next Next, Submit or Drain; the workers skip the blocks after it.
//
// A write can stall for as long as a hung network share or a pulled drive
// takes to answer. The reading thread is the window's: while it waits for
// the workers it runs the wait hook (the window answers, and the user can
// stop), and a stop gives up on a worker that stays blocked instead of
// waiting for it. What else of a run's writing can block on such a disk
// (creating, closing to the disk, renaming) the reading thread hands to a
// thread of the pipeline's own through Call, and waits for it the same way.
// The reads stay on the reading thread: handing each block's read over
// made a merge three times slower on a busy machine.
#include <windows.h>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

struct CopyBlock {
    std::vector<BYTE> bytes;   // room for a whole block
    size_t size = 0;           // bytes in use
    ULONGLONG part = 0;        // number of the part the bytes belong to
};

class BlockWorker {
public:
    virtual ~BlockWorker() = default;
    // On the worker's own thread, one block at a time.
    virtual void Take(const CopyBlock& block) = 0;
};

// Raised by a wait that its hook gave up.
struct CopyStopped {};

class BlockPipeline {
public:
    // Runs on the reading thread about every kWaitSliceMs while it waits for
    // the workers; false gives up the wait and raises CopyStopped.
    using WaitHook = std::function<bool()>;
    static const DWORD kWaitSliceMs = 100;
    // How long Stop waits for a worker that is blocked in a call.
    static const DWORD kStopWaitMs = 500;

    // One thread per worker; the workers must outlive the pipeline. With
    // keepAlive (the owner of the pipeline and the workers), every thread
    // holds it until it ends, so that a worker blocked beyond Stop keeps
    // what it uses until its call returns: the owner must call Stop before
    // letting go of it. Without keepAlive, Stop waits as long as it takes.
    BlockPipeline(const std::vector<BlockWorker*>& workers, size_t blocks, size_t blockSize,
                  WaitHook whileWaiting = nullptr, std::shared_ptr<void> keepAlive = nullptr);
    ~BlockPipeline();
    BlockPipeline(const BlockPipeline&) = delete;
    BlockPipeline& operator=(const BlockPipeline&) = delete;

    // A free block to read into; waits while every block is in use.
    CopyBlock& Next();
    // Hands the block (size and part set) to every worker.
    void Submit(CopyBlock& block);
    // Waits until worker (every worker: nullptr) has taken every block
    // submitted so far; afterwards the caller may touch what it works on.
    void Drain(const BlockWorker* worker = nullptr);
    // Runs call on the pipeline's call thread and waits for it as Drain
    // waits; what call throws is raised here. A stop while it waits gives
    // the call up like a blocked worker: it goes on to its end, so each
    // call is one step that may still complete after a stop, and captures
    // only what the owner keeps (keepAlive), never the caller's locals.
    void Call(std::function<void()> call);
    // Ends the workers without waiting for the blocks still queued; never
    // raises. A worker blocked in a call has it cancelled (CancelSynchronousIo)
    // and is waited for kStopWaitMs; false when one is still blocked then:
    // it ends on its own when its call returns, and the owner must not touch
    // what that worker works on. Without keepAlive the destructor stops too.
    [[nodiscard]] bool Stop() noexcept;

private:
    struct Lane;
    class Guard;
    static DWORD WINAPI LaneMain(void* context);
    void Work(Lane& lane);
    template <class Done>
    void Await(Done done);   // under the lock
    bool EndLanes() noexcept;
    bool AwaitThread(HANDLE thread) const noexcept;
    void RaiseFailure();   // under the lock
    void Release(CopyBlock* block);
    void StartLane(BlockWorker* worker, const std::shared_ptr<void>& keepAlive);
    void RunCall(Lane& lane);

    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE work_ = CONDITION_VARIABLE_INIT;   // a lane has a block, or stop
    CONDITION_VARIABLE done_ = CONDITION_VARIABLE_INIT;   // a block was taken or freed
    std::vector<CopyBlock> blocks_;
    std::vector<int> users_;             // per block: workers still to take it
    std::vector<CopyBlock*> free_;
    std::vector<std::unique_ptr<Lane>> lanes_;   // the call thread's first
    std::exception_ptr failure_;
    bool stopping_ = false;
    WaitHook whileWaiting_;
    const bool detachable_;
};

// Ends the workers of a run's pipeline, if it has one, once the run is over:
// given the run as keepAlive, they hold it until they end.
inline void EndWorkers(const std::unique_ptr<BlockPipeline>& pipeline) {
    if (pipeline)
        (void)pipeline->Stop();
}
