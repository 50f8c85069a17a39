#include "app/unit_settings.h"

#include <string>

#include <QSettings>
#include <QString>

#include "output/units/units.h"
#include "ui/window_units.h"

namespace vaporis::app {
namespace {

constexpr double kMaxReference = 10.0;  // bar

QSettings settings() {
    return QSettings(QStringLiteral("Vaporis"), QStringLiteral("Vaporis"));
}

}  // namespace

void loadWindowUnits() {
    const QSettings kept = settings();
    output::UnitChoice choice;
    const std::string list = kept.value(QStringLiteral("units/list")).toString().toStdString();
    bool read = false;
    const double reference = kept.value(QStringLiteral("units/reference")).toDouble(&read);
    if (read && reference > 0.0 && reference <= kMaxReference) {
        choice.referencePressure = reference;
    }
    if (output::applyUnitList(list, choice).empty()) {
        ui::setWindowUnits(choice);
    }
}

void storeWindowUnits() {
    QSettings kept = settings();
    kept.setValue(QStringLiteral("units/list"),
                  QString::fromStdString(output::unitList(ui::windowUnits())));
    kept.setValue(QStringLiteral("units/reference"), ui::windowUnits().referencePressure);
}

}  // namespace vaporis::app
