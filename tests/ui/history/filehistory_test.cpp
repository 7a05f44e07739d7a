#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/filehistory.h"

namespace {

using List = std::vector<std::string>;

List Paths(const FILEHISTORY& h) {
    List out;
    char path[1024];
    for (int i = 0; h.GetPath(i, path, sizeof path); i++)
        out.push_back(path);
    return out;
}

} // namespace

TEST(FileHistory, MostRecentFirstEachPathOnceOldestDropped) {
    FILEHISTORY h;
    for (const char* p : {"a", "b", "c", "a"})
        EXPECT_TRUE(h.Add(p));
    EXPECT_EQ(Paths(h), (List{"a", "c", "b"}));
    for (int i = 0; i < 10; i++)
        h.Add(std::to_string(i).c_str());
    EXPECT_EQ(Paths(h), (List{"9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
    // Loading appends beyond the maximum, each path once.
    h.SetMax(1);
    EXPECT_TRUE(h.Append("x"));
    EXPECT_FALSE(h.Append("x"));
    EXPECT_EQ(h.GetCount(), 11);
}

TEST(FileHistory, TypedEntriesDifferByType) {
    FILEHISTORY h;
    h.SetMax(2);
    h.AddTyped(0, "scene");
    h.AddTyped(1, "scene");
    h.AddTyped(0, "scene");
    int type = -1, index = -1;
    char path[1024];
    ASSERT_TRUE(h.GetPathType(0, &type, path, sizeof path));
    EXPECT_EQ(type, 0);
    EXPECT_TRUE(h.FindTyped(1, "scene", &index));
    EXPECT_EQ(index, 1);
    // A plain add in the place of the oldest entry leaves its type as it was.
    h.Add("other");
    ASSERT_TRUE(h.GetPathType(0, &type, path, sizeof path));
    EXPECT_EQ(type, 1);
}

TEST(FileHistory, BadIndicesSizesAndPathsChangeNothing) {
    FILEHISTORY h;
    h.Add("first");
    h.Add("second");
    char path[1024] = "x";
    EXPECT_FALSE(h.GetPath(-1, path, sizeof path));
    EXPECT_FALSE(h.GetPath(0, path, 6)); // "second" needs 7 bytes
    EXPECT_STREQ(path, "");
    h.MoveToFront(-1);
    h.MoveToFront(2);
    EXPECT_EQ(Paths(h), (List{"second", "first"}));
    // Paths longer than an entry holds are refused, not cut.
    std::string longPath(1024, 'p');
    EXPECT_FALSE(h.Add(longPath.c_str()));
    EXPECT_FALSE(h.Append(longPath.c_str()));
    EXPECT_TRUE(h.Add(longPath.substr(1).c_str()));
    EXPECT_EQ(h.GetCount(), 3);
    FILEHISTORY none;
    none.SetMax(0);
    EXPECT_FALSE(none.Add("a"));
    EXPECT_EQ(none.GetCount(), 0);
}
