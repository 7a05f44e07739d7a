// The stand-in renderer: "pyrell.exe" "scene.pyl" /run /width=W /height=H /bg="back.bmp" /out="out.bmp"
// [preview] Draws the scene's model flat-shaded over the background picture and writes a 24-bit BMP. For
// tests, environment variables make it misbehave on purpose:
//   PYRELL_LOG=FILE       append the working folder and the command line to FILE
//   PYRELL_SLEEP=MS       sleep before working
//   PYRELL_EXIT=N         exit with code N at once, writing nothing
//   PYRELL_NOWRITE=1      do the work, write nothing, exit 0
//   PYRELL_TRUNCATE=1     write only the first half of the picture file
#include "bmpfile.h"
#include "hxomodel.h"
#include "pylscene.h"
#include "raster.h"
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool ReadText(const std::string& path, std::string& text) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        text.append(chunk, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

const char* Env(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

void Log(const char* path) {
    FILE* f = std::fopen(path, "ab");
    if (!f) return;
    char cwd[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof cwd, cwd);
    std::fprintf(f, "cwd=%s\ncmd=%s\n", cwd, GetCommandLineA());
    std::fclose(f);
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "pyrell: %s\n", message.c_str());
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (const char* log = Env("PYRELL_LOG")) Log(log);
    if (const char* sleep = Env("PYRELL_SLEEP")) Sleep(std::atoi(sleep));
    if (const char* code = Env("PYRELL_EXIT")) return std::atoi(code);

    std::string scene_path, background, output;
    int width = 0, height = 0;
    bool run = false;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strcmp(a, "/run"))
            run = true;
        else if (!std::strncmp(a, "/width=", 7))
            width = std::atoi(a + 7);
        else if (!std::strncmp(a, "/height=", 8))
            height = std::atoi(a + 8);
        else if (!std::strncmp(a, "/bg=", 4))
            background = a + 4;
        else if (!std::strncmp(a, "/out=", 5))
            output = a + 5;
        else if (!std::strcmp(a, "preview"))
            continue;
        else if (scene_path.empty() && a[0] != '/')
            scene_path = a;
        else
            return Fail(std::string("unknown option ") + a);
    }
    if (!run || scene_path.empty() || output.empty() || width <= 0 || height <= 0 || width > 16384 ||
        height > 16384)
        return Fail("usage: pyrell SCENE.pyl /run /width=W /height=H /bg=\"BMP\" /out=\"BMP\" [preview]");

    std::string text, error;
    PylScene scene;
    if (!ReadText(scene_path, text)) return Fail("cannot read " + scene_path);
    if (!ParsePylScene(text, scene, error)) return Fail(scene_path + ": " + error);
    std::string model_text;
    HxoModel model;
    if (!ReadText(scene.model_file, model_text)) return Fail("cannot read " + scene.model_file);
    if (!ParseHxoModel(model_text, model, error)) return Fail(scene.model_file + ": " + error);

    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.assign(size_t(width) * height * 3, 0);
    Picture back;
    if (!background.empty() && ReadBmp(background, back))
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                std::memcpy(
                    &picture.rgb[(size_t(y) * width + x) * 3],
                    &back.rgb[(size_t(y * back.height / height) * back.width + x * back.width / width) * 3],
                    3);
    DrawModel(scene, model, picture);

    if (Env("PYRELL_NOWRITE")) return 0;
    if (!WriteBmp(output, picture, Env("PYRELL_TRUNCATE") != nullptr)) return Fail("cannot write " + output);
    return 0;
}
