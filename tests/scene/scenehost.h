// The fixture of every scene test program: the program is its own host (it links the stand-in host's
// functions), so conversion and settings code talk to real documents, element trees and files.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/trace.h"
#include "host/hxexports.h"
#include "host/hxplugin.h"
#include "host/hxxml.h"
#include "scene/rendpyl_model.h"
#include "scene/rendpyl_xml.h"
#include "tests/base/bitmap/bmpbuild.h"
#include "tests/common/scratch.h" // each run writes into a folder of its own, removed at the end
#include "tools/hxhost/hxhostlib.h"
#include "tools/hxhost/lib/xmltree.h"

// Binds the host function table to this executable (once) and opens the document; the wrapper is
// valid until the next document opens.
inline HXDoc OpenDoc(const std::string& json) {
    static const bool bound = [] {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        return HXInit(self) != 0;
    }();
    EXPECT_TRUE(bound);
    std::string error;
    EXPECT_TRUE(hxhost::OpenDocumentText(json, &error)) << error;
    return HXDoc(hxhost::DocumentHandle());
}

inline std::string ReadWholeFile(const std::string& path) {
    std::vector<unsigned char> bytes = LoadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// One of the documents kept under writers/docs, by name.
inline HXDoc OpenDocFile(const std::string& name) {
    return OpenDoc(ReadWholeFile(std::string(HX_TEST_DATA) + "/../writers/docs/" + name + ".json"));
}

inline hxhost::XmlElement* HostElem(HXXmlElement e) {
    return hxhost::XmlElement::FromHandle(e.Handle());
}

// A fresh, empty element as the host hands it over for saving; it ends the one handed over before.
inline HXXmlElement FreshElement() {
    return HXXmlElement(hxhost::BeginSave());
}

inline void DumpInto(std::string& out, const hxhost::XmlElement& e, int depth) {
    out += std::string(depth * 2, ' ') + e.Name();
    for (const auto& [name, value] : e.Attributes())
        out += " " + name + "=\"" + value + "\"";
    out += "\n";
    for (const auto& child : e.Children())
        DumpInto(out, *child, depth + 1);
}

// The subtree as the host holds it: one line per element, its name and then its attributes in their
// order (texts in UTF-8), children indented by two blanks.
inline std::string Dump(HXXmlElement elem) {
    std::string out;
    if (const hxhost::XmlElement* e = HostElem(elem)) DumpInto(out, *e, 0);
    return out;
}

// A model as the document's opening leaves it: one default record per host material.
inline void Import(RENDPYL_MODEL& model, HXDoc doc) {
    model.SetDoc(doc);
    model.SyncHostMtls();
}

// The settings subtree saved into a fresh element, which it returns.
inline HXXmlElement SaveSettings(HXDoc doc, RENDPYL_MODEL& model) {
    HXDocParam param = {FreshElement().Handle(), 0};
    EXPECT_EQ(std::tuple(1, 1), (std::tuple{RENDPYL_XMLSAVE().Save(doc, &model, &param), param.saved}));
    return HXXmlElement(param.elem);
}

inline int LoadSettings(HXDoc doc, RENDPYL_MODEL& model, HXXmlElement elem) {
    HXDocParam param = {elem.Handle(), 0};
    return RENDPYL_XMLLOAD().Load(doc, &model, &param);
}

// Collects the trace while it lives.
struct TraceLog {
    std::string text = "\n";
    TraceLog() {
        SetTrace(this, [](void* self, const char* line) { static_cast<TraceLog*>(self)->text += line; });
    }
    ~TraceLog() { ResetTrace(); }
    // Whole lines, one after the other.
    bool Has(const std::string& lines) const { return text.find("\n" + lines + "\n") != std::string::npos; }
};

// A folder of the working folder for one test's files, with its trailing backslash; golden files
// hold the names of some.
inline std::string OutputDir(const std::string& name) {
    CreateDirectoryA("writers_out", nullptr);
    std::string dir = "writers_out\\" + name + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

// A JSON string literal of a path: its backslashes doubled.
inline std::string JsonPath(std::string path) {
    for (size_t at = 0; (at = path.find('\\', at)) != std::string::npos; at += 2)
        path.insert(at, "\\");
    return "\"" + path + "\"";
}

// A BMP of 24 or 32 bits from pixels 0xAARRGGBB, row 0 at the top.
inline std::vector<unsigned char> BmpBytes(int w, int h, const std::vector<uint32_t>& pixels, int bpp = 24,
                                           bool topDown = false) {
    BmpSpec spec;
    spec.width = w;
    spec.height = h;
    spec.bpp = bpp;
    spec.topDown = topDown;
    spec.value = [w, pixels](int x, int y) { return pixels[size_t(y) * w + x]; };
    return BuildBmp(spec);
}

// Compares with the golden file kept under writers/golden; with HX_UPDATE_GOLDEN set in the environment
// the golden file is rewritten instead. The writers name files by their full paths, which hold the run's
// own scratch folder: the goldens hold them relative to it.
inline void ExpectGolden(const std::string& name, std::string output) {
    const std::string scratch = ScratchFolder().string() + "\\";
    for (size_t at; (at = output.find(scratch)) != std::string::npos;)
        output.erase(at, scratch.size());
    std::string path = std::string(HX_TEST_DATA) + "/../writers/golden/" + name;
    if (std::getenv("HX_UPDATE_GOLDEN"))
        SaveBytes(path, std::vector<unsigned char>(output.begin(), output.end()));
    std::string golden = ReadWholeFile(path);
    size_t i =
        std::mismatch(golden.begin(), golden.end(), output.begin(), output.end()).first - golden.begin();
    EXPECT_TRUE(golden == output) << name << " differs at byte " << i << ": " << output.substr(i, 80);
}
