#pragma once

#include "ui/dialog_template.h"
#include "ui/port.h"

namespace vaporis::ui {

//! The command that the close box of a window with only fixed texts sends.
inline constexpr int kIdTextWindowClose = 2;

//! The information dialog: program version and disclaimer; it has no buttons.
extern const DialogTemplate kInformationTemplate;

//! The logic of a window that only shows texts (the information dialog, the validity
//! window): nothing but its close box ends it.
class InformationDialog : public DialogLogic {
public:
    explicit InformationDialog(Port& port) : port_(port) {}
    void command(int id) override;

private:
    Port& port_;
};

}  // namespace vaporis::ui
