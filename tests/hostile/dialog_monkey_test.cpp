#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/module_registry.h"
#include "hostile/hostile_inputs.h"
#include "project/module_objects.h"
#include "support/scripted_port.h"

// Every module window under random input: texts of every kind in its fields, clicks on its
// enabled buttons, radios and check boxes. No crash; no field the logic writes ever shows NaN
// or infinity; and a calculation clears its results first, so that none keeps a number of an
// earlier one when it refuses with an error.
namespace vaporis::app {
namespace {

using ui::ControlEntry;
using ui::ControlKind;

constexpr std::array<std::string_view, 24> kTexts{
    "",         "0",   "-0",   "1",      "-1",       "nan",
    "NaN",      "inf", "-inf", "1e308",  "1e309",    "-1e400",
    "4.9e-324", "abc", "1,5",  "12.5.3", " ",        "99999999999999999999",
    "0x1p3",    "1e",  "+",    "-",      "\xff\xfe", "0.01"};
// A session of this many events starts from fresh module objects: child windows pile up.
constexpr int kSessionEvents = 500;
// What a result field holds before a calculation, standing for an earlier result.
constexpr std::string_view kEarlierResult = "12.3456";

// Mostly a plausible number, so that calculations also succeed; else a hostile text.
std::string randomText(std::mt19937_64& engine) {
    const auto kind = engine() % 10;
    if (kind < 8) {
        const double value = std::uniform_real_distribution<double>(0.5, 400.0)(engine);
        return std::to_string(kind == 0 ? -10.0 * value : value);
    }
    std::string garbage(kind == 8 ? engine() % 300 : 0, ' ');
    for (char& c : garbage) {
        c = static_cast<char>(engine() % 256);
    }
    return kind == 8 ? garbage : std::string(kTexts[engine() % kTexts.size()]);
}

bool isResult(const ControlEntry& entry) {
    return entry.kind == ControlKind::kReadOnlyEdit &&
           (entry.group.find("result") != entry.group.npos ||
            entry.group.find("Result") != entry.group.npos);
}

// Fails for a read-only field of layout that shows NaN or infinity or, after a calculation, a
// result from before it.
void expectConsistent(const ui::DialogTemplate& layout, const test::ScriptedPort& port,
                      bool calculated, int control) {
    for (const ControlEntry& entry : layout.controls) {
        const std::string text = port.text(entry.id);
        const bool nonFinite = text.find("nan") != text.npos || text.find("inf") != text.npos;
        if (entry.kind == ControlKind::kReadOnlyEdit &&
            (nonFinite || (calculated && isResult(entry) && text == kEarlierResult))) {
            ADD_FAILURE() << "window " << layout.resourceId << ", after control " << control
                          << ": field " << entry.id << " shows \"" << text << "\"";
        }
    }
}

class Monkey {
public:
    Monkey(const ModuleRow& row, std::uint64_t seed) : row_(row), engine_(seed) {
        for (const ControlEntry& entry : row.layout->controls) {
            if (entry.id != ui::kStaticId && entry.kind != ControlKind::kReadOnlyEdit &&
                entry.kind != ControlKind::kStatic && entry.kind != ControlKind::kGroup) {
                controls_.push_back(&entry);
            }
        }
    }

    //! Runs the events in sessions that end after kSessionEvents or when the window closes.
    void run(long events) {
        long done = 0;
        for (long tries = 0; done < events && tries < 4 * events && !controls_.empty(); ++tries) {
            project::ModuleObjects objects;
            test::ScriptedPort port;
            const std::unique_ptr<ui::DialogLogic> logic = row_.makeLogic(port, objects);
            logic->opened();
            for (int i = 0; i < kSessionEvents && !port.endCode(); ++i) {
                done += event(port, *logic) ? 1 : 0;
            }
        }
        EXPECT_EQ(done >= events, !controls_.empty()) << done << " events";
    }

private:
    // One user action, if the control picked takes one; the window is closed only rarely.
    bool event(test::ScriptedPort& port, ui::DialogLogic& logic) {
        const ControlEntry& entry = *controls_[engine_() % controls_.size()];
        if (!port.enabled(entry.id) || !port.visible(entry.id) ||
            (entry.id == row_.layout->closeBoxId && engine_() % 20 != 0)) {
            return false;
        }
        const bool calculated = entry.id == row_.pictureCommand;
        for (const ControlEntry& field : row_.layout->controls) {
            if (calculated && isResult(field)) {
                port.setText(field.id, kEarlierResult);
            }
            if (entry.kind == ControlKind::kRadio && field.kind == ControlKind::kRadio &&
                field.group == entry.group) {
                port.setChecked(field.id, field.id == entry.id);
            }
        }
        const std::size_t children = port.children().size();
        if (entry.kind == ControlKind::kEdit) {
            port.typeText(entry.id, randomText(engine_));
            logic.fieldEdited(entry.id);
            logic.refreshDisplays();
        } else {
            if (entry.kind == ControlKind::kCheck) {
                port.setChecked(entry.id, !port.checked(entry.id));
            }
            logic.command(entry.id);
        }
        expectConsistent(*row_.layout, port, calculated, entry.id);
        for (std::size_t c = children; c < port.children().size(); ++c) {
            for (const ModuleRow& row : kModules) {
                if (row.hasWindow() && row.layout->resourceId == port.children()[c].resourceId) {
                    expectConsistent(*row.layout, *port.children()[c].port, false, entry.id);
                }
            }
        }
        return true;
    }

    const ModuleRow& row_;
    std::mt19937_64 engine_;
    std::vector<const ControlEntry*> controls_;
};

TEST(DialogMonkey, EveryModuleWindowSurvivesRandomInputWithConsistentResults) {
    const std::vector<std::uint64_t> seeds = test::hostileSeeds();
    const auto events = static_cast<long>(test::environmentNumber("VAPORIS_MONKEY_EVENTS", 1e5) /
                                          static_cast<double>(seeds.size()));
    for (const std::uint64_t seed : seeds) {
        std::printf("%ld random events per window from seed %llu (VAPORIS_HOSTILE_SEED)\n", events,
                    static_cast<unsigned long long>(seed));
        for (const ModuleRow& row : kModules) {
            if (row.hasWindow()) {
                SCOPED_TRACE(std::string(row.pictureName) + ", seed " + std::to_string(seed));
                Monkey(row, seed).run(events);
            }
        }
    }
}

}  // namespace
}  // namespace vaporis::app
