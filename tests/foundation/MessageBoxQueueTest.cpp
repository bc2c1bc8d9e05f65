#include <gtest/gtest.h>

#include <vector>

#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorQueue.h"
#include "support/TestPlatform.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {
struct Call {
    const char* text;
    const char* title;
    int style;
};

struct QueueCase {
    const char* name;
    std::vector<Call> calls;
    std::vector<const char*> dequeued;  // oldest first
};

class MessageBoxQueueTest : public ::testing::Test {
protected:
    test::TestPlatform platform;
    Foundation f{platform.Os};

    QStringList DrainAll() {
        QStringList out;
        out << test::DrainErrorQueue(f);
        return out;
    }
};
// The timer that shows the texts rests on an empty queue: every text that gets in tells it,
// a dropped repeat does not.
TEST_F(MessageBoxQueueTest, EveryPushTellsTheShowingTimer) {
    int pushes = 0;
    ErrorQueue(f).OnPushed = [&] { ++pushes; };
    QueueMessageBox(f, "first");
    QueueMessageBox(f, "first");  // already waiting: dropped
    ErrorQueue(f).EnqueueFirst("urgent");
    EXPECT_EQ(pushes, 2);
    EXPECT_EQ(ErrorQueue(f).Count(), 2);
    ErrorQueue(f).Dequeue();
    EXPECT_EQ(pushes, 2);
}

}  // namespace

TEST_F(MessageBoxQueueTest, CreatesTheQueueOnFirstUse) {
    EXPECT_EQ(f.gErrorQueue, nullptr);
    QueueMessageBox(f, "hello");
    ASSERT_NE(f.gErrorQueue, nullptr);
    EXPECT_EQ(f.gErrorQueue->Count(), 1);
}

TEST_F(MessageBoxQueueTest, OrderAndDuplicateRule) {
    const QueueCase cases[] = {
        {"oldest comes out first", {{"a", "", 0}, {"b", "", 0}, {"c", "", 0}}, {"a", "b", "c"}},
        {"a waiting text is queued once", {{"a", "", 0}, {"b", "", 0}, {"a", "", 0}}, {"a", "b"}},
        {"titles and styles do not make a text new", {{"x", "Error 5", 16}, {"x", "Other", 48}}, {"x"}},
        {"an empty text is queued once", {{"", "", 0}, {"", "t", 0}}, {""}},
        {"case counts", {{"Disk full", "", 0}, {"disk full", "", 0}}, {"Disk full", "disk full"}},
    };
    for (const QueueCase& c : cases) {
        f.gErrorQueue = std::make_unique<cErrorQueue>();
        for (const Call& call : c.calls) QueueMessageBox(f, call.text, call.title, call.style);
        QStringList expected;
        for (const char* s : c.dequeued) expected << s;
        EXPECT_EQ(DrainAll(), expected) << c.name;
    }
}

TEST_F(MessageBoxQueueTest, TextTakenOutIsQueuedAgain) {
    QueueMessageBox(f, "again");
    EXPECT_EQ(f.gErrorQueue->Dequeue().toString(), "again");
    QueueMessageBox(f, "again");
    EXPECT_EQ(f.gErrorQueue->Count(), 1);
}

TEST_F(MessageBoxQueueTest, ANewQueueForgetsWaitingTexts) {
    QueueMessageBox(f, "before start");
    f.gErrorQueue = std::make_unique<cErrorQueue>();
    EXPECT_EQ(f.gErrorQueue->Count(), 0);
    QueueMessageBox(f, "before start");
    EXPECT_EQ(f.gErrorQueue->Count(), 1);
}

TEST_F(MessageBoxQueueTest, ATextPutBackWaitsBehindNewerOnes) {
    // What the main window does when a box cannot be shown.
    QueueMessageBox(f, "first");
    QueueMessageBox(f, "second");
    const QVariant text = f.gErrorQueue->Dequeue();
    f.gErrorQueue->Enqueue(text);
    EXPECT_EQ(DrainAll(), (QStringList{"second", "first"}));
}
