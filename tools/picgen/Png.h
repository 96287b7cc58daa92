#pragma once
// A PNG encoder for the pictures above 100 % (picture files and icon entries).
#include <vector>

namespace picgen {

// The PNG file of 8-bit pixels, rows from the top: 1 channel is grey, 3 RGB,
// 4 RGBA (straight alpha). Empty when compression fails.
std::vector<unsigned char> EncodePng(int width, int height, int channels,
                                     const std::vector<unsigned char>& pixels);

} // namespace picgen
