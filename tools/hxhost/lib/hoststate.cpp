#include "tools/hxhost/lib/hoststate.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include "tools/hxhost/hxhostlib.h"

namespace hxhost {

HostState& Host() {
    static HostState state;
    return state;
}

void NoteCall(const char* name) {
    HostState& host = Host();
    host.calls.push_back(name);
    if (host.log) std::fprintf(host.log, "%s\n", name);
}

Document* DocOf(HXDocHandle handle) {
    Document* doc = Host().doc.get();
    return doc && reinterpret_cast<Document*>(handle) == doc ? doc : nullptr;
}

Object* ObjectOf(HXObjHandle handle) {
    Document* doc = Host().doc.get();
    auto* object = reinterpret_cast<Object*>(handle);
    return doc && doc->Owns(object) ? object : nullptr;
}

Material* MaterialOf(HXMatHandle handle) {
    Document* doc = Host().doc.get();
    auto* material = reinterpret_cast<Material*>(handle);
    return doc && doc->Owns(material) ? material : nullptr;
}

Scene* SceneOf(HXSceneHandle handle) {
    Document* doc = Host().doc.get();
    return doc && reinterpret_cast<Scene*>(handle) == &doc->scene ? &doc->scene : nullptr;
}

void CopyText(char* out, int size, const std::string& text) {
    if (!out || size <= 0) return;
    size_t n = 0;
    while (n < text.size()) {
        size_t step = IsDBCSLeadByte(BYTE(text[n])) && n + 1 < text.size() ? 2 : 1;
        if (n + step > size_t(size) - 1) break;
        n += step;
    }
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

bool OpenDocumentText(const std::string& json, std::string* error) {
    Json source;
    std::unique_ptr<Document> doc = ReadDocument(json, &source, error);
    if (!doc) return false;
    HostState& host = Host();
    host.saveElement.reset();
    host.doc = std::move(doc);
    host.source = std::move(source);
    host.path.clear();
    return true;
}

bool OpenDocumentFile(const std::string& path, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (error) *error = "cannot open the file";
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    if (!OpenDocumentText(text.str(), error)) return false;
    HostState& host = Host();
    host.path = path;
    // Map files named without a drive or root lie beside the document, wherever it was copied to.
    std::string folder = path.substr(0, path.find_last_of("\\/") + 1);
    for (auto& [name, file] : host.doc->mapping) {
        bool absolute = file.rfind("\\", 0) == 0 || file.rfind("/", 0) == 0 || file.find(':') == 1;
        if (absolute) continue;
        char full[MAX_PATH];
        DWORD n = GetFullPathNameA((folder + file).c_str(), MAX_PATH, full, nullptr);
        if (n > 0 && n < MAX_PATH) file = full;
    }
    return true;
}

void CloseDocument() {
    HostState& host = Host();
    host.saveElement.reset();
    host.doc.reset();
    host.source = Json();
    host.path.clear();
}

HXDocHandle DocumentHandle() {
    return reinterpret_cast<HXDocHandle>(Host().doc.get());
}

const std::string& DocumentPath() {
    return Host().path;
}

HXXmlHandle SettingsElement() {
    Document* doc = Host().doc.get();
    return doc ? reinterpret_cast<HXXmlHandle>(doc->settings.get()) : nullptr;
}

HXXmlHandle BeginSave() {
    HostState& host = Host();
    if (!host.doc) return nullptr;
    host.saveElement = std::make_unique<XmlElement>(host.doc->settings->Name());
    return reinterpret_cast<HXXmlHandle>(host.saveElement.get());
}

bool CommitSave(std::string* error) {
    HostState& host = Host();
    if (!host.doc || !host.saveElement) {
        if (error) *error = "no save in progress";
        return false;
    }
    host.source["settings"] = SettingsToJson(*host.saveElement);
    host.doc->settings = std::move(host.saveElement);
    if (host.path.empty()) return true;
    // Texts the plug-in wrote are not checked for UTF-8; a bad byte must not lose the whole file.
    std::string text = host.source.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
    std::ofstream file(host.path, std::ios::binary | std::ios::trunc);
    if (!file.write(text.data(), std::streamsize(text.size())) || !file.flush()) {
        if (error) *error = "cannot write " + host.path;
        return false;
    }
    return true;
}

std::string SettingsJson() {
    Document* doc = Host().doc.get();
    return doc ? SettingsToJson(*doc->settings).dump(-1, ' ', false, Json::error_handler_t::replace) : "";
}

ObjectCalls CountObjectCalls() {
    ObjectCalls counts;
    if (Document* doc = Host().doc.get()) {
        counts.clones = doc->clonesMade;
        counts.freezes = doc->freezes;
        counts.deletes = doc->deletes;
        counts.liveClones = int(doc->clones.size());
    }
    return counts;
}

void SetMainWindow(HWND window) {
    Host().window = window;
}

void SetSystemPath(const std::string& folder) {
    Host().systemPath = folder;
}

void SetSettingsFile(const std::string& path) {
    Host().settingsFile = path;
}

const std::vector<const char*>& CallLog() {
    return Host().calls;
}

int CountCalls(const char* name) {
    int n = 0;
    for (const char* call : Host().calls)
        n += std::strcmp(call, name) == 0;
    return n;
}

void ClearCallLog() {
    Host().calls.clear();
}

bool SetLogFile(const std::string& path) {
    HostState& host = Host();
    if (host.log) std::fclose(host.log);
    host.log = path.empty() ? nullptr : std::fopen(path.c_str(), "wb");
    return path.empty() || host.log;
}

void FlushLog() {
    if (Host().log) std::fflush(Host().log);
}

} // namespace hxhost
