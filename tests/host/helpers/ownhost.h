// The interface's helpers that the plug-in itself never calls, tested in a program that is its own
// host: documents and the settings file come from the stand-in host linked into it.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "host/hxexports.h"
#include "host/hxwrap.h"
#include "tests/host/bareplugin.h"
#include "tools/hxhost/hxhostlib.h"

// Replaces one entry of the host function table while it lives.
template <class T> class HostOverride {
  public:
    HostOverride(T& entry, T fake) : entry_(entry), saved_(entry) { entry = fake; }
    ~HostOverride() { entry_ = saved_; }

  private:
    T& entry_;
    T saved_;
};

class OwnHost : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        ASSERT_TRUE(HXInit(self));
    }
    // Opens a document holding just this object (the JSON of its fields) and returns the object.
    static HXObj OpenObject(const std::string& fields) {
        std::string error;
        EXPECT_TRUE(hxhost::OpenDocumentText("{\"objects\": [{" + fields + "}]}", &error)) << error;
        return HXDoc(hxhost::DocumentHandle()).GetObject(0);
    }
};
