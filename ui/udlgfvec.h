// Groups of float fields that edit a vector or a matrix as one value, x first.
#pragma once
#include <cstring>
#include "base/fmatrix.h"
#include "base/fquat.h"
#include "base/fvec.h"
#include "ui/udlgspin.h"

template <class V, int N> struct UDLGFGROUP {
    static_assert(sizeof(V) == N * sizeof(float), "the value is N consecutive floats");

    virtual ~UDLGFGROUP() = default;

    template <class... Ids> int Attach(HWND dialog, Ids... ids) {
        static_assert(sizeof...(Ids) == N, "one item id per component");
        m_attached = 1;
        m_owner = dialog;
        int list[N] = {ids...};
        for (int i = 0; i < N; ++i) {
            m_ids[i] = list[i];
            m_fields[i].Attach(dialog, list[i]);
        }
        return 1;
    }

    void SetValue(const V& value) {
        float c[N];
        std::memcpy(c, &value, sizeof c);
        for (int i = 0; i < N; ++i)
            m_fields[i].SetValue(c[i]);
    }
    V GetValue() {
        float c[N];
        for (int i = 0; i < N; ++i)
            c[i] = m_fields[i].ReadValue();
        V value;
        std::memcpy(&value, c, sizeof c);
        return value;
    }
    void Enable(BOOL flag) {
        for (auto& f : m_fields)
            f.Enable(flag);
    }
    void SetRange(float min, float max) {
        for (auto& f : m_fields)
            f.SetRange(min, max);
    }
    void SetStep(float step) {
        for (auto& f : m_fields)
            f.SetStep(step);
    }
    void SetFlag(int flag) {
        for (auto& f : m_fields)
            f.SetFlag(flag);
    }
    // The first field that reports a change answers; the later ones keep their flags.
    int GetChanged() {
        for (auto& f : m_fields)
            if (f.GetChanged()) return 1;
        return 0;
    }
    UDLGFLOAT& Field(int i) { return m_fields[i]; }

  protected:
    HWND m_owner = 0;
    int m_ids[N] = {};
    UDLGFLOAT m_fields[N];
    int m_attached = 0;
};

struct UDLGFVEC2 : UDLGFGROUP<FVEC2, 2> {};
struct UDLGFVEC3 : UDLGFGROUP<FVEC3, 3> {};
struct UDLGFMATRIX : UDLGFGROUP<FMATRIX, 16> {};

struct UDLGFVEC4 : UDLGFGROUP<FVEC4, 4> {
    void SetValueFrom(const FQUAT& q) { SetValue(q.GetFVec4()); }
    void GetValueTo(FQUAT& q) {
        FVEC4 v = GetValue();
        q.Set(v.x, v.y, v.z, v.w);
    }
};
