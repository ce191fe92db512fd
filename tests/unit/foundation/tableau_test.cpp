#include "foundation/qstring.h"
#include "foundation/tableau.h"
#include "recorders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qelvo;

namespace {
// A record that counts its destructions.
struct Probe : Basic {
    explicit Probe(int* deaths, long value = 0) : deaths(deaths), value(value) {}
    ~Probe() override { ++*deaths; }
    operator long int() override { return value; }
    int* deaths;
    long value;
};

std::vector<std::string> Texts(Tableau<String>& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.count; ++i)
        out.push_back(list.At(i) ? list.At(i)->c_str() : "<null>");
    return out;
}

void Fill(Tableau<String>& list, std::initializer_list<const char*> texts) {
    for (const char* t : texts)
        list.Append(new String(t));
}
} // namespace

TEST(Tableau, GrowsByOneDeltaOnInsert) {
    Tableau<String> list;
    EXPECT_EQ(list.items, nullptr);
    EXPECT_EQ(list.capacity, 0);
    EXPECT_EQ(list.delta, 10);
    EXPECT_EQ(list.owns, 1);
    for (int i = 0; i < 10; ++i)
        list.Append(new String(i));
    EXPECT_EQ(list.capacity, 10);
    list.Append(new String(10));
    EXPECT_EQ(list.capacity, 20);
    list.Insert(new String("first"), 0);
    EXPECT_EQ(list.count, 12);
    EXPECT_STREQ(list.At(0)->c_str(), "first");
    EXPECT_STREQ(list.At(1)->c_str(), "0");
    EXPECT_STREQ(list.At(11)->c_str(), "10");
}

TEST(Tableau, DetachShrinksOneDeltaAtATime) {
    BasicTableau list;
    list.owns = 0;
    ASSERT_TRUE(list.InsertSpace(0, 25));
    EXPECT_EQ(list.count, 25);
    EXPECT_EQ(list.capacity, 30);
    std::vector<int> capacities;
    while (list.count > 0) {
        list.Detach(0);
        if (list.count == 19 || list.count == 20 || list.count == 9 || list.count == 10)
            capacities.push_back(list.capacity);
    }
    // count 20: 30, count 19: 20, count 10: 20, count 9: 10
    EXPECT_EQ(capacities, (std::vector<int>{30, 20, 20, 10}));
    EXPECT_EQ(list.capacity, 10) << "detaching never shrinks below one delta";
}

TEST(Tableau, DetachGivesTheObjectBackAndDestroyDeletesIt) {
    int deaths = 0;
    Ensemble<Probe> list;
    Probe* a = new Probe(&deaths);
    Probe* b = new Probe(&deaths);
    list.Append(a);
    list.Append(b);
    list.Append(nullptr);
    EXPECT_EQ(list.Detach(0), a);
    EXPECT_EQ(deaths, 0);
    delete a;
    list.Destroy(0);
    EXPECT_EQ(deaths, 2);
    list.Destroy(0); // a null entry
    EXPECT_EQ(list.count, 0);
}

TEST(Tableau, FindAnswers65535WhenAbsent) {
    Tableau<String> list;
    Fill(list, {"a", "b"});
    String stranger("b");
    EXPECT_EQ(list.Find(list.At(1)), 1);
    EXPECT_EQ(list.Find(&stranger), 65535);
    EXPECT_EQ(list.Find(nullptr), 65535);
}

TEST(Tableau, RemoveRangeAllOnAnOwningArray) {
    int deaths = 0;
    Ensemble<Probe> list;
    for (int i = 0; i < 10; ++i)
        list.Append(new Probe(&deaths));
    EXPECT_EQ(list.capacity, 10);
    list.RemoveRange(0, 0);
    EXPECT_EQ(deaths, 10);
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.capacity, 0) << "an empty list keeps no block";
    EXPECT_EQ(list.items, nullptr);
}

TEST(Tableau, RemoveRangeMovesTheRestDownAndShrinks) {
    Tableau<String> list;
    for (int i = 0; i < 25; ++i)
        list.Append(new String(i));
    EXPECT_EQ(list.capacity, 30);
    list.RemoveRange(2, 15);
    EXPECT_EQ(list.count, 10);
    EXPECT_EQ(list.capacity, 20) << "(10 / 10 + 1) * 10";
    EXPECT_STREQ(list.At(1)->c_str(), "1");
    EXPECT_STREQ(list.At(2)->c_str(), "17");
    EXPECT_STREQ(list.At(9)->c_str(), "24");
    list.RemoveRange(5, 0); // to the end
    EXPECT_EQ(list.count, 5);
    EXPECT_EQ(list.capacity, 10);
    list.RemoveRange(3, 100); // more than there is: up to the end
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"0", "1", "17"}));
    list.RemoveRange(7, 1); // start beyond the end: nothing
    list.RemoveRange(0, -1);
    EXPECT_EQ(list.count, 3);
}

TEST(Tableau, RemoveRangeOfANonOwningArrayDeletesNothing) {
    int deaths = 0;
    Probe a(&deaths), b(&deaths);
    {
        Ensemble<Probe> list;
        list.owns = 0;
        list.Append(&a);
        list.Append(&b);
        list.RemoveRange(0, 1);
        EXPECT_EQ(list.At(0), &b);
    }
    EXPECT_EQ(deaths, 0);
}

TEST(Tableau, InsertSpaceOpensNullSlots) {
    Tableau<String> list;
    Fill(list, {"a", "b", "c"});
    EXPECT_TRUE(list.InsertSpace(1, 0));
    EXPECT_EQ(list.count, 3);
    ASSERT_TRUE(list.InsertSpace(1, 2));
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "<null>", "<null>", "b", "c"}));
    list.Put(new String("x"), 1);
    list.Put(new String("y"), 2);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "x", "y", "b", "c"}));
    EXPECT_EQ(list.capacity, 10);

    Tableau<String> exact;
    ASSERT_TRUE(exact.InsertSpace(0, 20));
    EXPECT_EQ(exact.capacity, 30) << "an exact multiple still gets one spare delta";
    EXPECT_FALSE(exact.InsertSpace(0, -1));
    EXPECT_FALSE(exact.InsertSpace(0, 2147483647));
    EXPECT_EQ(exact.count, 20);
}

TEST(Tableau, SortByTextIsByteOrder) {
    Tableau<String> list;
    Fill(list, {"b", "B", "a", "\xe9t\xe9", "A", "ab"});
    list.SortByText(0, 0);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"A", "B", "a", "ab", "b", "\xe9t\xe9"}));

    Tableau<String> part;
    Fill(part, {"z", "c", "b", "a", "y"});
    part.SortByText(1, 3);
    EXPECT_EQ(Texts(part), (std::vector<std::string>{"z", "a", "b", "c", "y"}));
    Tableau<String> none;
    none.SortByText(0, 0);
    EXPECT_EQ(none.count, 0);
}

TEST(Tableau, SortByValueAndByComparison) {
    Tableau<String> list;
    Fill(list, {"10", "9", "-3", "100x", "abc"});
    list.SortByValue(0, 0);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"-3", "abc", "9", "10", "100x"}));

    int deaths = 0;
    Ensemble<Probe> big;
    big.Append(new Probe(&deaths, 2147483647L));
    big.Append(new Probe(&deaths, -2147483647L));
    big.SortByValue(0, 0);
    EXPECT_EQ(static_cast<long>(*big.At(0)), -2147483647L) << "no overflow in the comparison";

    list.Sort(
        [](const void* a, const void* b) {
            String* x = *static_cast<String* const*>(a);
            String* y = *static_cast<String* const*>(b);
            return static_cast<int>(y->Length()) - static_cast<int>(x->Length());
        },
        0, 0);
    EXPECT_EQ(list.At(0)->Length(), 4u);
}

TEST(Tableau, SwapWithNext) {
    Tableau<String> list;
    Fill(list, {"a", "b", "c"});
    list.SwapWithNext(1);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "c", "b"}));
    list.SwapWithNext(2); // no next entry: nothing
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "c", "b"}));
}

TEST(Tableau, DestructorDeletesOwnedEntries) {
    int deaths = 0;
    {
        Ensemble<Probe> list;
        for (int i = 0; i < 12; ++i)
            list.Append(new Probe(&deaths));
        list.Append(nullptr);
    }
    EXPECT_EQ(deaths, 12);
}
