#include "tools/bench/driver/Stats.h"

#include <algorithm>

double Series::Min() const
{
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

double Series::Max() const
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

double Series::Median() const
{
    if (values.empty())
        return 0;
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}
