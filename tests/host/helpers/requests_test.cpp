#include <cstdint>
#include <cstring>
#include <map>
#include <utility>

#include "host/hxhostfn.h"
#include "host/hxrequest.h"
#include "ownhost.h"

namespace {

std::map<std::string, int> gAnswers; // what the host writes for each key it answers
int gTestType = -1;

// A host that checks the sender and answers through the list as the host does: a target gets the
// key's answer, a result slot (a null value) becomes the answer itself.
int __cdecl AnsweringHost(int, HXSendMessageInfo* info) {
    EXPECT_EQ(std::tuple(DWORD(0x1A), DWORD(0xB00)), std::tuple(info->product, info->id));
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
    EXPECT_EQ(std::tuple(0, -1), (std::tuple{plugin.Request201(nullptr, &index, 0), index})); // no answer
    EXPECT_EQ(-1, plugin.Request300(nullptr));
    HXHitTestParam hit = {};
    hit.test_line = 1;
    hit.test_face = -1;
    hit.hit_type = 3; // left from an earlier test
    EXPECT_EQ(std::tuple(false, 6), (std::tuple{plugin.HitTest(nullptr, 0, 0, hit), gTestType}));

    gAnswers = {{"result", 42}, {"index", 4},    {"symmetry", 5},
                {"snap_x", 6},  {"hit_type", 2}, {"hit_face", 3}};
    EXPECT_EQ(42, plugin.SendUserMessage(nullptr, 1, 2, "d", nullptr)); // a result target
    EXPECT_EQ(42, plugin.SetWindowVisibility(nullptr, 3, 1));           // a result slot
    HXEditOption edit;
    plugin.GetEditOption(edit); // the host lists the keys in another order than the block's
    EXPECT_EQ(std::tuple(5, 6), std::tuple(edit.symmetry, edit.snap_x));
    EXPECT_EQ(std::tuple(true, 3), (std::tuple{plugin.HitTest(nullptr, 0, 0, hit), hit.hit_face}));
}

} // namespace
