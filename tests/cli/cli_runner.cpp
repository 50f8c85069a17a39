#include "cli/cli_runner.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

namespace vaporis::test {

namespace {

constexpr std::string_view kCliPath = VAPORIS_CLI_PATH;

std::string shellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

std::string lineOf(const std::string& text, std::size_t index) {
    std::istringstream lines(text);
    std::string line;
    for (std::size_t i = 0; i <= index; ++i) {
        if (!std::getline(lines, line)) {
            return {};
        }
    }
    return line;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const auto comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

double numberOf(const std::string& field) {
    double value = std::nan("");
    std::from_chars(field.data(), field.data() + field.size(), value);
    return value;
}

CliRun runCli(const std::vector<std::string>& arguments, std::string_view input,
              const std::string& outputPath) {
    const TemporaryFolder folder;
    writeFile(folder.file("in"), input);
    std::string command = shellQuoted(kCliPath);
    for (const std::string& argument : arguments) {
        command += ' ' + shellQuoted(argument);
    }
    command += " < " + shellQuoted(folder.file("in").string());
    command += " > " + shellQuoted(outputPath.empty() ? folder.file("out").string() : outputPath);
    command += " 2> " + shellQuoted(folder.file("err").string());
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = fileBytes(folder.file("out"));
    run.err = fileBytes(folder.file("err"));
    return run;
}

}  // namespace vaporis::test
