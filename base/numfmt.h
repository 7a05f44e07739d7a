#pragma once

// Numbers as text, byte for byte what printf's "%d", "%u" and "%.Nf" give in the "C" locale,
// whatever locale the process has set, and much faster than printf: the model files hold
// millions of numbers.

// Room for any result: sign, 39 integer digits of the largest float, point, decimals, zero.
constexpr int NUMFMT_MAX = 64;

// "%.Nf" of the float promoted to double, N = decimals (0 to 9); writes a terminated text
// into out (NUMFMT_MAX bytes) and returns its length.
int FormatFloat(char* out, float value, int decimals = 6);

// "%d" and "%u"; out holds at least 12 bytes.
int FormatInt(char* out, int value);
int FormatUInt(char* out, unsigned value);
