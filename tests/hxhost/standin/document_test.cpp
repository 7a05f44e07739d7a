#include <gtest/gtest.h>

#include "tools/hxhost/hxhostlib.h"

namespace {
std::string Refusal(const std::string& json) {
    std::string error;
    EXPECT_FALSE(hxhost::OpenDocumentText(json, &error)) << json;
    return error;
}
} // namespace

TEST(Document, HostileTextIsRefusedWithTheFieldNamed) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "not JSON"},
        {"{\"objects\": [", "not JSON"},
        {"[1, 2]", "document: expected an object"},
        {"{\"scene\": {\"view\": [1, 2, 3]}}", "scene.view: expected 16 items"},
        {"{\"materials\": [{\"name\": 5}]}", "materials[0].name: expected a text"},
        {"{\"materials\": [{\"alpha\": 1e39}]}", "materials[0].alpha: number out of range"},
        {"{\"materials\": [{\"uid\": 4294967296}]}", "materials[0].uid: integer out of range"},
        {"{\"materials\": [{\"uid\": 1.5}]}", "materials[0].uid: expected an integer"},
        {"{\"materials\": [{\"uid\": 7}, null, {\"uid\": 7}]}", "materials[2]: uid 7 is not unique"},
        {"{\"materials\": [{\"colour\": [1, 0, 0]}]}", "materials[0].colour: unknown key"},
        {"{\"objects\": [{\"vertices\": [[0, 0]]}]}", "objects[0].vertices[0]: expected 3 items"},
        {"{\"objects\": [{\"vertices\": [[0, 0, 0]], \"faces\": [{\"v\": [0, -1]}]}]}",
         "objects[0].faces[0].v[1]: vertex index -1 out of range"},
        {"{\"objects\": [{\"vertices\": [[0, 0, 0]], \"faces\": [{\"v\": [0], \"uv\": []}]}]}",
         "objects[0].faces[0].uv: expected 1 items"},
        {"{\"objects\": [{\"vertices\": [[0, 0, 0], [1, 0, 0]], \"faces\": [{\"v\": [1]}], "
         "\"frozen\": {\"vertices\": [[0, 0, 0]]}}]}",
         "objects[0].frozen: the faces kept from the object use vertex 1"},
        {"{\"objects\": [{\"frozen\": {\"frozen\": {}}}]}", "objects[0].frozen.frozen: unknown key"},
        {"{\"mapping\": {\"a.bmp\": 3}}", "mapping.a.bmp: expected a text"},
        {"{\"settings\": {\"name\": \"\"}}", "settings.name: the settings element needs a name"},
        {"{\"settings\": {\"attributes\": [[\"a\", \"1\"], [\"a\", \"2\"]]}}",
         "settings.attributes[1][0]: attribute \"a\" given twice"},
        {"{\"settings\": {\"children\": [{\"attributes\": []}]}}",
         "settings.children[0]: an element needs a name"},
    };
    for (const auto& [json, expected] : cases) {
        std::string error = Refusal(json);
        EXPECT_EQ(0u, error.find(expected)) << json << "\n  gave: " << error;
        EXPECT_EQ(std::string::npos, error.find('\n')) << "one line: " << error;
    }
}

TEST(Document, DeepNestingIsRefusedNotFollowed) {
    std::string settings = "{\"name\": \"a\"}";
    for (int i = 0; i < 100; ++i)
        settings = "{\"name\": \"a\", \"children\": [" + settings + "]}";
    EXPECT_NE(std::string::npos, Refusal("{\"settings\": " + settings + "}").find("nested deeper"));
    std::string arrays(100000, '[');
    Refusal(arrays + std::string(100000, ']'));
}

TEST(Document, ARefusedDocumentLeavesTheOpenOneInPlace) {
    std::string error;
    ASSERT_TRUE(hxhost::OpenDocumentText("{\"objects\": [{\"name\": \"keep\"}]}", &error)) << error;
    HXDocHandle before = hxhost::DocumentHandle();
    Refusal("{\"objects\": [{\"name\": 1}]}");
    EXPECT_EQ(before, hxhost::DocumentHandle());
    hxhost::CloseDocument();
    EXPECT_EQ(nullptr, hxhost::DocumentHandle());
    EXPECT_EQ(nullptr, hxhost::SettingsElement());
}

TEST(Document, SettingsComeBackAsGiven) {
    const std::string settings =
        "{\"name\":\"pyldlgHX\",\"attributes\":[[\"z\",\"1\"],[\"a\",\"\xE5\x85\x89\"]],\"children\":[{"
        "\"name\":"
        "\"model\",\"attributes\":[[\"ver\",\"10000\"]],\"children\":[]},{\"name\":\"note\",\"text\":\"t\","
        "\"attributes\":[],\"children\":[]}]}";
    std::string error;
    ASSERT_TRUE(hxhost::OpenDocumentText("{\"settings\": " + settings + "}", &error)) << error;
    EXPECT_EQ(settings, hxhost::SettingsJson());
    ASSERT_TRUE(hxhost::OpenDocumentText("{}", &error)) << error;
    EXPECT_EQ("{\"name\":\"pyldlgHX\",\"attributes\":[],\"children\":[]}", hxhost::SettingsJson());
}
