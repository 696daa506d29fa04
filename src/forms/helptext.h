#pragma once

#include <QStringView>

#include <array>
#include <optional>

inline constexpr int HelpLineCount = 29;

// The explanation the help window prints, line by line.
const std::array<std::optional<QStringView>, HelpLineCount> &helpText();
