// A text table's lines as an altimeter or a spreadsheet writes them: fields split at their
// separator, numbers read, column names taken as words.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hydrolofter::tabletext {

/// More columns than any altimeter writes: a longer line is a fault, and refusing it keeps
/// the memory a line takes small.
inline constexpr std::size_t kMaxFields = 1000;

/// A field without the blanks around it and the double quotes a spreadsheet may add.
std::string_view trimmed(std::string_view s);
/// The fields of a line, at most kMaxFields + 1 of them; a separator of ' ' splits at every
/// run of blanks.
std::vector<std::string_view> split(std::string_view line, char separator);
/// The separator a line's fields are written with: a tab, else ';', else ',', else blanks.
char separatorOf(std::string_view line);
/// The separator as a message names it: "tabs", "blanks", "','".
std::string separatorName(char separator);
/// A number as the file writes it; with ';' or tab between fields a decimal comma too.
std::optional<double> number(std::string_view field, char separator);
/// The words of a header name in lower case: "Altitude (ft)" is {"altitude", "ft"}.
std::vector<std::string> words(std::string_view name);
/// Whether one of the name's words is one of wanted.
bool hasWord(std::string_view name, std::initializer_list<std::string_view> wanted);
/// Whether one of the name's words contains part.
bool holds(std::string_view name, std::string_view part);

} // namespace hydrolofter::tabletext
