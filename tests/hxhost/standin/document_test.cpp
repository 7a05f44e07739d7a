#include <gtest/gtest.h>

#include "tests/common/testfiles.h"
#include "tests/common/mutate.h"
#include "tools/hxhost/hxhostlib.h"

namespace {
std::string Refusal(const std::string& json) {
    std::string error;
    EXPECT_FALSE(hxhost::OpenDocumentText(json, &error)) << json;
    return error;
}
} // namespace

TEST(Document, HostileTextIsRefusedWithTheFieldNamed) {
    std::string settings = "{\"name\": \"a\"}";
    for (int i = 0; i < 100; ++i)
        settings = "{\"name\": \"a\", \"children\": [" + settings + "]}";
    const std::pair<std::string, const char*> cases[] = {
        {"", "not JSON"},
        {"[1, 2]", "document: expected an object"},
        {std::string(100000, '[') + std::string(100000, ']'),
         "document: arrays and objects nested deeper than 128"},
        {"{\"settings\": " + settings + "}", "document: arrays and objects nested deeper than 128"},
        {"{\"scene\": {\"view\": [1, 2, 3]}}", "scene.view: expected 16 items"},
        {"{\"materials\": [{\"name\": 5}]}", "materials[0].name: expected a text"},
        {"{\"materials\": [{\"alpha\": 1e39}]}", "materials[0].alpha: number out of range"},
        {"{\"materials\": [{\"uid\": 4294967296}]}", "materials[0].uid: integer out of range"},
        {"{\"materials\": [{\"uid\": 1.5}]}", "materials[0].uid: expected an integer"},
        {"{\"materials\": [{\"uid\": 7}, null, {\"uid\": 7}]}", "materials[2]: uid 7 is not unique"},
        {"{\"materials\": [{\"colour\": [1, 0, 0]}]}", "materials[0].colour: unknown key"},
        {"{\"objects\": [{\"vertices\": [[0, 0]]}]}", "objects[0].vertices[0]: expected 3 items"},
        {"{\"objects\": [{\"vertices\": [[0, 0, 0]], \"faces\": [{\"v\": [0], \"uv\": []}]}]}",
         "objects[0].faces[0].uv: expected 1 items"},
        {"{\"objects\": [{\"vertices\": [[0, 0, 0], [1, 0, 0]], \"faces\": [{\"v\": [1]}], "
         "\"frozen\": {\"vertices\": [[0, 0, 0]]}}]}",
         "objects[0].frozen: the faces kept from the object use vertex 1"},
        {"{\"mapping\": {\"a.bmp\": 3}}", "mapping.a.bmp: expected a text"},
        {"{\"settings\": {\"name\": \"\"}}", "settings.name: the settings element needs a name"},
        {"{\"settings\": {\"attributes\": [[\"a\", \"1\"], [\"a\", \"2\"]]}}",
         "settings.attributes[1][0]: attribute \"a\" given twice"},
        {"{\"settings\": {\"children\": [{\"attributes\": []}]}}",
         "settings.children[0]: an element needs a name"},
    };
    for (const auto& [json, expected] : cases) {
        std::string error = Refusal(json);
        EXPECT_EQ(0u, error.find(expected)) << json.substr(0, 80) << "\n  gave: " << error;
        EXPECT_EQ(std::string::npos, error.find('\n')) << "one line: " << error;
    }
}

// Every cut and damaged copy of a good document is read, or refused with a reason and the open
// document left in place.
TEST(Document, DamagedDocumentsAreReadOrRefusedLeavingTheOpenOne) {
    const std::string good = ReadFileBytes(std::string(HX_TEST_DATA) + "/../../../samples/sample.json");
    std::string error;
    ASSERT_TRUE(hxhost::OpenDocumentText(good, &error)) << error;
    auto visit = [&](const std::string& text, const std::string& label) {
        HXDocHandle before = hxhost::DocumentHandle();
        error.clear();
        bool read = hxhost::OpenDocumentText(text, &error);
        EXPECT_EQ(read, error.empty()) << label << ": " << error;
        if (!read) {
            EXPECT_EQ(before, hxhost::DocumentHandle()) << label;
        }
    };
    mutate::EachPrefix(good, visit, 7);
    mutate::Options options;
    options.rounds = 300;
    options.alphabet = "0-9e.,:[]{}\"nul";
    mutate::EachMutation(std::vector<std::string>{good}, options, visit);
    hxhost::CloseDocument();
    EXPECT_EQ(nullptr, hxhost::DocumentHandle());
}
