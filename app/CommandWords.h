// How the runner's commands read their words: shape IDs, numbers, the text after some
// words, and the shape or page a word names in the shown drawing; and how they quote a
// text they print.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace simhost {
class Document;
class Page;
class Shape;
}  // namespace simhost

namespace runner {

class Runner;

// The text in double quotes, with quotes, backslashes and line breaks escaped.
std::string quoted(const std::string& text);
// A shape ID: digits only, at most 2^31 - 1.
bool readId(const std::string& word, int32_t* id);
// A number as typed ("2", "-0.5", "1e3"); false for anything else, infinities included.
bool readNumber(const std::string& word, double* number);
// The text after the first count words of a command's arguments, as typed.
std::string afterWords(const std::string& rest, size_t count);
// The text without the double quotes around it, when it has them ("Edit tokens").
std::string unquoted(const std::string& text);

// The page of the document with that name, else with that number from 1; null when
// there is none.
simhost::Page* namedPage(simhost::Document& document, const std::string& word);
// The shape with that ID on the shown page, groups' members included; null after
// reporting why there is none.
simhost::Shape* shapeNamed(Runner& r, const std::string& word);
// The sheet a word names by ID on the shown page, 0 naming the page sheet; *label says
// which ("shape 12", "page sheet"). Null after reporting why there is none.
simhost::Shape* sheetNamed(Runner& r, const std::string& word, std::string* label);
// Reports the user's edit of the shape that its protection refused, as Visio tells it.
void refuseProtected(Runner& r, int32_t shapeID);

}  // namespace runner
