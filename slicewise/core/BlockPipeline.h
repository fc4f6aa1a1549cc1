#pragma once
// The copy of Divide and Merge reads on the window's thread and hands every
// block to workers that each run on a thread of their own: the writer of the
// file being written and the hashes. A block returns to the pool when every
// worker is done with it, so reading runs ahead of the slowest worker by the
// pool at most, and each worker sees the blocks in the order they were read.
// An exception thrown by a worker is raised again on the reading thread by
// the next Next, Submit or Drain; the workers skip the blocks after it.
#include <windows.h>
#include <exception>
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

class BlockPipeline {
public:
    // One thread per worker; the workers must outlive the pipeline.
    BlockPipeline(const std::vector<BlockWorker*>& workers, size_t blocks, size_t blockSize);
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
    // Ends the workers without waiting for the blocks still queued; never
    // raises. The destructor does it too.
    void Stop() noexcept;

private:
    struct Lane;
    class Guard;
    static DWORD WINAPI LaneMain(void* context);
    void Work(Lane& lane);
    void RaiseFailure();   // under the lock
    void Release(CopyBlock* block);

    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE work_ = CONDITION_VARIABLE_INIT;   // a lane has a block, or stop
    CONDITION_VARIABLE done_ = CONDITION_VARIABLE_INIT;   // a block was taken or freed
    std::vector<CopyBlock> blocks_;
    std::vector<int> users_;             // per block: workers still to take it
    std::vector<CopyBlock*> free_;
    std::vector<std::unique_ptr<Lane>> lanes_;
    std::exception_ptr failure_;
    bool stopping_ = false;
};
