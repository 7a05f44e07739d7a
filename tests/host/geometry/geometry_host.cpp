#include "geometry_host.h"

#include <windows.h>

#include <cmath>
#include <cstdio>

#include <gtest/gtest.h>

#include "host/hxexports.h"
#include "tools/hxhost/hxhostlib.h"

int __cdecl FourVertices(HXObjHandle) {
    return 4;
}

HXObj OpenObject(const std::string& object) {
    static const bool bound = [] {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        return HXInit(self) != 0;
    }();
    EXPECT_TRUE(bound);
    std::string error;
    EXPECT_TRUE(hxhost::OpenDocumentText("{\"objects\": [" + object + "]}", &error)) << error;
    return HXDoc(hxhost::DocumentHandle()).GetObject(0);
}

namespace {
std::string PointList(const float (*points)[3], int count) {
    std::string list = "[";
    for (int i = 0; i < count; i++) {
        char item[80];
        std::snprintf(item, sizeof item, "%s[%.9g,%.9g,%.9g]", i ? "," : "", points[i][0], points[i][1],
                      points[i][2]);
        list += item;
    }
    return list + "]";
}

std::string Object(int shading, float smoothAngle, const std::string& vertices, const std::string& faces) {
    char head[80];
    std::snprintf(head, sizeof head, "{\"shading\": %d, \"smooth_angle\": %.9g, ", shading, smoothAngle);
    return head + std::string("\"vertices\": ") + vertices + ", \"faces\": [" + faces + "]}";
}
} // namespace

std::string Cube(int shading, float smoothAngle) {
    const float corners[8][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0},
                                 {0, 0, 1}, {1, 0, 1}, {0, 1, 1}, {1, 1, 1}};
    return Object(shading, smoothAngle, PointList(corners, 8),
                  R"({"v": [0,1,3,2]}, {"v": [4,6,7,5]}, {"v": [0,4,5,1]},
                     {"v": [2,3,7,6]}, {"v": [0,2,6,4]}, {"v": [1,5,7,3]})");
}

std::string Ring(int shading, float smoothAngle) {
    float points[2 * kRingSides][3];
    std::string faces;
    for (int i = 0; i < kRingSides; i++) {
        float a = i * 30 * 3.14159265f / 180;
        for (int z = 0; z < 2; z++) {
            points[z * kRingSides + i][0] = std::cos(a);
            points[z * kRingSides + i][1] = std::sin(a);
            points[z * kRingSides + i][2] = float(z);
        }
        int j = (i + 1) % kRingSides;
        faces += (i ? ", {\"v\": [" : "{\"v\": [") + std::to_string(i) + "," +
                 std::to_string(kRingSides + i) + "," + std::to_string(kRingSides + j) + "," +
                 std::to_string(j) + "]}";
    }
    return Object(shading, smoothAngle, PointList(points, 2 * kRingSides), faces);
}
