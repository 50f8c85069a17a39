#include "ui/qt/template_builder.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <vector>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>
#include <QVBoxLayout>

#include "ui/qt/canvas_widget.h"
#include "ui/qt/fitting_scroll_area.h"
#include "ui/qt/picture_widget.h"
#include "ui/qt/qt_text.h"
#include "ui/window_units.h"

namespace vaporis::ui {
namespace {

// What the user sees in a number field is exactly what is read: no more than 9 characters.
constexpr int kMaxInputLength = 9;
// A result field holds up to 11 digits and a point ("21965.764290", the isentropic exponent of
// cold water with six decimals; "-46883.2154") plus the frame and margins of the edit.
constexpr auto kWidestFieldText = "00000.000000";
constexpr int kFieldFrame = 6;
// A name field shows this many average characters: a gas analysis's whole name.
constexpr int kNameCharacters = 40;
// A fixed text longer than this and without line breaks of its own is a paragraph: it wraps
// at this many average characters per grid column it spans. The fixed width gives it a fixed
// height, which a window fixed to its content needs (Qt does not size a top-level window by
// height-for-width).
constexpr std::string_view::size_type kParagraphLength = 90;
constexpr int kParagraphCharacters = 72;
// Pixels between the lines of a table of fixed texts.
constexpr int kTextTableSpacing = 2;
constexpr int kGroupSideMargin = 6;  // [logical px]
// Marks a result or display field that setControlEnabled greyed.
constexpr const char* kDimmedProperty = "dimmed";
// Percent of the selection colour in a result field's background.
constexpr int kResultTint = 12;

using GridMap = std::map<std::string_view, QGridLayout*>;

QGridLayout* gridOf(const GridMap& grids, std::string_view group) {
    const auto found = grids.find(group);
    return found != grids.end() ? found->second : grids.at("");
}

QLabel* makeStatic(std::string_view text, int columnSpan, QWidget* parent) {
    auto* label = new QLabel(toQString(text), parent);
    label->setTextFormat(Qt::PlainText);
    if (text.size() > kParagraphLength && text.find('\n') == std::string_view::npos) {
        const int width =
            label->fontMetrics().averageCharWidth() * kParagraphCharacters * columnSpan;
        label->setWordWrap(true);
        label->setFixedSize(width, label->heightForWidth(width));
    }
    return label;
}

QLineEdit* makeEdit(const ControlEntry& entry, QWidget* parent) {
    const ControlKind kind = entry.kind;
    auto* edit = new QLineEdit(parent);
    if (kind == ControlKind::kReadOnlyEdit && entry.columnSpan > 1) {
        // A text over several cells is a name (a gas analysis's): it shows whole.
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * kNameCharacters +
                              kFieldFrame);
    } else {
        // Wide enough for every value shown; wider fields only spread the window.
        edit->setMaximumWidth(
            edit->fontMetrics().horizontalAdvance(QString::fromLatin1(kWidestFieldText)) +
            kFieldFrame);
    }
    if (kind == ControlKind::kEdit) {
        edit->setMaxLength(kMaxInputLength);
    }
    return edit;
}

QWidget* makeWidget(const ControlEntry& entry, int defaultButtonId, QWidget* parent) {
    switch (entry.kind) {
        case ControlKind::kRadio:
            return new QRadioButton(toQString(shownText(entry.text)), parent);
        case ControlKind::kCheck:
            return new QCheckBox(toQString(entry.text), parent);
        case ControlKind::kButton: {
            auto* button = new QPushButton(toQString(entry.text), parent);
            // Enter presses the template's default button only, never the focused one.
            button->setAutoDefault(false);
            button->setDefault(entry.id == defaultButtonId && entry.id != kStaticId);
            return button;
        }
        case ControlKind::kPicture:
            return new PictureWidget(entry.text, parent);
        case ControlKind::kCanvas:
            return new CanvasWidget(parent);
        case ControlKind::kEdit:
        case ControlKind::kReadOnlyEdit:
            return makeEdit(entry, parent);
        case ControlKind::kStatic:
        case ControlKind::kGroup:
            break;
    }
    // A static text that names a row of fields names their unit too.
    return makeStatic(
        entry.kind == ControlKind::kStatic ? shownText(entry.text) : std::string(entry.text),
        entry.columnSpan, parent);
}

bool isField(ControlKind kind) {
    return kind == ControlKind::kEdit || kind == ControlKind::kReadOnlyEdit;
}

// The field's text and background in the colours of a disabled one.
QPalette dimmedPalette(const QLineEdit& edit) {
    QPalette palette = edit.parentWidget()->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const QPalette::ColorRole role : {QPalette::Text, QPalette::Base}) {
            palette.setColor(group, role, palette.color(QPalette::Disabled, role));
        }
    }
    return palette;
}

// A result's background: the field's own tinted with the selection colour, so it stands apart
// from the inputs and keeps the contrast of the theme's text, light or dark.
QPalette resultPalette(const QLineEdit& edit) {
    QPalette palette = edit.parentWidget()->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor base = palette.color(group, QPalette::Base);
        const QColor tint = palette.color(group, QPalette::Highlight);
        const auto mix = [](int a, int b) {
            return (a * (100 - kResultTint) + b * kResultTint) / 100;
        };
        palette.setColor(group, QPalette::Base,
                         QColor(mix(base.red(), tint.red()), mix(base.green(), tint.green()),
                                mix(base.blue(), tint.blue())));
    }
    return palette;
}

enum class FieldLook { kInput, kResult, kDimmed };

// Results and displays are out of the Tab chain, which then runs from input to input, yet a click
// still selects their text for copying.
void setLook(QLineEdit& edit, FieldLook look) {
    edit.setReadOnly(look != FieldLook::kInput);
    edit.setFocusPolicy(look == FieldLook::kInput ? Qt::StrongFocus : Qt::ClickFocus);
    edit.setProperty(kDimmedProperty, look == FieldLook::kDimmed);
    switch (look) {
        case FieldLook::kInput:
            // An empty palette sets no colour: the field takes the window's again.
            edit.setPalette(QPalette());
            break;
        case FieldLook::kResult:
            edit.setPalette(resultPalette(edit));
            break;
        case FieldLook::kDimmed:
            edit.setPalette(dimmedPalette(edit));
            break;
    }
}

// A control's widget with its template state and, when it has an id, its object name.
BuiltControl makeControl(const ControlEntry& entry, int defaultButtonId, QWidget* parent) {
    BuiltControl built{entry.kind, makeWidget(entry, defaultButtonId, parent)};
    setControlEnabled(built, entry.enabled);
    if (entry.id != kStaticId) {
        built.widget->setObjectName(QStringLiteral("control%1").arg(entry.id));
    }
    return built;
}

// Places one control in its grid; an edit field with a text gets its label in front.
BuiltControl place(const ControlEntry& entry, int defaultButtonId, QGridLayout& grid) {
    QWidget* parent = grid.parentWidget();
    BuiltControl built = makeControl(entry, defaultButtonId, parent);
    int column = entry.column;
    if (isField(entry.kind) && !entry.text.empty()) {
        built.label = makeStatic(shownLabel(entry.text), 1, parent);
        built.label->setBuddy(built.widget);
        grid.addWidget(built.label, entry.row, column++);
    }
    grid.addWidget(
        built.widget, entry.row, column, 1, entry.columnSpan,
        entry.kind == ControlKind::kStatic ? Qt::AlignLeft | Qt::AlignTop : Qt::Alignment());
    return built;
}

// The buttons that end a dialog, left to right: the window's last row when it holds nothing
// but buttons one column wide (a menu's full-width button is no such row).
std::vector<const ControlEntry*> commandButtons(const DialogTemplate& layout) {
    int lastRow = -1;
    for (const ControlEntry& entry : layout.controls) {
        if (entry.group.empty()) {
            lastRow = std::max(lastRow, entry.row);
        }
    }
    std::vector<const ControlEntry*> buttons;
    for (const ControlEntry& entry : layout.controls) {
        if (!entry.group.empty() || entry.row != lastRow) {
            continue;
        }
        if (entry.kind != ControlKind::kButton || entry.columnSpan != 1) {
            return {};
        }
        buttons.push_back(&entry);
    }
    std::ranges::sort(buttons, {}, [](const ControlEntry* entry) { return entry->column; });
    return buttons;
}

// In the grid, a command button would take the width of its column, which the groups above
// decide: one button grew to half the window. In a row of their own the buttons keep their
// natural width and spread over the window's width; a lone one stands at the right.
QHBoxLayout* placeCommandRow(const std::vector<const ControlEntry*>& buttons, int defaultButtonId,
                             QBoxLayout& outer, ControlMap& controls) {
    auto* row = new QHBoxLayout;  // owned by outer from the next line on
    outer.addLayout(row);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0 || buttons.size() == 1) {
            row->addStretch();
        }
        const ControlEntry& entry = *buttons[i];
        const BuiltControl built = makeControl(entry, defaultButtonId, outer.parentWidget());
        built.widget->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        row->addWidget(built.widget);
        if (entry.id != kStaticId) {
            controls.insert_or_assign(entry.id, built);
        }
    }
    return row;
}

void addGroup(const ControlEntry& entry, GridMap& grids) {
    QGridLayout* outer = gridOf(grids, entry.group);
    auto* box = new QGroupBox(toQString(shownText(entry.text)), outer->parentWidget());
    outer->addWidget(box, entry.row, entry.column, entry.rowSpan, entry.columnSpan);
    auto* grid = new QGridLayout(box);
    // Narrower side margins than the style's, so that two groups side by side (the tools window)
    // fit a laptop at 125 % without scrolling sideways.
    QMargins margins = grid->contentsMargins();
    margins.setLeft(std::min(margins.left(), kGroupSideMargin));
    margins.setRight(std::min(margins.right(), kGroupSideMargin));
    grid->setContentsMargins(margins);
    grids[entry.text] = grid;
}

// Pictures side by side above a panel of buttons line up only when their columns are equally
// wide: each such column gets the width of the widest control in any of them.
void equalizePictureColumns(QGridLayout& grid) {
    std::set<int> pictureColumns;
    int widest = 0;
    const auto forEachSingleCell = [&grid](const auto& visit) {
        for (int i = 0; i < grid.count(); ++i) {
            int row = 0;
            int column = 0;
            int rowSpan = 0;
            int columnSpan = 0;
            grid.getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            if (QWidget* widget = grid.itemAt(i)->widget(); widget != nullptr && columnSpan == 1) {
                visit(*widget, column);
            }
        }
    };
    forEachSingleCell([&](QWidget& widget, int column) {
        if (dynamic_cast<PictureWidget*>(&widget) != nullptr) {
            pictureColumns.insert(column);
        }
    });
    forEachSingleCell([&](QWidget& widget, int column) {
        if (pictureColumns.contains(column)) {
            widest = std::max(widest, widget.sizeHint().width());
        }
    });
    for (const int column : pictureColumns) {
        grid.setColumnMinimumWidth(column, widest);
    }
}

// A group of nothing but one-line fixed texts is a table: its lines stand as close as a text's
// lines. Paragraphs keep their space between them.
void tightenTextTable(QGridLayout& grid) {
    for (int i = 0; i < grid.count(); ++i) {
        const auto* label = qobject_cast<const QLabel*>(grid.itemAt(i)->widget());
        if (label == nullptr || label->wordWrap()) {
            return;
        }
    }
    grid.setVerticalSpacing(kTextTableSpacing);
}

}  // namespace

void setControlEnabled(const BuiltControl& control, bool enabled) {
    auto* edit = qobject_cast<QLineEdit*>(control.widget);
    if (control.kind == ControlKind::kReadOnlyEdit) {
        setLook(*edit, enabled ? FieldLook::kResult : FieldLook::kDimmed);
        return;
    }
    if (control.kind == ControlKind::kEdit) {
        setLook(*edit, FieldLook::kInput);
    }
    control.widget->setEnabled(enabled);
}

void showControlAsResult(const BuiltControl& control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control.widget)) {
        edit->setEnabled(true);
        setLook(*edit, FieldLook::kResult);
    }
}

bool controlEnabled(const BuiltControl& control) {
    if (control.kind == ControlKind::kReadOnlyEdit) {
        return !control.widget->property(kDimmedProperty).toBool();
    }
    const auto* edit = qobject_cast<const QLineEdit*>(control.widget);
    return control.widget->isEnabled() && (edit == nullptr || !edit->isReadOnly());
}

ControlMap buildTemplate(const DialogTemplate& layout, QWidget& window) {
    auto* outer = new QVBoxLayout(&window);
    // Fixed to what the texts need in the current font, so it follows the screen's scaling.
    outer->setSizeConstraint(QLayout::SetFixedSize);
    // A window's own margins go to its controls (a child widget would get narrower ones).
    const QMargins margins = outer->contentsMargins();
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* scroll = new FittingScrollArea(&window);
    // Tab runs through the controls, not through the area that holds them.
    scroll->setFocusPolicy(Qt::NoFocus);
    outer->addWidget(scroll);
    auto* body = new QWidget(scroll);
    auto* top = new QGridLayout(body);
    top->setSizeConstraint(QLayout::SetFixedSize);
    top->setContentsMargins(margins);
    GridMap grids{{"", top}};
    for (const ControlEntry& entry : layout.controls) {
        if (entry.kind == ControlKind::kGroup) {
            addGroup(entry, grids);
        }
    }
    const std::vector<const ControlEntry*> commandRow = commandButtons(layout);
    ControlMap controls;
    for (const ControlEntry& entry : layout.controls) {
        if (entry.kind == ControlKind::kGroup || std::ranges::count(commandRow, &entry) > 0) {
            continue;
        }
        const BuiltControl built =
            place(entry, layout.defaultButtonId, *gridOf(grids, entry.group));
        if (entry.id != kStaticId) {
            controls.insert_or_assign(entry.id, built);
        }
    }
    if (!commandRow.empty()) {
        // The buttons stay in view below the controls, with the margins the controls have.
        QHBoxLayout* row = placeCommandRow(commandRow, layout.defaultButtonId, *outer, controls);
        row->setContentsMargins(margins.left(), top->verticalSpacing(), margins.right(),
                                margins.bottom());
        row->setSpacing(top->horizontalSpacing());
        top->setContentsMargins(margins.left(), margins.top(), margins.right(), 0);
        scroll->setReserved({0, row->sizeHint().height()});
        // The controls take the width of the button row when it is the wider, as they would in
        // one grid with it.
        const int rowWidth = row->sizeHint().width() - margins.left() - margins.right();
        top->addItem(new QSpacerItem(rowWidth, 0), 0, 0, 1, -1);
    }
    for (const auto& [group, grid] : grids) {
        equalizePictureColumns(*grid);
        if (!group.empty()) {
            tightenTextTable(*grid);
        }
        // A group box stretched to its neighbour's height keeps its rows together at the top.
        grid->setRowStretch(grid->rowCount(), 1);
    }
    scroll->setWidget(body);
    return controls;
}

}  // namespace vaporis::ui
