#pragma once

#include <memory>
#include <optional>

namespace CLI {
class App;
}

namespace vaporis::cli {

//! The commands `flow steam`, `flow gas` (a pipe or duct flow of water/steam or of a gas,
//! with the natural draft of a stack) and `ambient` (the ambient air at a level).
class FlowCommands {
public:
    //! Adds the three commands and their options to app, which must outlive this object.
    explicit FlowCommands(CLI::App& app);
    ~FlowCommands();
    FlowCommands(const FlowCommands&) = delete;
    FlowCommands& operator=(const FlowCommands&) = delete;

    //! After parsing: the exit code of the command when it is one of these, else nothing.
    //! Throws ArgumentError for unusable arguments.
    [[nodiscard]] std::optional<int> runIfChosen() const;

private:
    struct Arguments;
    std::unique_ptr<Arguments> arguments_;
};

}  // namespace vaporis::cli
