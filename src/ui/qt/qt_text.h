#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace vaporis::ui {

//! The program's texts are UTF-8; Qt's are UTF-16. The conversion happens here only.
[[nodiscard]] inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

[[nodiscard]] inline std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace vaporis::ui
