#pragma once
// The framework's string types are the standard library's.
#include <string>
#include <vector>

using CString = std::string;
using CStringArray = std::vector<std::string>;
