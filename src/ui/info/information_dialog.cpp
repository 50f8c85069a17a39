#include "ui/info/information_dialog.h"

#include <array>
#include <string_view>

namespace vaporis::ui {
namespace {

constexpr std::string_view kLicenseGroup = "license agreements";

constexpr auto kControls = std::to_array<ControlEntry>({
    {kStaticId, ControlKind::kPicture, "steam", 0, 0, ""},
    {kStaticId, ControlKind::kStatic,
     "Vaporis\n\nfluid properties of water / steam and gases,\nthermal and flow processes\n\n"
     "Version 3.5",
     0, 1, ""},
    {kStaticId, ControlKind::kGroup, kLicenseGroup, 1, 0, "", 2},
    {kStaticId, ControlKind::kStatic,
     "This program is provided as it is, without warranty of any kind, express or implied, "
     "including the warranties of correctness and of fitness for a particular purpose.",
     0, 0, kLicenseGroup},
    {kStaticId, ControlKind::kStatic,
     "The results are calculated with care, but the authors accept no liability for any damage "
     "arising from the use of this program or of its results. Every result on which the design, "
     "operation or approval of a plant depends has to be checked by a qualified engineer.",
     1, 0, kLicenseGroup},
});

}  // namespace

const DialogTemplate kInformationTemplate{104, "TORVIK - information / license agreements",
                                          kControls, kIdTextWindowClose};

void InformationDialog::command(int id) {
    if (id == kIdTextWindowClose) {
        port_.endDialog(0);
    }
}

}  // namespace vaporis::ui
