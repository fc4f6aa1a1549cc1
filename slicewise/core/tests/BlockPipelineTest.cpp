#include "FakeHost.h"
#include "slicewise/core/BlockPipeline.h"
#include "framework/Handles.h"
#include <gtest/gtest.h>

namespace {
// Keeps what it takes; fails at the block that starts at failAt.
class Recorder : public BlockWorker {
public:
    explicit Recorder(size_t failAt = SIZE_MAX) : failAt_(failAt) {}
    void Take(const CopyBlock& block) override {
        if (bytes.size() == failAt_)
            throw FileError(FileError::kDiskFull, ERROR_DISK_FULL, _T("x"));
        bytes.append(reinterpret_cast<const char*>(block.bytes.data()), block.size);
        parts.push_back(block.part);
    }
    std::string bytes;
    std::vector<ULONGLONG> parts;

private:
    size_t failAt_;
};

// Feeds source in blocks of the sizes given in turn, each block tagged with
// its index; returns how many were submitted.
size_t Feed(BlockPipeline& pipeline, const std::string& source, const std::vector<size_t>& sizes) {
    size_t at = 0, count = 0;
    for (; at < source.size(); ++count) {
        CopyBlock& block = pipeline.Next();
        block.size = std::min(sizes[count % sizes.size()], source.size() - at);
        std::copy(source.begin() + at, source.begin() + at + block.size, block.bytes.begin());
        block.part = count;
        pipeline.Submit(block);
        at += block.size;
    }
    pipeline.Drain();
    return count;
}
}  // namespace

TEST(BlockPipeline, EveryWorkerTakesEveryBlockInOrderThroughASmallPool) {
    const std::string source = TestBytes(100003);
    Recorder first, second;
    size_t count = 0;
    {
        BlockPipeline pipeline({&first, &second}, 2, 4096);   // fewer blocks than are read
        count = Feed(pipeline, source, {4096, 1, 777, 4095, 3});
    }
    for (const Recorder* worker : {&first, &second}) {
        EXPECT_EQ(source, worker->bytes);
        ASSERT_EQ(count, worker->parts.size());
        for (size_t i = 0; i < count; ++i) EXPECT_EQ(i, worker->parts[i]);
    }
}

TEST(BlockPipeline, AWorkersExceptionIsRaisedOnTheReadingThreadAndLaterBlocksAreSkipped) {
    Recorder failing(3000), other;
    BlockPipeline pipeline({&failing, &other}, 4, 1000);
    EXPECT_THROW(Feed(pipeline, TestBytes(50000), {1000}), FileError);
    EXPECT_EQ(3000u, failing.bytes.size());
    EXPECT_THROW(pipeline.Drain(), FileError);   // and again, until the run gives up
}

// A worker stuck in a write to a hung share: the reading thread goes on
// running its hook until that gives up, a stop leaves the worker behind, and
// what the worker uses lives until its call returns.
TEST(BlockPipeline, AStuckWorkerNeitherHoldsTheReaderNorOutlivesWhatItUses) {
    class Stuck : public BlockWorker {
    public:
        explicit Stuck(HANDLE release) : release_(release) {}
        void Take(const CopyBlock&) override { WaitForSingleObject(release_, INFINITE); }

    private:
        HANDLE release_;
    };
    struct Owner {
        explicit Owner(HANDLE release) : worker(release) {}
        Stuck worker;
        std::unique_ptr<BlockPipeline> pipeline;
    };
    const KernelHandle release(CreateEvent(nullptr, TRUE, FALSE, nullptr));
    auto owner = std::make_shared<Owner>(release.Get());
    int hookCalls = 0;
    owner->pipeline.reset(new BlockPipeline({&owner->worker}, 1, 16,
                                            [&hookCalls] { return ++hookCalls < 3; }, owner));
    BlockPipeline& pipeline = *owner->pipeline;
    pipeline.Submit(pipeline.Next());
    EXPECT_THROW(pipeline.Next(), CopyStopped);   // the one block is the stuck worker's
    EXPECT_EQ(3, hookCalls);
    EXPECT_FALSE(pipeline.Stop());
    const std::weak_ptr<Owner> watch = owner;
    owner.reset();
    EXPECT_FALSE(watch.expired());
    SetEvent(release.Get());
    for (int i = 0; i < 1000 && !watch.expired(); ++i)
        Sleep(10);
    EXPECT_TRUE(watch.expired());
}
