#include "cli/command_line.h"

int main(int argc, char** argv) {
    return vaporis::cli::runCommandLine(argc, argv);
}
