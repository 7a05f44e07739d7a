#include "raster.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

Vec3 Sub(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
float Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 Unit(Vec3 a) {
    float len = std::sqrt(Dot(a, a));
    return len > 0 ? Vec3{a.x / len, a.y / len, a.z / len} : a;
}

// A pinhole camera: the film size spans the picture's width.
struct Camera {
    Vec3 eye, right, up, forward;
    float scale, cx, cy;

    Camera(const PylScene& s, int width, int height) : eye(s.position) {
        forward = Unit(Sub(s.focus, s.position));
        right = Unit(Cross(forward, s.upside));
        up = Cross(right, forward);
        float focal = s.focal_length > 0 ? s.focal_length : 50;
        float film = s.film_size > 0 ? s.film_size : 36;
        scale = width * focal / film;
        cx = width * (0.5f + s.shift[0] * 0.5f);
        cy = height * (0.5f - s.shift[1] * 0.5f);
    }

    // Screen x, y and depth; depth <= 0 is behind the eye.
    Vec3 Project(Vec3 p) const {
        Vec3 d = Sub(p, eye);
        float z = Dot(d, forward);
        if (z <= 1e-6f) return {0, 0, -1};
        return {cx + scale * Dot(d, right) / z, cy - scale * Dot(d, up) / z, z};
    }
};

void FillTriangle(const Vec3 (&v)[3], const unsigned char rgb[3], Picture& picture,
                  std::vector<float>& depth) {
    float area = (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[2].x - v[0].x) * (v[1].y - v[0].y);
    if (area == 0 || v[0].z <= 0 || v[1].z <= 0 || v[2].z <= 0) return;
    int x0 = std::max(0, (int)std::floor(std::min({v[0].x, v[1].x, v[2].x})));
    int x1 = std::min(picture.width - 1, (int)std::ceil(std::max({v[0].x, v[1].x, v[2].x})));
    int y0 = std::max(0, (int)std::floor(std::min({v[0].y, v[1].y, v[2].y})));
    int y1 = std::min(picture.height - 1, (int)std::ceil(std::max({v[0].y, v[1].y, v[2].y})));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            float w0 = ((v[1].x - px) * (v[2].y - py) - (v[2].x - px) * (v[1].y - py)) / area;
            float w1 = ((v[2].x - px) * (v[0].y - py) - (v[0].x - px) * (v[2].y - py)) / area;
            float w2 = 1 - w0 - w1;
            if (w0 < 0 || w1 < 0 || w2 < 0) continue;
            float z = w0 * v[0].z + w1 * v[1].z + w2 * v[2].z;
            float& best = depth[size_t(y) * picture.width + x];
            if (z >= best) continue;
            best = z;
            std::copy(rgb, rgb + 3, &picture.rgb[(size_t(y) * picture.width + x) * 3]);
        }
}

} // namespace

void DrawModel(const PylScene& scene, const HxoModel& model, Picture& picture) {
    Camera camera(scene, picture.width, picture.height);
    std::vector<float> depth(size_t(picture.width) * picture.height, std::numeric_limits<float>::max());
    Vec3 light = Unit(scene.light_direction);
    for (const HxoObject& object : model.objects)
        for (const HxoFace& face : object.faces) {
            if (face.count < 3) continue;
            const Vec3* p[4];
            for (int i = 0; i < face.count; ++i)
                p[i] = &object.vertices[face.corners[i]];
            Vec3 normal = Unit(Cross(Sub(*p[1], *p[0]), Sub(*p[2], *p[0])));
            float shade = 0.35f + 0.65f * std::fabs(Dot(normal, light));
            Vec3 colour{0.8f, 0.8f, 0.8f};
            if (face.material >= 0 && face.material < (int)model.materials.size()) {
                auto found = scene.materials.find(model.materials[face.material]);
                if (found != scene.materials.end()) colour = found->second.diffuse;
            }
            unsigned char rgb[3];
            const float c[3] = {colour.x, colour.y, colour.z};
            for (int i = 0; i < 3; ++i)
                rgb[i] = (unsigned char)std::clamp(c[i] * shade * 255.0f, 0.0f, 255.0f);
            for (int i = 1; i + 1 < face.count; ++i) {
                const Vec3 v[3] = {camera.Project(*p[0]), camera.Project(*p[i]), camera.Project(*p[i + 1])};
                FillTriangle(v, rgb, picture, depth);
            }
        }
}
