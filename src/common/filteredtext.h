#pragma once

#include <QStringView>

#include <string>

// The UTF-8 of a text the valid-character filter leaves as it is (every character of the valid
// set is below 256), written in one pass at its exact size. With lineBreaks, each carriage
// return followed by a line feed is written as a backslash and "n", as strings sent with line
// breaks carry them.
std::string utf8OfFilteredText(QStringView text, bool lineBreaks);
