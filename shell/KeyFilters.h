#pragma once

#include <cstdint>

class QLineEdit;

// Key filters for text boxes: take the typed character's code and set it to 0
// to swallow the key. Codes up to 26 (Backspace, Tab, Enter, Ctrl+letters)
// always pass.
void FilterDigitKey(int16_t& keyAscii);
void FilterFileNameKey(int16_t& keyAscii);

using KeyFilter = void (*)(int16_t&);

// Runs the filter on every character typed into the box. Keys that type no
// character (arrows, Home, Delete) are not affected and pasted text is not
// filtered; input methods are switched off so composed characters cannot
// slip past.
void installKeyFilter(QLineEdit* box, KeyFilter filter);
