#pragma once

#include <string>
#include <string_view>

namespace vaporis::output {

//! How a CSV text separates its fields and writes the decimal point of its numbers.
struct CsvFormat {
    char delimiter = ',';
    bool decimalComma = false;  //!< "1,5" instead of "1.5", in the input and the output
};

//! One output line of CSV, field by field: numbers in their shortest round-trip form, texts
//! on one line and quoted where they hold the delimiter or a quote.
class CsvLine {
public:
    CsvLine(std::string& out, CsvFormat format) : out_(out), format_(format) {}

    //! The value, or an empty field when it is not valid.
    void number(double value, bool valid);
    void integer(int value);
    void text(std::string_view text);
    //! The status and message columns; `failed` counts the line as a failed row.
    void status(int code, bool failed, std::string_view message);
    void markFailed() { failed_ = true; }
    [[nodiscard]] bool failed() const { return failed_; }

private:
    void startField();

    std::string& out_;
    CsvFormat format_;
    bool first_ = true;
    bool failed_ = false;
};

}  // namespace vaporis::output
