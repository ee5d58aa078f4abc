// holvane-eval [--calculator] [--radians] [--vars]: evaluates one formula per
// input line; see evaltool.h.
#include "evaltool.h"

#include <iostream>

int main(int argc, char **argv)
{
    holvane::formula::EvalToolOptions options;
    std::string error;
    if (!holvane::formula::parseEvalToolArguments(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "holvane-eval: " << error << "\nusage: holvane-eval [--calculator] [--radians] [--vars] < lines\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    holvane::formula::EvalTool tool(options);
    tool.run(std::cin, std::cout);
    return std::cout.good() ? 0 : 1;
}
