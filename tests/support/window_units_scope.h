#pragma once

#include <string_view>

#include "output/units/units.h"
#include "ui/window_units.h"

namespace vaporis::test {

//! The windows read and show values in the chosen units while it lives, in the written ones
//! after it.
class WindowUnitsScope {
public:
    //! A preset name ("us") or a list ("p=barg,t=F").
    explicit WindowUnitsScope(std::string_view presetOrList) {
        ui::setWindowUnits(output::presetChoice(presetOrList).value_or(listed(presetOrList)));
    }
    ~WindowUnitsScope() { ui::setWindowUnits({}); }
    WindowUnitsScope(const WindowUnitsScope&) = delete;
    WindowUnitsScope& operator=(const WindowUnitsScope&) = delete;

private:
    static output::UnitChoice listed(std::string_view list) {
        output::UnitChoice choice;
        return output::applyUnitList(list, choice).empty() ? choice : output::UnitChoice{};
    }
};

}  // namespace vaporis::test
