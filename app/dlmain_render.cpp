// The render job: work paths, the renderer's command line, running it and showing its picture.
#include "app/dlmain.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "base/filepath.h"
#include "base/trace.h"
#include "base/ubmpdat.h"
#include "scene/quotedtext.h"

namespace {

// printf into out; 1 when the whole text fitted, else 0 with out emptied.
int FormatPath(char* out, size_t size, const char* format, ...) HX_PRINTF_FORMAT(3, 4);
int FormatPath(char* out, size_t size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int n = vsnprintf(out, size, format, args);
    va_end(args);
    if (n < 0 || static_cast<size_t>(n) >= size) {
        if (size) out[0] = 0;
        return 0;
    }
    return 1;
}

// printf into a text that grows to fit.
std::string FormatText(const char* format, ...) HX_PRINTF_FORMAT(1, 2);
std::string FormatText(const char* format, ...) {
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    int n = vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(n > 0 ? n : 0, '\0');
    if (n > 0) vsnprintf(&text[0], n + 1, format, again);
    va_end(again);
    return text;
}

// Whether every file the job makes has a path the ANSI file functions take (MAX_PATH with its zero).
// The longest is the map file of the host's last material in the scene folder.
int FitsFileFunctions(const char* sceneDir, const HXDoc& doc) {
    int lastMaterial = doc ? std::max(0, doc.GetMaterialCount() - 1) : 0;
    std::string longest = FormatText("%s\\__pyldlgHX__mtl%d__alpha.bmp", sceneDir, lastMaterial);
    return longest.size() < MAX_PATH;
}

// Creates the scene folder with every missing parent; 0, with its message, when that fails.
int CreateSceneFolder(DLMAIN& main, const char* dir) {
    if (IsFolder(dir)) return 1;
    std::string withSlash = dir;
    if (withSlash.empty() || withSlash.back() != '\\') withSlash += '\\';
    main.Print("フォルダがない場合作成(%s)", withSlash.c_str());
    if (!MakeFolderPath(withSlash.c_str())) {
        main.Print("%sの作成ができません!!", withSlash.c_str());
        return 0;
    }
    return 1;
}

// What the result image was before the renderer ran, to tell whether the renderer wrote it.
struct FILESTATE {
    bool exists = false;
    FILETIME written = {};
    DWORD sizeHigh = 0, sizeLow = 0;

    explicit FILESTATE(const char* path) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return;
        exists = true;
        written = data.ftLastWriteTime;
        sizeHigh = data.nFileSizeHigh;
        sizeLow = data.nFileSizeLow;
    }
    bool Differs(const FILESTATE& o) const {
        return exists != o.exists || CompareFileTime(&written, &o.written) != 0 || sizeHigh != o.sizeHigh ||
               sizeLow != o.sizeLow;
    }
};

// Writes the solid background the renderer gets unless the settings name a file of their own; 1
// when it was written whole.
int SaveBackground(const char* path, const RGBCOLOR& color) {
    UBMPDAT back(32, 32, 24);
    back.Fill(color);
    return back.SaveBMP(path);
}

// Loads the picture when the renderer wrote one this time; otherwise, or when it cannot be read, the
// previous picture stays and a failure line says why.
int ShowResult(DLMAIN& main, const FILESTATE& before, DWORD exitCode, const char* outPath) {
    FILESTATE after(outPath);
    bool written = after.exists && after.Differs(before);
    if (written && main.LoadResult(outPath)) return 1;
    std::string why = FormatText(written ? "%sを読み込めません" : "%sが書き込まれていません", outPath);
    if (exitCode)
        main.Print("レンダリング失敗!!(終了コード%lu) %s", static_cast<unsigned long>(exitCode), why.c_str());
    else
        main.Print("レンダリング失敗!! %s", why.c_str());
    return 0;
}

// Whether a path names its drive and its folder from the root: "C:\\..." or "\\\\server\\...".
bool IsFullPath(const char* path) {
    auto separator = [](char c) { return c == '\\' || c == '/'; };
    return (separator(path[0]) && separator(path[1])) || (path[0] && path[1] == ':' && separator(path[2]));
}

// The background the renderer gets: the settings' own file, a relative name resolved here since the
// renderer runs in a folder of its own, or else the one the job writes.
std::string BackgroundFile(const char* own, const char* generated) {
    if (!own[0]) return generated;
    const std::string full = IsFullPath(own) ? "" : ResolvePath(own);
    return full.empty() ? own : full;
}

} // namespace

int DLMAIN::GetTmpPath(char* out, size_t size) const {
    // Resolved once, as Windows opens the folder's name, before any folder is made: `.` and `..` applied,
    // and the trailing blanks and dots it drops from a name dropped. A name that ends in a separator names
    // that folder as it stands; nothing, or a drive alone, names the root the work paths have always named.
    std::string folder = m_tmpPath;
    if (folder.empty() || (folder.size() == 2 && folder[1] == ':')) folder += '\\';
    const std::string full = ResolvePath(folder.c_str());
    if (full.empty() || !FormatPath(out, size, "%s", full.c_str())) return 0;
    char* last = CharPrevA(out, out + strlen(out));
    if (last != out && *last == '\\') *last = 0;
    return 1;
}

int DLMAIN::MakeScenePath(char* out, size_t size, const char* work) {
    return FormatPath(out, size, "%s\\tmp\\tmp.pyl", work);
}

int DLMAIN::MakeScenePathDir(char* out, size_t size, const char* work) {
    return FormatPath(out, size, "%s\\tmp", work);
}

int DLMAIN::MakeOutPath(char* out, size_t size, const char* work) {
    return FormatPath(out, size, "%s\\tmp.bmp", work);
}

int DLMAIN::MakeBackPath(char* out, size_t size, const char* work) {
    return FormatPath(out, size, "%s\\tmp\\back.bmp", work);
}

// The job builds its texts in memory, which a large document may have used up: running out stops
// it with a line instead of throwing into the host.
int DLMAIN::Render() try {
    RENDPYL_MODEL* model = GetScene();
    if (!model || !model->GetRender() || !model->GetCamera()) return 0;
    const RENDPYL_RENDER& render = *model->GetRender();

    char work[PATHSIZE], scenePath[PATHSIZE], sceneDir[PATHSIZE], outPath[PATHSIZE], backPath[PATHSIZE];
    if (!GetTmpPath(work, sizeof work) || !MakeScenePath(scenePath, sizeof scenePath, work) ||
        !MakeScenePathDir(sceneDir, sizeof sceneDir, work) || !MakeOutPath(outPath, sizeof outPath, work) ||
        !MakeBackPath(backPath, sizeof backPath, work) || !FitsFileFunctions(sceneDir, m_hostDoc)) {
        Print("作業パスが長すぎます!!(%s)", m_tmpPath);
        return 0;
    }
    Print("pyl_filepath(%s)", sceneDir);
    if (!CreateSceneFolder(*this, sceneDir)) return 0;
    // Nothing from the document or the registry may end a quoted path of the command line early.
    if (render.back_filename[0] && !CheckQuotablePath(m_mess, render.back_filename)) return 0;
    const std::string background = BackgroundFile(render.back_filename, backPath);
    const char* const commandPaths[] = {m_pyrellPath, background.c_str(), outPath};
    for (const char* path : commandPaths)
        if (!CheckQuotablePath(m_mess, path)) return 0;

    Print("%s保存", scenePath);
    if (!ExportScene(scenePath, m_hostDoc, model)) {
        Print("%s 保存失敗!!", scenePath);
        return 0;
    }
    Print("背景保存:%s", backPath);
    if (!SaveBackground(backPath, render.backcol)) {
        Print("%s 保存失敗!!", backPath);
        return 0;
    }

    CPUINFO cpu = {};
    if (!(m_cpuInfo(&cpu) & CPU_FEATURE_SSE2)) {
        Print("このCPUはSSE2をサポートしていないのでpyrell.exeを実行できません!!");
        return 0;
    }

    std::string options = FormatText("/run /width=%d /height=%d /bg=\"%s\" /out=\"%s\"", render.width,
                                     render.height, background.c_str(), outPath);
    Trace("opt:(%s)", options.c_str());
    char workDir[PATHSIZE];
    GetDirPart(workDir, sizeof workDir, m_pyrellPath);
    std::string commandLine = FormatText("\"%s\" \"%s\" %s", m_pyrellPath, scenePath, options.c_str());
    if (preview_flg) commandLine += " preview";

    Print("pyrell実行(%s,%s)...", m_pyrellPath, scenePath);
    FILESTATE before(outPath);
    DWORD exitCode = 0;
    if (!RunProcess(commandLine.c_str(), workDir, &exitCode)) {
        Print("%s 実行失敗!!", m_pyrellPath);
        return 0;
    }
    int shown = ShowResult(*this, before, exitCode, outPath);
    InvalidateView();
    SetWindowPos(m_hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    SetFocus(m_hwnd);
    return shown;
} catch (const std::bad_alloc&) {
    Print("レンダリング失敗!!(メモリ不足)");
    return 0;
}

int DLMAIN::RunProcess(const char* commandLine, const char* workDir, DWORD* exitCode) {
    // CreateProcessA may write into the command line it is given.
    std::vector<char> line(commandLine, commandLine + strlen(commandLine) + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                        workDir && workDir[0] ? workDir : nullptr, &startup, &process))
        return 0;
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    if (exitCode) *exitCode = code;
    return 1;
}

int DLMAIN::LoadResult() {
    char work[PATHSIZE], path[PATHSIZE];
    return GetTmpPath(work, sizeof work) && MakeOutPath(path, sizeof path, work) && LoadResult(path);
}

int DLMAIN::LoadResult(const char* path) {
    // A file that is not a whole picture leaves the image as it was.
    if (!m_view.GetImage().LoadBMP(path)) return 0;
    m_imageLoaded = 1;
    return 1;
}
