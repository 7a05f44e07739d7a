#include <cstdint>
#include <cstring>
#include <map>

#include "host/hxhostfn.h"
#include "host/hxrequest.h"
#include "ownhost.h"

namespace {

std::map<std::string, int> gAnswers; // what the host writes for each key it answers
int gTestType = -1;

// A host that checks the sender and answers through the list as the host does: a target gets the
// key's answer, a result slot (a null value) becomes the answer itself.
int __cdecl AnsweringHost(int, HXSendMessageInfo* info) {
    EXPECT_EQ(0x1Au, info->product);
    EXPECT_EQ(0xB00u, info->id);
    for (HXEventParam* p = info->params; p->key; ++p) {
        if (std::strcmp(p->key, "test_type") == 0) gTestType = *static_cast<int*>(p->value);
        auto answer = gAnswers.find(p->key);
        if (answer == gAnswers.end()) continue;
        if (p->value)
            *static_cast<int*>(p->value) = answer->second;
        else
            p->value = reinterpret_cast<void*>(intptr_t(answer->second));
    }
    return 9; // the function's own answer is not the request's
}

TEST_F(OwnHost, RequestsTakeTheHostsAnswersBackOrKeepTheirStart) {
    HostOverride host(hxfn::HX_SendMessage, AnsweringHost);
    Bare<HXCommandPlugin> plugin;
    int index = 99;
    EXPECT_EQ(0, plugin.Request201(nullptr, &index, 0)); // the host answers nothing
    EXPECT_EQ(-1, index);
    EXPECT_EQ(-1, plugin.Request300(nullptr));
    HXHitTestParam hit = {};
    hit.test_line = 1;
    hit.test_face = -1;
    hit.hit_type = 3; // left from an earlier test
    EXPECT_FALSE(plugin.HitTest(nullptr, 0, 0, hit));
    EXPECT_EQ(6, gTestType);

    gAnswers = {{"result", 42}, {"index", 4},    {"symmetry", 5},
                {"snap_x", 6},  {"hit_type", 2}, {"hit_face", 3}};
    EXPECT_EQ(42, plugin.SendUserMessage(nullptr, 1, 2, "d", nullptr)); // a result target
    EXPECT_EQ(42, plugin.SetWindowVisibility(nullptr, 3, 1));           // a result slot
    HXEditOption edit;
    plugin.GetEditOption(edit); // the host lists the keys in another order than the block's
    EXPECT_EQ(5, edit.symmetry);
    EXPECT_EQ(6, edit.snap_x);
    EXPECT_TRUE(plugin.HitTest(nullptr, 0, 0, hit));
    EXPECT_EQ(3, hit.hit_face);
}

} // namespace
