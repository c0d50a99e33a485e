#include "app/CommandWords.h"

#include <cmath>
#include <cstdlib>
#include <ostream>

#include "app/Runner.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Host.h"
#include "simhost/host/Page.h"

namespace runner {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

bool readId(const std::string& word, int32_t* id) {
    if (word.empty() || word.size() > 10) return false;
    for (char c : word)
        if (c < '0' || c > '9') return false;
    long long value = std::atoll(word.c_str());
    if (value > 2147483647LL) return false;
    *id = static_cast<int32_t>(value);
    return true;
}

bool readNumber(const std::string& word, double* number) {
    if (word.empty()) return false;
    char* end = nullptr;
    double value = std::strtod(word.c_str(), &end);
    if (end != word.c_str() + word.size() || !std::isfinite(value)) return false;
    *number = value;
    return true;
}

std::string afterWords(const std::string& rest, size_t count) {
    size_t at = 0;
    for (size_t i = 0; i < count; ++i) {
        at = rest.find_first_not_of(" \t", at);
        at = rest.find_first_of(" \t", at);
        if (at == std::string::npos) return std::string();
    }
    at = rest.find_first_not_of(" \t", at);
    return at == std::string::npos ? std::string() : rest.substr(at);
}

std::string unquoted(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

simhost::Page* namedPage(simhost::Document& document, const std::string& word) {
    if (simhost::Page* page = document.pageNamed(word)) return page;
    if (word.empty() || word.size() > 5 ||
        word.find_first_not_of("0123456789") != std::string::npos)
        return nullptr;
    return document.page(std::stoi(word));
}

simhost::Shape* shapeNamed(Runner& r, const std::string& word) {
    simhost::Page* page = r.host().application().activePage();
    int32_t id = 0;
    if (!readId(word, &id)) {
        r.fail("\"" + word + "\" is no shape ID");
        return nullptr;
    }
    if (!page) {
        r.fail("no page is shown");
        return nullptr;
    }
    simhost::Shape* shape = page->findShape(id);
    if (!shape) r.fail("no shape with the ID " + word + " on the page");
    return shape;
}

simhost::Shape* sheetNamed(Runner& r, const std::string& word, std::string* label) {
    if (word == "doc") {
        simhost::Document* document = r.host().application().activeDocument();
        if (!document) r.fail("no drawing is open");
        *label = "document sheet";
        return document ? document->documentSheet() : nullptr;
    }
    if (word != "0") {
        *label = "shape " + word;
        return shapeNamed(r, word);
    }
    simhost::Page* page = r.host().application().activePage();
    if (!page) r.fail("no page is shown");
    *label = "page sheet";
    return page ? page->pageSheet() : nullptr;
}

void refuseProtected(Runner& r, int32_t shapeID) {
    r.out() << "refused: shape " << shapeID << ": " << simhost::Host::kProtectionRefusal << "\n";
}

}  // namespace runner
