#pragma once
// PFM files built byte by byte for the tests, and an image that refused input must leave alone.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../bitmap/bmpbuild.h"
#include "base/pfmdata.h"

using Bytes = std::vector<unsigned char>;

// Header text followed by the floats, each float's bytes reversed when bigEndian is set.
inline Bytes BuildPfm(const std::string& header, const std::vector<float>& floats, bool bigEndian = false) {
    Bytes b(header.begin(), header.end());
    for (float f : floats) {
        unsigned char p[4];
        memcpy(p, &f, 4);
        if (bigEndian) std::swap(p[0], p[3]), std::swap(p[1], p[2]);
        b.insert(b.end(), p, p + 4);
    }
    return b;
}

// A 2 x 2 RGB image with distinct pixels and a positive scale; Check fails when anything moved.
struct KeptPfm {
    PFMDATA img;
    KeptPfm() {
        img.SetSize(2, 2);
        img.SetScale(4.0f);
        img.Alloc();
        for (int i = 0; i < 4; i++)
            img.SetPixel(i % 2, i / 2, FVEC3(float(i), i + 0.5f, -float(i)));
    }
    void Check(const std::string& what) const {
        int w, h;
        img.GetSize(&w, &h);
        ASSERT_EQ(2, w) << what;
        ASSERT_EQ(2, h) << what;
        ASSERT_EQ(0, img.IsGray()) << what;
        ASSERT_EQ(4.0f, img.GetScale()) << what;
        for (int i = 0; i < 4; i++) {
            FVEC3 p = img.GetPixel(i % 2, i / 2);
            ASSERT_TRUE(p.x == float(i) && p.y == i + 0.5f && p.z == -float(i)) << what;
        }
    }
    // The whole reader, and with header set the header reader too.
    void ExpectRefused(const Bytes& file, const std::string& what, bool header = true) {
        const void* data = file.empty() ? "" : static_cast<const void*>(file.data());
        EXPECT_FALSE(LoadPfm(data, file.size(), &img)) << what;
        Check(what);
        if (!header) return;
        EXPECT_FALSE(LoadPfmHeader(data, file.size(), &img)) << what;
        Check(what);
    }
};
