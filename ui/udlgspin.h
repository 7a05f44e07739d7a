// Number fields with an up-down control: the dialog's edit item moves into a container window that
// also holds the up-down control and takes over the item's id.
#pragma once
#include <utility>
#include "ui/udlgnum.h"

template <class Field> struct UDLGSPIN : UDLGCTRL {
    using Value = decltype(std::declval<Field&>().GetValue());

    int Attach(HWND dialog, int id);
    int AttachRange(HWND dialog, int id, Value min, Value max);
    // Builds the container and the up-down control around the attached edit; 1, or 0 on failure.
    int CreateSpin(HWND dialog);

    Value Clamp(Value v) const { return m_field.Clamp(v); }
    void SetValue(Value v) { m_field.SetValue(v); }
    Value ReadValue() { return m_field.ReadValue(); }
    Value GetValue() const { return m_field.GetValue(); }
    void SetFormat(const char* format) { m_field.SetFormat(format); }
    int IsChanged() const { return m_field.IsChanged(); }
    void ClearChanged() { m_field.ClearChanged(); }
    int GetChanged() { return m_field.GetChanged(); }
    void SetRange(Value min, Value max) { m_field.SetRange(min, max); }
    void SetStep(Value step) { m_field.SetStep(step); }
    void SetFlag(int flag) { m_field.SetFlag(flag); }
    void Enable(BOOL flag);
    void EnableEdit(BOOL flag);

    Field& GetField() { return m_field; }
    HWND GetSpin() const { return m_spin; }

    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

  protected:
    static constexpr int kSpinId = 101;
    void OnDelta(int delta);

    HWND m_spin = 0;
    Field m_field;
};

struct UDLGINT : UDLGSPIN<UDLGINTS> {
    int Create(HWND dialog, int id, const URECT& rect);
};

struct UDLGFLOAT : UDLGSPIN<UDLGFLOATS> {};

extern template struct UDLGSPIN<UDLGINTS>;
extern template struct UDLGSPIN<UDLGFLOATS>;
