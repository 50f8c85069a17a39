#include "output/format/csv_line.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "output/format/number_text.h"

namespace vaporis::output {

void CsvLine::startField() {
    if (!first_) {
        out_ += format_.delimiter;
    }
    first_ = false;
}

void CsvLine::number(double value, bool valid) {
    startField();
    if (!valid || !std::isfinite(value)) {
        return;
    }
    std::string text = formatShortest(value);
    if (format_.decimalComma) {
        std::replace(text.begin(), text.end(), '.', ',');
    }
    out_ += text;
}

void CsvLine::integer(int value) {
    startField();
    out_ += std::to_string(value);
}

void CsvLine::text(std::string_view text) {
    startField();
    // A message of several lines becomes one, so that every row stays on one line.
    std::string field;
    for (const char c : text) {
        const bool lineEnd = c == '\n' || c == '\r';
        if (!lineEnd) {
            field += c;
        } else if (!field.empty() && field.back() != ' ') {
            field += ' ';
        }
    }
    field.erase(field.find_last_not_of(' ') + 1);
    if (field.find_first_of(std::string{format_.delimiter, '"'}) == std::string::npos) {
        out_ += field;
        return;
    }
    out_ += '"';
    for (const char c : field) {
        out_ += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
    }
    out_ += '"';
}

void CsvLine::status(int code, bool failed, std::string_view message) {
    integer(code);
    text(message);
    failed_ = failed_ || failed;
}

}  // namespace vaporis::output
