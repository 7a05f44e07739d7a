#include "base/trace.h"
#include "base/umess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> received;
void* lastContext;

void Record(void* context, const char* text) {
    lastContext = context;
    received.push_back(text);
}

// At least n bytes of "a" and a two-byte Shift-JIS character in turn, the phase choosing where
// the pattern starts. The trail byte 0x9F could itself start a character, so only a walk from
// the start finds the boundaries.
std::string MixedLine(size_t n, size_t phase = 0) {
    std::string s;
    while (s.size() < n)
        s += (s.size() + phase) % 3 == 0 ? "a" : "\x88\x9F";
    return s;
}

TEST(TextSink, SinksFollowTheirFlagsAndCutLongLinesOnACharacter) {
    int owner = 0;
    received.clear();
    UMESS sink, copy;
    sink.SetCallback(&owner, Record);
    sink.PrintfLn("a%d", 1);
    copy.SetNewLine(0).CopyTarget(sink);
    copy.PrintfLn("a%d", 1);
    copy.Print("100%d");
    SetTrace(&owner, Record);
    Trace("event %d", 200);
    TraceNoNewline("no%s", "line");
    SetTraceNewLine(0);
    Trace("flag %s", "off");
    TraceMatrix("view", std::vector<float>(16, 1.5f).data());
    SetTrace(nullptr, nullptr); // a null sink turns the trace off
    EXPECT_EQ(IsTraceOn(), 0);
    Trace("x");
    EXPECT_EQ(lastContext, &owner);
    ASSERT_EQ(received.size(), 10u); // four matrix rows
    received.resize(7);
    EXPECT_EQ(received, (std::vector<std::string>{"a1\n", "a1", "100%d", "event 200\n", "noline", "flag off",
                                                  "view[0] (1.500000,1.500000,1.500000,1.500000)"}));
    ResetTrace();
    SetTraceNewLine(1);

    // Long lines are cut on a character boundary.
    UMESS cut;
    cut.SetCallback(nullptr, Record);
    SetTrace(nullptr, Record);
    for (size_t phase = 0; phase < 3; phase++) {
        for (size_t n : {1021u, 1022u, 1023u, 1024u, 5000u}) {
            std::string line = MixedLine(n, phase);
            received.clear();
            cut.Printf("%s", line.c_str());
            cut.PrintfLn("%s", line.c_str());
            Trace("%s", line.c_str());
            ASSERT_EQ(received.size(), 3u);
            for (int i = 0; i < 3; i++) {
                std::string text = received[i];
                ASSERT_EQ(i > 0, text.back() == '\n') << n;
                text.resize(text.size() - (i > 0));
                size_t limit = i ? 1022 : 1023; // whole characters: at most one byte short of it
                EXPECT_EQ(line.size() <= limit ? line : MixedLine(text.size(), phase), text);
                EXPECT_GE(text.size(), std::min(line.size(), limit - 1)) << n << " " << phase;
            }
        }
    }
    ResetTrace();
}

} // namespace
