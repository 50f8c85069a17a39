#include "ui/report_rows.h"

#include <array>
#include <cstdio>

namespace vaporis::test {

std::string printed(const char* format, const std::string& label, double value, const char* first,
                    const char* second) {
    std::array<char, 1024> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, label.c_str(), value, first, second);
    return buffer.data();
}

std::string spacerRow(const char* open) {
    return std::string(open) + "\n <td> " + kSpacer + " </td><td></td><td></td>\n</tr>\n";
}

std::string reportStart(std::string_view title) {
    return "<html> \n<head> \n<meta charset=\"windows-1252\">\n\n</head> \n\n<body> \n\n<h2> " +
           std::string(title) + " </h2>\n\n<table>\n";
}

std::string withCrLf(std::string_view text) {
    std::string crlf;
    for (const char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return crlf;
}

}  // namespace vaporis::test
