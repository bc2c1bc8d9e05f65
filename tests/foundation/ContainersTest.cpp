#include <gtest/gtest.h>

#include <stdexcept>

#include "foundation/cDynamicArray.h"
#include "foundation/cErrorQueue.h"
#include "foundation/cList.h"
#include "foundation/cQueue.h"

using namespace tidepost;

TEST(cDynamicArray, NewArrayHasOneEmptySlot) {
    cDynamicArray a;
    EXPECT_EQ(a.StartIndex(), 0);
    EXPECT_EQ(a.StopIndex(), 0);
    EXPECT_FALSE(a.Data(0).isValid());
    EXPECT_EQ(a.DataArray().size(), 1);
}

TEST(cDynamicArray, WritingBeyondTheEndGrowsWithEmptySlots) {
    cDynamicArray a;
    a.SetData(0, "first");
    a.SetData(5, "v");
    EXPECT_EQ(a.StopIndex(), 5);
    EXPECT_EQ(a.Data(0).toString(), "first");
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(a.Data(i).isValid()) << i;
    EXPECT_EQ(a.Data(5).toString(), "v");

    a.SetData(-1, "ignored");
    a.Delete(7);
    a.Delete(-1);
    EXPECT_EQ(a.StopIndex(), 5);
    EXPECT_EQ(a.DataArray(), (QList<QVariant>{"first", {}, {}, {}, {}, "v"}));
    EXPECT_FALSE(a.Data(6).isValid());
    EXPECT_FALSE(a.Data(-1).isValid());
}

TEST(cDynamicArray, DeleteMovesTheValuesAboveDown) {
    cDynamicArray a;
    for (int i = 0; i < 4; ++i) a.SetData(i, i * 10);
    a.Delete(1);
    EXPECT_EQ(a.DataArray(), (QList<QVariant>{0, 20, 30}));
    a.Delete(2);
    EXPECT_EQ(a.DataArray(), (QList<QVariant>{0, 20}));
}

TEST(cDynamicArray, TheOnlySlotCannotBeDeleted) {
    cDynamicArray a;
    a.SetData(0, "kept");
    EXPECT_THROW(a.Delete(0), std::out_of_range);
    EXPECT_EQ(a.StopIndex(), 0);
    EXPECT_EQ(a.Data(0).toString(), "kept");
}

TEST(cList, NewListIsEmpty) {
    cList l;
    EXPECT_EQ(l.Count(), 0);
    EXPECT_FALSE(l.RemoveHead().isValid());
    EXPECT_FALSE(l.RemoveTail().isValid());
    EXPECT_FALSE(l.PeekHead().isValid());
    EXPECT_FALSE(l.PeekTail().isValid());
    EXPECT_EQ(l.Seekelement("x"), -1);
    EXPECT_EQ(l.Count(), 0);
}

TEST(cList, HeadAndTailEnds) {
    cList l;
    l.AddHead("a");
    l.AddHead("b");
    EXPECT_EQ(l.Count(), 2);
    EXPECT_EQ(l.PeekHead().toString(), "b");
    EXPECT_EQ(l.PeekTail().toString(), "a");
    EXPECT_EQ(l.Seekelement("b"), 0);
    EXPECT_EQ(l.Seekelement("a"), 1);
    EXPECT_EQ(l.RemoveTail().toString(), "a");
    EXPECT_EQ(l.Count(), 1);

    l.AddTail("x");
    EXPECT_EQ(l.Count(), 2);
    EXPECT_EQ(l.PeekTail().toString(), "x");
    EXPECT_EQ(l.RemoveTail().toString(), "x");
    EXPECT_EQ(l.RemoveHead().toString(), "b");
    EXPECT_EQ(l.Count(), 0);
    EXPECT_FALSE(l.RemoveHead().isValid());
}

TEST(cList, EmptyValueIsAnItemToo) {
    cList l;
    l.AddTail(QVariant());
    EXPECT_EQ(l.Count(), 1);
    l.AddHead(QVariant());
    EXPECT_EQ(l.Count(), 2);
    EXPECT_EQ(l.Seekelement(""), -1);  // the empty value is not a text
}

TEST(cList, SeekelementFindsTextsOnlyAndCaseCounts) {
    cList l;
    l.AddTail(5);
    l.AddTail("Abc");
    l.AddTail("abc");
    l.AddTail("");
    l.AddTail("abc");
    struct Case {
        const char* text;
        int index;
    } cases[] = {{"abc", 2}, {"Abc", 1}, {"ABC", -1}, {"", 3}, {"5", -1}, {"ab", -1}};
    for (const Case& c : cases) EXPECT_EQ(l.Seekelement(c.text), c.index) << c.text;
}

TEST(cQueue, GivesItemsBackInTheOrderEnqueued) {
    cQueue q;
    for (const char* s : {"one", "two", "three"}) q.Enqueue(s);
    EXPECT_EQ(q.Count(), 3);
    EXPECT_EQ(q.Peek().toString(), "one");
    EXPECT_EQ(q.Dequeue().toString(), "one");
    EXPECT_EQ(q.Dequeue().toString(), "two");
    q.Enqueue("four");
    EXPECT_EQ(q.Dequeue().toString(), "three");
    EXPECT_EQ(q.Dequeue().toString(), "four");
    EXPECT_FALSE(q.Dequeue().isValid());
    EXPECT_FALSE(q.Peek().isValid());
}

TEST(cErrorQueue, EnqueueFirstIsTakenNext) {
    cErrorQueue q;
    q.Enqueue("old");
    q.Enqueue("new");
    q.EnqueueFirst("urgent");
    EXPECT_EQ(q.Count(), 3);
    EXPECT_EQ(q.Seekelement("new"), 0);  // counted from the head, where new items enter
    EXPECT_EQ(q.Seekelement("urgent"), 2);
    EXPECT_EQ(q.Peek().toString(), "urgent");
    EXPECT_EQ(q.Dequeue().toString(), "urgent");
    EXPECT_EQ(q.Dequeue().toString(), "old");
    EXPECT_EQ(q.Dequeue().toString(), "new");
    EXPECT_EQ(q.Count(), 0);
}
