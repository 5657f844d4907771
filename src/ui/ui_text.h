// Text between the core (UTF-8 byte strings) and Qt (QString).
#pragma once

#include <QString>
#include <string>

namespace ql::ui {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }
inline std::string S(const QString& text) { return text.toStdString(); }

}  // namespace ql::ui
