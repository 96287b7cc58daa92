#pragma once
// Samples of one figure and their minimum, median and maximum.
#include <vector>

struct Series {
    std::vector<double> values;

    void Add(double value) { values.push_back(value); }
    bool Empty() const { return values.empty(); }
    double Min() const;
    double Median() const;
    double Max() const;
};
