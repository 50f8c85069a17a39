#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/module_objects.h"
#include "app/module_registry.h"
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

long environmentCount(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr ? std::strtol(text, nullptr, 10) : fallback;
}

// Mostly a plausible number, so that calculations also succeed; else a hostile text.
std::string randomText(std::mt19937_64& engine) {
    const auto kind = engine() % 10;
    if (kind < 8) {
        const double value = std::uniform_real_distribution<double>(0.5, 400.0)(engine);
        return std::to_string(kind == 0 ? -10.0 * value : value);
    }
    if (kind == 8) {
        std::string garbage(engine() % 300, ' ');
        for (char& c : garbage) {
            c = static_cast<char>(engine() % 256);
        }
        return garbage;
    }
    return std::string(kTexts[engine() % kTexts.size()]);
}

bool showsNonFinite(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

const ui::DialogTemplate* layoutOf(int resourceId) {
    for (const ModuleRow& row : kModules) {
        if (row.enabled() && row.layout->resourceId == resourceId) {
            return row.layout;
        }
    }
    return nullptr;
}

bool isResult(const ControlEntry& entry) {
    return entry.kind == ControlKind::kReadOnlyEdit &&
           (entry.group.find("result") != std::string_view::npos ||
            entry.group.find("Result") != std::string_view::npos);
}

//! The first read-only field of layout that shows something non-finite or, after a
//! calculation, a result from before it; 0 for none.
int inconsistentField(const ui::DialogTemplate& layout, const test::ScriptedPort& port,
                      bool calculated) {
    for (const ControlEntry& entry : layout.controls) {
        const std::string text = port.text(entry.id);
        if (entry.kind == ControlKind::kReadOnlyEdit &&
            (showsNonFinite(text) || (calculated && isResult(entry) && text == kEarlierResult))) {
            return entry.id;
        }
    }
    return 0;
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
        for (long tries = 0; done < events && tries < 4 * events; ++tries) {
            ModuleObjects objects;
            test::ScriptedPort port;
            const std::unique_ptr<ui::DialogLogic> logic = row_.makeLogic(port, objects);
            logic->opened();
            for (int i = 0; i < kSessionEvents && !port.endCode() && !controls_.empty(); ++i) {
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
        if (calculated) {
            for (const ControlEntry& field : row_.layout->controls) {
                if (isResult(field)) {
                    port.setText(field.id, kEarlierResult);
                }
            }
        }
        const std::size_t children = port.children().size();
        switch (entry.kind) {
            case ControlKind::kEdit:
                port.typeText(entry.id, randomText(engine_));
                logic.fieldEdited(entry.id);
                logic.refreshDisplays();
                break;
            case ControlKind::kRadio:
                chooseRadio(port, entry);
                logic.command(entry.id);
                break;
            case ControlKind::kCheck:
                port.setChecked(entry.id, !port.checked(entry.id));
                logic.command(entry.id);
                break;
            default:
                logic.command(entry.id);
        }
        expectConsistent(*row_.layout, port, calculated, entry.id);
        for (std::size_t c = children; c < port.children().size(); ++c) {
            const test::ChildDialog& child = port.children()[c];
            if (const ui::DialogTemplate* layout = layoutOf(child.resourceId)) {
                expectConsistent(*layout, *child.port, false, entry.id);
            }
        }
        return true;
    }

    void chooseRadio(test::ScriptedPort& port, const ControlEntry& entry) {
        for (const ControlEntry& other : row_.layout->controls) {
            if (other.kind == ControlKind::kRadio && other.group == entry.group) {
                port.setChecked(other.id, other.id == entry.id);
            }
        }
    }

    void expectConsistent(const ui::DialogTemplate& layout, const test::ScriptedPort& port,
                          bool calculated, int control) {
        if (const int field = inconsistentField(layout, port, calculated); field != 0) {
            ADD_FAILURE() << "dialog " << layout.resourceId << ", after control " << control
                          << ": field " << field << " shows \"" << port.text(field) << "\"";
        }
    }

    const ModuleRow& row_;
    std::mt19937_64 engine_;
    std::vector<const ControlEntry*> controls_;
};

TEST(DialogMonkey, EveryModuleWindowSurvivesRandomInputWithConsistentResults) {
    const long events = environmentCount("VAPORIS_MONKEY_EVENTS", 100000);
    const auto seed = static_cast<std::uint64_t>(environmentCount("VAPORIS_HOSTILE_SEED", 17));
    std::printf("%ld random events per window from seed %llu\n", events,
                static_cast<unsigned long long>(seed));
    for (const ModuleRow& row : kModules) {
        if (row.enabled()) {
            SCOPED_TRACE(row.pictureName);
            Monkey(row, seed).run(events);
        }
    }
}

}  // namespace
}  // namespace vaporis::app
