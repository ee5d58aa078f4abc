#include "app/pagecode.h"

#include "app/apperror.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace holvane::app {

int pageCodeFromText(const std::string &text)
{
    const size_t begin = text.find_first_not_of(' ');
    const size_t end = text.find_last_not_of(' ');
    const std::string digits = begin == std::string::npos ? std::string() : text.substr(begin, end - begin + 1);
    char *stop = nullptr;
    errno = 0;
    const long value = digits.empty() ? 0 : std::strtol(digits.c_str(), &stop, 10);
    if (digits.empty() || *stop != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX ||
        digits.find_first_of(" \t\n") != std::string::npos)
        throw AppError("“" + text + "”不是有效的整数值");
    return static_cast<int>(value);
}

} // namespace holvane::app
