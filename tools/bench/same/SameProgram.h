#pragma once
// What the bench driver knows of the same-windows program beyond Velindra's
// own ids, which it answers to as Velindra does.
constexpr char kSameHiddenArgument[] = "/hidden"; // start hidden, like Visibled = 0
