#pragma once
// Velindra's settings in this prefix's registry, written before every start
// so that each run begins alike: a cycle from 10 May 2004 (5 critical days,
// 23 clear days), English, no help window on hiding, and the window shown or
// hidden at start.
#include <string>

void WriteVelindraSettings(bool visible);
// The language Velindra has stored ("Lang"), empty when there is none.
std::string ReadVelindraLanguage();
