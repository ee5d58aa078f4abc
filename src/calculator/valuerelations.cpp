#include "calculator/valuerelations.h"

#include <sstream>
#include <vector>

namespace holvane::calculator {

namespace {

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

} // namespace

bool RelationsHold(const std::string &relations, const std::function<double(const std::string &)> &valueOf)
{
    for (const std::string &group : split(relations, ',')) {
        std::vector<double> values;
        for (const std::string &name : split(group, '>'))
            values.push_back(valueOf(name));
        for (size_t i = 0; i < values.size(); ++i)
            for (size_t j = i + 1; j < values.size(); ++j)
                if (values[i] < values[j])
                    return false;
    }
    return true;
}

} // namespace holvane::calculator
