#include <gtest/gtest.h>

#include "tools/hxhost/lib/xmltree.h"

using hxhost::XmlElement;
using hxhost::XmlValue;

namespace {
// One call of the host's XML entry point with its out words zeroed first, as the plug-in does.
struct Call {
    void* block[3] = {nullptr, nullptr, nullptr};
    bool known = false;
    Call(void* element, int code, void* w0 = nullptr, void* w1 = nullptr) {
        block[0] = w0;
        block[1] = w1;
        known = XmlValue(element, code, block);
    }
    const char* Text(int word) const { return static_cast<const char*>(block[word]); }
};
void* Name(const char* text) {
    return const_cast<char*>(text);
}
} // namespace

TEST(XmlTree, ChildrenKeepTheirOrderAndAreFoundByName) {
    XmlElement root("pyldlgHX");
    void* a = Call(&root, 0x101, Name("light")).block[1];
    void* b = Call(&root, 0x101, Name("mtl")).block[1];
    void* c = Call(&root, 0x101, Name("light")).block[1];
    ASSERT_TRUE(a && b && c);

    EXPECT_EQ(a, Call(&root, 0x201, nullptr).block[1]);
    EXPECT_EQ(b, Call(&root, 0x201, Name("mtl")).block[1]);
    EXPECT_EQ(c, Call(&root, 0x202, Name("light"), a).block[2]);
    EXPECT_EQ(nullptr, Call(&root, 0x202, nullptr, c).block[2]);
    EXPECT_EQ(nullptr, Call(a, 0x201, nullptr).block[1]);            // no children
    EXPECT_EQ(nullptr, Call(&root, 0x202, nullptr, &root).block[2]); // `after` is no child

    EXPECT_EQ(static_cast<void*>(&root), Call(b, 0x203).block[0]);
}

TEST(XmlTree, RemovedChildrenAnswerNothing) {
    XmlElement root("root");
    void* child = Call(&root, 0x101, Name("model")).block[1];
    void* grandchild = Call(child, 0x101, Name("light")).block[1];
    int result = 0;
    Call(&root, 0x102, child, &result);
    EXPECT_EQ(1, result);
    EXPECT_TRUE(root.Children().empty());
    // Stale handles, the removed one and its subtree, are not used.
    EXPECT_EQ(nullptr, Call(child, 0x301).block[0]);
    EXPECT_EQ(nullptr, Call(grandchild, 0x203).block[0]);
    result = 7;
    Call(&root, 0x102, child, &result);
    EXPECT_EQ(0, result);
    XmlElement other("other");
    result = 7;
    Call(&root, 0x102, &other, &result);
    EXPECT_EQ(0, result);
}

TEST(XmlTree, AttributesKeepTheOrderOfFirstSetting) {
    XmlElement e("renderer");
    Call(&e, 0x403, Name("width"), Name("640"));
    Call(&e, 0x403, Name("height"), Name("480"));
    Call(&e, 0x403, Name("width"), Name("800"));
    Call(&e, 0x403, Name("empty"), Name(""));
    ASSERT_EQ(3u, e.Attributes().size());
    EXPECT_EQ("800", e.Attributes()[0].second);

    EXPECT_STREQ("480", Call(&e, 0x303, Name("height")).Text(1));
    EXPECT_EQ(nullptr, Call(&e, 0x303, Name("depth")).block[1]);
    EXPECT_EQ(nullptr, Call(&e, 0x303, Name("Width")).block[1]); // names are case-sensitive
    // Half a request is no request.
    Call(&e, 0x403, nullptr, Name("1"));
    Call(&e, 0x403, Name("x"), nullptr);
    EXPECT_EQ(3u, e.Attributes().size());
}

TEST(XmlTree, ImpossibleRequestsLeaveOutWordsNull) {
    // A null element: out word 1 after a name, word 2 for the next child, word 0 otherwise.
    for (int code : {0x101, 0x201, 0x303})
        EXPECT_EQ(nullptr, Call(nullptr, code, Name("x")).block[1]) << code;
    EXPECT_EQ(nullptr, Call(nullptr, 0x202, Name("x")).block[2]);
    for (int code : {0x203, 0x301, 0x302})
        EXPECT_EQ(nullptr, Call(nullptr, code).block[0]) << code;
    XmlElement e("e");
    EXPECT_EQ(nullptr, Call(&e, 0x101, nullptr).block[1]); // no name, no child
    EXPECT_TRUE(e.Children().empty());
    Call unknown(&e, 0x401, Name("x"));
    EXPECT_FALSE(unknown.known);
    EXPECT_EQ(nullptr, unknown.block[1]);
    EXPECT_FALSE(XmlValue(&e, 0x301, nullptr));
    int garbage = 0;
    EXPECT_EQ(nullptr, Call(&garbage, 0x301).block[0]); // not an element at all
}
