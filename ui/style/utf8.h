/// The game's texts, held as UTF-8 in standard strings and character arrays, as the windows
/// show them.
#pragma once

#include <QString>
#include <string>

namespace tazkova::ui {

inline QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

inline QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace tazkova::ui
