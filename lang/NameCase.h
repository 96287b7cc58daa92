#pragma once
// Names of sections and keys match without regard to case, as the profile
// functions match them, in plain C++: each UTF-16 unit is compared by its
// simple upper-case mapping of Unicode (UnicodeData.txt) for the letters of
// ASCII, Latin-1, Latin Extended-A, Greek and Coptic, Cyrillic and the
// Cyrillic Supplement that form one-to-one case pairs, as the system's
// ordinal comparison does: "µ", "ı", "ſ", "ς" and the Greek symbol forms
// ("ϐϑϕϖϰϱϵ") match only themselves, like every character of other blocks.
#include <string>

char16_t SimpleUpperCase(char16_t unit);

bool EqualIgnoringCase(const std::u16string& a, const std::u16string& b);
