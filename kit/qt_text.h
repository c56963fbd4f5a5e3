// Program texts (UTF-8 std::string) to Qt.
#pragma once

#include <QString>
#include <string>

namespace brel {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }
inline QString Q(const char* text) { return QString::fromUtf8(text); }

}  // namespace brel
