#pragma once

#include "output/units/units.h"
#include "ui/dialog_template.h"
#include "ui/port.h"

namespace vaporis::ui {

//! Controls of the units window.
enum UnitsDialogId : int {
    kIdUnitsOk = 1,
    kIdUnitsBack = 2,
    kIdUnitsWritten = 1200,
    kIdUnitsSiMpa = 1201,
    kIdUnitsUs = 1202,
    kIdUnitsReference = 1203,
    kIdUnitsFirstQuantity = 1210,  //!< one field per quantity from here, in their order
};

//! The units window: a preset, or the unit of each quantity, in which the windows opened
//! afterwards read and show their values.
extern const DialogTemplate kUnitsTemplate;

//! Shows the windows' units; "OK" makes the typed ones theirs, unless one is unknown.
class UnitsDialog : public DialogLogic {
public:
    explicit UnitsDialog(Port& port) : port_(port) {}
    void opened() override;
    void command(int id) override;

private:
    void accept();
    //! Shows the unit of each quantity of `choice`; empty where it keeps the written one.
    void showUnits(const output::UnitChoice& choice);

    Port& port_;
};

}  // namespace vaporis::ui
