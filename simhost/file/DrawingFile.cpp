#include "simhost/file/DrawingFile.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "simhost/file/DrawingBuilder.h"
#include "simhost/file/DrawingReader.h"
#include "simhost/file/DrawingWriter.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Host.h"

namespace simhost {
namespace {

namespace fs = std::filesystem;

bool readWhole(const std::string& fileName, std::string* text) {
    std::error_code ignored;
    if (fs::is_directory(fs::u8path(fileName), ignored)) return false;
    std::ifstream in(fs::u8path(fileName), std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return false;
    *text = content.str();
    return true;
}

// Answers why it failed, or nothing.
std::string writeWhole(const fs::path& file, const std::string& text) {
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (out) {
        out << text;
        out.close();
    }
    if (!out.fail()) return std::string();
    return errno ? std::generic_category().message(errno) : "the file system refused it";
}

std::string withSeparator(const std::string& folder) {
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\') return folder;
    return folder + "/";
}

}  // namespace

visio::ComRef<Document> DrawingFile::open(Host& host, const std::string& fileName,
                                          std::string* error, const Built& built) {
    std::string text;
    if (!readWhole(fileName, &text)) {
        if (error) *error = "cannot read " + fileName;
        return {};
    }
    DrawingData drawing;
    if (!DrawingReader::read(text, &drawing, error)) return {};
    std::error_code failed;
    fs::path full = fs::absolute(fs::u8path(fileName), failed).lexically_normal();
    return openData(host, failed ? fileName : full.u8string(), drawing, built);
}

visio::ComRef<Document> DrawingFile::openText(Host& host, const std::string& text,
                                              std::string* error, const Built& built) {
    DrawingData drawing;
    if (!DrawingReader::read(text, &drawing, error)) return {};
    std::string fullName =
        drawing.name.empty() ? std::string() : withSeparator(drawing.path) + drawing.name;
    return openData(host, fullName, drawing, built);
}

visio::ComRef<Document> DrawingFile::openData(Host& host, const std::string& fullName,
                                              DrawingData& drawing, const Built& built) {
    return host.openDocument(fullName, [&](Document& document) {
        DrawingBuilder::fill(document, std::move(drawing));
        if (built) built(document);
    });
}

bool DrawingFile::write(Document& document, std::string* text, std::string* error) {
    return DrawingWriter::write(document, text, error);
}

bool DrawingFile::save(Document& document, const std::string& fileName, std::string* error) {
    std::string text;
    if (!write(document, &text, error)) return false;
    fs::path target = fs::u8path(fileName);
    fs::path temporary = target;
    temporary += ".saving";
    std::error_code failed;
    std::string why = writeWhole(temporary, text);
    if (why.empty()) {
        fs::rename(temporary, target, failed);
        if (!failed) return true;
        why = failed.message();
    }
    fs::remove(temporary, failed);
    if (error) *error = "cannot write " + fileName + ": " + why;
    return false;
}

void DrawingFile::attach(Application& application, std::function<void(const std::string&)> report,
                         std::function<void(Document&)> saved) {
    application.hooks().saveDocument = [report, saved](Document& document) {
        std::string error;
        if (save(document, document.fullName(), &error)) {
            if (saved) saved(document);
            return true;
        }
        if (report) report(error);
        return false;
    };
}

}  // namespace simhost
