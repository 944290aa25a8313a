#pragma once

#include <string>
#include <vector>

namespace ModelSys
{
// Appends the words of text, separated by any run of blanks, tabs, CR and LF, to out.
void splitWords(const std::string& text, std::vector<std::string>& out);

// The name of a file without its directories (everything up to the last "/") and without its last
// ending (from the last "." on): models/flat/arrow.pmf gives arrow, arrow.big.pmf arrow.big.
std::string fileStem(const std::string& fileName);

// Whether text ends in ending, compared byte for byte; a text shorter than the ending does not.
bool endsWith(const std::string& text, const std::string& ending);
} // namespace ModelSys
