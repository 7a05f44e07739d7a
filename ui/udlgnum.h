// Number fields: a dialog edit item that holds an int or a float, formats it, clamps it when a range is
// set, commits on Enter and on losing the focus, and tells its dialog with WM_COMMAND and its id.
#pragma once
#include <string>
#include "ui/udlgctrl.h"

// What differs between the integer and the float field.
template <class T> struct UDLGNUMTRAITS;

template <> struct UDLGNUMTRAITS<int> {
    static constexpr const char* kFormat = "%d";
    static constexpr bool kDigitsOnly = true; // filters typed characters; Tab commits too
    // Decimal integer after blanks and an optional sign; saturates; no digits gives 0.
    static bool Parse(const char* text, int* value);
    // The value in a format of one "%d" or "%i" conversion, as printf gives it in the "C" locale;
    // any other format shows it in kFormat.
    static std::string Format(const char* format, int value);
    static int Step(int value, int step, int delta);
};

template <> struct UDLGNUMTRAITS<float> {
    static constexpr const char* kFormat = "%.2f";
    static constexpr bool kDigitsOnly = false;
    // Decimal number after blanks (sign, digits, fraction, exponent); false, leaving value as it was,
    // when it is not finite.
    static bool Parse(const char* text, float* value);
    // The value in a format of one "%f", "%e" or "%g" conversion (or their capitals), as printf gives it
    // in the "C" locale; any other format shows it in kFormat.
    static std::string Format(const char* format, float value);
    static float Step(float value, float step, int delta);
};

template <class T> struct UDLGNUMFIELD : UDLGCTRL {
    UDLGNUMFIELD();

    int Attach(HWND dialog, int id);
    int AttachRange(HWND dialog, int id, T min, T max);
    int AttachItem(HWND dialog, int id);

    void SetValue(T v);
    // Reads the text typed since the value was shown (the value itself while nothing was typed), clamps
    // it, stores it and shows it again in the field's format.
    T ReadValue();
    T GetValue() const { return m_value; }
    // True when the user has typed into the field since its value was last shown.
    bool HasTypedText() const;
    T Clamp(T v) const;
    void SetRange(T min, T max);
    void SetStep(T step) { m_step = step; }
    T GetStep() const { return m_step; }
    void SetFormat(const char* format);
    void SetId(int id) { m_id = id; }
    void SetFlag(int flag) { m_spare = flag; }
    void SetEditable(BOOL flag);

    int IsChanged() const { return m_changed; }
    void ClearChanged() { m_changed = 0; }
    void SetChanged() { m_changed = 1; }
    int GetChanged();
    // Marks the field changed and tells the dialog.
    void Notify();

    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

  protected:
    using Traits = UDLGNUMTRAITS<T>;
    void SetDefaults(); // no clamping, range 0 to 65535, step 1
    void Commit();

    T m_value = 0;
    char m_format[32];
    int m_changed = 0;
    T m_min = 0;
    T m_max = 65535;
    T m_step = 1;
    int m_spare = 0;
    int m_clamp = 0;
};

struct UDLGINTS : UDLGNUMFIELD<int> {
    // Creates its own edit as a child of parent; 1, or 0 when creation fails.
    int Create(HWND parent, int id, const URECT& rect);
    int CreateItem(HWND parent, int id, const URECT& rect) { return Create(parent, id, rect); }
};

struct UDLGFLOATS : UDLGNUMFIELD<float> {};

extern template struct UDLGNUMFIELD<int>;
extern template struct UDLGNUMFIELD<float>;
